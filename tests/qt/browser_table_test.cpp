// A real browser engine reads what the table writer wrote: the DOM of the table (rows, cells per
// row, th/td, rowspan, colspan, texts, caption) is what the design says.

#include "support/design_script.h"
#include "support/qt_printers.h"

#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <gtest/gtest.h>

namespace {

// Loads the page and returns what the script evaluates to (as a string), or "timeout".
QString evaluate(const QString &html, const QString &script)
{
    QWebEnginePage page;
    QEventLoop loop;
    QString result = QStringLiteral(u"timeout");
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    QObject::connect(&page, &QWebEnginePage::loadFinished, &loop, [&](bool ok) {
        if (!ok) {
            result = QStringLiteral(u"load failed");
            loop.quit();
            return;
        }
        page.runJavaScript(script, [&](const QVariant &value) {
            result = value.toString();
            loop.quit();
        });
    });
    page.setHtml(QStringLiteral(u"<html><head><meta charset=\"utf-8\"></head><body>") + html
                 + QStringLiteral(u"</body></html>"));
    loop.exec();
    return result;
}

const QString tableShape = QStringLiteral(
    u"(function(){var t=document.querySelector('table');"
    u"var c=t.querySelector('caption');"
    u"var rows=Array.from(t.rows).map(function(r){return Array.from(r.cells).map(function(c){"
    u"return c.tagName+' '+c.rowSpan+'x'+c.colSpan+' '+c.textContent;}).join(' | ');});"
    u"return (c?'['+c.textContent+'] ':'')+rows.join(' / ');})()");

QString sourceOf(const char16_t *cellData, const char16_t *design)
{
    Form1 f;
    f.RB3.setText(QString::fromUtf16(cellData));
    applyDesign(f, QString::fromUtf16(design));
    EXPECT_TRUE(f.MakeTableSource());
    return f.RB1.text();
}

TEST(BrowserReadsTheTable, HeadingsCaptionMergesAndNumbering)
{
    const QString source = sourceOf(
        u"[[名前$年齢$備考]]\r\n[[山田$30$a]]\r\n[[田中$25$b]]\r\n[[x$y$z]]\r\n",
        u"Txttit= 表の題 \nOption16=0\nOption10=3\nCheck4=1\nmkoment=1\n"
        u"cellSpans(0,0)=2,2\ncellSpans(2,1)=1,2\ncellFontColors(3,1)=red\n"
        u"cellColors(0,0)=#ff0000\ncellNowraps(3,0)=no\n");
    EXPECT_EQ(evaluate(source, tableShape),
              QStringLiteral(u"[ 表の題 ] TH 2x2 (1,1)名前 | TH 1x1 (1,3)備考 / TD 1x1 (2,3)a / "
                             u"TH 1x1 (3,1)田中 | TD 1x2 (3,2)25 / "
                             u"TH 1x1 (4,1)x | TD 1x1 (4,2)y | TD 1x1 (4,3)z"));
}

TEST(BrowserReadsTheTable, CoveredRowsAndColumnHeadings)
{
    const QString source = sourceOf(u"[[a$b$c]]\r\n[[d$e$f]]\r\n[[g$h$i]]\r\n",
                                    u"Option10=2\ncellSpans(0,1)=2,2\ncellSpans(0,0)=3,1\n");
    EXPECT_EQ(evaluate(source, tableShape),
              QStringLiteral(u"TH 3x1 a | TD 2x2 b /  / TD 1x1 h | TD 1x1 i"));
}

TEST(BrowserReadsTheTable, ScriptWritesTheSameTable)
{
    const char16_t *cells = u"[[名前$年齢$備考]]\r\n[[山田$30$it's]]\r\n[[田中$25$b]]\r\n[[x$y$z]]\r\n";
    const char16_t *design = u"Txttit=表\nOption10=3\ncellSpans(0,0)=2,2\ncellSpans(2,1)=1,2\n"
                             u"cellSpans(1,2)=3,1\ncellIchiYoko(3,0)=Allright\ncellColors(0,2)=red\n";
    const QString html = evaluate(sourceOf(cells, design), tableShape);
    const QString withScript = QString::fromUtf16(design) + QStringLiteral(u"Check5=1\n");
    const QString script =
        evaluate(sourceOf(cells, reinterpret_cast<const char16_t *>(withScript.utf16())), tableShape);
    EXPECT_EQ(script, html);
    EXPECT_TRUE(script.contains(QStringLiteral(u"it's")));
    Form1 wrapped;
    wrapped.RB3.setText(QString::fromUtf16(cells));
    wrapped.Check5.setValue(1);
    wrapped.moo(0).setChecked(true);
    ASSERT_TRUE(wrapped.MakeTableSource());
    EXPECT_TRUE(wrapped.RB1.text().endsWith(QStringLiteral(u"<body onLoad=\"tableshow()\">\r\n</body>")));
}

// The table as the browser holds it: every attribute (sorted) of the table, the caption, the rows
// and the cells, with their texts.
const QString tableDom = QStringLiteral(
    u"(function(){function attrs(e){return Array.from(e.attributes).map(function(a){"
    u"return a.name+'='+a.value;}).sort().join(' ');}"
    u"var t=document.querySelector('table');if(!t)return 'no table';"
    u"var out=['TABLE '+attrs(t)];var c=t.querySelector('caption');"
    u"if(c)out.push('CAPTION '+attrs(c)+' ['+c.textContent+']');"
    u"Array.from(t.rows).forEach(function(r){out.push('TR '+attrs(r));"
    u"Array.from(r.cells).forEach(function(d){"
    u"out.push(d.tagName+' '+attrs(d)+' ['+d.textContent+']');});});"
    u"return out.join('\\n');})()");

// Apostrophes, backslashes and a script end in every kind of literal the script writes: its table
// is the HTML writer's, to the letter.
TEST(BrowserReadsTheTable, ScriptWithQuotesBackslashesAndScriptEnds)
{
    const char16_t *cells =
        u"[[名前$a</SCRIPT>b$it's]]\r\n"
        u"[[x$The quick brown fox jumps over the lazier doggies, twice over.$\\n]]\r\n";
    const char16_t *design = u"Txttit=Tom's table\nOption10=1\nText2(2)=C:\\img\\bg.png\n"
                             u"Text5(0)=o'range\ncellImages(0,1)=a'b\\c.png\n"
                             u"cellColors(1,2)=#0'0\ncellSpans(0,0)=2,1\n";
    const QString html = evaluate(sourceOf(cells, design), tableDom);
    const QString withScript = QString::fromUtf16(design) + QStringLiteral(u"Check5=1\n");
    const QString script =
        evaluate(sourceOf(cells, reinterpret_cast<const char16_t *>(withScript.utf16())), tableDom);
    EXPECT_EQ(script, html);
    EXPECT_TRUE(html.contains(QStringLiteral(u"TABLE align=center background=C:\\img\\bg.png")))
        << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral(u"[Tom's table]")));
    EXPECT_TRUE(html.contains(QStringLiteral(u"[ab]")));
    EXPECT_TRUE(html.contains(QStringLiteral(u"the lazier doggies, twice over.]")));
}

TEST(BrowserReadsTheTable, AttributesReachTheCells)
{
    const QString source = sourceOf(
        u"[[a$b]]", u"Option10=0\ncellIchiYoko(0,1)=right\ncellIchiTate(0,1)=top\n"
                    u"cellColors(0,1)=#00ff00\nrowHeights(0)=40\ncolumnWidths(1)=120\n");
    const QString script = QStringLiteral(
        u"(function(){var c=document.querySelector('table').rows[0].cells[1];"
        u"return [c.align,c.vAlign,c.bgColor,c.height,c.width].join(',');})()");
    EXPECT_EQ(evaluate(source, script), QStringLiteral(u"right,top,#00ff00,40,120"));
}

} // namespace
