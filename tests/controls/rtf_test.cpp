#include "support/qt_printers.h"
#include "controls/rtf.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *name;
    QByteArray rtf;
    const char16_t *text;
};

void expectAll(std::initializer_list<Case> cases)
{
    for (const Case &c : cases)
        EXPECT_EQ(rtf::toPlainText(c.rtf), QString::fromUtf16(c.text)) << c.name;
}

const QByteArray kFonts = "{\\fonttbl{\\f0\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 Gothic;}"
                          "{\\f1\\fswiss\\fcharset0 Arial;}}";

TEST(Rtf, LooksLikeRtf)
{
    EXPECT_TRUE(rtf::looksLikeRtf("{\\rtf1\\ansi a}"));
    EXPECT_TRUE(rtf::looksLikeRtf("{\\rtf"));
    EXPECT_FALSE(rtf::looksLikeRtf(" {\\rtf1}"));
    EXPECT_FALSE(rtf::looksLikeRtf("{\\rt"));
    EXPECT_FALSE(rtf::looksLikeRtf("<html>"));
    EXPECT_FALSE(rtf::looksLikeRtf(""));
}

TEST(Rtf, ParagraphsAndSymbols)
{
    expectAll({
        {"par", "{\\rtf1 one\\par two}", u"one\r\ntwo"},
        {"line", "{\\rtf1 one\\line two}", u"one\r\ntwo"},
        {"tab", "{\\rtf1 a\\tab b}", u"a\tb"},
        {"source line ends ignored", "{\\rtf1 a\r\nb\nc}", u"abc"},
        {"backslash newline is par", "{\\rtf1 a\\\r\nb}", u"a\r\nb"},
        {"word delimiter eaten", "{\\rtf1 \\b bold\\b0  two}", u"bold two"},
        {"escaped", "{\\rtf1 \\\\ \\{ \\}}", u"\\ { }"},
        {"symbols", "{\\rtf1 a\\~b\\-c\\_d}", u"a\u00A0bc\u2011d"},
        {"named", "{\\rtf1 \\lquote x\\rquote \\emdash\\endash\\bullet}",
         u"\u2018x\u2019\u2014\u2013\u2022"},
        {"table", "{\\rtf1 \\intbl a\\cell b\\cell\\row c}", u"a\tb\t\r\nc"},
        {"unknown words", "{\\rtf1 \\foo12 \\bar-3 x}", u"x"},
    });
}

TEST(Rtf, FinalParagraphEnd)
{
    // The last \par ends the last paragraph: the box shows no empty paragraph after it.
    expectAll({
        {"one par", "{\\rtf1 a\\par}", u"a"},
        {"two pars", "{\\rtf1 a\\par\\par}", u"a\r\n"},
        {"par then formatting", "{\\rtf1 a\\par\\pard\\plain{\\b }}", u"a"},
        {"par then text", "{\\rtf1 a\\par b}", u"a\r\nb"},
        {"only par", "{\\rtf1 \\par}", u""},
        {"line kept", "{\\rtf1 a\\line}", u"a\r\n"},
        {"par then skipped group", "{\\rtf1 a\\par{\\*\\x y}}", u"a"},
    });
}

TEST(Rtf, JapaneseText)
{
    expectAll({
        {"hex default cp932", "{\\rtf1 \\'95\\'5c\\'8e\\'a6}", u"表示"},
        {"hex in a charset 128 font",
         "{\\rtf1\\ansi\\ansicpg1252\\deff1" + kFonts + "\\f0 \\'82\\'a0\\f1 caf\\'e9}", u"あcafé"},
        {"deff font charset", "{\\rtf1\\ansi\\ansicpg1252\\deff0" + kFonts + "\\'82\\'a0}", u"あ"},
        {"ansicpg 1252", "{\\rtf1\\ansi\\ansicpg1252 \\'93x\\'94\\'80}", u"\u201Cx\u201D€"},
        {"trail byte as escaped backslash", "{\\rtf1 \\'83\\\\}", u"ソ"},
        {"trail byte as plain letter", "{\\rtf1 \\'83\\'5c\\'83}", u"ソ\u30FB"},
        {"lead without trail", "{\\rtf1 \\'82\\par x}", u"\u30FB\r\nx"},
        {"half-width katakana", "{\\rtf1 \\'b6\\'c0}", u"ｶﾀ"},
        {"unicode with fallback", "{\\rtf1\\uc2 \\u12354\\'82\\'a0x}", u"あx"},
        {"unicode default skip 1", "{\\rtf1 \\u26481?\\u-26536?}", u"東\u9858"},
        {"uc0", "{\\rtf1\\uc0\\u26481 x}", u"東x"},
        {"surrogate pair", "{\\rtf1\\uc1\\u-10179?\\u-8704?}", u"😀"},
        {"skip ends at group", "{\\rtf1\\uc3\\u26481{a}b}", u"東ab"},
        {"uc scoped to group", "{\\rtf1{\\uc2 \\u26481 ab}\\u26481 ab}", u"東東b"},
        {"cpg wins over fcharset", "{\\rtf1{\\fonttbl{\\f0\\fcharset0\\cpg932 A;}}\\f0\\'82\\'a0}",
         u"あ"},
        {"old-style font table",
         "{\\rtf1\\ansicpg1252{\\fonttbl\\f0\\fcharset128 M;\\f1\\fcharset0 A;}"
         "\\f1\\'e9\\f0\\'82\\'a0}",
         u"éあ"},
        {"font restored after group",
         "{\\rtf1\\ansicpg1252" + kFonts + "\\f0{\\f1\\'e9}\\'82\\'a0}", u"éあ"},
    });
}

