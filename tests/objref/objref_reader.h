#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The cutting rules the readers of the object reference texts apply, written once for the tests:
// a section of the member-list text by its case-sensitive markers, its items, and a member's line
// in the description text found through the lower-case copy.
namespace objref_reader {

enum class Kind { Property, Method, Event };

struct Item
{
    QString raw;   // trimmed piece, level code included
    QString name;  // without level code, without the "*" of an event
    QString level; // "A0" to "A5", or empty when the piece carries none
    Kind kind;
};

inline bool isLevelCode(const QString &code)
{
    return code.size() == 2 && code[0] == u'A' && code[1] >= u'0' && code[1] <= u'5';
}

inline Kind kindOf(const QString &piece)
{
    if (piece.startsWith(u'*'))
        return Kind::Event;
    if (piece.size() >= 3 && piece[piece.size() - 3] == u')')
        return Kind::Method;
    return Kind::Property;
}

// Text between the end of the first "<name>" and the first "</name>"; empty when either is missing.
inline std::optional<QString> treeSection(const QString &text, const QString &name)
{
    const QString open = u'<' + name + u'>';
    const qsizetype start = text.indexOf(open);
    const qsizetype end = text.indexOf(QStringLiteral(u"</") + name + u'>');
    if (start < 0 || end < 0)
        return std::nullopt;
    return text.mid(start + open.size(), end - start - open.size());
}

// Items of a section: split at ";", blank pieces and nested markers skipped, pieces trimmed.
inline QList<Item> treeItems(const QString &section)
{
    QList<Item> items;
    for (const QString &piece : section.split(u';')) {
        const QString trimmed = piece.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'<'))
            continue;
        Item item{trimmed, trimmed, QString(), kindOf(trimmed)};
        if (isLevelCode(trimmed.right(2))) {
            item.level = trimmed.right(2);
            item.name.chop(2);
        }
        if (item.kind == Kind::Event)
            item.name.remove(0, 1);
        items.append(item);
    }
    return items;
}

struct RefSection
{
    qsizetype start = -1; // position of the header in the description text
    QString text;         // from the header up to, not including, the next "<"
};

// The section of an object in the description text: the first "<name>" of the lower-case copy,
// up to the next "<" after it, cut from the original text at the same positions.
inline std::optional<RefSection> refSection(const QString &refText, const QString &refLower,
                                            const QString &object)
{
    const QString header = u'<' + object.trimmed().toLower() + u'>';
    const qsizetype start = refLower.indexOf(header);
    if (start < 0)
        return std::nullopt;
    qsizetype end = refLower.indexOf(u'<', start + 1);
    if (end < 0)
        end = refLower.size();
    return RefSection{start, refText.mid(start, end - start)};
}

struct RefLine
{
    qsizetype offset = -1; // where the line was found inside the section
    QString line;
    QStringList fields; // name, description, example (the example keeps its own commas)
};

// A member's line inside a section: the first "member," anywhere (case-sensitive), to the next
// CR LF or the section's end. Fields three onward form one example, so that an example holding
// commas is shown whole.
inline std::optional<RefLine> refMember(const QString &section, const QString &member)
{
    const qsizetype at = section.indexOf(member + u',');
    if (at < 0)
        return std::nullopt;
    qsizetype end = section.indexOf(QStringLiteral(u"\r\n"), at);
    if (end < 0)
        end = section.size();
    RefLine result{at, section.mid(at, end - at), {}};
    QStringList parts = result.line.split(u',');
    result.fields = parts.mid(0, 2);
    if (parts.size() > 2)
        result.fields.append(parts.mid(2).join(u','));
    return result;
}

} // namespace objref_reader
