// The cell-data parser: counts, cells, what it writes back, and the spinners it moves.

#include "support/qt_printers.h"
#include "frame/form1.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace {

struct Parsed
{
    int rows = 0;
    int columns = 0;
    QString text;
    bool ok = false;
};

Parsed parse(Form1 &f, const QString &input)
{
    Parsed p;
    p.text = input;
    p.ok = f.ParseCellData(p.text, p.rows, p.columns);
    return p;
}

TEST(ParseCellData, CountsCellsAndTerminatesTheText)
{
    Form1 f;
    Parsed p = parse(f, QStringLiteral(u"a$b\r\nc"));
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.rows, 2);
    EXPECT_EQ(p.columns, 2);
    EXPECT_EQ(p.text, QStringLiteral(u"a$b\r\nc\r\n"));
    EXPECT_EQ(f.cellTexts.get(0, 0), QStringLiteral(u"a"));
    EXPECT_EQ(f.cellTexts.get(0, 1), QStringLiteral(u"b"));
    EXPECT_EQ(f.cellTexts.get(1, 0), QStringLiteral(u"c"));
    EXPECT_EQ(f.cellTexts.get(1, 1), QString());
    EXPECT_EQ(f.cellTexts.rowUpper(), 2); // one spare row and column
    EXPECT_EQ(f.cellTexts.columnUpper(), 2);
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"2"));
    EXPECT_EQ(f.VScroll1(1).value(), -2);
}

TEST(ParseCellData, BlanksAndLineEnds)
{
    Form1 f;
    Parsed p = parse(f, QStringLiteral(u"  a $ b\t\r\n\r\n  "));
    EXPECT_EQ(p.text, QStringLiteral(u"a $ b\t\r\n\r\n"));
    EXPECT_EQ(p.rows, 2); // the trailing empty line is a row
    EXPECT_EQ(f.cellTexts.get(0, 0), QStringLiteral(u"a "));
    EXPECT_EQ(f.cellTexts.get(0, 1), QStringLiteral(u" b\t"));

    p = parse(f, QStringLiteral(u"x$\r\ny"));
    EXPECT_EQ(p.columns, 2); // a line ending in the delimiter has an empty last cell
    EXPECT_EQ(f.cellTexts.get(0, 1), QString());

    p = parse(f, QStringLiteral(u"a\rb$c\r\n")); // a lone CR is dropped, not a row end
    EXPECT_EQ(p.rows, 1);
    EXPECT_EQ(f.cellTexts.get(0, 0), QStringLiteral(u"ab"));
}

TEST(ParseCellData, BlankTextTakesTheCountsFromTheBoxes)
{
    Form1 f;
    f.RB3.setText(QStringLiteral(u"kept"));
    Parsed p = parse(f, QStringLiteral(u"     "));
    EXPECT_EQ(p.rows, 3);
    EXPECT_EQ(p.columns, 4);
    EXPECT_EQ(p.text, QString());
    EXPECT_EQ(f.cellTexts.rowUpper(), 3);
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"kept"));
}

TEST(ParseCellData, DelimitersOfSeveralCharactersMatchWhole)
{
    Form1 f;
    f.Text6.setText(QStringLiteral(u"<>"));
    Parsed p = parse(f, QStringLiteral(u"a<>b<c>d<>\r\n"));
    EXPECT_EQ(p.columns, 3);
    EXPECT_EQ(f.cellTexts.get(0, 1), QStringLiteral(u"b<c>d"));
    EXPECT_EQ(f.cellTexts.get(0, 2), QString());

    f.Text6.setText(QString());
    p = parse(f, QStringLiteral(u"a$b\r\nc$d\r\n"));
    EXPECT_EQ(p.columns, 1);
    EXPECT_EQ(f.cellTexts.get(1, 0), QStringLiteral(u"c$d"));
}

TEST(ParseCellData, CellDataKeptAcrossTheCountChange)
{
    ScriptedMessages messages;
    Form1 f({&messages});
    f.RB3.setText(QStringLiteral(u"[[1$2$3$4$5]]\r\n"));
    QStringList cellData; // what RB3 held after each of its changes
    f.RB3.onChange = [&] { cellData << f.RB3.text(); };
    f.RB3.setSelStart(4);
    Parsed p = parse(f, QStringLiteral(u"1$2$3$4$5\r\n"));
    // The count change neither asks about the cell data nor writes a template over it: the box
    // is not written at all, and its caret stays.
    EXPECT_EQ(cellData.join(u'|'), QString());
    EXPECT_EQ(f.RB3.selStart(), 4);
    EXPECT_EQ(p.columns, 5);
    EXPECT_EQ(messages.prompts.size(), 0);
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[1$2$3$4$5]]\r\n"));
    EXPECT_EQ(f.cellColors.columnUpper(), 5);
    EXPECT_EQ(f.VScroll1(5).min(), -5);

    // Parsed again with the counts as they now stand: the cell data is not touched, and the caret
    // the user left in it stays.
    cellData.clear();
    f.RB3.setSelStart(7);
    p = parse(f, QStringLiteral(u"1$2$3$4$5\r\n"));
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(cellData.join(u'|'), QString());
    EXPECT_EQ(f.RB3.selStart(), 7);
}

