// Edge cases of the table writer that the golden designs do not show.

#include "support/qt_printers.h"
#include "frame/form1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString rowsOf(const Form1 &f)
{
    const QString &s = f.RB1.text();
    const qsizetype first = s.indexOf(QStringLiteral(u"<tr"));
    return s.mid(first, s.lastIndexOf(QStringLiteral(u"</table>")) - first);
}

TEST(MakeTableSource, BlankOnlyCellDataIsNotReplaced)
{
    Form1 f;
    f.RB3.setText(QStringLiteral(u"    "));
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"    "));
    EXPECT_EQ(rowsOf(f), QStringLiteral(u"<tr><th></th>\r\n<th></th>\r\n<th></th>\r\n<th></th>\r\n</tr>\r\n"
                                        u"<tr><td></td>\r\n<td></td>\r\n<td></td>\r\n<td></td>\r\n</tr>\r\n")
                             + QStringLiteral(u"<tr><td></td>\r\n<td></td>\r\n<td></td>\r\n<td></td>\r\n</tr>\r\n"));
}

TEST(MakeTableSource, RowMarkersGoFirstClosingThenOpening)
{
    // "]]" are removed first; a "[[" that only stands once they are gone is removed too.
    Form1 f;
    f.RB3.setText(QStringLiteral(u"[[x[]][y]]$[[[z]]]"));
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_EQ(rowsOf(f), QStringLiteral(u"<tr><th>xy</th>\r\n<th>[z]</th>\r\n</tr>\r\n"));
}

// A long cell data loses its markers in slices on several threads, each from a line start; lines
// that end in a held-back "[" or start with "]]" come out as in one pass: every "]]" removed, then
// every "[[" of what is left.
TEST(MakeTableSource, ALongCellDataLosesItsMarkersAsInOnePass)
{
    const QString pieces[] = {u"[["_qs, u"]]"_qs, u"[]]"_qs, u"a]b"_qs, u"[[[x"_qs, u"$"_qs,
                              u"[y]"_qs, u"セル"_qs, u"["_qs, u"]]]"_qs, u"]]"_qs, u"[["_qs};
    QString text;
    for (int line = 0; line < 1000; ++line) {
        QString row;
        for (int k = 0; row.size() < 2400; ++k)
            row += pieces[(line * 7 + k * 3 + k / 5) % std::size(pieces)];
        // Line ends after a lone "[" and line starts with "]]", now and then.
        text += (line % 3 == 0 ? u"]]"_qs : QString()) + row + (line % 4 == 0 ? u"["_qs : QString()) +
                u"\r\n"_qs;
    }
    ASSERT_GT(text.size(), 2 << 20);
    QString once = text;
    once.replace(u"]]"_qs, QString()).replace(u"[["_qs, QString());
    ASSERT_FALSE(once.contains(u"]]"_qs) || once.contains(u"[["_qs));

    Form1 sliced;
    sliced.RB3.setText(text);
    ASSERT_TRUE(sliced.MakeTableSource());
    Form1 whole;
    whole.RB3.setText(once);
    ASSERT_TRUE(whole.MakeTableSource());
    EXPECT_TRUE(sliced.RB1.text() == whole.RB1.text());
    EXPECT_EQ(sliced.Text1(0).text(), u"1000"_qs);
}

TEST(MakeTableSource, CommentThenFontThenNumbering)
{
    Form1 f;
    f.RB3.setText(QStringLiteral(u"[[a]]"));
    f.Check4.setValue(1);
    f.mkoment.setChecked(true);
    f.cellFontColors.set(0, 0, QStringLiteral(u"red"));
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_EQ(rowsOf(f),
              QStringLiteral(u"<tr><th><!--1列:1行--><font color=\"red\">(1,1)a</font></th>\r\n</tr>\r\n"));
}

TEST(MakeTableSource, ParsesAfreshEveryRun)
{
    Form1 f;
    f.RB3.setText(QStringLiteral(u"[[a]]"));
    f.Check4.setValue(1);
    ASSERT_TRUE(f.MakeTableSource());
    const QString first = f.RB1.text();
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_EQ(f.RB1.text(), first); // the numbering does not pile up
}

TEST(MakeTableSource, InsertedTextFiles)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral(u"plain.txt"));
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x95\x5c\x82\xcc\x92\x86\x90\x67\r\nline2"); // "表の中身" CR LF "line2" in CP932
    file.close();
    const QString rtf = dir.filePath(QStringLiteral(u"doc.rtf"));
    QFile rtfFile(rtf);
    ASSERT_TRUE(rtfFile.open(QIODevice::WriteOnly));
    rtfFile.write("{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0 x;}}\\f0 R\\'95\\'5c\\par}");
    rtfFile.close();
    const QString utf8 = dir.filePath(QStringLiteral(u"utf8.txt"));
    QFile utf8File(utf8);
    ASSERT_TRUE(utf8File.open(QIODevice::WriteOnly));
    utf8File.write("\xE3\x83\xA1\xE3\x83\xA2"); // "メモ" in UTF-8
    utf8File.close();

    Form1 f;
    f.Check4.setValue(1);
    f.RB3.setText(QStringLiteral(u"[[before[%") + plain + QStringLiteral(u"]after$[%")
                  + dir.filePath(QStringLiteral(u"missing.txt")) + QStringLiteral(u"]$x] [%y$[%")
                  + rtf + QStringLiteral(u"]$[%") + utf8 + QStringLiteral(u"]]]"));
    ASSERT_TRUE(f.MakeTableSource());
    const QString rows = rowsOf(f);
    // The file's text replaces the whole cell, numbering and surrounding text included.
    EXPECT_TRUE(rows.contains(QStringLiteral(u"<th>表の中身\r\nline2</th>"))) << rows.toStdString();
    // A file that cannot be read, or a "]" only before the marker: the cell keeps its text.
    EXPECT_TRUE(rows.contains(QStringLiteral(u"(1,2)[%"))) << rows.toStdString();
    EXPECT_TRUE(rows.contains(QStringLiteral(u"<th>(1,3)x] [%y</th>"))) << rows.toStdString();
    EXPECT_TRUE(rows.contains(QStringLiteral(u"<th>R表</th>"))) << rows.toStdString();
    EXPECT_TRUE(rows.contains(QStringLiteral(u"<th>メモ</th>"))) << rows.toStdString();
}

