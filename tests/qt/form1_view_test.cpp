// The main window as a user sees it: started as the program starts it, its three pages shown and
// photographed (to $MORVANE_ARTIFACTS), and the main road run end to end: sample data, make the
// source, preview it, and read the table back from the embedded browser's page.

#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/richtextview.h"
#include "support/qt_printers.h"
#include "support/screenshots.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {
using namespace Qt::StringLiterals;

class MainWindow : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Form1 form;
    std::unique_ptr<FormView> view;

    void SetUp() override
    {
        useJapaneseFonts();
        form.settingsFolder = dir.path();
        form.workFolder = dir.path();
        form.Form_Load();
        view = std::make_unique<FormView>(form);
        view->show();
        QApplication::processEvents();
    }
    void shoot(const QString &name)
    {
        QApplication::processEvents();
        const QPixmap shot = photograph(*view);
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(saveArtifact(shot, name));
    }
    // Evaluates a script in the embedded browser's page once the page has loaded: the script is
    // asked again while it answers `notYet` (a loaded machine may take seconds to show the page).
    QString browserEvaluate(const QString &script, const QString &notYet)
    {
        auto *web = view->widgetOf(form.WebBrowser1)->findChild<QWebEngineView *>();
        if (!web)
            return QStringLiteral(u"no browser");
        QEventLoop loop;
        QString result = QStringLiteral(u"timeout");
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        QTimer again;
        again.setSingleShot(true);
        again.setInterval(250);
        auto ask = [&] {
            web->page()->runJavaScript(script, [&](const QVariant &value) {
                result = value.toString();
                if (result == notYet)
                    again.start();
                else
                    loop.quit();
            });
        };
        QObject::connect(&again, &QTimer::timeout, &loop, ask);
        ask();
        loop.exec();
        return result;
    }
};