TEST(Rtf, SkippedDestinations)
{
    expectAll({
        {"font table names", "{\\rtf1" + kFonts + "x}", u"x"},
        {"tables", "{\\rtf1{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}x}",
         u"x"},
        {"info", "{\\rtf1{\\info{\\title T}{\\author A}}x}", u"x"},
        {"starred", "{\\rtf1{\\*\\generator W;}{\\*\\unknown {nested} text}x}", u"x"},
        {"picture with binary", "{\\rtf1{\\pict\\bin4 {}\\ }x}", u"x"},
        {"picture hex", "{\\rtf1{\\pict\\pngblip 89504e47}x}", u"x"},
        {"header footer", "{\\rtf1{\\header h}{\\footer f}x}", u"x"},
        {"field result shown", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}}",
         u"link"},
        {"deep nesting", "{\\rtf1{{{{a}b}c}d}e}", u"abcde"},
        {"text after the document", "{\\rtf1 a}b", u"a"},
    });
}

TEST(Rtf, MalformedInput)
{
    expectAll({
        {"unclosed", "{\\rtf1 a{b", u"ab"},
        {"extra close", "{\\rtf1 a}}}b", u"a"},
        {"truncated hex", "{\\rtf1 a\\'8", u"a"},
        {"truncated hex mid", "{\\rtf1 a\\'zzb}", u"azzb"},
        {"backslash at end", "{\\rtf1 a\\", u"a"},
        {"bin beyond end", "{\\rtf1 a\\bin999999999999 b}", u"a"},
        {"negative bin", "{\\rtf1 a\\bin-5 b}", u"ab"},
        {"huge uc", "{\\rtf1\\uc99999999999999 \\u65 a\\f-99999999999 b}", u"A"},
        {"unit out of range", "{\\rtf1\\f-99999999999 b\\u99999999999 c\\u-40000 de}", u"be"},
        {"long word", "{\\rtf1 \\" + QByteArray(100, 'x') + " a}", u"a"},
        {"lead at end", "{\\rtf1 \\'82", u"\u30FB"},
        {"nul bytes", QByteArray("{\\rtf1 a\0b}", 11), u"ab"},
    });
    const QByteArray deep = "{\\rtf1 " + QByteArray(200000, '{') + "x";
    EXPECT_EQ(rtf::toPlainText(deep), QStringLiteral(u"x"));
}

TEST(Rtf, NotRtfIsReadAsCp932)
{
    EXPECT_EQ(rtf::toPlainText("\x95\x5C\r\n{\\b}"), QStringLiteral(u"表\r\n{\\b}"));
}

// Golden documents in tests/data/rtf/<case>/: input.rtf and the text it shows, expected.utf8.
TEST(RtfGolden, Documents)
{
    const QDir root(QStringLiteral(MORVANE_TEST_DATA "/rtf"));
    const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(cases.size(), 2);
    for (const QString &name : cases) {
        QFile input(root.filePath(name + QStringLiteral("/input.rtf")));
        QFile expected(root.filePath(name + QStringLiteral("/expected.utf8")));
        ASSERT_TRUE(input.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray rtf = input.readAll();
        EXPECT_TRUE(rtf::looksLikeRtf(rtf)) << name.toStdString();
        EXPECT_EQ(rtf::toPlainText(rtf), QString::fromUtf8(expected.readAll()))
            << name.toStdString();
    }
}

} // namespace
