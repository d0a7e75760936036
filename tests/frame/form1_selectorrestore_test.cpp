// After a load the selectors of the font colour, font size, position and no-wrap panels show "All"
// (spinner disabled) for what the document sets on every row or every column.

#include "frame/form1.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace {

// Loads a document of `rows` × `columns` with the given records ("<cellichiyoko>0:0:Allcenter...").
void loadDocument(Form1 &f, int rows, int columns, const QString &records)
{
    const QString doc = QStringLiteral(u"<行>-%1\r\n<列>-%2\r\n").arg(rows).arg(columns) + records +
                        QStringLiteral(u"\r\n<content>\r\n<end>");
    ASSERT_TRUE(f.LoadSettingsText(doc, QStringLiteral(u"test.set")));
}

QString selector(const Form1 &f, int index)
{
    return f.Text1(index).text() +
           (f.VScroll1(index).enabled() ? QString() : QStringLiteral(u"(off)"));
}

QString chosenOption(const Form1 &f, int first)
{
    for (int i = first; i < first + 3; ++i)
        if (f.Option9(i).value())
            return QString::number(i);
    return QStringLiteral(u"none");
}

// "alignRow alignColumn option" after loading the records into a three-row, two-column table.
QString position(const QString &records, int rowSelector = 22)
{
    Form1 f;
    // The previous state does not matter: every case sets both selectors and an option.
    f.Text1(rowSelector).setText(QStringLiteral(u"All"));
    f.VScroll1(rowSelector).setEnabled(false);
    loadDocument(f, 3, 2, records);
    return selector(f, rowSelector) + u' ' + selector(f, rowSelector + 1) + u' ' +
           chosenOption(f, rowSelector == 22 ? 0 : 3);
}

QString records(const char16_t *key, const QString &value,
                std::initializer_list<std::pair<int, int>> cells)
{
    QString out;
    for (auto [r, c] : cells)
        out += QString::fromUtf16(key) + QStringLiteral(u"%1:%2:").arg(r).arg(c) + value;
    return out;
}

TEST(RestoreSelectors, HorizontalPositionDecisionTable)
{
    const char16_t *key = u"<cellichiyoko>";
    const QString center = QStringLiteral(u"Allcenter");
    const QString right = QStringLiteral(u"Allright");
    const auto everyRow = {std::pair{0, 0}, std::pair{1, 0}, std::pair{2, 0}};
    const auto everyColumn = {std::pair{0, 0}, std::pair{0, 1}};
    const auto both = {std::pair{0, 0}, std::pair{1, 0}, std::pair{2, 0}, std::pair{0, 1}};
    EXPECT_EQ(position(records(key, center, both)), u"All(off) All(off) 1");
    EXPECT_EQ(position(records(key, right, both)), u"All(off) All(off) 2");
    EXPECT_EQ(position(records(key, center, everyRow)), u"All(off) 1 1");
    EXPECT_EQ(position(records(key, center, everyColumn)), u"1 All(off) 1");
    EXPECT_EQ(position(records(key, right, everyRow)), u"All(off) 1 2");
    EXPECT_EQ(position(records(key, right, everyColumn)), u"1 All(off) 2");
    // None of these: the first cell's own value decides.
    EXPECT_EQ(position(records(key, QStringLiteral(u"center"), {{0, 0}})), u"1 1 1");
    EXPECT_EQ(position(records(key, QStringLiteral(u"right"), {{0, 0}})), u"1 1 2");
    EXPECT_EQ(position(QString()), u"1 1 0");
    // A marker in row 0 only is neither a whole row set nor a cell value: left.
    EXPECT_EQ(position(records(key, center, {{0, 0}})), u"1 1 0");
    // Rows marked beyond the table's row count do not make up for one inside it.
    EXPECT_EQ(position(records(key, center, {{0, 0}, {1, 0}, {5, 0}})), u"1 1 0");
}

