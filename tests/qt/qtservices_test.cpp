// The real services: file filters and message box buttons as Qt takes them, Qt's Japanese texts,
// key strings sent to the focused widget, the clipboard.

#include "qt/japanese.h"
#include "qt/qtservices.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(QtServices, FileFiltersBecomeQtNameFilters)
{
    struct Case
    {
        const char16_t *filter;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {u"説明|*.txt|説明2|*.htm;*.html",
         {QStringLiteral(u"説明 (*.txt)"), QStringLiteral(u"説明2 (*.htm *.html)")}},
        {u"HTML (*.htm)|*.htm; *.html", {QStringLiteral(u"HTML (*.htm) (*.htm *.html)")}},
        {u"", {}},
        {u"名前だけ", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(toQtFilters(QString::fromUtf16(c.filter)), c.expected)
            << QString::fromUtf16(c.filter).toStdString();
}

TEST(QtServices, MessageStylesGiveButtonsDefaultsAndAnswers)
{
    using B = QMessageBox;
    struct Case
    {
        int style;
        std::vector<std::pair<int, int>> buttons;
        int defaultIndex;
        int escape;
    };
    const std::vector<Case> cases = {
        {msgbox::OKOnly | msgbox::Information, {{B::Ok, msgbox::OK}}, 0, msgbox::OK},
        {msgbox::YesNo | msgbox::Question, {{B::Yes, msgbox::Yes}, {B::No, msgbox::No}}, 0, 0},
        {msgbox::YesNo | msgbox::DefaultButton2,
         {{B::Yes, msgbox::Yes}, {B::No, msgbox::No}},
         1,
         0},
        {msgbox::YesNoCancel | msgbox::Exclamation,
         {{B::Yes, msgbox::Yes}, {B::No, msgbox::No}, {B::Cancel, msgbox::Cancel}},
         0,
         msgbox::Cancel},
        {msgbox::OKCancel | msgbox::DefaultButton2,
         {{B::Ok, msgbox::OK}, {B::Cancel, msgbox::Cancel}},
         1,
         msgbox::Cancel},
        {msgbox::RetryCancel,
         {{B::Retry, msgbox::Retry}, {B::Cancel, msgbox::Cancel}},
         0,
         msgbox::Cancel},
    };
    for (const Case &c : cases) {
        const MessageButtons got = messageButtons(c.style);
        EXPECT_EQ(got.buttons, c.buttons) << c.style;
        EXPECT_EQ(got.defaultIndex, c.defaultIndex) << c.style;
        EXPECT_EQ(got.escapeAnswer, c.escape) << c.style;
    }
}

TEST(QtServices, MessageBoxAnswersWithTheButtonPressedInJapanese)
{
    const bool translated = installJapaneseTranslations(*qApp);
    QtMessageService messages;
    QString yesText;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral(u"プログラムを終了しますか。？"));
        yesText = box->button(QMessageBox::Yes)->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(messages.msgBox(QStringLiteral(u"プログラムを終了しますか。？"),
                              msgbox::YesNo | msgbox::Question, QString()),
              msgbox::No);
    if (translated)
        EXPECT_TRUE(yesText.startsWith(QStringLiteral(u"はい"))) << yesText.toStdString();
    else
        GTEST_SKIP() << "qtbase_ja is not installed";
}

TEST(QtServices, KeysGoToTheFocusedWidget)
{
    QListWidget list;
    list.addItems({QStringLiteral(u"a"), QStringLiteral(u"b"), QStringLiteral(u"c")});
    list.setCurrentRow(0);
    list.show();
    list.activateWindow();
    list.setFocus();
    QApplication::processEvents();
    if (QApplication::focusWidget() != &list)
        GTEST_SKIP() << "the platform gives no focus";
    QtKeySender keys;
    keys.sendKeys(QStringLiteral(u"{DOWN}{DOWN}"));
    EXPECT_EQ(list.currentRow(), 2);
    keys.sendKeys(QStringLiteral(u"{UP}"));
    EXPECT_EQ(list.currentRow(), 1);
}

TEST(QtServices, ClipboardHoldsText)
{
    QtClipboardService clipboard;
    clipboard.setText(QStringLiteral(u"<td>表</td>\r\n"));
    EXPECT_EQ(clipboard.text(), QStringLiteral(u"<td>表</td>\r\n"));
    clipboard.clear();
    EXPECT_EQ(clipboard.text(), QString());
}

TEST(QtServices, EventPumpPaintsAndRunsTimers)
{
    // What a long command lets run in its middle: a pending timer, and the repaint of a window.
    QtEventPump pump;
    bool timerRan = false;
    QTimer::singleShot(0, [&timerRan] { timerRan = true; });
    QWidget window;
    window.resize(200, 100);
    window.show();
    int paints = 0;
    struct PaintCounter : QObject
    {
        int *count;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++*count;
            return false;
        }
    } counter;
    counter.count = &paints;
    window.installEventFilter(&counter);
    window.update();
    for (int i = 0; i < 50 && (!timerRan || paints == 0); ++i)
        pump.processPendingEvents();
    EXPECT_TRUE(timerRan);
    EXPECT_GT(paints, 0);
}

} // namespace
