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
