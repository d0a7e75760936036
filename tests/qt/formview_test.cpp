// The view of a small form: what the user does reaches the controls once, through their doors;
// what the program does shows in the widgets without running anything twice.

#include "controls/controls.h"
#include "controls/forms.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/windowframes.h"
#include "support/qt_printers.h"
#include "support/screenshots.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
using namespace Qt::StringLiterals;

class TestForm : public Form
{
public:
    TestForm()
        : Form(QStringLiteral(u"Form2")), Frame1(this, QStringLiteral(u"Frame1")),
          Command1(this, QStringLiteral(u"Command1")), Check1(this, QStringLiteral(u"Check1")),
          Option3(this, QStringLiteral(u"Option3")), Text1(this, QStringLiteral(u"Text1")),
          Text2(this, QStringLiteral(u"Text2")), Combo1(this, QStringLiteral(u"Combo1")),
          List1(this, QStringLiteral(u"List1")), VScroll1(this, QStringLiteral(u"VScroll1")),
          VScroll2(this, QStringLiteral(u"VScroll2")), Tab1(this, QStringLiteral(u"TabStrip1")),
          Label1(this, QStringLiteral(u"Label1")), Timer1(this, QStringLiteral(u"Timer1")),
          mfile(this, QStringLiteral(u"mfile")), mopen(this, QStringLiteral(u"mopen"), -1, &mfile),
          msep(this, QStringLiteral(u"msep"), -1, &mfile),
          mcheck(this, QStringLiteral(u"mcheck"), -1, &mfile),
          mhidden(this, QStringLiteral(u"mhidden"), -1, &mfile)
    {
        setCaption(QStringLiteral(u"表の設計"));
        move(600, 450, 9000, 6000);
        for (int i = 0; i < 2; ++i) {
            OptionButton &o = Option1.add(&Frame1, QStringLiteral(u"Option1"), i);
            o.setCaption(i == 0 ? QStringLiteral(u"左") : QStringLiteral(u"右"));
            o.onClick = [this, i] { log(u"Option1_Click("_s + QString::number(i) + u')'); };
        }
        Frame1.setCaption(QStringLiteral(u"位置"));
        Frame1.move(120, 120, 2400, 1200);
        Option1(0).move(120, 300, 1800, 300);
        Option1(1).move(120, 660, 1800, 300);
        Command1.setCaption(QStringLiteral(u"作成(&M)"));
        Command1.move(3000, 120, 1500, 450);
        Command1.onClick = [this] { log(u"Command1_Click"); };
        Check1.setCaption(QStringLiteral(u"セル番号"));
        Check1.onClick = [this] {
            log(u"Check1_Click("_s + QString::number(Check1.value()) + u')');
        };
        Option3.onClick = [this] { log(u"Option3_Click"); };
        // Typing in Text1 rewrites Text2 and the scroll bar, as the spinner handlers do.
        Text1.onChange = [this] {
            log(u"Text1_Change");
            Text2.setText(Text1.text() + u'!');
            VScroll1.setValue(-int(Text1.text().size()));
        };
        Text2.onChange = [this] { log(u"Text2_Change"); };
        Text1.onGotFocus = [this] { log(u"Text1_GotFocus"); };
        Combo1.addItem(QStringLiteral(u"ﾊﾟｰｾﾝﾄ"));
        Combo1.addItem(QStringLiteral(u"ﾋﾟｸｾﾙ"));
        Combo1.onClick = [this] { log(u"Combo1_Click("_s + Combo1.text() + u')'); };
        Combo1.onChange = [this] { log(u"Combo1_Change("_s + Combo1.text() + u')'); };
        List1.addItem(QStringLiteral(u"a"));
        List1.addItem(QStringLiteral(u"b"));
        List1.onClick = [this] {
            log(u"List1_Click("_s + QString::number(List1.listIndex()) + u')');
        };
        VScroll1.setMin(-1000);
        VScroll1.setMax(-1);
        VScroll1.setValue(-3);
        VScroll1.onChange = [this] {
            log(u"VScroll1_Change("_s + QString::number(VScroll1.value()) + u')');
        };
        VScroll2.setMin(10);
        VScroll2.setMax(0);
        VScroll2.setValue(5);
        VScroll2.onChange = [this] {
            log(u"VScroll2_Change("_s + QString::number(VScroll2.value()) + u')');
        };
        Tab1.addTab(QStringLiteral(u"設定"));
        Tab1.addTab(QStringLiteral(u"ソース"));
        Tab1.onClick = [this] {
            log(u"TabStrip1_Click("_s + QString::number(Tab1.selectedTab()) + u')');
        };
        Label1.setCaption(QStringLiteral(u"行数"));
        Label1.onClick = [this] { log(u"Label1_Click"); };
        Timer1.setInterval(10);
        Timer1.onTimer = [this] { ++ticks; };
        mfile.setCaption(QStringLiteral(u"ファイル(&F)"));
        mfile.onClick = [this] { log(u"mfile_Click"); };
        mopen.setCaption(QStringLiteral(u"開く(&O)"));
        mopen.setShortcut(QStringLiteral(u"Ctrl+O"));
        mopen.onClick = [this] { log(u"mopen_Click"); };
        msep.setCaption(QStringLiteral(u"-"));
        mcheck.setCaption(QStringLiteral(u"行列のコメントを入れる"));
        mcheck.onClick = [this] {
            log(u"mcheck_Click");
            mcheck.setChecked(!mcheck.checked());
        };
        mhidden.setCaption(QStringLiteral(u"隠し"));
        mhidden.setVisible(false);
        addMenu(&mfile);
        onResize = [this] { log(u"Form_Resize"); };
        onQueryUnload = [this](bool &cancel) {
            log(u"Form_QueryUnload");
            cancel = refuseClose;
        };
    }
    void log(QStringView entry)
    {
        if (!events.isEmpty())
            events += u';';
        events += entry;
    }
    QString take() { return std::exchange(events, QString()); }