TEST_F(MainWindow, SettingsPageShowsEveryControl)
{
    int missing = 0;
    for (Control *control : form.allControls()) {
        // Timers and image lists show nothing by themselves.
        if (dynamic_cast<Timer *>(control) || dynamic_cast<ImageList *>(control))
            continue;
        auto *item = dynamic_cast<MenuItem *>(control);
        if (item ? view->actionOf(*item) == nullptr : view->widgetOf(*control) == nullptr)
            ++missing;
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(view->windowTitle(), QStringLiteral(u"Morvane"));
    EXPECT_EQ(form.width(), 13800);
    EXPECT_TRUE(view->widgetOf(form.framesub(17))->isVisible());
    EXPECT_FALSE(view->widgetOf(form.RB1)->isVisible());
    auto *rb3 = static_cast<RichTextView *>(view->widgetOf(form.RB3));
    EXPECT_EQ(rb3->toPlainText(),
              QString(form.RB3.text()).replace(QStringLiteral(u"\r\n"), QStringLiteral(u"\n")));
    EXPECT_EQ(qobject_cast<QGroupBox *>(view->widgetOf(form.Frame4(1)))->title(),
              QStringLiteral(u"セルのバックグランド画像"));
    QStringList menus;
    for (QAction *action : view->menuBar()->actions())
        if (action->isVisible())
            menus.append(action->text());
    EXPECT_EQ(menus.first(), QStringLiteral(u"ファイル(&F)"));
    EXPECT_FALSE(menus.contains(QStringLiteral(u"表示(&V)"))); // hidden until Alt+X
    shoot(QStringLiteral(u"settings-page.png"));
}

// The settings page shows the same menus however it came to view: at start-up, after a page
// switch, after 初期化 and after "色" recoloured the source there. The edit menu serves the cell
// data; the tag-case and template menus, which act on the source view, are off.
TEST_F(MainWindow, SettingsPageShowsTheSameMenusEveryTime)
{
    const auto menus = [this] {
        QString states;
        for (const MenuItem *menu : {&form.med, &form.mk, &form.ms})
            states += view->actionOf(*menu)->isEnabled() ? u'+' : u'-';
        return states;
    };
    const auto click = [this](const Control &control) {
        QTest::mouseClick(view->widgetOf(control), Qt::LeftButton);
        QApplication::processEvents();
    };
    QStringList seen{menus()};
    click(form.Cmd(1)); // 作成 shows the source page
    seen.append(menus());
    auto *tabs = view->widgetOf(form.TabStrip1)->findChild<QTabBar *>();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    seen.append(menus());
    click(form.Command27);
    seen.append(menus());
    click(form.Check1);
    seen.append(menus());
    EXPECT_EQ(seen.join(u' ').toStdString(), "+-- +++ +-- +-- +--");
}

// The sample (as the CSV import) ends on the settings page: pressed on the source page it brings
// the whole page back under its own tab, not an empty area under the source tab.
TEST_F(MainWindow, SampleFromTheSourcePageShowsTheSettingsPage)
{
    auto *tabs = view->widgetOf(form.TabStrip1)->findChild<QTabBar *>();
    QTest::mouseClick(view->widgetOf(form.Cmd(1)), Qt::LeftButton); // 作成 shows the source page
    QApplication::processEvents();
    ASSERT_TRUE(view->widgetOf(form.RB1)->isVisible());
    ASSERT_EQ(tabs->currentIndex(), 2);

    QTest::mouseClick(view->widgetOf(form.Cmd(4)), Qt::LeftButton); // ｻﾝﾌﾟﾙ
    QApplication::processEvents();
    EXPECT_FALSE(view->widgetOf(form.RB1)->isVisible());
    EXPECT_TRUE(view->widgetOf(form.framesub(17))->isVisible());
    EXPECT_TRUE(view->widgetOf(form.RB3)->isVisible());
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(form.TabStrip1.selectedTab(), 1);
    for (const MenuItem *menu : {&form.med, &form.mk, &form.ms})
        EXPECT_FALSE(view->actionOf(*menu)->isEnabled()) << menu->name().toStdString();
}

// Every captioned frame keeps its controls below the caption the platform draws, and no two
// controls of one frame cover each other; with the cell data enlarged over the panels too.
TEST_F(MainWindow, PanelsClearTheirCaptionsAndEachOther)
{
    auto faults = [&] {
        QStringList out;
        for (QGroupBox *box : view->findChildren<QGroupBox *>()) {
            if (!box->isVisible())
                continue;
            QList<QWidget *> shown;
            for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (child->isVisible())
                    shown.append(child);
            const int caption = box->title().isEmpty() ? 0 : QFontMetrics(box->font()).height();
            for (qsizetype i = 0; i < shown.size(); ++i) {
                const QRect r = shown[i]->geometry();
                if (r.top() < caption)
                    out.append(shown[i]->objectName() + u" in the caption of "_s
                               + box->objectName());
                if (!box->rect().contains(r))
                    out.append(shown[i]->objectName() + u" outside "_s + box->objectName());
                for (qsizetype j = i + 1; j < shown.size(); ++j)
                    if (r.intersects(shown[j]->geometry()))
                        out.append(shown[i]->objectName() + u" overlaps "_s
                                   + shown[j]->objectName());
            }
        }
        return out;
    };
    EXPECT_EQ(faults(), QStringList());
    EXPECT_GE(view->widgetOf(form.RB3)->y(),
              QFontMetrics(view->widgetOf(form.Frame5)->font()).height());
    // The cell data enlarged: it covers the panels on purpose, and runs to the window's width.
    form.mm2_Click(4);
    for (const QString &fault : faults())
        EXPECT_TRUE(fault.endsWith(u" overlaps Frame5"_s)
                    || fault == u"Frame5 outside framesub(17)"_s)
            << qPrintable(fault);
    EXPECT_GE(view->widgetOf(form.RB3)->y(),
              QFontMetrics(view->widgetOf(form.Frame5)->font()).height());
    form.mm2_Click(4);
    EXPECT_EQ(faults(), QStringList());
}

TEST_F(MainWindow, MenusShowSeparatorsAsLinesOnly)
{
    QStringList dashes;
    int separators = 0;
    for (QMenu *menu : view->findChildren<QMenu *>())
        for (QAction *action : menu->actions()) {
            separators += action->isSeparator();
            if (action->text().trimmed() == u"-")
                dashes.append(menu->title());
        }
    EXPECT_GE(separators, 6);
    EXPECT_EQ(dashes, QStringList());
}

// Until the user chooses a font, the editors draw with a fixed-pitch face that has Japanese glyphs.
TEST_F(MainWindow, EditorsUseAFixedPitchJapaneseFont)
{
    for (const Control *box : {static_cast<const Control *>(&form.RB1),
                               static_cast<const Control *>(&form.RB3)}) {
        const QFont font = view->widgetOf(*box)->font();
        const QString family = QFontInfo(font).family();
        EXPECT_TRUE(isFixedPitchFamily(family)) << family.toStdString();
        EXPECT_TRUE(QFontMetrics(font).inFont(u'表')) << family.toStdString();
        const QFontMetricsF metrics(font);
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(u"表"_s), metrics.horizontalAdvance(u"ii"_s));
    }
}

