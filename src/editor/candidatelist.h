#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// What the candidate list offers for the word at the caret: words of the candidate table, the
// values of a CSS property, and their explanations.
namespace editor {

// The 0-based start of the word that ends at caret `p`: just after the nearest of the first 14
// word delimiters (blank , . ; LF " ' ( ideographic space TAB { = > :) among the first p - 1
// characters, so the character just before the caret never delimits it; 0 when there is none.
qsizetype findWordStart(QStringView text, qsizetype p);

// Upper-cases (lower-cases) a text outside quotes, then turns every single quote into a double
// quote. Either kind of quote opens and closes a quoted part; the quotes themselves are kept.
QString upperOutsideQuotes(QStringView s);
QString lowerOutsideQuotes(QStringView s);

// Whether the caret stands inside a script element: the last `<script type="text/javascript">`
// (else the last `<script language=javaScript`) lying wholly before the caret comes after the
// last "</script>"; any letter case. A plain search of the text, for texts without an index.
bool isInScriptBlock(QStringView text, qsizetype caret);

// The candidates of the table for a typed word, in table order. Inside a script the script words
// (the entries before markupStart) are searched, outside it the markup entries; an entry matches
// when it begins with the word in any letter case. Outside a script the entries are shown upper-
// cased (caseMode 1) or lower-cased (caseMode 2) outside their quotes, or as they are (any other
// mode); a leading "*" is dropped. The walk ends at the first matching entry whose beginning sorts
// after the word by character code; entries already listed and blank ones are left out.
QStringList tableCandidates(const QStringList &kouhoList, qsizetype markupStart,
                            const QString &word, bool inScript, int caseMode);

// The values of a CSS property as the reference text lists them, each the text of its line before
// the first "--". Empty (no list) when the property has no section; an empty list when its section
// has no values before its explanation.
std::optional<QStringList> cssValues(const QString &cssRefText, const QString &property);

// The explanation the candidate list shows for a candidate: where the candidate first occurs in
// the CSS text, the text after the last "--" of the rest of that line.
struct CandidateHelp
{
    enum Action { Hide, Keep, Show } action = Hide;
    QString caption;
};
CandidateHelp candidateHelp(const QString &cssRefText, const QString &candidate);

} // namespace editor
