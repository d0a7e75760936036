#pragma once

#include "controls/colorrun.h"

#include <QtGlobal>

#include <optional>

namespace editor {

// The roles a character of the HTML source can be coloured in. The numbers are the colour-table
// indexes the source view has always used: 1 tags, 2 text after a tag, 3 quoted attribute values,
// 4 quoted passages inside comments; 0 is the colour in force before anything was switched.
enum class SyntaxRole : quint8 {
    Default = 0,
    Tag = 1,
    Text = 2,
    Value = 3,
    CommentQuote = 4,
    Spare = 5, // in the colour table, never placed by the colouring
    Plain = 6, // the whole source when it holds no "<"
};

// The colours of one scheme of the source view `RB1` and the cell-data view `RB3`.
struct ColorScheme
{
    bool isLight;         // the light scheme, chosen by `Check1` = 1
    quint32 defaultText;  // role Default: the scheme's text colour (never black on black)
    quint32 tag;          // role Tag
    quint32 text;         // role Text
    quint32 value;        // role Value
    quint32 commentQuote; // role CommentQuote
    quint32 spare;        // role Spare
    quint32 plainText;    // role Plain, in RB1 and RB3 alike
    quint32 sourceBackground;
    quint32 cellBackground;
    quint32 cellText; // all of RB3 when the source holds a "<"

    quint32 color(SyntaxRole role) const;

    static const ColorScheme &light();
    static const ColorScheme &dark();
    // `Check1`.Value: 1 selects the light scheme, any other value the dark one.
    static const ColorScheme &forOption(int syntaxColouringValue);
};

// What `Setcolor2` gives the cell-data view: its background and the colour of all of its text.
// `sourceHasTag` tells whether the source view's text holds a "<".
struct CellDataColors
{
    std::optional<quint32> background; // empty: leave the background as it is
    quint32 text = 0;
};
CellDataColors setcolor2CellData(const ColorScheme &scheme, bool sourceHasTag);

// What `RecolorSecondText` gives the cell-data view: the dark scheme sets the background, the light
// scheme keeps whatever background the view has.
CellDataColors recolorCellData(const ColorScheme &scheme);

} // namespace editor