    Frame Frame1;
    ControlArray<OptionButton> Option1;
    CommandButton Command1;
    CheckBox Check1;
    OptionButton Option3;
    TextBox Text1, Text2;
    ComboBox Combo1;
    ListBox List1;
    ScrollBar VScroll1, VScroll2;
    TabStrip Tab1;
    Label Label1;
    Timer Timer1;
    MenuItem mfile, mopen, msep, mcheck, mhidden;
    QString events;
    int ticks = 0;
    bool refuseClose = true;
};

class FormViewTest : public ::testing::Test
{
protected:
    template <typename W> W *widget(const Control &control)
    {
        auto *w = qobject_cast<W *>(view.widgetOf(control));
        EXPECT_NE(w, nullptr) << control.displayName().toStdString();
        return w;
    }
    void type(QWidget *target, const QString &text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }

    TestForm form;
    // Frames of its own: what earlier windows of the test program were framed with is no guess
    // here.
    WindowFrames frames;
    FormView view{form, nullptr, &frames};
    // What building the view ran.
    QString ranAtBuild = form.take();
};

TEST_F(FormViewTest, UserActionsRunEachHandlerOnce)
{
    struct Case
    {
        const char *what;
        std::function<void()> act;
        const char16_t *log;
    };
    const std::vector<Case> cases = {
        {"button", [&] { widget<QPushButton>(form.Command1)->click(); }, u"Command1_Click"},
        {"check", [&] { widget<QCheckBox>(form.Check1)->click(); }, u"Check1_Click(1)"},
        {"uncheck", [&] { widget<QCheckBox>(form.Check1)->click(); }, u"Check1_Click(0)"},
        {"option", [&] { widget<QRadioButton>(form.Option1(1))->click(); }, u"Option1_Click(1)"},
        {"chosen option again", [&] { widget<QRadioButton>(form.Option1(1))->click(); }, u""},
        {"other container", [&] { widget<QRadioButton>(form.Option3)->click(); }, u"Option3_Click"},
        {"typing", [&] { type(widget<QLineEdit>(form.Text1), QStringLiteral(u"12")); },
         u"Text1_Change;Text2_Change;VScroll1_Change(-1);"
         u"Text1_Change;Text2_Change;VScroll1_Change(-2)"},
        {"combo pick", [&] { emit widget<QComboBox>(form.Combo1)->activated(1); },
         u"Combo1_Click(ﾋﾟｸｾﾙ)"},
        {"combo typing",
         [&] { type(widget<QComboBox>(form.Combo1)->lineEdit(), QStringLiteral(u"x")); },
         u"Combo1_Change(ﾋﾟｸｾﾙx)"},
        {"list", [&] { widget<QListWidget>(form.List1)->setCurrentRow(1); }, u"List1_Click(1)"},
        {"up arrow towards Min",
         [&] {
             widget<QScrollBar>(form.VScroll1)->triggerAction(QAbstractSlider::SliderSingleStepSub);
         },
         u"VScroll1_Change(-3)"},
        {"reversed bar up arrow",
         [&] {
             widget<QScrollBar>(form.VScroll2)->triggerAction(QAbstractSlider::SliderSingleStepSub);
         },
         u"VScroll2_Change(6)"},
        {"tab", [&] { view.widgetOf(form.Tab1)->findChild<QTabBar *>()->setCurrentIndex(1); },
         u"TabStrip1_Click(2)"},
    };
    for (const Case &c : cases) {
        c.act();
        EXPECT_EQ(form.take(), QString::fromUtf16(c.log)) << c.what;
    }
    // The widgets show the controls' state after the handlers ran.
    EXPECT_EQ(widget<QLineEdit>(form.Text2)->text(), QStringLiteral(u"12!"));
    EXPECT_EQ(widget<QScrollBar>(form.VScroll1)->value(), -3);
    EXPECT_EQ(widget<QScrollBar>(form.VScroll2)->value(), -6);
    EXPECT_TRUE(widget<QRadioButton>(form.Option1(1))->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(form.Option3)->isChecked());
    EXPECT_EQ(widget<QComboBox>(form.Combo1)->currentText(), QStringLiteral(u"ﾋﾟｸｾﾙx"));
}