TEST(RestoreSelectors, VerticalPositionDecisionTable)
{
    const char16_t *key = u"<cellichitate>";
    const QString top = QStringLiteral(u"Alltop");
    const QString bottom = QStringLiteral(u"Allbottom");
    EXPECT_EQ(position(records(key, top, {{0, 0}, {1, 0}, {2, 0}}), 24), u"All(off) 1 3");
    EXPECT_EQ(position(records(key, bottom, {{0, 0}, {1, 0}, {2, 0}, {0, 1}}), 24),
              u"All(off) All(off) 5");
    EXPECT_EQ(position(records(key, bottom, {{0, 0}, {0, 1}}), 24), u"1 All(off) 5");
    EXPECT_EQ(position(records(key, QStringLiteral(u"top"), {{0, 0}}), 24), u"1 1 3");
    EXPECT_EQ(position(records(key, QStringLiteral(u"bottom"), {{0, 0}}), 24), u"1 1 5");
    EXPECT_EQ(position(QString(), 24), u"1 1 4");
}

TEST(RestoreSelectors, FontColourAndSizeMarkedWhereUniformOnly)
{
    Form1 f;
    f.Text5(5).setText(QStringLiteral(u"blue"));
    f.Text5(6).setText(QStringLiteral(u"2"));
    loadDocument(
        f, 3, 4,
        records(u"<cellfontcolor>", QStringLiteral(u"red"), {{0, 0}, {1, 0}, {2, 0}}) +
            records(u"<cellfontsize>", QStringLiteral(u"5"), {{0, 0}, {0, 1}, {0, 2}, {0, 3}}));
    EXPECT_EQ(selector(f, 14) + u' ' + selector(f, 15) + u' ' + f.Text5(5).text(),
              u"All(off) 1 red");
    EXPECT_EQ(selector(f, 16) + u' ' + selector(f, 17) + u' ' + f.Text5(6).text(), u"1 All(off) 5");

    // A grid that is not uniform leaves its selectors and value box as they are.
    Form1 g;
    g.Text5(5).setText(QStringLiteral(u"blue"));
    g.VScroll1(15).setEnabled(false);
    loadDocument(g, 3, 4,
                 records(u"<cellfontcolor>", QStringLiteral(u"red"), {{0, 0}, {1, 0}}) +
                     records(u"<cellfontcolor>", QStringLiteral(u"navy"), {{2, 0}}));
    EXPECT_EQ(selector(g, 14) + u' ' + selector(g, 15) + u' ' + g.Text5(5).text(),
              u"1 1(off) blue");
}

TEST(RestoreSelectors, OneRowTableIsUniformAsSoonAsTheFirstCellIsSet)
{
    Form1 f;
    loadDocument(f, 1, 4, records(u"<cellfontcolor>", QStringLiteral(u"red"), {{0, 0}}));
    EXPECT_EQ(selector(f, 14) + u' ' + selector(f, 15) + u' ' + f.Text5(5).text(),
              u"All(off) 1 red");
}

TEST(RestoreSelectors, NoWrapSpinnersEnabledThenMarked)
{
    Form1 f;
    f.VScroll1(12).setEnabled(false);
    f.VScroll1(13).setEnabled(false);
    loadDocument(f, 2, 3, records(u"<nowrap>", QStringLiteral(u"no"), {{0, 0}, {0, 1}, {0, 2}}));
    EXPECT_EQ(selector(f, 12) + u' ' + selector(f, 13), u"1 All(off)");

    Form1 g;
    loadDocument(g, 2, 3, records(u"<nowrap>", QStringLiteral(u"no"), {{0, 0}, {1, 0}}));
    EXPECT_EQ(selector(g, 12) + u' ' + selector(g, 13), u"All(off) 1");
}

TEST(RestoreSelectors, OtherPanelsAreNotTouched)
{
    Form1 f;
    f.VScroll1(7).setEnabled(false);
    f.Text1(7).setText(QStringLiteral(u"All"));
    loadDocument(f, 3, 4, records(u"<selcolor>", QStringLiteral(u"red"), {{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_EQ(selector(f, 6) + u' ' + selector(f, 7), u"1 All(off)");
}

} // namespace
