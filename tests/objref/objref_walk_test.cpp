// Walks the texts the way their readers do: every member the tree would show finds its section in
// the member-list text and its line in the description text, and the documented lookups land where
// they must.
#include "objref/objectreference.h"
#include "objref_reader.h"
#include "support/reference_texts.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace objref_reader;

namespace {

std::optional<RefLine> lookUp(const QString &object, const QString &member)
{
    const auto section =
        refSection(objectTexts().objRefText, objectTexts().objRefTextLower, object);
    if (!section)
        return std::nullopt;
    return refMember(section->text, member);
}

// The member as the tree window searches it: the leaf text, without a method's "()".
QString searchName(const Item &item)
{
    QString name = item.name;
    if (name.endsWith(QStringLiteral(u"()")))
        name.chop(2);
    return name;
}

} // namespace

TEST(ObjRefWalk, EveryTreeMemberHasItsDescription)
{
    // The objects whose members the tree window lists, by the name it searches with.
    const QStringList objects = QStringLiteral(u"window frame navigator plugins mineTypes screen "
                                               u"event document history location links "
                                               u"anchor button checkbox FileUpload password Reset "
                                               u"Hidden Radio select Submit Text Textarea "
                                               u"area image layers Date Math string Array function "
                                               u"Object Boolean Number RegExp option")
                                    .split(u' ');
    // Found inside a line that runs on from the member before it.
    const QSet<QString> runTogether = {QStringLiteral(u"window.outerHeight"),
                                       QStringLiteral(u"layers.visibility")};
    // The open item with its quoted arguments has no line of its own.
    const QString openItem = QStringLiteral(u"open(\"URL\",\"ウィンドウ名\",\"属性\")");
    int walked = 0;
    for (const QString &object : objects) {
        const auto section = treeSection(objectTexts().objTreeText, object);
        ASSERT_TRUE(section.has_value()) << object.toStdString();
        for (const Item &item : treeItems(*section)) {
            if (item.level.isEmpty() || item.name == openItem)
                continue; // the tree shows no leaf, or no explanation, for these
            const QString where = object + u'.' + item.name;
            SCOPED_TRACE(where.toStdString());
            const auto line = lookUp(object, searchName(item));
            ASSERT_TRUE(line.has_value());
            ++walked;
            EXPECT_EQ(line->fields.size(), 3);
            EXPECT_FALSE(line->fields.value(1).trimmed().isEmpty());
            EXPECT_FALSE(line->fields.value(2).trimmed().isEmpty());
            // The search must land on the member's own line, not inside a longer name.
            const auto refSec =
                refSection(objectTexts().objRefText, objectTexts().objRefTextLower, object);
            const bool atLineStart = refSec->text.mid(line->offset - 2, 2) == u"\r\n";
            const QString key = object + u'.' + searchName(item);
            EXPECT_EQ(atLineStart, !runTogether.contains(key));
        }
    }
    EXPECT_GT(walked, 500);
}

TEST(ObjRefWalk, DocumentedLookups)
{
    const ObjectReference &obj = objectTexts();
    // The window's closed member, shown as name, description with its blank, and example.
    const auto closed = lookUp(QStringLiteral(u"window"), QStringLiteral(u"closed"));
    ASSERT_TRUE(closed.has_value());
    EXPECT_EQ(closed->fields,
              QStringList({QStringLiteral(u"closed"),
                           QStringLiteral(u" ウインドウが閉じられているかどうかを真偽値で返す"),
                           QStringLiteral(u"return=window.closed ")}));
    // An example with its own commas is kept whole.
    const auto max = lookUp(QStringLiteral(u"Math"), QStringLiteral(u"max"));
    ASSERT_TRUE(max.has_value());
    EXPECT_EQ(max->line.split(u',').size(), 4);
    EXPECT_EQ(max->fields.value(2), QStringLiteral(u" myvalue=Math.max(2,5) "));
    // No embeds section; the feature strings are not described.
    EXPECT_FALSE(lookUp(QStringLiteral(u"embeds"), QStringLiteral(u"length")).has_value());
    EXPECT_FALSE(lookUp(QStringLiteral(u"window"), QStringLiteral(u"open(\"URL\",\"ウィンドウ名\","
                                                                  u"\"属性\")openoption"
                                                                  u"toolbar=yes"))
                     .has_value());
    // "<form>" in the lower copy finds the "<Form>" header; "<button>" finds "<Button>".
    const auto form = refSection(obj.objRefText, obj.objRefTextLower, QStringLiteral(u"Form"));
    ASSERT_TRUE(form.has_value());
    EXPECT_TRUE(form->text.startsWith(QStringLiteral(u"<Form>\r\n")));
    const auto button = refSection(obj.objRefText, obj.objRefTextLower, QStringLiteral(u"button"));
    ASSERT_TRUE(button.has_value());
    EXPECT_TRUE(button->text.startsWith(QStringLiteral(u"<Button>")));
    EXPECT_LT(button->start, obj.objRefText.indexOf(QStringLiteral(u"<button>")));
}

TEST(ObjRefWalk, SectionsEndAtTheNextMarker)
{
    const ObjectReference &obj = objectTexts();
    // The image section stops at "<location>", in the middle of its last line.
    const auto image = refSection(obj.objRefText, obj.objRefTextLower, QStringLiteral(u"image"));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(obj.objRefText.mid(image->start + image->text.size(), 10),
              QStringLiteral(u"<location>"));
    const auto prototype = refMember(image->text, QStringLiteral(u"prototype"));
    ASSERT_TRUE(prototype.has_value());
    EXPECT_TRUE(prototype->line.endsWith(QStringLiteral(u"= 初期値")));
    EXPECT_EQ(prototype->fields.size(), 3);
    // The last section ends at the sentinel.
    const auto string = refSection(obj.objRefText, obj.objRefTextLower, QStringLiteral(u"string"));
    ASSERT_TRUE(string.has_value());
    EXPECT_EQ(string->start + string->text.size(), obj.objRefText.size() - 2);
    // "name" in the links section is found inside "hostname,", which comes first.
    const auto links = refSection(obj.objRefText, obj.objRefTextLower, QStringLiteral(u"links"));
    ASSERT_TRUE(links.has_value());
    const auto name = refMember(links->text, QStringLiteral(u"name"));
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(links->text.mid(name->offset - 4, 4), QStringLiteral(u"host"));
    EXPECT_LT(name->offset, links->text.indexOf(QStringLiteral(u"\r\nname,")));
}

TEST(ObjRefWalk, EditorLookupByNameAlone)
{
    // The editor's member explanation: the first line anywhere beginning with the name after a
    // CR LF, compared with case, shows the second field.
    const QString &text = objectTexts().objRefText;
    const struct
    {
        const char16_t *member;
        const char16_t *description;
    } rows[] = {
        {u"alert", u"メッセージと［OK］ボタンだけのダイアログを表示する"},
        {u"getDate", u" 日付を取得"},
        {u"write", u"文書に文字列やタグを書き出す"},
        {u"isNaN", u"数値でない値かを返す"},
    };
    for (const auto &row : rows) {
        const QString member = QString::fromUtf16(row.member);
        const qsizetype at = text.indexOf(QStringLiteral(u"\r\n") + member);
        ASSERT_GE(at, 0) << member.toStdString();
        const qsizetype end = text.indexOf(QStringLiteral(u"\r\n"), at + 2);
        const QStringList fields = text.mid(at + 2, end - at - 2).split(u',');
        ASSERT_GE(fields.size(), 2);
        EXPECT_EQ(fields[1], QString::fromUtf16(row.description)) << member.toStdString();
    }
}
