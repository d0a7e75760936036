#pragma once

#include <QString>

// Texts inside the single-quoted strings of the generated script.
namespace scripttext {

// The text inside a single-quoted script string: a backslash or an apostrophe would end the string
// and break the whole program, so they are escaped.
QString escaped(const QString &text);

// A cell text without its line ends, broken into script string pieces: at each 40th character the
// text is cut at the next blank or ">" (whichever comes first), else at the next "、" or ",", else
// at the next ideographic space or "。". A blank at the break goes; the other characters stay in
// front of it. Each piece but the last ends the string; the next line goes on with "+ '".
QString brokenCellText(const QString &raw);

} // namespace scripttext
