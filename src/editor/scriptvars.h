#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

// The small script analyser behind member completion: the variables declared with "var", the
// reserved-word checks, the object in front of a typed ".", the object of an enclosing "with"
// block and the type a name takes from its last assignment. Positions are 0-based unless said
// otherwise; texts use CR LF.
namespace editor {

class SourceIndex;

// One column of the variable table: a declared name and the constructor written after "new"
// (without "new" and blanks), empty when there is none.
struct VarColumn
{
    QString name;
    QString type;
    friend bool operator==(const VarColumn &, const VarColumn &) = default;
};

// The declarators of one var statement (the text from "var" up to its ";"). Every "var" is removed
// (also inside names), then every blank; the rest is split at ",". `reserved` is the reserved word
// that stopped the statement (its column is already there), empty when none did.
struct VarStatement
{
    std::vector<VarColumn> columns;
    QString reserved;
};
VarStatement parseVarDeclaration(QString statement, const QStringList &reservedWords);

// The var statements of a text, in text order: every occurrence of "var" (anywhere, case-sensitive)
// that has a ";" after it, with its position. `varPositions` are the occurrences of "var" in
// ascending order; without them the text is searched.
struct FoundStatement
{
    qsizetype position = 0;
    VarStatement statement;
};
std::vector<FoundStatement> scanVarDeclarations(QStringView text,
                                                const std::vector<qsizetype> &varPositions,
                                                const QStringList &reservedWords);
std::vector<FoundStatement> scanVarDeclarations(QStringView text, const QStringList &reservedWords);

// The variable table: column 0 is always empty, then one column per declarator of the var
// statements, in text order; duplicate names all stay.
class VariableTable
{
public:
    VariableTable() { clear(); }
    // Only the empty column 0 stays.
    void clear();
    // Makes the table anew from the statements found in a text.
    void fill(const std::vector<FoundStatement> &statements);
    // Adds the columns of one statement after the last column.
    void append(const std::vector<VarColumn> &columns);
    int columnUpper() const { return int(m_columns.size()) - 1; }
    // Empty outside the table.
    QString name(int column) const;
    QString type(int column) const;
    // The type a name stands for: the table is walked from column 0 to its end, and at every
    // column whose name equals the name in hand, that column's type becomes the name in hand. A
    // chain of variables is so followed forwards through the table only.
    QString resolve(QString name) const;
    // The names that begin with `word` (exact case), in table order, duplicates included.
    QStringList namesStartingWith(const QString &word) const;

private:
    std::vector<VarColumn> m_columns;
};

// The reserved-word check of the line being typed: a reserved word before the line's first "="
// ("予約文字は使用できません"), or, after a blank, "(" or "{" was typed, the word before it
// matching a reserved word in another letter case ("予約文字ではありません。"). The first line is
// never checked.
struct ReservedWarning
{
    QString message;
    qsizetype lineStart = 0; // where the line's CR LF stands
    QString word;
};
std::optional<ReservedWarning> checkReservedWord(QStringView text, qsizetype caret,
                                                 const QStringList &reservedWords);

// The object expression in front of the "." before the caret: a built-in constructor ending just
// before that character ("Date()" after "new Date()."), else the word between the nearest word
// delimiter and the dot, line feeds removed. `member` receives the text typed after the dot (one
// trailing ")" dropped) unless the caret stands right after the dot, when it is left as it was.
QString constructorType(QStringView text, qsizetype caret, QString &member);

// The object of the "with (...)" block around the caret: the part after the last "." of what
// stands in its parentheses; empty when there is none or a "}" closes a block after the last
// "with". `lastBrace` and `lastWith` are the 0-based starts of the last "}" and "with" lying
// before the caret (-1 for none); without them the text is searched.
QString findWithObject(QStringView text, qsizetype lastBrace, qsizetype lastWith);
QString findWithObject(QStringView text, qsizetype caret);

// The comment-free bodies of the text's `<script type="text/javascript">` elements (the opening
// tag in any letter case), one after the other, trimmed of blanks. "/*" to "*/" and "//" to the
// line end are dropped (the line end stays); quoted texts are not recognised.
QString extractScripts(QStringView text);

// "string" or "Number" when the last assignment to `name` before the caret in the scripts
// assigns a double-quoted text or a number, else empty. `position` is the caret just after the
// "." that follows the name. The index, when given, must be in line with the text.
QString inferVarType(QStringView text, qsizetype position, const QString &name,
                     const SourceIndex *index = nullptr);

} // namespace editor
