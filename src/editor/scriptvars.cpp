#include "editor/scriptvars.h"

#include "controls/strings.h"
#include "editor/candidatetable.h"
#include "editor/sourceindex.h"

namespace editor {

VarStatement parseVarDeclaration(QString statement, const QStringList &reservedWords)
{
    VarStatement out;
    statement.remove(QStringLiteral(u"var"));
    statement.remove(u' ');
    const QStringList parts = strings::split(statement, QStringLiteral(u","));
    for (QString part : parts) {
        if (part.isEmpty())
            continue;
        if (!part.contains(QStringLiteral(u"new"))) {
            const QString name = part.section(u'=', 0, 0);
            out.columns.push_back({name, QString()});
            if (reservedWords.contains(name)) {
                out.reserved = name;
                return out;
            }
            continue;
        }
        part.remove(QStringLiteral(u"new"));
        const QStringList sides = part.split(u'=');
        out.columns.push_back({});
        if (sides.size() != 2)
            continue;
        if (reservedWords.contains(sides[0])) {
            out.reserved = sides[0];
            return out;
        }
        out.columns.back() = {sides[0], sides[1]};
    }
    return out;
}

std::vector<FoundStatement> scanVarDeclarations(QStringView text,
                                                const std::vector<qsizetype> &varPositions,
                                                const QStringList &reservedWords)
{
    std::vector<FoundStatement> out;
    // Statements share their ";" with the ones inside them: the next ";" is searched only when
    // the last one found lies before the statement.
    qsizetype semicolon = -1;
    for (qsizetype position : varPositions) {
        if (semicolon < position) {
            semicolon = text.indexOf(u';', position);
            if (semicolon < 0)
                break;
        }
        out.push_back(
            {position, parseVarDeclaration(text.mid(position, semicolon - position).toString(),
                                           reservedWords)});
    }
    return out;
}

std::vector<FoundStatement> scanVarDeclarations(QStringView text, const QStringList &reservedWords)
{
    std::vector<qsizetype> positions;
    for (qsizetype at = text.indexOf(u"var"); at >= 0; at = text.indexOf(u"var", at + 1))
        positions.push_back(at);
    return scanVarDeclarations(text, positions, reservedWords);
}

void VariableTable::clear()
{
    m_columns.assign(1, VarColumn{});
}

void VariableTable::fill(const std::vector<FoundStatement> &statements)
{
    clear();
    for (const FoundStatement &found : statements)
        append(found.statement.columns);
}

void VariableTable::append(const std::vector<VarColumn> &columns)
{
    m_columns.insert(m_columns.end(), columns.begin(), columns.end());
}

QString VariableTable::name(int column) const
{
    return column >= 0 && column < int(m_columns.size()) ? m_columns[std::size_t(column)].name
                                                         : QString();
}

QString VariableTable::type(int column) const
{
    return column >= 0 && column < int(m_columns.size()) ? m_columns[std::size_t(column)].type
                                                         : QString();
}

QString VariableTable::resolve(QString name) const
{
    for (const VarColumn &column : m_columns)
        if (column.name == name)
            name = column.type;
    return name;
}

QStringList VariableTable::namesStartingWith(const QString &word) const
{
    QStringList names;
    for (const VarColumn &column : m_columns)
        if (column.name.left(word.size()) == word)
            names.append(column.name);
    return names;
}

std::optional<ReservedWarning> checkReservedWord(QStringView text, qsizetype caret,
                                                 const QStringList &reservedWords)
{
    if (caret <= 0 || caret > text.size())
        return std::nullopt;
    const qsizetype lineStart = text.first(caret).lastIndexOf(u"\r\n");
    if (lineStart < 0)
        return std::nullopt;
    const QString line = text.mid(lineStart, caret - lineStart).toString();
    const QString typed = strings::trim(QString(line).remove(QStringLiteral(u"\r\n")));
    if (typed.isEmpty())
        return std::nullopt;
    if (typed.contains(u'=')) {
        const QString name = typed.left(typed.indexOf(u'='));
        if (reservedWords.contains(name))
            return ReservedWarning{QStringLiteral(u"予約文字は使用できません"), lineStart, name};
        return std::nullopt;
    }
    const QChar last = text.at(caret - 1);
    if (last != u' ' && last != u'(' && last != u'{')
        return std::nullopt;
    const QString before = line.chopped(1);
    qsizetype cut = -1;
    for (QChar c : {QChar(u' '), QChar(u';'), QChar(u'\t')})
        cut = std::max(cut, before.lastIndexOf(c));
    const QString word = before.mid(cut + 1);
    for (const QString &reserved : reservedWords) {
        if (reserved != word &&
            (reserved.toUpper() == word.toUpper() || reserved.toLower() == word.toLower()))
            return ReservedWarning{QStringLiteral(u"予約文字ではありません。"), lineStart, word};
    }
    return std::nullopt;
}

QString constructorType(QStringView text, qsizetype caret, QString &member)
{
    static const char16_t *const constructors[] = {u"Image()",  u"Date()",    u"Function",
                                                   u"Object()", u"Boolian()", u"Number()",
                                                   u"RegExp",   u"Array()"};
    const qsizetype c = std::clamp<qsizetype>(caret, 0, text.size());
    for (const char16_t *constructor : constructors) {
        const QStringView e(constructor);
        const qsizetype start = c - 1 - e.size();
        if (start >= 0 && text.mid(start, e.size()) == e)
            return e.toString();
    }
    const qsizetype dot = text.first(c).lastIndexOf(u'.') + 1; // 1-based, 0 for none
    if (dot != c) {
        member = text.mid(dot, c - dot).toString();
        if (member.endsWith(u')'))
            member.chop(1);
    }
    const qsizetype end = c - member.size(); // 1-based position of the dot
    // The nearest delimiter among the first end - 1 characters (1-based position, 0 for none).
    qsizetype start = 0;
    for (qsizetype i = std::min(end - 1, text.size()) - 1; i >= 0; --i) {
        if (isWordDelimiter(text.at(i))) {
            start = i + 1;
            break;
        }
    }
    if (end - start - 1 <= 0)
        return QString();
    return text.mid(start, end - start - 1).toString().remove(u'\n');
}

QString findWithObject(QStringView text, qsizetype lastBrace, qsizetype lastWith)
{
    if (lastBrace >= 0 && lastBrace > lastWith)
        return QString();
    if (lastWith < 0)
        return QString();
    const qsizetype open = text.indexOf(u'(', lastWith);
    if (open < 0)
        return QString();
    const qsizetype close = text.indexOf(u')', open);
    if (close < 0)
        return QString();
    const QStringView inside = text.mid(open + 1, close - open - 1);
    return inside.mid(inside.lastIndexOf(u'.') + 1).toString();
}

QString findWithObject(QStringView text, qsizetype caret)
{
    const QStringView before = text.first(std::clamp<qsizetype>(caret, 0, text.size()));
    return findWithObject(text, before.lastIndexOf(u'}'), before.lastIndexOf(u"with"));
}

} // namespace editor