// A marker names the file its text names, relative paths from the current folder, even where the
// text begins with "%", which also marks the encoded name of a chosen file.
TEST(MakeTableSource, TypedMarkersBeginningWithPercentNameTheirOwnFile)
{
    QTemporaryDir dir;
    auto write = [&dir](const QString &name, const QByteArray &bytes) {
        QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
    };
    write(QStringLiteral(u"%41.txt"), "percent");
    write(QStringLiteral(u"41.txt"), "digits");
    write(QStringLiteral(u"A.txt"), "letter");
    write(QStringLiteral(u"[1].txt"), "chosen");
    // The encoded marker of the chosen file "[1].txt" read as a plain relative path.
    const QString encoded = QStringLiteral(u"%") + dir.path() + QStringLiteral(u"/%5B1%5D.txt");
    write(encoded, "typed");

    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    Form1 f;
    auto cells = [&f](const QString &data) {
        f.RB3.setText(data);
        EXPECT_TRUE(f.MakeTableSource());
        return rowsOf(f);
    };
    EXPECT_EQ(
        cells(QStringLiteral(u"[[[%%41.txt]$[%41.txt]$[%") + encoded + QStringLiteral(u"]]]")),
        QStringLiteral(u"<tr><th>percent</th>\r\n<th>digits</th>\r\n<th>typed</th>\r\n</tr>\r\n"));
    // Without the file of its own the marker stays as text, as it always did.
    QFile::remove(dir.filePath(QStringLiteral(u"%41.txt")));
    QFile::remove(dir.filePath(encoded));
    EXPECT_EQ(cells(QStringLiteral(u"[[[%%41.txt]]]")),
              QStringLiteral(u"<tr><th>[%%41.txt]</th>\r\n</tr>\r\n"));
    // The encoded marker of a chosen file, with no such file of its own, names the chosen one.
    EXPECT_EQ(cells(QStringLiteral(u"[[[%") + encoded + QStringLiteral(u"]]]")),
              QStringLiteral(u"<tr><th>chosen</th>\r\n</tr>\r\n"));
    QDir::setCurrent(before);
}

TEST(MakeTableSource, RefusesTooManyRowsAndChangesNothing)
{
    Form1 f;
    f.RB1.setText(QStringLiteral(u"old source"));
    const QString data = QStringLiteral(u"[[a]]\r\n").repeated(1001);
    f.RB3.setText(data);
    EXPECT_FALSE(f.MakeTableSource());
    EXPECT_EQ(f.RB1.text(), QStringLiteral(u"old source"));
    EXPECT_EQ(f.RB3.text(), data);
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"3"));
}

TEST(MakeTableSource, StartTagEdgeCases)
{
    Form1 f;
    f.RB3.setText(QStringLiteral(u"[[a]]"));
    f.txtwaku2(1).setText(QStringLiteral(u"0"));
    f.Text5(3).setText(QString());    // an empty box still writes an empty bgcolor
    f.Text5(1).setText(QString());
    f.Text5(2).setText(QStringLiteral(u"  "));
    f.Txttit.setText(QStringLiteral(u"   "));
    const QString longHeight = QStringLiteral(u"7") + QString(120, u'5');
    f.Text1(3).setText(longHeight);   // long, with no blank after the 100th character
    ASSERT_TRUE(f.MakeTableSource());
    const QString tag = f.RB1.text().section(QStringLiteral(u"\r\n"), 0, 0);
    EXPECT_EQ(tag, QStringLiteral(u"<table  align=\"center\" bgcolor=\"\" frame=\"box\" "
                                  u"rules=\"all\" width=\"75%\" height=\"")
                       + longHeight + QStringLiteral(u"%\">"));
    EXPECT_FALSE(f.RB1.text().contains(QStringLiteral(u"<caption")));
}

TEST(MakeTableSource, RowTagMarkersNeverMatchCells)
{
    Form1 f;
    f.RB3.setText(QStringLiteral(u"[[a$b]]"));
    f.Option10(0).setValue(true);
    f.cellIchiYoko.set(0, 0, QStringLiteral(u"Allright"));
    f.cellIchiTate.set(0, 0, QStringLiteral(u"Alltop"));
    f.cellIchiYoko.set(0, 1, QStringLiteral(u"Allcenter")); // not in column 0: shows nothing
    f.cellIchiTate.set(0, 1, QStringLiteral(u"bottom"));
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_EQ(rowsOf(f), QStringLiteral(u"<tr align = \"right\" valign = \"top\"><td>a</td>\r\n"
                                        u"<td valign = \"bottom\">b</td>\r\n</tr>\r\n"));
}

} // namespace
