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

// The completion candidate table: snippets, tags, script words and the reserved words, from which
// the candidate list takes what begins with the typed word.
class CandidateTable
{
public:
    // Builds the table from the object member text, the candidate file's lines (escaped here) and
    // the reserved-word text (words joined by ";"), replacing what it held. Every entry that is not
    // blank is trimmed of blanks, loses a two-character kind suffix ("AA", "A0".."A5") and has
    // "&&", "%%", "$$" turned back into "<", ">", ";"; blank entries and duplicates stay. Names
    // between "<" and ">" of the object text become entries of their own.
    void build(const QString &objTreeText, const QStringList &fileLines,
               const QString &reservedWords);
    const QStringList &entries() const { return m_entries; }
    // Index of the first entry "<A>": the entries before it are script words, it and the entries
    // after it markup candidates. The table's size when there is no such entry.
    qsizetype markupStart() const { return m_markupStart; }

    // The candidates for a typed word, in table order. Inside a script the script words are
    // searched, outside it the markup entries; an entry matches when it begins with the word in
    // any letter case. Outside a script the entries are shown upper-cased (caseMode 1) or
    // lower-cased (caseMode 2) outside their quotes, or as they are (any other mode); a leading "*"
    // is dropped. The walk ends at the first matching entry whose beginning sorts after the word by
    // character code; entries already listed and blank ones are left out.
    QStringList candidates(const QString &word, bool inScript, int caseMode) const;

    // The closing tag of a candidate beginning with "<" when the table holds it ("<TABLE>" gives
    // "</TABLE>"), else empty.
    QString closingTagFor(const QString &candidate) const;

private:
    QStringList m_entries;
    qsizetype m_markupStart = 0;
};

// The 16 characters that end a word for completion, in table order: blank , . ; LF " ' (
// ideographic space TAB { = > : ) }.
const QStringList &wordDelimiters();
// Whether a character is one of the first `count` word delimiters.
bool isWordDelimiter(QChar c, int count = 16);

// The word delimiter nearest before the caret (the character just before it included), or an
// empty text when none stands before it. Scans back from the caret only as far as the nearest one.
QString nearestDelimiter(QStringView text, qsizetype caret);

} // namespace editor
