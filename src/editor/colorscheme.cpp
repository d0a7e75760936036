#include "editor/colorscheme.h"

namespace editor {

namespace {

const ColorScheme kLight{
    true,
    rgb(0, 0, 0),       // default text
    rgb(0, 0, 200),     // tag
    rgb(100, 0, 100),   // text
    rgb(180, 0, 0),     // value
    rgb(200, 0, 0),     // comment quote
    rgb(255, 0, 0),     // spare
    rgb(150, 0, 150),   // plain
    rgb(238, 238, 255), // source background
    rgb(238, 238, 255), // cell background
    rgb(0, 0, 0),       // cell text
};

// The control's automatic colour is black, which on the black background would hide the text before
// the first tag; the dark scheme draws it in the light text colour of the cell-data view instead.
const ColorScheme kDark{
    false,
    rgb(238, 238, 255), // default text
    rgb(0, 150, 255),   // tag
    rgb(220, 220, 255), // text
    rgb(255, 180, 0),   // value
    rgb(0, 255, 0),     // comment quote
    rgb(255, 0, 0),     // spare
    rgb(255, 255, 255), // plain
    rgb(0, 0, 0),       // source background
    rgb(0, 0, 0),       // cell background
    rgb(238, 238, 255), // cell text
};

} // namespace

quint32 ColorScheme::color(SyntaxRole role) const
{
    switch (role) {
    case SyntaxRole::Default:
        return defaultText;
    case SyntaxRole::Tag:
        return tag;
    case SyntaxRole::Text:
        return text;
    case SyntaxRole::Value:
        return value;
    case SyntaxRole::CommentQuote:
        return commentQuote;
    case SyntaxRole::Spare:
        return spare;
    case SyntaxRole::Plain:
        return plainText;
    }
    return defaultText;
}

const ColorScheme &ColorScheme::light()
{
    return kLight;
}

const ColorScheme &ColorScheme::dark()
{
    return kDark;
}

const ColorScheme &ColorScheme::forOption(int syntaxColouringValue)
{
    return syntaxColouringValue == 1 ? kLight : kDark;
}

CellDataColors setcolor2CellData(const ColorScheme &scheme, bool sourceHasTag)
{
    return {scheme.cellBackground, sourceHasTag ? scheme.cellText : scheme.plainText};
}

CellDataColors recolorCellData(const ColorScheme &scheme)
{
    if (scheme.isLight)
        return {std::nullopt, scheme.cellText};
    return {scheme.cellBackground, scheme.cellText};
}

} // namespace editor
