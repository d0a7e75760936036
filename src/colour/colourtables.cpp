#include "colour/colourtables.h"

#include "controls/strings.h"

NamedColour parseNamedColour(const QString &line)
{
    const QStringList fields = line.split(u',');
    NamedColour record;
    record.name = fields.value(0);
    record.hex = fields.value(1);
    record.red = fields.value(2).toInt();
    record.green = fields.value(3).toInt();
    record.blue = fields.value(4).toInt();
    return record;
}

std::vector<NamedColour> readNamedColours(const QString &text)
{
    std::vector<NamedColour> records;
    for (const QString &line : recordLines(text))
        records.push_back(parseNamedColour(line));
    return records;
}

QStringList webColourValues(const QString &line)
{
    QStringList values;
    qsizetype start = 0;
    for (qsizetype blank = line.indexOf(u' '); blank >= 0; blank = line.indexOf(u' ', start)) {
        values.append(line.mid(start, blank - start));
        start = blank + 1;
    }
    return values;
}

QStringList recordLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(QStringLiteral(u"\r\n")))
        if (!strings::trim(line).isEmpty())
            lines.append(line);
    return lines;
}

const std::array<BasicColour, 16> &basicColours()
{
    static const std::array<BasicColour, 16> table = {{
        {u"navy", u"000080"},
        {u"blue", u"0000ff"},
        {u"aqua", u"00ffff"},
        {u"green", u"008000"},
        {u"lime", u"00ff00"},
        {u"yellow", u"ffff00"},
        {u"red", u"ff0000"},
        {u"fuchsia", u"ff00ff"},
        {u"black", u"000000"},
        {u"gray", u"808080"},
        {u"silver", u"c0c0c0"},
        {u"white", u"ffffff"},
        {u"maroon", u"800000"},
        {u"olive", u"808000"},
        {u"teal", u"008080"},
        {u"purple", u"800080"},
    }};
    return table;
}

const std::array<ShadeRamp, 7> &shadeRamps()
{
    static const std::array<ShadeRamp, 7> ramps = {{
        {6, true, true, true},
        {7, true, false, false},
        {8, false, true, false},
        {9, false, false, true},
        {10, true, true, false},
        {11, true, false, true},
        {12, false, true, true},
    }};
    return ramps;
}
