#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The picker's three colour tables: the named colours (string resource 101), the web colours
// (string resource 102) and the 16 basic colours held here.

// One record of the named-colour table: "name,rrggbb,red,green,blue".
struct NamedColour
{
    QString name;
    QString hex;
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The lines of a table's text that hold records: split at CR LF, every line that is not blank
// after trimming, the first one included; the empty piece after the final CR LF gives none.
QStringList recordLines(const QString &text);

// A named-colour line split at ",": missing fields are empty (numbers 0), extra ones ignored.
NamedColour parseNamedColour(const QString &line);
// The records of a named-colour text, in order.
std::vector<NamedColour> readNamedColours(const QString &text);

// The values of one web-colour line: each run of characters before a blank, in order, so a line
// ending in a blank gives all of its values and text after the last blank gives none.
QStringList webColourValues(const QString &line);

struct BasicColour
{
    const char16_t *name;
    // Six lower-case hexadecimal digits.
    const char16_t *hex;
};
// The 16 basic colours in the order the basic view lists them: navy first, purple last.
const std::array<BasicColour, 16> &basicColours();

// The seven shade ramps of the extended palette, in the order they are made: grey, red, green,
// blue, yellow, magenta, cyan. Each stands in its own palette column and has 33 shades.
struct ShadeRamp
{
    int column;
    bool red, green, blue; // the components that take the shade's level
};
const std::array<ShadeRamp, 7> &shadeRamps();
constexpr int ShadeSteps = 33;
// The level of shade step 0..32: 0, 8, 16, ..., 248, then 255.
constexpr int shadeLevel(int step)
{
    return step < 32 ? 8 * step : 255;
}
