// 初期化 as a user meets it in the window: a designed table with typed cell data, the question
// about the cell data answered in a real dialog (whose event loop runs while the user reads it),
// and what the window shows afterwards.

#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/qtservices.h"
#include "qt/richtextview.h"
#include "support/design_script.h"
#include "support/form_state.h"
#include "support/qt_printers.h"
#include "support/shown_main_window.h"
#include "support/when_shown.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
using namespace Qt::StringLiterals;

class ClearAllInTheWindow : public ShownMainWindowTest
{
protected:
    void SetUp() override
    {
        installJapaneseTranslations(*qApp);
        useJapaneseFonts();
        start();
    }
    void click(const Control &control)
    {
        QTest::mouseClick(view->widgetOf(control), Qt::LeftButton);
        QApplication::processEvents();
    }
    // Types into a widget key by key, Japanese included.
    static void typeKeys(QWidget *widget, const QString &text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
        }
        QApplication::processEvents();
    }
    // Replaces what a box holds by typing, as a user does.
    void type(const TextBox &box, const QString &text)
    {
        auto *edit = qobject_cast<QLineEdit *>(view->widgetOf(box));
        ASSERT_NE(edit, nullptr) << qPrintable(box.displayName());
        edit->setFocus();
        edit->selectAll();
        typeKeys(edit, text);
    }
    void typeCellData(const QString &text)
    {
        auto *edit = static_cast<RichTextView *>(view->widgetOf(form.RB3));
        edit->setFocus();
        edit->moveCursor(QTextCursor::End);
        typeKeys(edit, text);
    }
    // What the widget of a control shows, for the kinds of widget that show a value.
    static QString shown(const QWidget *w)
    {
        if (const auto *e = qobject_cast<const QLineEdit *>(w))
            return e->text();
        if (const auto *p = qobject_cast<const QPlainTextEdit *>(w))
            return p->toPlainText();
        if (const auto *b = qobject_cast<const QScrollBar *>(w))
            return QString::number(b->value()) + u".."_s + QString::number(b->minimum()) + u',' +
                   QString::number(b->maximum());
        if (const auto *b = qobject_cast<const QAbstractButton *>(w))
            return b->isChecked() ? u"checked"_s : QString();
        if (const auto *c = qobject_cast<const QComboBox *>(w))
            return c->currentText();
        return QString();
    }
    // The design and every control as the model holds them, and every widget as the window shows
    // it.
    QStringList windowState() const
    {
        QStringList lines = formState(form);
        for (const Control *c : form.allControls()) {
            if (const auto *item = dynamic_cast<const MenuItem *>(c)) {
                if (const QAction *action = view->actionOf(*item))
                    lines << c->displayName() + u" action "_s +
                                 (action->isEnabled() ? u"on"_s : u"off"_s) +
                                 (action->isChecked() ? u" checked"_s : QString());
            } else if (const QWidget *w = view->widgetOf(*c)) {
                lines << c->displayName() + u" widget "_s +
                             (w->isVisible() ? u"shown "_s : u"hidden "_s) +
                             (w->isEnabled() ? u"on "_s : u"off "_s) + shown(w);
            }
        }
        return lines;
    }
    // The lines of two states that differ, as "before => after".
    static QStringList changedLines(const QStringList &before, const QStringList &after)
    {
        QStringList changed;
        for (qsizetype i = 0; i < std::max(before.size(), after.size()); ++i)
            if (before.value(i) != after.value(i))
                changed << before.value(i) + u" => "_s + after.value(i);
        return changed;
    }
    // The controls whose widget shows another value than the control holds.
    QStringList widgetsOutOfStep() const
    {
        QStringList names;
        for (const Control *c : form.allControls()) {
            const QWidget *w = view->widgetOf(*c);
            QString held;
            if (const auto *t = dynamic_cast<const TextBox *>(c))
                held = QString(t->text()).replace(u"\r\n"_s, u"\n"_s);
            else if (const auto *r = dynamic_cast<const RichTextBox *>(c))
                held = QString(r->text()).replace(u"\r\n"_s, u"\n"_s);
            else if (const auto *b = dynamic_cast<const ScrollBar *>(c))
                held = QString::number(b->value()) + u".."_s + QString::number(b->lowest()) + u',' +
                       QString::number(b->highest());
            else if (const auto *o = dynamic_cast<const OptionButton *>(c))
                held = o->value() ? u"checked"_s : QString();
            else if (const auto *x = dynamic_cast<const ComboBox *>(c))
                held = x->text();
            else
                continue;
            if (w && shown(w) != held)
                names << c->displayName() + u": "_s + shown(w) + u" / "_s + held;
        }
        return names;
    }
};

