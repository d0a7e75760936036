#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The completion candidate table and the word delimiters of the source editor.
namespace editor {

// Escapes the characters the table's build uses as separators: every "<" becomes "&&", ">"
// becomes "%%", ";" becomes "$$" and every double quote a single quote, in that order. The
// argument is changed too; the result is returned.
QString escapeKouho(QString &s);

// The lines of a candidate file's text: CR LF and a lone CR end a line, a lone LF stays inside
// its line; the line ends are not part of the lines, and a text ending in a line end has no empty
// last line.
QStringList candidateFileLines(const QString &text);

// Builds the candidate table from the object member text, the candidate file's lines (escaped
// here) and the reserved-word text (words joined by ";"). Every entry that is not blank is trimmed
// of blanks, loses a two-character kind suffix ("AA", "A0".."A5") and has "&&", "%%", "$$" turned
// back into "<", ">", ";"; blank entries and duplicates stay. Names between "<" and ">" of the
// object text become entries of their own.
QStringList buildKouhoList(const QString &objTreeText, const QStringList &fileLines,
                           const QString &reservedWords);

// Index of the first entry "<A>": the entries before it are script words, it and the entries
// after it markup candidates. The table's size when there is no such entry.
qsizetype markupStart(const QStringList &kouhoList);

// The 16 characters that end a word for completion, in table order: blank , . ; LF " ' (
// ideographic space TAB { = > : ) }.
const QStringList &wordDelimiters();
// Whether a character is one of the first `count` word delimiters.
bool isWordDelimiter(QChar c, int count = 16);

// The word delimiter nearest before the caret (the character just before it included), or an
// empty text when none stands before it. Scans back from the caret only as far as the nearest one.
QString nearestDelimiter(QStringView text, qsizetype caret);

} // namespace editor