TEST_F(FormViewTest, ProgramChangesShowWithoutRunningHandlersAgain)
{
    form.Check1.setValue(2);
    form.Option1(0).setValue(true);
    form.Option1(1).setValue(true);
    form.Text1.setText(QStringLiteral(u"abc"));
    form.Combo1.setText(QStringLiteral(u"ﾊﾟｰｾﾝﾄ"));
    form.VScroll2.setValue(9);
    form.Tab1.selectTab(2);
    EXPECT_EQ(form.take(), QStringLiteral(u"Check1_Click(2);Option1_Click(0);Option1_Click(1);"
                                          u"Text1_Change;Text2_Change;"
                                          u"VScroll2_Change(9);TabStrip1_Click(2)"));
    EXPECT_EQ(widget<QCheckBox>(form.Check1)->checkState(), Qt::PartiallyChecked);
    EXPECT_FALSE(widget<QRadioButton>(form.Option1(0))->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(form.Option1(1))->isChecked());
    EXPECT_EQ(widget<QLineEdit>(form.Text2)->text(), QStringLiteral(u"abc!"));
    EXPECT_EQ(widget<QComboBox>(form.Combo1)->currentIndex(), 0);
    EXPECT_EQ(widget<QScrollBar>(form.VScroll2)->value(), -9);
    EXPECT_EQ(view.widgetOf(form.Tab1)->findChild<QTabBar *>()->currentIndex(), 1);

    form.List1.clear();
    form.List1.addItem(QStringLiteral(u"ｘ"));
    form.Label1.setCaption(QStringLiteral(u"列数"));
    form.Frame1.setCaption(QStringLiteral(u"配置"));
    form.Command1.setEnabled(false);
    form.Label1.setVisible(false);
    form.Text1.setToolTipText(QStringLiteral(u"行数を入力"));
    form.Text1.setBackColor(0x0000FF);
    EXPECT_EQ(widget<QListWidget>(form.List1)->count(), 1);
    EXPECT_EQ(widget<QLabel>(form.Label1)->text(), QStringLiteral(u"列数"));
    EXPECT_EQ(widget<QGroupBox>(form.Frame1)->title(), QStringLiteral(u"配置"));
    EXPECT_FALSE(view.widgetOf(form.Command1)->isEnabled());
    EXPECT_TRUE(view.widgetOf(form.Label1)->isHidden());
    EXPECT_EQ(view.widgetOf(form.Text1)->toolTip(), QStringLiteral(u"行数を入力"));
    EXPECT_EQ(view.widgetOf(form.Text1)->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(form.take(), QString());
}

TEST_F(FormViewTest, GeometryIsTwipsAtTheScreenResolution)
{
    const TwipsScale &scale = view.scale();
    QWidget *option = view.widgetOf(form.Option1(1));
    EXPECT_EQ(option->parentWidget(), view.widgetOf(form.Frame1));
    EXPECT_EQ(option->geometry(), QRect(scale.toPixels(120), scale.toPixels(660),
                                        scale.toPixels(1800), scale.toPixels(300)));
    form.Command1.move(1440, 720, 2880, 360);
    EXPECT_EQ(view.widgetOf(form.Command1)->geometry(),
              QRect(qRound(scale.dpi()), qRound(scale.dpi() / 2), qRound(scale.dpi() * 2),
                    qRound(scale.dpi() / 4)));
    EXPECT_EQ(view.windowTitle(), QStringLiteral(u"表の設計"));
    EXPECT_EQ(view.frameGeometry().size(), QSize(scale.toPixels(9000), scale.toPixels(6000)));
    // The menu bar takes its share of the form's size: the form learns its inside and lays it out.
    EXPECT_EQ(ranAtBuild, QStringLiteral(u"Form_Resize"));
    view.show();
    QApplication::processEvents();
    EXPECT_EQ(form.insideWidth(), scale.toTwips(view.surface()->width()));
    EXPECT_EQ(form.insideHeight(), scale.toTwips(view.surface()->height()));
    EXPECT_LT(form.insideHeight(), 6000);
}

// A frame's caption is drawn taller than the twips design allows for: what the design puts into
// the caption's band goes below it, the tall keeping their bottom edge, the short their height.
TEST_F(FormViewTest, FrameContentsStandBelowTheCaption)
{
    useJapaneseFonts();
    const TwipsScale &scale = view.scale();
    auto *box = widget<QGroupBox>(form.Frame1);
    form.Option1(0).move(120, 0, 1800, 240);
    form.Option1(1).move(120, 60, 1800, 1080);
    const int caption = QFontMetrics(box->font()).height();
    QWidget *shortOne = view.widgetOf(form.Option1(0));
    QWidget *tallOne = view.widgetOf(form.Option1(1));
    EXPECT_GE(shortOne->y(), caption);
    EXPECT_EQ(shortOne->height(), scale.toPixels(240));
    EXPECT_GE(tallOne->y(), caption);
    EXPECT_EQ(tallOne->geometry().bottom(), QRect(0, scale.toPixels(60), 1, scale.toPixels(1080))
                                                 .bottom());
    // Without a caption the design's places hold; a caption given back moves them down again.
    form.Frame1.setCaption(QString());
    EXPECT_EQ(shortOne->y(), 0);
    EXPECT_EQ(tallOne->y(), scale.toPixels(60));
    form.Frame1.setCaption(QStringLiteral(u"位置"));
    EXPECT_GE(shortOne->y(), caption);
    // A larger font makes a taller caption.
    const int before = tallOne->y();
    QFont large = box->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    box->setFont(large);
    EXPECT_GT(tallOne->y(), before);
}

TEST_F(FormViewTest, WindowResizeAndCloseGoThroughTheForm)
{
    view.show();
    form.take();
    view.resize(view.size() + QSize(30, 15));
    QApplication::processEvents();
    EXPECT_EQ(form.take(), QStringLiteral(u"Form_Resize"));
    EXPECT_EQ(view.scale().toPixels(form.width()), view.frameGeometry().width());
    // The program sizes the window: no resize comes back as the user's.
    form.setWidth(7000);
    QApplication::processEvents();
    EXPECT_EQ(view.frameGeometry().width(), view.scale().toPixels(7000));
    EXPECT_EQ(form.take(), QString());

    EXPECT_FALSE(view.close());
    EXPECT_TRUE(view.isVisible());
    form.refuseClose = false;
    EXPECT_TRUE(view.close());
    EXPECT_EQ(form.take(), QStringLiteral(u"Form_QueryUnload;Form_QueryUnload"));
}

// The size the user gives the window reaches the form whole: the window is never sized back to
// the new width with the old height on the way. A maximized window keeps the size of the screen
// whatever the form's resize handling sets, and comes back to its own size when restored.
TEST_F(FormViewTest, UserSizesAndMaximizingAreNotFoughtBack)
{
    view.show();
    QApplication::processEvents();
    QStringList sizes;
    struct SizeLog : QObject
    {
        QStringList *sizes;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Resize) {
                const QSize size = static_cast<QResizeEvent *>(event)->size();
                sizes->append(QString::number(size.width()) + u'x' + QString::number(size.height()));
            }
            return false;
        }
    } filter;
    filter.sizes = &sizes;
    view.installEventFilter(&filter);
    const QSize wanted = view.size() + QSize(30, 15);
    view.resize(wanted);
    QApplication::processEvents();
    EXPECT_EQ(sizes.join(u' '), QString::number(wanted.width()) + u'x' + QString::number(wanted.height()));
    view.removeEventFilter(&filter);

    // A layout that fixes the width, as the main window's settings page does.
    form.onResize = [this] { form.setWidth(7000); };
    const QRect normal = view.frameGeometry();
    view.showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(view.isMaximized());
    EXPECT_EQ(view.frameGeometry().size(), view.screen()->availableGeometry().size());
    view.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(view.frameGeometry().height(), normal.height());
    EXPECT_EQ(view.frameGeometry().width(), view.scale().toPixels(7000));
}

