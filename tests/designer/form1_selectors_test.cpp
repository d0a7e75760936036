// Spinner pairs and the row/column count change: the question before typed data is lost, the grids
// re-bounded keeping what they can, the selectors re-ranged, the template rebuilt.

#include "support/qt_printers.h"
#include "frame/form1.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace {

class CountChange : public ::testing::Test
{
protected:
    ScriptedMessages messages;
    Services services{&messages};
    Form1 f{services};
    void SetUp() override { f.BuildRowTemplate(); }
};

TEST_F(CountChange, TemplateOnlyAsksNothingAndRebuilds)
{
    f.VScroll1(1).setValue(-2);
    EXPECT_EQ(messages.prompts.size(), 0);
    EXPECT_EQ(f.Text1(1).text(), QStringLiteral(u"2"));
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[     $     ]]\r\n").repeated(3) + QString(25, u' '));
    EXPECT_EQ(f.VScroll1(5).min(), -2);
    EXPECT_EQ(f.VScroll1(4).min(), -3);
    EXPECT_EQ(f.cellColors.columnUpper(), 2);
}

TEST_F(CountChange, TypedDataAsksAndNoChangesNothingButTheSpinner)
{
    f.RB3.setText(QStringLiteral(u"[[a$b]]\r\n"));
    messages.answers = {vbmsg::No};
    f.VScroll1(0).setValue(-5);
    ASSERT_EQ(messages.prompts.size(), 1);
    EXPECT_EQ(messages.prompts[0],
              QStringLiteral(u"現在埋め込みデータ－が有ります、データ－を消去しても宜しいですか？"));
    EXPECT_EQ(messages.styles[0], vbmsg::YesNo);
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[a$b]]\r\n"));
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"3"));
    EXPECT_EQ(f.VScroll1(0).value(), -5);
    EXPECT_EQ(f.VScroll1(4).min(), -3);

    messages.answers = {vbmsg::Yes};
    f.VScroll1(0).setValue(-2);
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"2"));
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[     $     $     $     ]]\r\n").repeated(2)
                                + QString(25, u' '));
}

TEST_F(CountChange, ColumnsDroppedAreLostRowsKept)
{
    f.cellColors.set(0, 3, QStringLiteral(u"red"));
    f.cellColors.set(2, 0, QStringLiteral(u"blue"));
    f.columnWidths.set(3, QStringLiteral(u"40"));
    f.VScroll1(1).setValue(-2);
    f.VScroll1(0).setValue(-1);
    f.VScroll1(1).setValue(-4);
    f.VScroll1(0).setValue(-3);
    EXPECT_EQ(f.cellColors.get(0, 3), QString());
    EXPECT_EQ(f.columnWidths.get(3), QString());
    EXPECT_EQ(f.cellColors.get(2, 0), QStringLiteral(u"blue"));
}

TEST_F(CountChange, SelectorsGoBackToOne)
{
    f.VScroll1(6).setValue(-3);
    EXPECT_EQ(f.Text1(6).text(), QStringLiteral(u"3"));
    f.VScroll1(0).setValue(-2); // the row selector's range shrinks below its value
    EXPECT_EQ(f.VScroll1(6).value(), -1);
    EXPECT_EQ(f.Text1(6).text(), QStringLiteral(u"1"));
    EXPECT_EQ(f.VScroll1(6).min(), -2);
}

TEST(Spinners, BoxesPushTypedNumbersIntoTheirSpinner)
{
    Form1 f;
    f.Text1(0).setText(QStringLiteral(u"12"));
    EXPECT_EQ(f.VScroll1(0).value(), -12);
    for (const char16_t *refused : {u"0", u"1001", u"All", u""}) {
        f.Text1(0).setText(QString::fromUtf16(refused));
        EXPECT_EQ(f.VScroll1(0).value(), -12);
    }
    f.Text1(2).setText(QStringLiteral(u"2.5"));
    EXPECT_EQ(f.VScroll1(2).value(), -2);
    f.Text1(2).setText(QStringLiteral(u"3.5"));
    EXPECT_EQ(f.VScroll1(2).value(), -4);
    f.Text1(2).setText(QStringLiteral(u"12abc"));
    EXPECT_EQ(f.VScroll1(2).value(), -12);
    f.Text1(20).setText(QStringLiteral(u"0"));
    EXPECT_EQ(f.VScroll1(20).value(), 0);
}

TEST(Spinners, SingleSpinnersWriteTheirBox)
{
    Form1 f;
    f.VScroll4.setValue(0);
    EXPECT_EQ(f.Text5(6).text(), QString());
    f.VScroll4.setValue(-3);
    EXPECT_EQ(f.Text5(6).text(), QStringLiteral(u"3"));
    f.VScroll5.setValue(-1);
    f.VScroll5.setValue(0);
    EXPECT_EQ(f.Text3.text(), QString());
    f.VScroll2.setValue(-1);
    f.VScroll2.setValue(0);
    EXPECT_EQ(f.Txttatek.text(), QStringLiteral(u"0"));
    f.txtwaku2(1).setText(QStringLiteral(u"5"));
    EXPECT_EQ(f.VScrollhaba.value(), -2);
    f.VScrollhaba.userStep(-1);
    EXPECT_EQ(f.txtwaku2(1).text(), QStringLiteral(u"3"));
    f.Option1(1).setValue(true);
    EXPECT_DOUBLE_EQ(f.unitFactor, 0.35);
    f.Option1(0).setValue(true);
    EXPECT_DOUBLE_EQ(f.unitFactor, 1);
}

TEST(RowTemplate, ShapesAndDelimiters)
{
    Form1 f;
    f.Text1(0).setText(QStringLiteral(u"1"));
    f.Text1(1).setText(QStringLiteral(u"1"));
    f.BuildRowTemplate();
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[     ]]\r\n") + QString(25, u' '));

    f.Text1(1).setText(QStringLiteral(u"3"));
    f.Text6.setText(QStringLiteral(u"<>"));
    f.BuildRowTemplate();
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[     <>     <>     ]]\r\n") + QString(25, u' '));

    f.Text6.setText(QString());
    f.BuildRowTemplate();
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[               ]]\r\n") + QString(25, u' '));
}

TEST(RowTemplate, EmptyDelimiterRemovesNothingInTheQuestionCheck)
{
    ScriptedMessages messages;
    Form1 f({&messages});
    f.Text6.setText(QString());
    f.BuildRowTemplate();
    f.VScroll1(0).setValue(-4);
    EXPECT_EQ(messages.prompts.size(), 0);
    f.RB3.setText(QStringLiteral(u"[[ x ]]"));
    messages.answers = {vbmsg::No};
    f.VScroll1(0).setValue(-5);
    EXPECT_EQ(messages.prompts.size(), 1);
}

} // namespace
