#pragma once

#include <QString>

// Texts inside the single-quoted strings of the generated script.
namespace scripttext {

// A text as it goes inside a single-quoted string of the generated script, so that the string
// reads back as the text and the script always runs: "\" becomes "\\", then "'" becomes "\'",
// then "</script" in any letter case becomes "<\/script" keeping its letters (the browser would
// end the page's script element there). Every piece of text the writer puts between quotes goes
// through it: cell texts, attribute strings and the pieces of the table's start tag.
QString escaped(const QString &text);

// A cell text without its line ends, broken into script string pieces: at each 40th character the
// text is cut after the next blank or ">" (whichever comes first), else after the next "、" or ",",
// else after the next ideographic space or "。". The character at the break stays at the end of
// its piece, so words a blank separated stay apart. Each piece but the last ends the string; the
// next line goes on with "+ '". The breaks are found in the text as it stands and the pieces are
// escaped afterwards, so a break never splits an escape.
QString brokenCellText(const QString &raw);

} // namespace scripttext