TEST_F(FormViewTest, MenusShowTheItemsAndClickThem)
{
    const QList<QAction *> top = view.menuBar()->actions();
    ASSERT_EQ(top.size(), 1);
    EXPECT_EQ(top[0]->text(), QStringLiteral(u"ファイル(&F)"));
    QMenu *menu = top[0]->menu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction *> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), QStringLiteral(u"開く(&O)\tCtrl+O"));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[1]->text(), QString()); // a separator shows no "-" beside its line
    EXPECT_FALSE(items[3]->isVisible());
    EXPECT_EQ(view.actionOf(form.mcheck), items[2]);

    items[2]->trigger();
    EXPECT_TRUE(items[2]->isChecked());
    items[2]->trigger();
    EXPECT_FALSE(items[2]->isChecked());
    form.mopen.setEnabled(false);
    items[0]->trigger();
    EXPECT_FALSE(items[0]->isEnabled());
    emit menu->aboutToShow();
    EXPECT_EQ(form.take(), QStringLiteral(u"mcheck_Click;mcheck_Click;mfile_Click"));
    form.mcheck.setChecked(true);
    EXPECT_TRUE(items[2]->isChecked());
    form.mcheck.setCaption(QStringLiteral(u"コメント"));
    EXPECT_EQ(items[2]->text(), QStringLiteral(u"コメント"));
}

