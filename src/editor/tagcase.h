#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace editor {

// Converts the case of the tags of an HTML source: mode 1 gives lower case, any other mode upper
// case. The text keeps its length and every character outside tags keeps its case. One pass, left
// to right; at each character the first of these rules that matches updates the state:
// 1. "<!--javascript" (any case) starts a protected script region;
// 2. "</script>" (any case) ends it;
// 3. "<!-" leaves any tag and quote;
// 4. "<" enters a tag;
// 5. "-->" leaves any tag and quote;
// 6. ">" leaves any tag and quote;
// 7. a double quote inside a tag opens or closes a quoted value.
// Then the character is converted when it stands in a tag, outside quotes and outside a protected
// region. So comment text keeps its case but tags inside a comment are converted; "</script>" keeps
// its case unless a tag is still open; a plain "<script>" element is scanned like any other text;
// single quotes are not treated as quotes; text before the first "<" never changes.
// Characters whose case mapping has another length in UTF-16 are left as they are.
QString convertTagCase(QStringView text, int mode);

// The same conversion, or nothing when it would change no character (no copy is made then).
std::optional<QString> convertedTagCase(QStringView text, int mode);

// The tag-case option (the value of the check box Check2) asks for upper-case tags only at 1;
// 0 (the box cleared by a click, the state after a normal start) and 2 (the lower-case menu item)
// both mean lower case.
inline bool upperCaseTags(int tagCaseOption)
{
    return tagCaseOption == 1;
}

// The convertTagCase mode that brings a source in line with the tag-case option.
inline int tagCaseMode(int tagCaseOption)
{
    return upperCaseTags(tagCaseOption) ? 0 : 1;
}

// A tag, or a whole fragment of tags, that the editor inserts (a basic tag, a template), in the
// case the tag-case option asks for: all of its text, attribute names and values included, is
// upper- or lower-cased, except character references ("&nbsp;", "&#xA0;"), which keep their case:
// "&NBSP;" is no reference, the browser would show it as text.
QString insertedTagText(QStringView text, int tagCaseOption);

} // namespace editor
