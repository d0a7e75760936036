// The main window's questions and dialogs as a user meets them, with the real services: the preview
// tab's question about edited source, the editors' font dialog, the file dialogs' filters, and the
// undo of what the commands behind them rewrote.

#include "controls/textfile.h"
#include "frame/form1.h"
#include "frame/frmabout.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/qtservices.h"
#include "qt/richtextview.h"
#include "support/qt_printers.h"
#include "support/shown_main_window.h"
#include "support/when_shown.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
using namespace Qt::StringLiterals;

class MainWindowDialogs : public ShownMainWindowTest
{
protected:
    static void SetUpTestSuite()
    {
        installJapaneseTranslations(*qApp);
        useJapaneseFonts();
    }
    // Starts the program with an INI file holding `ini`, as it starts for a user.
    void start(const QByteArray &ini = {})
    {
        if (!ini.isEmpty()) {
            QFile file(dir.filePath(u"morvane.ini"_s));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(ini);
        }
        ShownMainWindowTest::start();
    }
    void selectPage(int tab)
    {
        view->widgetOf(form.TabStrip1)->findChild<QTabBar *>()->setCurrentIndex(tab - 1);
        QApplication::processEvents();
    }
    // Types at the end of an editor (the source view unless told), key by key.
    void typeAtEnd(const QString &text, const Control *editor = nullptr)
    {
        auto *edit = static_cast<RichTextView *>(view->widgetOf(editor ? *editor : form.RB1));
        edit->moveCursor(QTextCursor::End);
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    QByteArray previewFile() const
    {
        QFile file(dir.filePath(u"$html$.html"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray iniFile() const
    {
        QFile file(form.iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(MainWindowDialogs, PreviewTabAsksBeforeRemakingEditedSource)
{
    start();
    form.Cmd(4).userClicked(); // the sample
    form.Cmd(1).userClicked(); // made and shown on the source page
    typeAtEnd(u"<p>kept</p>"_s);
    ASSERT_TRUE(form.RB1.text().endsWith(u"<p>kept</p>"_s));

    QStringList asked;
    int answer = QMessageBox::No;
    WhenShown<QMessageBox> box([&](QMessageBox *message) {
        QStringList buttons;
        for (QAbstractButton *button : message->buttons())
            buttons.append(button->text());
        asked.append(message->text() + u" ["_s + buttons.join(u'|') + u']');
        message->button(QMessageBox::StandardButton(answer))->click();
    });
    // No: the edited text stays and is what the browser is sent.
    selectPage(2);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith(u"ソースが編集されています。設定から作り直しますか？ [はい"_s))
        << qPrintable(asked[0]);
    EXPECT_TRUE(asked[0].contains(u"|いいえ"_s)) << qPrintable(asked[0]);
    EXPECT_TRUE(form.RB1.text().endsWith(u"<p>kept</p>"_s));
    EXPECT_TRUE(previewFile().endsWith("<p>kept</p>\r\n"));
    EXPECT_EQ(form.TabStrip1.selectedTab(), 2);
    EXPECT_TRUE(view->widgetOf(form.WebBrowser1)->isVisible());
    EXPECT_FALSE(view->widgetOf(form.framesub(17))->isVisible());

    // The edits are still there, so the question comes again; Yes makes the source anew.
    selectPage(3);
    answer = QMessageBox::Yes;
    selectPage(2);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_FALSE(form.RB1.text().contains(u"kept"_s));
    EXPECT_TRUE(form.RB1.text().startsWith(u"<table"_s));
    EXPECT_TRUE(previewFile().startsWith("<table"));

    // Without edits since the source was made, the preview tab asks nothing.
    selectPage(1);
    selectPage(2);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(box.shown, 2);
    EXPECT_TRUE(previewFile().startsWith("<table"));
}

// A press on a count's arrow steps once and asks once: the question's dialog ends the press, so
// that the arrow repeats neither under the dialog nor after it, however long the button is held.
// No leaves the counts, their spinners, the selectors and the cell data as they were.
TEST_F(MainWindowDialogs, CountArrowPressAsksOnceAndNoKeepsEverything)
{
    start();
    typeAtEnd(u"月曜"_s, &form.RB3);
    const QString cellData = form.RB3.text();
    QScrollBar *bar = nullptr;
    const QPoint upArrow(4, 2);
    int asked = 0;
    WhenShown<QMessageBox> box(
        [&](QMessageBox *message) {
            EXPECT_EQ(message->text(),
                      u"現在埋め込みデータ－が有ります、データ－を消去しても宜しいですか？"_s);
            // An arrow that goes on repeating is let go after a few questions, so the test ends.
            if (++asked == 3)
                QTest::mouseRelease(bar, Qt::LeftButton, {}, upArrow);
            message->button(QMessageBox::No)->click();
        },
        1200);
    const struct
    {
        int index;
        int count;
        int holdMs;
    } presses[] = {{0, 3, 0}, {1, 4, 1000}};
    for (const auto &press : presses) {
        SCOPED_TRACE(press.index);
        bar = qobject_cast<QScrollBar *>(view->widgetOf(form.VScroll1(press.index)));
        ASSERT_NE(bar, nullptr);
        asked = 0;
        QTest::mousePress(bar, Qt::LeftButton, {}, upArrow);
        QTest::qWait(press.holdMs);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, upArrow);
        QTest::qWait(800); // a repeating arrow steps every 50 ms
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(form.Text1(press.index).text(), QString::number(press.count));
        EXPECT_EQ(form.VScroll1(press.index).value(), -press.count);
        EXPECT_EQ(bar->value(), -press.count);
        EXPECT_EQ(form.VScroll1(4 + press.index).min(), -press.count);
        EXPECT_EQ(form.RB3.text(), cellData);
    }
    EXPECT_EQ(box.shown, 2);
}

// The reference windows and the about box are kept on top: a question asked while one of them
// shows must not open behind it, where the user cannot see what holds the program.
TEST_F(MainWindowDialogs, QuestionsShowAboveTheWindowsKeptOnTop)
{
    start();
    QStringList asked;
    WhenShown<QMessageBox> box([&](QMessageBox *message) {
        const bool above = message->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        asked.append(message->text().left(6) + (above ? u" above"_s : u" normal"_s));
        if (QAbstractButton *no = message->button(QMessageBox::No))
            no->click();
        else
            message->button(QMessageBox::Ok)->click();
    });
    form.Cmd(4).userClicked();
    form.Cmd(1).userClicked();
    typeAtEnd(u"x"_s);
    selectPage(2); // nothing on top: an ordinary question

    form.hymm.setVisible(true);
    form.hym1(2).userClicked(); // the tag tree, kept on top
    QApplication::processEvents();
    selectPage(3);
    typeAtEnd(u"y"_s);
    selectPage(2);
    form.unloadSideWindows();
    QApplication::processEvents();

    form.mb.userClicked(); // the about box, kept on top, asks itself
    QApplication::processEvents();
    form.frmAboutWindow->cmdSysInfo.userClicked();
    form.unloadSideWindows();

    EXPECT_EQ(asked.join(u'|'), u"ソースが編集 normal|ソースが編集 above|現時点ではｼ above"_s);
}

TEST_F(MainWindowDialogs, FontDialogAcceptedUnchangedKeepsFontAndSettings)
{
    start("FontName,IPAGothic\r\nFontSize,10.5\r\nFontItalic,True\r\nFontBold,False\r\n");
    const Font before = form.RB1.font();
    ASSERT_TRUE(before.italic);
    const QByteArray ini = iniFile();
    ASSERT_FALSE(ini.isEmpty());
    QString opened;
    WhenShown<QDialog> dialog([&](QDialog *d) {
        auto *families = d->findChild<QListWidget *>(u"familyList"_s);
        auto *styles = d->findChild<QListWidget *>(u"styleList"_s);
        auto *size = d->findChild<QLineEdit *>(u"sizeEdit"_s);
        if (families && families->currentItem() && styles && styles->currentItem() && size)
            opened = families->currentItem()->text() + u'/' + styles->currentItem()->text() + u'/' +
                     size->text();
        d->accept();
    });
    form.Command18.userClicked();
    EXPECT_EQ(opened, u"IPAGothic/斜体/10.5"_s);
    EXPECT_EQ(form.RB1.font(), before);
    EXPECT_EQ(iniFile(), ini);
}

// A fresh start: the design's face is shown as the family that draws it, in its standard style;
// a Japanese fixed-pitch family is offered and a proportional one is not; a choice is applied.
TEST_F(MainWindowDialogs, FontDialogOffersJapaneseFixedPitchFaces)
{
    ASSERT_TRUE(QFontDatabase::hasFamily(u"IPAGothic"_s)) << "installed by scripts/setup.sh";
    start();
    const Font before = form.RB1.font();
    QStringList families;
    QString opened;
    {
        WhenShown<QDialog> dialog([&](QDialog *d) {
            auto *list = d->findChild<QListWidget *>(u"familyList"_s);
            for (int i = 0; list && i < list->count(); ++i)
                families.append(list->item(i)->text());
            auto *styles = d->findChild<QListWidget *>(u"styleList"_s);
            if (list && list->currentItem() && styles && styles->currentItem())
                opened = list->currentItem()->text() + u'/' + styles->currentItem()->text();
            d->accept();
        });
        form.Command18.userClicked();
    }
    EXPECT_EQ(opened, QFontInfo(view->widgetOf(form.RB1)->font()).family() + u"/標準"_s);
    EXPECT_TRUE(families.contains(u"IPAGothic"_s)) << qPrintable(families.join(u", "));
    if (QFontDatabase::hasFamily(u"IPAPGothic"_s))
        EXPECT_FALSE(families.contains(u"IPAPGothic"_s));
    EXPECT_EQ(form.RB1.font(), before);

    WhenShown<QDialog> choose([&](QDialog *d) {
        d->findChild<QListWidget *>(u"styleList"_s)->setCurrentRow(2); // bold
        d->findChild<QLineEdit *>(u"sizeEdit"_s)->setText(u"12"_s);
        d->accept();
    });
    form.Command18.userClicked();
    EXPECT_TRUE(form.RB1.font().bold);
    EXPECT_EQ(form.RB1.font().size, 12);
    EXPECT_EQ(form.RB1.font().name, before.name);
    EXPECT_TRUE(iniFile().contains("FontBold,True\r\n"));
}

TEST_F(MainWindowDialogs, FileDialogsShowTheirFilterLabelsAsGiven)
{
    start();
    QDir folder(dir.path());
    for (const char *name : {"a.html", "b.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QStringList labels;
    QStringList listed;
    int opened = 0;
    WhenShown<QFileDialog> dialog([&](QFileDialog *d) {
        labels = QStringList();
        if (auto *types = d->findChild<QComboBox *>(u"fileTypeCombo"_s))
            for (int i = 0; i < types->count(); ++i)
                labels.append(types->itemText(i));
        d->setDirectory(folder);
        // The file list fills in the background, slowly on a busy machine; the first filter is in
        // force. The first dialog's filter is the one that matches a file of the folder.
        auto *list = d->findChild<QListView *>(u"listView"_s);
        if (list && ++opened == 1) {
            QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) > 0; }, 5000);
            for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                listed.append(list->model()->index(row, 0, list->rootIndex()).data().toString());
        }
        d->reject();
    });
    form.Command19.userClicked(); // save the source
    EXPECT_EQ(labels, QStringList({u"HTMLファイル (*.html)"_s, u"&CSSファイル (*.css)"_s,
                                   u"テキストファイル(*.txt)"_s, u"全てのファイル (*.*)"_s}));
    EXPECT_EQ(listed, QStringList({u"a.html"_s}));
    form.rcsv.userClicked();
    EXPECT_EQ(labels, QStringList({u"ＣＳＶデーター (*.csv)"_s, u"ファイル (*.*)"_s}));
    form.Cmd(6).userClicked(); // an image into the cell data
    EXPECT_EQ(labels, QStringList({u"設定ファイル (*.*)"_s, u"&ファイル (*.*)"_s}));
    form.Cmd(7).userClicked(); // a text file into the cell data
    EXPECT_EQ(labels, QStringList({u"テキストファイル (*.txt)"_s, u"HTMLファイル(*.html)"_s,
                                   u"その他ファイル (*.*)"_s}));
    EXPECT_EQ(dialog.shown, 4);
}

// Undo as the user reaches it: Ctrl+Z in the view and the menu's undo item, after commands that
// rewrite the whole source or cell data.
class UndoInTheWindow : public MainWindowDialogs
{
protected:
    RichTextView *viewOf(const RichTextBox &box) const
    {
        return static_cast<RichTextView *>(view->widgetOf(box));
    }
    void pressUndo(const RichTextBox &box)
    {
        QTest::keyClick(viewOf(box), Qt::Key_Z, Qt::ControlModifier);
        QApplication::processEvents();
    }
    void click(const Control &control)
    {
        QTest::mouseClick(view->widgetOf(control), Qt::LeftButton);
        QApplication::processEvents();
    }
    // What the view shows equals the text of its box.
    void expectShown(const RichTextBox &box)
    {
        EXPECT_EQ(viewOf(box)->toPlainText(), QString(box.text()).replace(u"\r\n"_s, u"\n"_s));
    }
};

TEST_F(UndoInTheWindow, TypingAndMakingTheSourceAreUndoneStepByStep)
{
    start();
    selectPage(3);
    typeAtEnd(u"mine typed"_s);
    ASSERT_EQ(form.RB1.text(), u"mine typed"_s);
    pressUndo(form.RB1);
    EXPECT_EQ(form.RB1.text(), u"mine "_s);

    // Making writes the source, indents it and sets its tag case: all of it goes at once.
    click(form.Cmd(1));
    ASSERT_TRUE(form.RB1.text().contains(u"<table"_s));
    pressUndo(form.RB1);
    EXPECT_EQ(form.RB1.text(), u"mine "_s);
    expectShown(form.RB1);

    // The same by the menu's undo item, and after the JavaScript switch on the source page.
    click(form.Cmd(1));
    view->actionOf(form.med11)->trigger();
    EXPECT_EQ(form.RB1.text(), u"mine "_s);
    click(form.Check5);
    ASSERT_TRUE(form.RB1.text().contains(u"document.write"_s));
    pressUndo(form.RB1);
    EXPECT_EQ(form.RB1.text(), u"mine "_s);
    expectShown(form.RB1);
}

TEST_F(UndoInTheWindow, CellDataComesBackAfterImportLoadAndClearAll)
{
    start();
    typeAtEnd(u"mine"_s, &form.RB3);
    const QString typed = form.RB3.text();
    ASSERT_TRUE(typed.endsWith(u"mine"_s));
    QString chosen;
    // The name typed into the dialog's name box, as a user types it (a focused box would not show
    // a name the dialog selected).
    WhenShown<QFileDialog> files([&](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(chosen);
        static_cast<QDialog *>(dialog)->accept();
    });
    WhenShown<QMessageBox> questions(
        [](QMessageBox *message) { message->button(QMessageBox::Yes)->click(); });

    chosen = dir.filePath(u"table.csv"_s);
    ASSERT_TRUE(writeTextFile(chosen, u"a,b\r\nc,d\r\n"_s));
    view->actionOf(form.rcsv)->trigger();
    ASSERT_TRUE(form.RB3.text().startsWith(u"[[a,b]]\r\n[[c,d]]"_s));
    const QString imported = form.RB3.text();
    chosen = dir.filePath(u"design.set"_s);
    ASSERT_TRUE(writeTextFile(chosen, form.BuildSettingsText() + u"\r\n"_s));
    pressUndo(form.RB3);
    EXPECT_EQ(form.RB3.text(), typed);
    expectShown(form.RB3);

    click(form.Command17);
    ASSERT_EQ(questions.shown, 1); // whether the typed data may go
    ASSERT_EQ(form.RB3.text(), imported);
    pressUndo(form.RB3);
    EXPECT_EQ(form.RB3.text(), typed);

    click(form.Command27);
    ASSERT_FALSE(form.RB3.text().contains(u"mine"_s));
    pressUndo(form.RB3);
    EXPECT_EQ(form.RB3.text(), typed);
    expectShown(form.RB3);
    EXPECT_EQ(files.shown, 2);
}

} // namespace