// Typed after a tag's ">" at a line end, text is drawn in the colour a whole pass gives it.
TEST_F(MainWindow, TypedTextIsDrawnInItsColour)
{
    form.Cmd(4).userClicked();
    form.Cmd(1).userClicked();
    auto *source = static_cast<RichTextView *>(view->widgetOf(form.RB1));
    const QTextBlock line = source->document()->find(u"</td>"_s).block();
    ASSERT_TRUE(line.isValid());
    ASSERT_TRUE(line.text().endsWith(u"</td>"_s));
    QTextCursor cursor(line);
    cursor.movePosition(QTextCursor::EndOfBlock);
    source->setTextCursor(cursor);
    for (QChar c : u"hello"_s) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(source, &press);
    }
    source->repaint(); // the blocks in view take their colours when painted
    const qsizetype typed = form.RB1.text().indexOf(u"</td>hello"_s) + 5;
    ASSERT_GE(typed, 5);
    auto drawn = [&] {
        const QTextBlock block = source->document()->findBlock(source->toQt(typed));
        const int at = source->toQt(typed) - block.position();
        for (const QTextLayout::FormatRange &range : block.layout()->formats())
            if (range.start <= at && at + 5 <= range.start + range.length)
                return range.format.foreground().color();
        return QColor();
    };
    const QColor typedColour = drawn();
    const quint32 inModel = form.RB1.colorAt(typed);
    form.Setcolor2(); // a whole pass over the edited source
    EXPECT_EQ(form.RB1.colorAt(typed), inModel);
    EXPECT_EQ(inModel, editor::ColorScheme::forOption(form.Check1.value()).text);
    source->repaint();
    EXPECT_TRUE(typedColour.isValid());
    EXPECT_EQ(typedColour, drawn());
}

