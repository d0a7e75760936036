#include "objref/objectreference.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(ObjectReference, TextsAreEmptyUntilBuilt)
{
    ObjectReference obj;
    EXPECT_TRUE(obj.objTreeText.isEmpty());
    EXPECT_TRUE(obj.objRefText.isEmpty());
    EXPECT_TRUE(obj.objRefTextLower.isEmpty());
}

TEST(ObjectReference, GetsReplacesSoTheTextIsHeldOnce)
{
    ObjectReference obj;
    obj.Gets();
    const QString once = obj.objTreeText;
    ASSERT_EQ(once.size(), 18805);
    obj.Gets();
    EXPECT_EQ(obj.objTreeText.size(), 18805);
    EXPECT_EQ(obj.objTreeText, once);

    // Whatever the property held is replaced.
    ObjectReference other;
    other.objTreeText = QStringLiteral(u"x;");
    other.Gets();
    EXPECT_EQ(other.objTreeText, once);
}

TEST(ObjectReference, EveryObjectBuildsTheSameTexts)
{
    ObjectReference first;
    ObjectReference second;
    first.Gets();
    second.Gets();
    first.GetString();
    second.GetString();
    EXPECT_EQ(first.objTreeText, second.objTreeText);
    EXPECT_EQ(first.objRefText, second.objRefText);
}

TEST(ObjectReference, GetStringReplacesAndKeepsTheLowerCopyInStep)
{
    ObjectReference obj;
    obj.objRefText = QStringLiteral(u"stale");
    obj.objRefTextLower = QStringLiteral(u"stale");
    obj.GetString();
    const QString once = obj.objRefText;
    EXPECT_EQ(once.size(), 31566);
    obj.GetString();
    EXPECT_EQ(obj.objRefText, once);
    EXPECT_EQ(obj.objRefTextLower, once.toLower());
    // Same length, so that a position found in the copy cuts the original.
    EXPECT_EQ(obj.objRefTextLower.size(), obj.objRefText.size());
}

TEST(ObjectReference, BuildersLeaveTheOtherTextsAlone)
{
    ObjectReference obj;
    obj.GetString();
    EXPECT_TRUE(obj.objTreeText.isEmpty());
    obj.objRefText.clear();
    obj.Gets();
    EXPECT_TRUE(obj.objRefText.isEmpty());
    EXPECT_FALSE(obj.objRefTextLower.isEmpty());
}

TEST(ObjectReference, ReservedWords)
{
    ObjectReference obj;
    const QString text = obj.Yoyakugo();
    EXPECT_FALSE(text.startsWith(u';'));
    EXPECT_FALSE(text.endsWith(u';'));
    EXPECT_FALSE(text.contains(u' '));
    const QStringList words = text.split(u';');
    ASSERT_EQ(words.size(), 53);
    EXPECT_EQ(words[39], QStringLiteral(u"static"));
    EXPECT_EQ(words.first(), QStringLiteral(u"abstract"));
    EXPECT_EQ(words.last(), QStringLiteral(u"with"));
    EXPECT_EQ(text,
              QStringLiteral(
                  u"abstract;boolean;break;byte;case;catch;char;class;const;continue;default;do;"
                  u"double;else;extends;false;final;finally;float;for;function;goto;if;"
                  u"implements;import;in;instanceof;int;interface;long;native;new;null;package;"
                  u"private;protected;public;return;short;static;super;switch;synchronized;this;"
                  u"throw;throws;transient;true;try;var;void;while;with"));
    // Stores nothing.
    EXPECT_TRUE(obj.objTreeText.isEmpty());
    EXPECT_TRUE(obj.objRefText.isEmpty());
}
