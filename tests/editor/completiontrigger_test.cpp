// Which list a change of the source offers, and where an unknown member is marked.

#include "editor/completiontrigger.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

using editor::CompletionTrigger;
using Offer = CompletionTrigger::Offer;

TEST(CompletionTrigger, TheListAChangeOffers)
{
    struct Case
    {
        QString text; // the caret at its end
        bool inScript;
        bool withObject;
        bool noTags;
        Offer offer;
    };
    const Case cases[] = {
        {u"x = document."_qs, true, false, false, Offer::Members},
        {u"x = document.wr"_qs, true, false, false, Offer::Members}, // the "." stays nearest
        {u"color."_qs, false, false, false, Offer::CssValues},
        {u"color."_qs, false, false, true, Offer::CssValues}, // whatever the tag option says
        {u"\t."_qs, true, true, false, Offer::Members},
        {u"<ta"_qs, false, false, false, Offer::Candidates},
        {u"<ta"_qs, false, false, true, Offer::Nothing},
        {u"wr"_qs, true, false, false, Offer::Candidates},
        {u"x.y z"_qs, true, false, false, Offer::Candidates}, // a blank came after the dot
    };
    for (const Case &c : cases)
        EXPECT_EQ(
            CompletionTrigger::choose(c.text, c.text.size(), c.inScript, c.withObject, c.noTags),
            c.offer)
            << c.text.toStdString();
    EXPECT_TRUE(CompletionTrigger::dotAfterBlank(u"a\t.", 3));
    EXPECT_TRUE(CompletionTrigger::dotAfterBlank(u"\r\n.", 3));
    EXPECT_TRUE(CompletionTrigger::dotAfterBlank(u"　.", 2));
    EXPECT_FALSE(CompletionTrigger::dotAfterBlank(u"a.", 2));
    EXPECT_FALSE(CompletionTrigger::dotAfterBlank(u".", 1));
}

TEST(CompletionTrigger, UnknownMembersAreMarkedAfterTheDot)
{
    using Range = std::pair<qsizetype, qsizetype>;
    EXPECT_EQ(CompletionTrigger::unknownMember(u"window.zq", 9, u"zq"_qs), Range(7, 2));
    EXPECT_EQ(CompletionTrigger::unknownMember(u"a.b.zq", 6, u"zq"_qs), Range(4, 2));
    for (const QString &typed : {QString(), u"f("_qs, u"f()"_qs, u"x;"_qs, u"x{"_qs, u"a,"_qs})
        EXPECT_EQ(CompletionTrigger::unknownMember(u"w.f(", 4, typed), std::nullopt)
            << typed.toStdString();
    EXPECT_EQ(CompletionTrigger::unknownMember(u"zq", 2, u"zq"_qs), std::nullopt);
}

} // namespace
