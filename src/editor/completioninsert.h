#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// What goes into the source when a candidate is chosen, where the caret then stands, and the
// editor's indentation keys.
namespace editor {

// The way a candidate was chosen: Enter or Down in the source view (one candidate), Enter in the
// list, or a double click in the list.
enum class InsertPath { SourceKey, ListEnter, ListDoubleClick };

// The caret after a candidate went in at `start`: `inserted` units of text, of which `candidate`
// units are the candidate itself (the rest its closing tag). `text` is the text after the
// insertion. The first rule that applies:
// - the tag rule: in the source-key path when a closing tag went in, in the list paths whenever
//   the candidate begins with "<": between the candidate and its closing tag;
// - the quote rule: just after the first double quote of the inserted text;
// - the parenthesis rule: just before the last ")" of the inserted text, else at its end.
// A quote or ")" before the inserted text never counts.
// In the list's Enter path a candidate inserted at the very start keeps the caret at its end.
qsizetype caretAfterInsertion(QStringView text, qsizetype start, qsizetype inserted,
                              qsizetype candidate, bool closingAppended, bool beginsWithTag,
                              InsertPath path);

// The line break Enter types at the caret to keep the indentation: CR LF and as many TABs as the
// current line holds before the caret. Empty when the caret is on the first line or the line
// holds no TAB before it.
std::optional<QString> autoIndentBreak(QStringView text, qsizetype caret);

// Indents a selected block by one TAB at its start and after each of its line breaks; a block
// that ends with a line break leaves the line after it alone.
QString indentBlock(const QString &selected);
// Removes one TAB at the start of the block and one after each of its line breaks.
QString unindentBlock(const QString &selected);

} // namespace editor