// Keys typed in a long source on the source page, with completion and the repaint after each, read
// the text only around the caret: the box keeps it in two parts while the user types.
TEST_F(MainWindow, TypingInALongSourceReadsItOnlyAroundTheCaret)
{
    QString cells;
    for (int r = 0; r < 200; ++r) {
        cells += u"[["_s;
        for (int c = 0; c < 200; ++c)
            cells += (c ? u"$"_s : QString()) + u"セル%1-%2"_s.arg(r).arg(c);
        cells += u"]]\r\n"_s;
    }
    form.RB3.setText(cells);
    form.Cmd(1).userClicked();
    auto *source = static_cast<RichTextView *>(view->widgetOf(form.RB1));
    ASSERT_GT(form.RB1.length(), 1000000);
    const qsizetype at = form.RB1.lineStart(form.RB1.lineCount() / 2);
    form.RB1.setSelStart(int(at));
    source->setFocus();
    QApplication::processEvents();
    const QString before = form.RB1.mid(at - 20, 40);
    auto press = [&](Qt::Key key, const QString &text) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(source, &event);
        source->repaint();
    };
    press(Qt::Key_X, u"x"_s);
    press(Qt::Key_Backspace, QString());
    const quint64 closes = form.RB1.gapCloses();
    for (const QString &key : {u"<"_s, u"t"_s, u"a"_s})
        press(Qt::Key_unknown, key);
    EXPECT_TRUE(form.List1.visible()); // the candidates for "<ta"
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Backspace, QString());
    for (const QString &key : {u"a"_s, u"b"_s, u" "_s, u"c"_s})
        press(Qt::Key_unknown, key);
    press(Qt::Key_Return, u"\r"_s);
    EXPECT_EQ(form.RB1.gapCloses(), closes);
    EXPECT_EQ(form.RB1.mid(at - 20, 46), before.first(20) + u"ab c\r\n"_s + before.sliced(20));
}

