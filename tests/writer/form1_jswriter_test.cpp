// The script version of the table: its data lines, loops, breaks and wrapping.

#include "support/design_script.h"
#include "support/qt_printers.h"
#include "writer/scripttext.h"

#include <gtest/gtest.h>

namespace {

QString script(const QString &cellData, const QString &design)
{
    Form1 f;
    f.RB3.setText(cellData);
    applyDesign(f, design + QStringLiteral(u"\nCheck5=1\n"));
    EXPECT_TRUE(f.MakeTableSource());
    return f.RB1.text();
}

TEST(JavaScriptWriter, NothingSetStillDeclaresAndFillsEveryArray)
{
    const QString s = script(QStringLiteral(u"[[a$]]"), QStringLiteral(u"Option10=0"));
    EXPECT_TRUE(s.startsWith(QStringLiteral(u"<script type=\"text/javascript\">\r\n\t<!--\r\n")));
    EXPECT_TRUE(s.endsWith(QStringLiteral(u"\tdocument.write('</table>');\r\n\t//end-->\r\n</script>\r\n")));
    for (const char16_t *init : {u"\t\t\tIchiTateIndiv[t] = '';\r\n", u"\t\t\tCellJoint[t]=0;\r\n",
                                 u"\t\t\tCt[t]='';\r\n", u"\t\tData[t] = '';\r\n",
                                 u"\t\t\tSr[t] = '';\r\n", u"\tfor(i=0;i<1;i++){\r\n\t\tIchiTate[i] = '';"})
        EXPECT_TRUE(s.contains(QString::fromUtf16(init))) << QString::fromUtf16(init).toStdString();
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tData[0] = 'a';\r\n\tData[1] = '';\r\n")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tflgTate=0;\r\n\tflgYoko=0;\r\n")));
    EXPECT_FALSE(s.contains(QStringLiteral(u"    "))); // every four blanks became a TAB
}

TEST(JavaScriptWriter, RowMarkersPositionsAndSpans)
{
    const QString s = script(QStringLiteral(u"[[a$b$c]]\r\n[[d$e$f]]"),
                             QStringLiteral(u"Option10=3\ncellIchiYoko(1,0)=Allright\n"
                                            u"cellIchiYoko(0,1)=center\ncellSpans(0,1)=2,2\n"
                                            u"cellNowraps(1,0)=no\n"));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tIchiYoko[0] = \"\";//1行目\r\n\tIchiTate[0] = \"\";//1行目\r\n"
                                          u"\tIchiYoko[1] = \" align = 'right'\";//2行目\r\n")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tIchiYokoIndiv[1] = \" align = 'center'\";\r\n")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tIchiYokoIndiv[3] = \"\";\r\n"))); // marker: empty here
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tCellJoint[2] = 1 ;//0行:2列\r\n")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tCellJoint[5] = 1 ;//1行:2列\r\n")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tSr[1] = 2;\r\n\tSc[1] = 2;\r\n")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tCt[3] = ' nowrap';\r\n")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tflgTate=1;　//縦がヘッダーになります。\r\n\tflgYoko=1;")));
}

// Every four blanks in a row of the script become a TAB, counted from the left, in the data as
// everywhere else.
TEST(JavaScriptWriter, FourBlanksBecomeATabFromTheLeft)
{
    const QString s = script(QStringLiteral(u"[[a     b$c       d$        $x]]"), QString());
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tData[0] = 'a\t b';\r\n\tData[1] = 'c\t   d';\r\n"
                                          u"\tData[2] = '\t\t';\r\n\tData[3] = 'x';\r\n")));
}

TEST(JavaScriptWriter, WrappedInAFunction)
{
    Form1 f;
    f.RB3.setText(QStringLiteral(u"[[a]]"));
    f.Check5.setValue(1);
    f.moo(0).setChecked(true);
    ASSERT_TRUE(f.MakeTableSource());
    const QString s = f.RB1.text();
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tvar Data = new Array();//データ－の変数定義\r\n\r\n"
                                          u"\tfunction tableshow(){ 　　　\t// 最後の  ｝までがこのファンクションです\r\n")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\t\tData[0] = 'a';\r\n")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\t\tdocument.write('</table>');\r\n\t}//関数の最後\r\n")));
    EXPECT_TRUE(s.endsWith(QStringLiteral(u"\t\t</script>\r\n<body onLoad=\"tableshow()\">\r\n</body>")));
}

