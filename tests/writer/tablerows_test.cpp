// A table large enough to be written on several threads, each row measured and then written into
// its place: every row must land where the rows before it end, also behind rows whose cells grew
// while they were measured (an inserted file) or that lost cells to a merge.

#include "frame/form1.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(TableRows, ALargeTableIsWrittenRowAfterRowWhateverItsCellsHold)
{
    QTemporaryDir dir;
    const QString inserted = dir.filePath(QStringLiteral(u"cell.txt"));
    QFile file(inserted);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("two\r\nlines");
    file.close();

    const int rows = 400, columns = 400;
    auto text = [](int r, int c) { return QString::number(r) + u'.' + QString::number(c); };
    QString data;
    for (int r = 0; r < rows; ++r) {
        data += u"[[";
        for (int c = 0; c < columns; ++c) {
            if (c)
                data += u'$';
            data += r == 150 && c == 7 ? QStringLiteral(u"[%") + inserted + u']' : text(r, c);
        }
        data += u"]]\r\n";
    }
    Form1 f;
    f.Text6.setText(QStringLiteral(u"$"));
    f.RB3.setText(data);
    ASSERT_TRUE(f.MakeTableSource()); // the counts follow the data
    f.cellSpans.set(260, 3, QStringLiteral(u"2,3"));
    f.cellFontColors.set(399, 399, QStringLiteral(u"red"));
    ASSERT_TRUE(f.MakeTableSource());

    QString expected;
    for (int r = 0; r < rows; ++r) {
        expected += u"<tr>";
        for (int c = 0; c < columns; ++c) {
            const bool covered =
                (r == 260 || r == 261) && c >= 3 && c <= 5 && !(r == 260 && c == 3);
            if (covered)
                continue;
            const QString tag = r == 0 ? QStringLiteral(u"th") : QStringLiteral(u"td");
            expected += u'<' + tag;
            if (r == 260 && c == 3)
                expected += QStringLiteral(u" rowspan=\"2\" colspan=\"3\"");
            expected += u'>';
            if (r == 150 && c == 7)
                expected += QStringLiteral(u"two\r\nlines");
            else if (r == 399 && c == 399)
                expected += QStringLiteral(u"<font color=\"red\">") + text(r, c) +
                            QStringLiteral(u"</font>");
            else
                expected += text(r, c);
            expected += QStringLiteral(u"</") + tag + QStringLiteral(u">\r\n");
        }
        expected += QStringLiteral(u"</tr>\r\n");
    }
    const QString &source = f.RB1.text();
    const qsizetype first = source.indexOf(QStringLiteral(u"<tr"));
    ASSERT_GE(first, 0);
    EXPECT_TRUE(source.endsWith(QStringLiteral(u"</table>")));
    EXPECT_TRUE(QStringView(source).sliced(first, source.size() - first - 8) == expected);
}

} // namespace