// The right button over the box that lies on the cell data reaches its handler through the view,
// which pops up the source menu instead of the box's own context menu.
TEST_F(MainWindow, RightButtonOverTheBoxOnTheCellData)
{
    form.Text(6).setVisible(true);
    QString log;
    form.showPopup = [&](MenuItem &menu) {
        log += menu.name() + (form.RB3.enabled() ? u"(RB3 on);"_s : u"(RB3 off);"_s);
    };
    QWidget *box = view->widgetOf(form.Text(6));
    ASSERT_TRUE(box->isVisible());
    auto press = [&](Qt::MouseButton button) {
        const QPointF at(4, 4);
        QMouseEvent event(QEvent::MouseButtonPress, at, box->mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(box, &event);
    };
    press(Qt::LeftButton);
    EXPECT_EQ(log, QString());
    press(Qt::RightButton);
    EXPECT_EQ(log, u"med(RB3 off);"_s);
    EXPECT_TRUE(view->widgetOf(form.RB3)->isEnabled());
    // Qt's own menu of the box does not open over it.
    bool ownMenu = false;
    QTimer::singleShot(300, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            ownMenu = true;
            popup->close();
        }
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(4, 4), box->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(box, &menu);
    QEventLoop wait;
    QTimer::singleShot(400, &wait, &QEventLoop::quit);
    wait.exec();
    EXPECT_FALSE(ownMenu);
}

TEST_F(MainWindow, SampleMadeShownAndPreviewed)
{
    form.Cmd(4).userClicked(); // the sample timetable
    form.Cmd(1).userClicked(); // make the source and show it
    EXPECT_EQ(form.TabStrip1.selectedTab(), 3);
    EXPECT_TRUE(view->widgetOf(form.RB1)->isVisible());
    EXPECT_FALSE(view->widgetOf(form.framesub(17))->isVisible());
    shoot(QStringLiteral(u"source-page-dark.png"));
    form.Check1.userClicked(); // light scheme
    shoot(QStringLiteral(u"source-page-light.png"));

    form.TabStrip1.userSelected(2); // the preview page: made anew and shown in the browser
    EXPECT_TRUE(view->widgetOf(form.WebBrowser1)->isVisible());
    const QString cells = browserEvaluate(QStringLiteral(
        u"(function(){var t=document.querySelector('table');if(!t)return 'no table';"
        u"return t.rows.length+':'+t.rows[0].cells.length+':'+t.rows[1].cells[1].textContent.trim()"
        u"+':'+t.rows[0].cells[0].tagName+':'+document.querySelector('caption').textContent;})()"),
        QStringLiteral(u"no table"));
    EXPECT_EQ(cells, QStringLiteral(u"5:6:現国:TH:みどり台高校3年F組　時間割"));
    QEventLoop settle; // give the page time to be drawn before it is photographed
    QTimer::singleShot(1500, &settle, &QEventLoop::quit);
    settle.exec();
    shoot(QStringLiteral(u"preview-page.png"));
}

// The attribute panels as a user works them: a spinner arrow, "全体", a typed colour, Set, reset
// and clear-all, each through its widget; the made source shows what they stored.
TEST_F(MainWindow, PanelButtonsReachTheTable)
{
    auto press = [&](const Control &c) {
        auto *button = qobject_cast<QPushButton *>(view->widgetOf(c));
        ASSERT_NE(button, nullptr) << c.displayName().toStdString();
        button->click();
    };
    auto type = [&](const Control &c, const QString &text) {
        QWidget *edit = view->widgetOf(c);
        for (QChar ch : text) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &key);
        }
    };
    auto *rowSpinner = qobject_cast<QScrollBar *>(view->widgetOf(form.VScroll1(6)));
    ASSERT_NE(rowSpinner, nullptr);
    rowSpinner->triggerAction(QAbstractSlider::SliderSingleStepSub); // up: row 2
    press(form.Command3(1));                                         // every column
    auto *columnBox = qobject_cast<QLineEdit *>(view->widgetOf(form.Text1(7)));
    EXPECT_EQ(columnBox->text(), QStringLiteral(u"All"));
    EXPECT_FALSE(view->widgetOf(form.VScroll1(7))->isEnabled());
    type(form.Text5(4), QStringLiteral(u"#FFC0C0"));
    press(form.Command25);
    press(form.Command3(8)); // horizontal position: every row of column 1
    qobject_cast<QAbstractButton *>(view->widgetOf(form.Option9(2)))->click();
    press(form.Command6(4));
    shoot(QStringLiteral(u"settings-page-panels-set.png"));

    press(form.Cmd(1));
    const QString source = form.RB1.text();
    EXPECT_EQ(source.count(QStringLiteral(u"bgcolor=\"#FFC0C0\"")), 4);
    EXPECT_EQ(source.count(QStringLiteral(u"align = \"right\"")), 3);

    form.TabStrip1.userSelected(1);
    press(form.Command4); // reset of the cell colours
    EXPECT_EQ(columnBox->text(), QStringLiteral(u"1"));
    EXPECT_TRUE(view->widgetOf(form.VScroll1(7))->isEnabled());
    press(form.Cmd(1));
    EXPECT_EQ(form.RB1.text().count(QStringLiteral(u"#FFC0C0")), 0);

    form.TabStrip1.userSelected(1);
    press(form.Command27); // clear-all
    EXPECT_TRUE(view->widgetOf(form.framesub(17))->isVisible());
    press(form.Cmd(1));
    EXPECT_EQ(form.RB1.text().count(QStringLiteral(u"align = \"right\"")), 0);
}

// Alt+X shows the View menu wherever the focus is and types no "x": not into a text box, not into
// the source view, whose caret stays where it was.
TEST_F(MainWindow, AltXShowsTheViewMenuAndTypesNothing)
{
    view->activateWindow();
    auto altX = [&](QWidget *target) {
        target->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), target);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::AltModifier, u"x"_s);
        QApplication::sendEvent(target, &press);
    };
    form.Txttit.setText(u"時間割"_s);
    auto *title = qobject_cast<QLineEdit *>(view->widgetOf(form.Txttit));
    ASSERT_NE(title, nullptr);
    title->setCursorPosition(3);
    altX(title);
    EXPECT_TRUE(form.hymm.visible());
    EXPECT_EQ(form.Txttit.text() + u"|"_s + title->text(), u"時間割|時間割"_s);

    form.Cmd(4).userClicked();
    form.Cmd(1).userClicked();
    const QString made = form.RB1.text();
    form.RB1.setSelStart(0);
    QApplication::processEvents();
    altX(view->widgetOf(form.RB1));
    QApplication::processEvents();
    EXPECT_EQ(form.RB1.selStart(), 0);
    EXPECT_EQ(form.RB1.text(), made);
}

} // namespace
