// The members offered after "name." and their explanations.

#include "editor/memberlist.h"
#include "objref/objectreference.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace editor {
void PrintTo(const MemberItem &item, std::ostream *os)
{
    *os << '(' << item.name.toStdString() << ", " << item.icon.toStdString() << ')';
}
} // namespace editor

namespace {

using editor::MemberItem;

class Members : public ::testing::Test
{
protected:
    ObjectReference obj = [] {
        ObjectReference o;
        o.Gets();
        o.GetString();
        return o;
    }();
    std::vector<MemberItem> members(const QString &type, const QString &prefix = {}) const
    {
        return editor::objectMembers(obj.objTreeText, type, prefix)
            .value_or(std::vector<MemberItem>{{u"none"_qs, {}}});
    }
    static int countOf(const std::vector<MemberItem> &items, const QString &icon)
    {
        return int(std::count_if(items.begin(), items.end(),
                                 [&](const MemberItem &m) { return m.icon == icon; }));
    }
};

TEST_F(Members, AnObjectsMembersAndTheCommonOnes)
{
    // The document's 19 properties, 10 methods and 7 events, then the 15 common functions.
    const std::vector<MemberItem> document = members(u"document"_qs);
    ASSERT_EQ(document.size(), 36u + 15u);
    EXPECT_EQ(countOf(document, u"Pro"_qs), 19);
    EXPECT_EQ(countOf(document, u"Meth"_qs), 10 + 15);
    EXPECT_EQ(countOf(document, u"Even"_qs), 7);
    EXPECT_EQ(document.back(), (MemberItem{u"decodeURIComponent()"_qs, u"Meth"_qs}));
    // The window's first members, an event without its "*", and the method with its arguments.
    const std::vector<MemberItem> window = members(u"window"_qs);
    EXPECT_EQ(window.front(), (MemberItem{u"closed"_qs, u"Pro"_qs}));
    EXPECT_NE(std::find(window.begin(), window.end(), MemberItem{u"onLoad"_qs, u"Even"_qs}),
              window.end());
    EXPECT_NE(std::find(window.begin(), window.end(),
                        MemberItem{u"open(\"URL\",\"ウィンドウ名\",\"属性\")"_qs, u"Meth"_qs}),
              window.end());
}

TEST_F(Members, TheTypedPrefixNarrowsTheList)
{
    EXPECT_EQ(
        members(u"document"_qs, u"wr"_qs),
        (std::vector<MemberItem>{{u"write()"_qs, u"Meth"_qs}, {u"writeln()"_qs, u"Meth"_qs}}));
    EXPECT_TRUE(members(u"document"_qs, u"Wr"_qs).empty()); // exact case
    EXPECT_TRUE(members(u"window"_qs, u"zq"_qs).empty());
    // Events pass an empty prefix or one with "*" only.
    EXPECT_EQ(countOf(members(u"window"_qs, u"*onL"_qs), u"Even"_qs), 1);
    EXPECT_EQ(countOf(members(u"window"_qs, u"on"_qs), u"Even"_qs), 0);
    // "Array" finds the inner section, "Array()" the outer one holding it.
    EXPECT_EQ(members(u"Array"_qs).size(), members(u"Array()"_qs).size());
    EXPECT_EQ(members(u"Form"_qs).front().name, u"none"_qs); // no such section
    EXPECT_EQ(members(u"Date(2004"_qs).front().name, u"none"_qs);
}

TEST_F(Members, ExplanationsByExactName)
{
    EXPECT_EQ(editor::memberHelp(obj.objRefText, u"write()"_qs),
              std::optional<QString>(u"文書に文字列やタグを書き出す"_qs));
    EXPECT_EQ(editor::memberHelp(obj.objRefText, u" self "_qs),
              std::optional<QString>(u"現在のウインドウを返す"_qs));
    // The description keeps its leading blank.
    EXPECT_EQ(editor::memberHelp(obj.objRefText, u"getDate()"_qs),
              std::optional<QString>(u" 日付を取得"_qs));
    EXPECT_EQ(editor::memberHelp(obj.objRefText, u"noSuchMember"_qs), std::nullopt);
    // A longer name that begins with the member's name is not its line.
    const QString text = u"<x>\r\nwriteln,longer one,x\r\nwrite,the one,y\r\nbare\r\nempty, ,z"_qs;
    EXPECT_EQ(editor::memberHelp(text, u"write"_qs), std::optional<QString>(u"the one"_qs));
    EXPECT_EQ(editor::memberHelp(text, u"bare"_qs), std::nullopt);
    EXPECT_EQ(editor::memberHelp(text, u"empty"_qs), std::nullopt);
}

} // namespace
