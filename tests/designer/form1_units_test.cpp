// Units, delimiters and the relative links of image files, with both path separators.

#include "frame/form1.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(RelativePathTo, WindowsPaths)
{
    Form1 f;
    f.pathSeparator = u'\\';
    f.SetNamePath(QStringLiteral(u"page.html"), QStringLiteral(u"C:\\web\\site"));
    struct Case { const char16_t *path; const char16_t *link; };
    const Case cases[] = {
        {u"C:\\web\\site\\a.gif", u"a.gif"},
        {u"C:\\web\\site\\pics\\b.png", u"pics/b.png"},
        {u"C:\\web\\img\\a.gif", u"../img/a.gif"},
        {u"C:\\web\\c.jpg", u"../c.jpg"},
        {u"C:\\web\\sitex\\d.gif", u"../sitex/d.gif"},
        {u"D:\\pics\\e.gif", u"D:/pics/e.gif"},
        {u"  images/f.gif  ", u"images/f.gif"},
        {u"g.gif", u"g.gif"},
        {u"c:\\web\\site\\h.gif", u"c:/web/site/h.gif"},
    };
    for (const Case &c : cases) {
        QString path = QString::fromUtf16(c.path);
        EXPECT_EQ(f.RelativePathTo(path), QString::fromUtf16(c.link)) << path.toStdString();
        EXPECT_EQ(path, QString::fromUtf16(c.path).trimmed()); // trimmed in place
    }
}

TEST(RelativePathTo, PosixPaths)
{
    Form1 f;
    f.SetNamePath(QStringLiteral(u"page.html"), QStringLiteral(u"/home/u/site"));
    struct Case { const char16_t *path; const char16_t *link; };
    const Case cases[] = {
        {u"/home/u/site/a.gif", u"a.gif"},
        {u"/home/u/site/pics/b.png", u"pics/b.png"},
        {u"/home/u/img/a.gif", u"../img/a.gif"},
        {u"/home/u/sitex/d.gif", u"../sitex/d.gif"},
        {u"/srv/e.gif", u"../../../srv/e.gif"},
        {u"images/f.gif", u"images/f.gif"},
        {u"http://example.org/x.gif", u"http://example.org/x.gif"},
        {u"g.gif", u"g.gif"},
    };
    for (const Case &c : cases) {
        QString path = QString::fromUtf16(c.path);
        EXPECT_EQ(f.RelativePathTo(path), QString::fromUtf16(c.link)) << path.toStdString();
    }
}

TEST(GetNameAndPath, SplitsAtTheLastSeparator)
{
    Form1 f;
    f.pathSeparator = u'\\';
    f.SetNamePath(QStringLiteral(u"p.html"), QStringLiteral(u"C:\\w"));
    QString name, folder;
    f.GetNameAndPath(QStringLiteral(u"C:\\a\\b.txt"), name, folder);
    EXPECT_EQ(name, QStringLiteral(u"b.txt"));
    EXPECT_EQ(folder, QStringLiteral(u"C:\\a\\"));
    f.GetNameAndPath(QStringLiteral(u"b.txt"), name, folder);
    EXPECT_EQ(name, QStringLiteral(u"b.txt"));
    EXPECT_EQ(folder, QString());
    f.GetNameAndPath(QString(), name, folder);
    EXPECT_EQ(name, QString());
    EXPECT_EQ(folder, QStringLiteral(u"C:\\w\\"));
    f.pathSeparator = u'/';
    f.GetNameAndPath(QStringLiteral(u"/a/b.txt"), name, folder);
    EXPECT_EQ(folder, QStringLiteral(u"/a/"));
}

TEST(Units, SizeUnitAndDelimiterChoosers)
{
    Form1 f;
    f.Form_Load();
    f.Combo1(0).userChose(2); // mm
    EXPECT_EQ(f.Text1(2).text(), QStringLiteral(u"269"));
    EXPECT_EQ(f.Text1(3).text(), QStringLiteral(u"202"));
    EXPECT_EQ(f.VScroll1(2).value(), -269);
    EXPECT_TRUE(f.Option1(1).value());
    EXPECT_DOUBLE_EQ(f.unitFactor, 0.35);
    f.Combo1(0).userChose(0); // percent: the length unit stays millimetres
    EXPECT_EQ(f.Text1(2).text(), QStringLiteral(u"75"));
    EXPECT_TRUE(f.Option1(1).value());
    f.Combo1(0).userChose(1);
    EXPECT_EQ(f.Text1(2).text(), QStringLiteral(u"768"));
    EXPECT_TRUE(f.Option1(0).value());

    f.Combo2.userChose(2);
    EXPECT_EQ(f.Text6.text(), QStringLiteral(u"#"));
    f.Combo2.userChose(1);
    EXPECT_EQ(f.Text6.text(), QStringLiteral(u"、"));
    EXPECT_EQ(f.GetSettingIni({}, {}, QStringLiteral(u"Delimita"), {}), QStringLiteral(u"、"));
    f.Combo2.userChose(0);
    EXPECT_EQ(f.Text6.text(), QStringLiteral(u","));
}

} // namespace