TEST_F(FormViewTest, LabelClickFocusAndTimer)
{
    view.show();
    // Framed when shown, the window lays out its smaller inside.
    EXPECT_EQ(form.take(), QStringLiteral(u"Form_Resize"));
    QLabel *label = widget<QLabel>(form.Label1);
    const QPointF inside(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, label->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, label->mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(view.widgetOf(form.Text1), &focus);
    EXPECT_EQ(form.take(), QStringLiteral(u"Label1_Click;Text1_GotFocus"));

    QTimer *timer = view.timerOf(form.Timer1);
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    form.Timer1.setEnabled(true);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10);
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GT(form.ticks, 0);
    form.Timer1.setEnabled(false);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(FormViewTest, FocusFollowsTheControlsBothWays)
{
    // Given before the window shows, the focus lands when it shows.
    ASSERT_TRUE(form.Text2.setFocus());
    view.show();
    form.take();
    EXPECT_EQ(view.focusWidget(), view.widgetOf(form.Text2));
    ASSERT_TRUE(form.List1.setFocus());
    EXPECT_EQ(view.focusWidget(), view.widgetOf(form.List1));
    // The user's focus reaches the form.
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(view.widgetOf(form.Combo1), &focus);
    EXPECT_EQ(form.activeControl(), &form.Combo1);
    EXPECT_EQ(form.take(), QString());
}

TEST(MultiLineTextBoxView, TypedLinesReachTheControlWithCrLf)
{
    Form form(QStringLiteral(u"Form3"));
    TextBox memo(&form, QStringLiteral(u"Text1"));
    memo.setMultiLine(true);
    memo.setText(QStringLiteral(u"一\r\n二"));
    int changes = 0;
    memo.onChange = [&] { ++changes; };
    FormView view(form);
    auto *edit = qobject_cast<QPlainTextEdit *>(view.widgetOf(memo));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->toPlainText(), QStringLiteral(u"一\n二"));
    QTextCursor cursor = edit->textCursor();
    cursor.movePosition(QTextCursor::End);
    edit->setTextCursor(cursor);
    EXPECT_EQ(memo.selStart(), 4);
    for (const QString &typed : {QStringLiteral(u"\r"), QStringLiteral(u"三")}) {
        QKeyEvent press(QEvent::KeyPress, typed == u"\r" ? Qt::Key_Return : Qt::Key_unknown,
                        Qt::NoModifier, typed);
        QApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(memo.text(), QStringLiteral(u"一\r\n二\r\n三"));
    EXPECT_EQ(changes, 2);
    memo.setSelStart(4);
    memo.setSelLength(3);
    EXPECT_EQ(edit->textCursor().selectedText(), QStringLiteral(u"\u2029三"));
}

TEST_F(FormViewTest, StackingAndTabOrderFollowTheControls)
{
    auto topmost = [&](std::initializer_list<const Control *> controls) {
        const QObjectList order = view.surface()->children();
        const Control *top = nullptr;
        qsizetype best = -1;
        for (const Control *c : controls)
            if (qsizetype at = order.indexOf(view.widgetOf(*c)); at > best)
                best = at, top = c;
        return top;
    };
    // Later controls lie in front; the tab strip stays behind whatever its pages hold.
    EXPECT_EQ(topmost({&form.Command1, &form.Label1}), &form.Label1);
    EXPECT_EQ(topmost({&form.Tab1, &form.Label1, &form.Frame1}), &form.Label1);
    form.Command1.zOrder(0);
    EXPECT_EQ(topmost({&form.Command1, &form.Label1}), &form.Command1);
    form.Command1.zOrder(1);
    EXPECT_EQ(topmost({&form.Command1, &form.Check1}), &form.Check1);
    form.Tab1.zOrder(0);
    EXPECT_EQ(topmost({&form.Tab1, &form.Frame1}), &form.Frame1);

    // Tab order is creation order among equal tab indexes.
    EXPECT_EQ(view.widgetOf(form.Text1)->nextInFocusChain(), view.widgetOf(form.Text2));
}

TEST_F(FormViewTest, RendersTheFormWithItsJapaneseTexts)
{
    useJapaneseFonts();
    form.Text1.setText(QStringLiteral(u"表の行数"));
    form.Text1.move(3000, 900, 1800, 330);
    form.Check1.move(3000, 1400, 1800, 330);
    form.Label1.move(3000, 1900, 1800, 330);
    form.Combo1.move(5200, 120, 1800, 330);
    form.List1.move(5200, 700, 1800, 900);
    form.VScroll1.move(7200, 120, 255, 1500);
    form.Tab1.move(120, 2400, 6000, 2400);
    view.show();
    const QImage shot = view.grab().toImage();
    EXPECT_TRUE(saveArtifact(shot, QStringLiteral(u"formview.png")));
    // The option's text is drawn (not just the background): dark pixels inside its widget.
    const QRect option = view.widgetOf(form.Option1(0))
                             ->geometry()
                             .translated(view.widgetOf(form.Frame1)->mapTo(&view, QPoint(0, 0)));
    int dark = 0;
    for (int y = option.top(); y <= option.bottom(); ++y)
        for (int x = option.left() + 20; x <= option.right(); ++x)
            if (qGray(shot.pixel(x, y)) < 100)
                ++dark;
    EXPECT_GT(dark, 10);
}

} // namespace