TEST_F(ClearAllInTheWindow, NoKeepsTheWholeDesignAndYesClearsItWithoutAskingAgain)
{
    // A table: counts, size, caption, colours, a coloured cell, a merge, a column width.
    type(form.Text1(0), u"4"_s);
    type(form.Text1(1), u"5"_s);
    type(form.Text1(2), u"60"_s);
    type(form.Txttit, u"時間割"_s);
    type(form.Text5(0), u"navy"_s);
    type(form.Text5(3), u"#FFFFCC"_s);
    type(form.Text1(6), u"2"_s);
    type(form.Text1(7), u"3"_s);
    type(form.Text5(4), u"yellow"_s);
    click(form.Command25);
    type(form.Text1(9), u"2"_s);
    type(form.Text1(11), u"2"_s);
    click(form.Command6(0));
    type(form.Text1(19), u"2"_s);
    type(form.Text1(21), u"40"_s);
    click(form.Command6(3));
    typeCellData(u"月曜"_s);
    ASSERT_EQ(form.cellColors.get(1, 2), u"yellow"_s);
    ASSERT_EQ(form.cellSpans.get(0, 0), u"2,2"_s);
    ASSERT_EQ(form.columnWidths.get(1), u"40"_s);
    ASSERT_FALSE(form.Text2(0).text().isEmpty());
    ASSERT_TRUE(form.RB3.text().endsWith(u"月曜"_s));

    QStringList asked;
    auto answer = QMessageBox::No;
    // Answered after a while, as a user reads it: the dialog's event loop runs meanwhile.
    WhenShown<QMessageBox> box(
        [&](QMessageBox *message) {
            QStringList buttons;
            for (QAbstractButton *button : message->buttons())
                buttons.append(button->text());
            buttons.sort();
            asked.append(message->text() + u" ["_s + buttons.join(u'|') + u']');
            message->button(answer)->click();
        },
        300);
    const QStringList before = windowState();
    click(form.Command27);
    const QString question =
        u"現在埋め込みデータ－が有ります、データ－を消去しても宜しいですか？ [いいえ(&N)|はい(&Y)]"_s;
    EXPECT_EQ(asked, QStringList{question});
    EXPECT_EQ(changedLines(before, windowState()), QStringList());

    answer = QMessageBox::Yes;
    click(form.Command27);
    EXPECT_EQ(asked, QStringList({question, question}));
    QStringList values;
    for (const QString name :
         {u"Txttit"_s,   u"Option16"_s,    u"Text2(0)"_s,    u"Text1(0)"_s,    u"Text1(1)"_s,
          u"Text1(2)"_s, u"Text1(3)"_s,    u"VScroll1(0)"_s, u"VScroll1(1)"_s, u"Combo1(0)"_s,
          u"Option10"_s, u"Optionichi2"_s, u"Text5(0)"_s,    u"Text5(1)"_s,    u"Text5(2)"_s,
          u"Text5(3)"_s, u"Text5(4)"_s,    u"Text4"_s,       u"Option11"_s,    u"Option12"_s,
          u"Text1(6)"_s, u"Text1(7)"_s,    u"Text1(19)"_s,   u"Text1(21)"_s})
        values << name + u'=' + designValue(form, name);
    EXPECT_EQ(values.join(u' '),
              u"Txttit= Option16=1 Text2(0)= Text1(0)=3 Text1(1)=4 Text1(2)=75 Text1(3)=75 "
              u"VScroll1(0)=-3 VScroll1(1)=-4 Combo1(0)=ﾊﾟｰｾﾝﾄ Option10=1 Optionichi2=1 "
              u"Text5(0)= Text5(1)=silver Text5(2)=gray Text5(3)=#CEFFCE Text5(4)= "
              u"Text4= Option11=7 Option12=0 Text1(6)=1 Text1(7)=1 Text1(19)=1 Text1(21)="_s);
    QStringList grids;
    for (const QString &line : formState(form))
        if (line.startsWith(u"cell"_s) || line.startsWith(u"rowHeights"_s) ||
            line.startsWith(u"columnWidths"_s))
            grids << line;
    EXPECT_EQ(grids, QStringList({u"cellImages(1000,4)="_s, u"cellColors(1000,4)="_s,
                                  u"cellSpans(1000,4)="_s, u"cellColspans(1000,4)="_s,
                                  u"cellNowraps(1000,4)="_s, u"cellFontColors(1000,4)="_s,
                                  u"cellFontSizes(1000,4)="_s, u"cellIchiTate(1000,4)="_s,
                                  u"cellIchiYoko(1000,4)="_s, u"rowHeights(1000)="_s,
                                  u"columnWidths(1000)="_s}));
    EXPECT_TRUE(form.Option1(0).value());
    EXPECT_EQ(form.unitFactor, 1);
    EXPECT_EQ(form.RB3.text(),
              u"[[     $     $     $     ]]\r\n"_s.repeated(3) + QString(25, u' '));
    EXPECT_EQ(widgetsOutOfStep(), QStringList());
    EXPECT_EQ(box.shown, 2);
}

} // namespace
