#pragma once

#include <QStringView>

#include <vector>

namespace editor {

// A piece of a text: `length` UTF-16 units from the 0-based `start`.
struct TextSpan
{
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

// The script elements of an HTML source, in text order: each runs from a "<script" through the end
// of the first "</script>" after it, both matched without regard to ASCII case. A "<script" with no
// "</script>" after it is not an element, and the search goes on after it. The spans never overlap.
std::vector<TextSpan> findScriptElements(QStringView text);

// True when `text` holds `lowerAscii` (lower-case ASCII) at `pos`, ASCII letters matched in either
// case.
bool matchesAsciiNoCase(QStringView text, qsizetype pos, QStringView lowerAscii);

} // namespace editor