TEST(ParseCellData, CellsArePiecesUntilRewritten)
{
    Form1 f;
    Parsed p = parse(f, QStringLiteral(u"ab$c\rd$\r\nef\r\n"));
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(f.cellTexts.get(0, 0), QStringLiteral(u"ab"));
    EXPECT_EQ(f.cellTexts.get(0, 1), QStringLiteral(u"cd")); // a CR inside a cell is dropped
    EXPECT_EQ(f.cellTexts.get(0, 2), QString());              // the row's own CR is no content
    EXPECT_EQ(f.cellTexts.get(1, 0), QStringLiteral(u"ef"));
    EXPECT_EQ(f.cellTexts.get(5, 5), QString());              // outside: empty

    QString &own = f.cellTexts.at(0, 0);
    own.prepend(u'<');
    own += u'>';
    EXPECT_EQ(f.cellTexts.get(0, 0), QStringLiteral(u"<ab>"));
    EXPECT_EQ(p.text, QStringLiteral(u"ab$c\rd$\r\nef\r\n")); // the parsed text is untouched
    EXPECT_EQ(f.cellTexts.get(1, 0), QStringLiteral(u"ef"));

    // The next parse starts afresh: no rewritten cell survives it.
    p = parse(f, QStringLiteral(u"xy\r\n"));
    EXPECT_EQ(f.cellTexts.get(0, 0), QStringLiteral(u"xy"));
    EXPECT_EQ(f.cellTexts.get(1, 0), QString());
}

TEST(ParseCellData, MoreThanAThousandRowsOrCellsChangesNothing)
{
    Form1 f;
    f.RB3.setText(QStringLiteral(u"before"));
    for (const QString &input : {QStringLiteral(u"x\r\n").repeated(1001),
                                 QStringLiteral(u"x$").repeated(1000) + QStringLiteral(u"x")}) {
        Parsed p = parse(f, input);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"3"));
        EXPECT_EQ(f.Text1(1).text(), QStringLiteral(u"4"));
        EXPECT_EQ(f.VScroll1(0).value(), -3);
        EXPECT_EQ(f.RB3.text(), QStringLiteral(u"before"));
    }
    Parsed p = parse(f, QStringLiteral(u"x\r\n").repeated(1000));
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.rows, 1000);
}

// A long cell data is counted in slices on several threads: the counts, the cells and the refusals
// are those of a short one.
TEST(ParseCellData, ALongTextCountsAsAShortOne)
{
    Form1 f;
    f.Text6.setText(QStringLiteral(u"<>"));
    // Row r holds 600 + r % 400 cells "r.c": the widest rows stand here and there, the last one
    // near the end.
    auto row = [](int r, int cells) {
        QString line;
        for (int c = 0; c < cells; ++c)
            line += (c ? QStringLiteral(u"<>") : QString()) + QStringLiteral(u"%1.%2").arg(r).arg(c);
        return line + QStringLiteral(u"\r\n");
    };
    QString text;
    for (int r = 0; r < 1000; ++r)
        text += row(r, 600 + r % 400);
    ASSERT_GT(text.size(), 4 << 20);
    Parsed p = parse(f, text);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.rows, 1000);
    EXPECT_EQ(p.columns, 999);
    for (int r : {0, 1, 399, 500, 999})
        for (int c : {0, 599 + r % 400})
            EXPECT_EQ(f.cellTexts.get(r, c), QStringLiteral(u"%1.%2").arg(r).arg(c));
    EXPECT_EQ(f.cellTexts.get(0, 600), QString());

    // One row too wide, in the middle of the text; one row too many.
    Parsed wide = parse(f, text.left(text.size() / 2) + row(1000, 1001) + text.mid(text.size() / 2));
    EXPECT_FALSE(wide.ok);
    Parsed tall = parse(f, text + row(1000, 3));
    EXPECT_FALSE(tall.ok);
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"1000"));
}

} // namespace