TEST(ScriptText, LongCellsBreakAfterTheCharacterTheyBreakAt)
{
    const QString continued = QStringLiteral(u"'\r\n          + '");
    // The blank stays in front of the break: the words stay apart in the browser.
    const QString longText = QString(45, u'x') + QStringLiteral(u" tail") + QString(40, u'y');
    EXPECT_EQ(scripttext::brokenCellText(longText),
              QString(45, u'x') + u' ' + continued + QStringLiteral(u"tail") + QString(40, u'y'));
    EXPECT_EQ(scripttext::brokenCellText(QString(35, u'a') + QStringLiteral(u" the lazier doggies")),
              QString(35, u'a') + QStringLiteral(u" the ") + continued
                  + QStringLiteral(u"lazier doggies"));
    EXPECT_EQ(scripttext::brokenCellText(QString(39, u'a') + QStringLiteral(u"<b>c")),
              QString(39, u'a') + QStringLiteral(u"<b>") + continued + u'c');
    EXPECT_EQ(scripttext::brokenCellText(QString(41, u'a') + QStringLiteral(u"、b")),
              QString(41, u'a') + QStringLiteral(u"、") + continued + u'b');
    EXPECT_EQ(scripttext::brokenCellText(QString(41, u'a') + QStringLiteral(u"　b。c")),
              QString(41, u'a') + QStringLiteral(u"　") + continued + QStringLiteral(u"b。c"));
}

TEST(ScriptText, LiteralsAreEscapedSoTheScriptRuns)
{
    EXPECT_EQ(scripttext::escaped(QStringLiteral(u"Tom's C:\\dir\\")),
              QStringLiteral(u"Tom\\'s C:\\\\dir\\\\"));
    // The backslash goes first, so the apostrophe's own escape is not doubled.
    EXPECT_EQ(scripttext::escaped(QStringLiteral(u"\\'")), QStringLiteral(u"\\\\\\'"));
    EXPECT_EQ(scripttext::escaped(QStringLiteral(u"a</SCRIPT>b</Script x></scrip")),
              QStringLiteral(u"a<\\/SCRIPT>b<\\/Script x></scrip"));
    // Line ends go, then the breaks are found in the text as it stands: the apostrophe at the
    // break is escaped inside its piece.
    EXPECT_EQ(scripttext::brokenCellText(QStringLiteral(u"it's a\\b\r\nc")),
              QStringLiteral(u"it\\'s a\\\\bc"));
    EXPECT_EQ(scripttext::brokenCellText(QString(39, u'a') + QStringLiteral(u"'></script>")),
              QString(39, u'a') + QStringLiteral(u"\\'>'\r\n          + '<\\/script>"));
}

// Every string of the script reads back as what the design holds.
TEST(JavaScriptWriter, QuotesBackslashesAndScriptEndsInEveryLiteral)
{
    const QString s = script(QStringLiteral(u"[[</SCRIPT>$it's]]"),
                             QStringLiteral(u"Txttit=Tom's table\nText2(2)=C:\\img\\bg.png\n"
                                            u"Text5(0)=o'range\ncellImages(0,1)=a'b\\c.png\n"));
    EXPECT_TRUE(s.contains(QStringLiteral(u" background=\"C:\\\\img\\\\bg.png\"'")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"' bordercolor=\"o\\'range\" bordercolorlight=")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"'<caption align=\"bottom\">Tom\\'s table</caption>'")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tData[0] = '<\\/SCRIPT>';\r\n\tData[1] = 'it\\'s';")));
    EXPECT_TRUE(s.contains(QStringLiteral(u"\tCt[1] = ' background=\"a\\'b\\\\c.png\"';")));
    // The page's own script element still ends only once, at its end.
    EXPECT_EQ(s.count(QStringLiteral(u"</script"), Qt::CaseInsensitive), 1);
}

} // namespace
