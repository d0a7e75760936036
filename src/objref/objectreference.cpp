#include "objref/objectreference.h"

#include "objref/objref_data.h"

namespace {

// "<" and ">" inside the tag and example lists would be read as section markers, so they are held
// as
// "&&" and "%%", the escapes the completion table undoes.
QString escapeAngles(const char16_t *piece)
{
    QString text = QString::fromUtf16(piece);
    text.replace(u'<', QStringLiteral(u"&&"));
    text.replace(u'>', QStringLiteral(u"%%"));
    return text;
}

QString buildTreeText()
{
    const QString tags = escapeAngles(objref_data::kTreeTags);
    QString text;
    text.reserve(20000);
    text += QString::fromUtf16(objref_data::kTreeHead);
    text += tags;
    text += tags.toLower();
    text += QString::fromUtf16(objref_data::kTreeMiddle);
    text += escapeAngles(objref_data::kTreeExamples);
    text += QString::fromUtf16(objref_data::kTreeTail);
    return text;
}

QString buildRefText()
{
    QString text;
    text.reserve(32000);
    for (std::size_t i = 0; i < objref_data::kRefLineCount; ++i) {
        if (i > 0)
            text += QStringLiteral(u"\r\n");
        text += QString::fromUtf16(objref_data::kRefLines[i]);
    }
    return text;
}

// Both texts are fixed; they are assembled on first use and shared afterwards (QString is
// implicitly shared, so handing out copies costs nothing).
const QString &treeText()
{
    static const QString text = buildTreeText();
    return text;
}

const QString &refText()
{
    static const QString text = buildRefText();
    return text;
}

} // namespace

void ObjectReference::Gets()
{
    objTreeText = treeText();
}

void ObjectReference::GetString()
{
    objRefText = refText();
    objRefTextLower = objRefText.toLower();
}

QString ObjectReference::Yoyakugo() const
{
    QString words;
    for (std::size_t i = 0; i < objref_data::kReservedWordCount; ++i) {
        if (i > 0)
            words += u';';
        words += QString::fromUtf16(objref_data::kReservedWords[i]);
    }
    return words;
}
