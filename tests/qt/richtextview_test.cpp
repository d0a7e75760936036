// The rich-text view: CR LF positions against Qt's, selections both ways, one change per edit,
// colours shown without touching the text or the undo history, the first visible line, and long
// texts loaded piecewise.

#include "controls/forms.h"
#include "controls/richtextbox.h"
#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/qtconvert.h"
#include "qt/richtextview.h"
#include "support/mouse.h"
#include "support/qt_printers.h"
#include "support/shown_lines.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString lfOf(const QString &crlf)
{
    QString out = crlf;
    return out.replace(QStringLiteral(u"\r\n"), QStringLiteral(u"\n"));
}

class RichTextViewTest : public ::testing::Test
{
protected:
    RichTextViewTest()
    {
        form.move(0, 0, 9000, 6000);
        RB1.move(0, 0, 8000, 3000);
        RB1.onChange = [this] { ++changes; };
        view = std::make_unique<FormView>(form);
        view->show();
        text = static_cast<RichTextView *>(view->widgetOf(RB1));
    }
    void key(int k, const QString &typed = QString(), Qt::KeyboardModifiers mods = {})
    {
        QKeyEvent press(QEvent::KeyPress, k, mods, typed);
        QApplication::sendEvent(text, &press);
    }
    QString shown() const { return text->toPlainText(); }
    // A text long enough to be shown through a window: "<td>cell N</td>" on line N.
    void setLongText()
    {
        QString big;
        for (int i = 0; i < 120000; ++i)
            big += QStringLiteral(u"<td>cell %1</td>\r\n").arg(i);
        ASSERT_GT(big.size(), RichTextView::WholeText);
        RB1.setText(big);
    }
    // "<td>cell N</td>" on line N, 300 lines or a text long enough for a window, each line in the
    // colours given as (column, colour) pairs.
    void setColouredLines(bool longText, std::initializer_list<std::pair<int, quint32>> colours)
    {
        if (longText) {
            setLongText();
        } else {
            QString lines;
            for (int i = 0; i < 300; ++i)
                lines += QStringLiteral(u"<td>cell %1</td>\r\n").arg(i);
            RB1.setText(lines);
        }
        ColorRuns runs;
        for (int line = 0; line < RB1.lineCount(); ++line)
            for (const auto &[column, colour] : colours)
                runs.push_back({RB1.lineStart(line) + column, colour});
        RB1.setColorRuns(runs);
    }
    void shiftClick(QPoint at)
    {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, text->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::ShiftModifier);
            QApplication::sendEvent(text->viewport(), &event);
        }
    }

    Form form{QStringLiteral(u"Form1")};
    RichTextBox RB1{&form, QStringLiteral(u"RB1")};
    std::unique_ptr<FormView> view;
    RichTextView *text = nullptr;
    int changes = 0;
};

TEST_F(RichTextViewTest, PositionsCountCrLfAsTwo)
{
    RB1.setText(QStringLiteral(u"ab\r\ncd\r\n\r\ne"));
    EXPECT_EQ(shown(), QStringLiteral(u"ab\ncd\n\ne"));
    // model position -> Qt position; a position between CR and LF ends its line.
    const std::vector<std::pair<int, int>> modelToQt = {{0, 0}, {2, 2}, {3, 2},  {4, 3},
                                                        {6, 5}, {8, 6}, {10, 7}, {11, 8}};
    for (auto [model, qt] : modelToQt)
        EXPECT_EQ(text->toQt(model), qt) << model;
    for (auto [qt, model] :
         std::vector<std::pair<int, int>>{{0, 0}, {3, 4}, {6, 8}, {7, 10}, {8, 11}})
        EXPECT_EQ(text->toModel(qt), model) << qt;
}

TEST_F(RichTextViewTest, SelectionBothWays)
{
    int selChanges = 0;
    RB1.onSelChange = [&] { ++selChanges; };
    RB1.setText(QStringLiteral(u"ab\r\ncd\r\nef"));
    RB1.setSelStart(4);
    RB1.setSelLength(4);
    EXPECT_EQ(text->textCursor().selectionStart(), 3);
    EXPECT_EQ(text->textCursor().selectionEnd(), 6);
    EXPECT_EQ(selChanges, 2);

    QTextCursor cursor = text->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    EXPECT_EQ(RB1.selStart(), 1);
    EXPECT_EQ(RB1.selLength(), 8);
    EXPECT_EQ(RB1.selText(), QStringLiteral(u"b\r\ncd\r\ne"));
    EXPECT_EQ(selChanges, 3);
    key(Qt::Key_Right, QString(), Qt::ShiftModifier);
    EXPECT_EQ(RB1.selLength(), 9);
    EXPECT_EQ(changes, 1);
}

TEST_F(RichTextViewTest, EditsGoThroughTheControlOncePerEdit)
{
    RB1.setText(QStringLiteral(u"ab"));
    RB1.setSelStart(2);
    changes = 0;
    struct Case
    {
        const char *what;
        std::function<void()> act;
        const char16_t *text;
    };
    const std::vector<Case> cases = {
        {"character", [&] { key(Qt::Key_C, QStringLiteral(u"c")); }, u"abc"},
        {"Enter", [&] { key(Qt::Key_Return, QStringLiteral(u"\r")); }, u"abc\r\n"},
        {"Japanese", [&] { key(Qt::Key_unknown, QStringLiteral(u"表")); }, u"abc\r\n表"},
        {"Backspace", [&] { key(Qt::Key_Backspace); }, u"abc\r\n"},
        {"Backspace over a line end", [&] { key(Qt::Key_Backspace); }, u"abc"},
        {"paste",
         [&] {
             QApplication::clipboard()->setText(QStringLiteral(u"x\ny"));
             key(Qt::Key_V, QString(), Qt::ControlModifier);
         },
         u"abcx\r\ny"},
        {"undo", [&] { key(Qt::Key_Z, QString(), Qt::ControlModifier); }, u"abc"},
        {"input method",
         [&] {
             QInputMethodEvent commit(QString(), {});
             commit.setCommitString(QStringLiteral(u"日本"));
             QApplication::sendEvent(text, &commit);
         },
         u"abc日本"},
    };
    for (const Case &c : cases) {
        const int before = changes;
        c.act();
        EXPECT_EQ(RB1.text(), QString::fromUtf16(c.text)) << c.what;
        EXPECT_EQ(shown(), lfOf(RB1.text())) << c.what;
        EXPECT_EQ(changes - before, 1) << c.what;
        EXPECT_EQ(text->toModel(text->textCursor().position()), RB1.selStart()) << c.what;
    }
    // The widget keeps no history of its own.
    EXPECT_FALSE(text->document()->isUndoAvailable());

    RB1.setLocked(true);
    key(Qt::Key_D, QStringLiteral(u"d"));
    EXPECT_EQ(shown(), QStringLiteral(u"abc日本"));
}

TEST_F(RichTextViewTest, ContextMenuEditsGoThroughTheControl)
{
    RB1.setText(QStringLiteral(u"abc"));
    RB1.setSelStart(1);
    RB1.setSelLength(1);
    changes = 0;
    QApplication::clipboard()->setText(QStringLiteral(u"1\n2"));
    QStringList names;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction *action : menu->actions())
            names.append(action->objectName());
        for (QAction *action : menu->actions())
            if (action->objectName() == u"edit-paste")
                action->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            text->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(text->viewport(), &event);
    EXPECT_TRUE(names.contains(QStringLiteral(u"edit-undo"))) << names.join(u' ').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral(u"edit-cut")));
    EXPECT_EQ(RB1.text(), QStringLiteral(u"a1\r\n2c"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(shown(), QStringLiteral(u"a1\n2c"));
}

TEST_F(RichTextViewTest, ReplacingASelectionIsOneChange)
{
    RB1.setText(QStringLiteral(u"one\r\ntwo\r\nthree"));
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(2);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    changes = 0;
    key(Qt::Key_X, QStringLiteral(u"X"));
    EXPECT_EQ(RB1.text(), QStringLiteral(u"onXo\r\nthree"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(shown(), QStringLiteral(u"onXo\nthree"));
}

TEST_F(RichTextViewTest, HandlersMayRewriteDuringAChange)
{
    // A completion-like handler: typing "<" adds ">" behind the caret, which is a second change.
    RB1.onChange = [this] {
        ++changes;
        if (RB1.text().endsWith(u'<')) {
            RB1.setSelText(QStringLiteral(u">"));
            RB1.setSelStart(RB1.selStart() - 1);
        }
    };
    RB1.setText(QStringLiteral(u"a\r\n"));
    RB1.setSelStart(3);
    changes = 0;
    key(Qt::Key_Less, QStringLiteral(u"<"));
    EXPECT_EQ(RB1.text(), QStringLiteral(u"a\r\n<>"));
    EXPECT_EQ(shown(), QStringLiteral(u"a\n<>"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(text->textCursor().position(), 3);
}

TEST_F(RichTextViewTest, ColourRunsShowWithoutTouchingTextOrHistory)
{
    RB1.setText(QStringLiteral(u"<a>x\r\n<b>"));
    RB1.clearUndo();
    changes = 0;
    RB1.setColorRuns({{0, 0xC80000}, {3, 0x640064}, {6, 0xC80000}});
    text->viewport()->grab();
    const QTextBlock first = text->document()->firstBlock();
    const QList<QTextLayout::FormatRange> formats = first.layout()->formats();
    ASSERT_EQ(formats.size(), 2);
    EXPECT_EQ(formats[0].start, 0);
    EXPECT_EQ(formats[0].length, 3);
    EXPECT_EQ(formats[0].format.foreground().color(), QColor(0, 0, 200));
    EXPECT_EQ(formats[1].format.foreground().color(), QColor(100, 0, 100));
    const QList<QTextLayout::FormatRange> second = first.next().layout()->formats();
    ASSERT_EQ(second.size(), 1);
    EXPECT_EQ(second[0].length, 3);
    EXPECT_EQ(second[0].format.foreground().color(), QColor(0, 0, 200));
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(RB1.canUndo());
    EXPECT_FALSE(text->document()->isUndoAvailable());
    EXPECT_EQ(shown(), QStringLiteral(u"<a>x\n<b>"));

    // Typing takes the colour before the caret and shows it at the next paint.
    RB1.setSelStart(4);
    key(Qt::Key_Y, QStringLiteral(u"y"));
    text->viewport()->grab();
    const QList<QTextLayout::FormatRange> after =
        text->document()->firstBlock().layout()->formats();
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after[1].length, 2);
}

// A box that hides its selection without the focus shows the selected text in its own colours
// on its own background, as if nothing were selected.
TEST_F(RichTextViewTest, AHiddenSelectionKeepsTheTextsColours)
{
    RB1.setBackColor(0x000000);
    RB1.setText(QStringLiteral(u"MMMMMMMM\r\nMMMMMMMM"));
    RB1.setColorRuns({{0, 0x0000FF}}); // red (colours are stored blue, green, red)
    auto colours = [&] {
        const QImage image = text->viewport()->grab().toImage();
        int red = 0;
        int other = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 128 && c.green() < 64 && c.blue() < 64)
                    ++red;
                else if (c != Qt::black)
                    ++other;
            }
        return std::pair(red, other);
    };
    const auto unselected = colours();
    ASSERT_GT(unselected.first, 50);
    RB1.setSelStart(0);
    RB1.setSelLength(int(RB1.text().size()));
    ASSERT_FALSE(text->hasFocus());
    EXPECT_EQ(colours(), unselected);
}

TEST_F(RichTextViewTest, FirstVisibleLineFollowsBothWays)
{
    QString many;
    for (int i = 0; i < 300; ++i)
        many += QStringLiteral(u"line %1\r\n").arg(i);
    RB1.setText(many);
    QScrollBar *bar = text->verticalScrollBar();
    RB1.lineScroll(120);
    EXPECT_EQ(RB1.firstVisibleLine(), 120);
    EXPECT_EQ(bar->value(), 120);
    bar->setValue(40);
    EXPECT_EQ(RB1.firstVisibleLine(), 40);
    // Past the last page the widget stops; the control learns where.
    RB1.lineScroll(1000);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(RB1.firstVisibleLine(), bar->maximum());
    // A new text starts at the top, and scrolling back by the difference keeps the view.
    const int before = RB1.firstVisibleLine();
    RB1.setText(many + QStringLiteral(u"more"));
    EXPECT_EQ(bar->value(), 0);
    RB1.lineScroll(before - RB1.firstVisibleLine());
    EXPECT_EQ(bar->value(), before);
}

TEST_F(RichTextViewTest, LongTextsShowThroughAWindowOfLines)
{
    setLongText();
    // What the document holds is a window of whole lines of the control's text.
    auto windowText = [&] {
        const qsizetype start = RB1.lineStart(text->windowFirstLine());
        const int last = text->windowFirstLine() + text->windowLineCount();
        const qsizetype end =
            last >= RB1.lineCount() ? RB1.text().size() : RB1.lineStart(last) - 2;
        return lfOf(RB1.text().mid(start, end - start));
    };
    EXPECT_EQ(text->windowFirstLine(), 0);
    EXPECT_LT(text->windowLineCount(), 10000);
    EXPECT_EQ(shown(), windowText());
    QScrollBar *bar = text->lineScrollBar();
    EXPECT_NE(bar, text->verticalScrollBar());
    EXPECT_GT(bar->maximum(), 119000);

    // Scrolled far down, by code and by the bar: the window follows the first visible line.
    RB1.lineScroll(100000);
    EXPECT_EQ(bar->value(), 100000);
    EXPECT_EQ(RB1.firstVisibleLine(), 100000);
    EXPECT_LE(text->windowFirstLine(), 100000);
    EXPECT_EQ(shown(), windowText());
    EXPECT_EQ(text->document()->findBlockByNumber(100000 - text->windowFirstLine()).text(),
              QStringLiteral(u"<td>cell 100000</td>"));
    bar->setValue(500);
    EXPECT_EQ(RB1.firstVisibleLine(), 500);
    EXPECT_EQ(text->toModel(text->cursorForPosition(QPoint(2, 2)).block().position()),
              RB1.lineStart(500));

    // An edit by code before the window: the window goes to the caret it leaves.
    RB1.setSelStart(0);
    RB1.lineScroll(100000 - RB1.firstVisibleLine());
    RB1.setSelText(QStringLiteral(u"<table>\r\n"));
    EXPECT_EQ(text->windowFirstLine(), 0);
    EXPECT_LE(RB1.firstVisibleLine(), 1);
    EXPECT_EQ(shown(), windowText());

    // Typing where the control's caret is, far outside the window: the window goes there.
    RB1.setSelStart(int(RB1.text().size()) - 7);
    RB1.lineScroll(-RB1.firstVisibleLine());
    changes = 0;
    key(Qt::Key_X, QStringLiteral(u"X"));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(RB1.text().endsWith(QStringLiteral(u"cell 119999X</td>\r\n")));
    EXPECT_EQ(shown(), windowText());
    EXPECT_EQ(text->toModel(text->textCursor().position()), RB1.selStart());

    // The ends of the text, with and without selecting.
    key(Qt::Key_Home, QString(), Qt::ControlModifier);
    EXPECT_EQ(RB1.selStart(), 0);
    EXPECT_EQ(text->windowFirstLine(), 0);
    key(Qt::Key_End, QString(), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(RB1.selStart(), 0);
    EXPECT_EQ(RB1.selLength(), RB1.text().size());
    EXPECT_EQ(shown(), windowText());
    text->copy(); // the whole selection, not the window's part of it
    EXPECT_EQ(QApplication::clipboard()->text(), RB1.text());

    // Colours are looked up for the lines painted, wherever the window stands.
    RB1.setColorRuns({{0, 0xC80000}, {RB1.lineStart(60000), 0x640064}});
    RB1.lineScroll(60000 - RB1.firstVisibleLine());
    text->viewport()->grab();
    const QTextBlock line = text->document()->findBlockByNumber(60000 - text->windowFirstLine());
    ASSERT_FALSE(line.layout()->formats().isEmpty());
    EXPECT_EQ(line.layout()->formats()[0].format.foreground().color(), QColor(100, 0, 100));
}

// Keys and clicks act on the control's selection, also where the window does not hold it: the
// caret, the anchor and the whole text stay the control's.
TEST_F(RichTextViewTest, SelectionsReachingOutOfTheWindowKeepTheirEnds)
{
    setLongText();
    auto visible = [&](int line) {
        const int top = RB1.firstVisibleLine();
        return line >= top && line < top + 20;
    };

    // The caret far above the lines in view: an arrow key moves it there, and the view follows.
    RB1.setSelStart(int(RB1.lineStart(10)) + 3);
    RB1.lineScroll(100000);
    key(Qt::Key_Down);
    EXPECT_EQ(RB1.selStart(), RB1.lineStart(11) + 3);
    EXPECT_EQ(RB1.selLength(), 0);
    EXPECT_TRUE(visible(11)) << RB1.firstVisibleLine();

    // Selecting all takes the whole text, the view staying where it was.
    RB1.lineScroll(60000 - RB1.firstVisibleLine());
    key(Qt::Key_A, QString(), Qt::ControlModifier);
    EXPECT_EQ(RB1.selStart(), 0);
    EXPECT_EQ(RB1.selLength(), RB1.text().size());
    EXPECT_EQ(RB1.firstVisibleLine(), 60000);
    text->copy();
    EXPECT_TRUE(QApplication::clipboard()->text() == RB1.text());

    // A selection made upwards, extended to the end far away: it keeps its anchor.
    RB1.setSelStart(int(RB1.lineStart(5)));
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Up, QString(), Qt::ShiftModifier);
    EXPECT_EQ(RB1.selStart(), RB1.lineStart(2));
    key(Qt::Key_End, QString(), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(RB1.selStart(), RB1.lineStart(5));
    EXPECT_EQ(RB1.selStart() + RB1.selLength(), RB1.text().size());

    // Shrunk from its far end: the anchor outside the window stays.
    key(Qt::Key_Up, QString(), Qt::ShiftModifier);
    EXPECT_EQ(RB1.selStart(), RB1.lineStart(5));
    EXPECT_EQ(RB1.selStart() + RB1.selLength(), RB1.lineStart(RB1.lineCount() - 2));

    // Shift+click far below the caret selects from the caret.
    RB1.setSelStart(int(RB1.lineStart(100)));
    RB1.lineScroll(100000 - RB1.firstVisibleLine());
    shiftClick(QPoint(2, text->fontMetrics().lineSpacing() / 2 + 2));
    EXPECT_EQ(RB1.selStart(), RB1.lineStart(100));
    EXPECT_EQ(RB1.selStart() + RB1.selLength(), RB1.lineStart(100000));
    text->copy();
    EXPECT_TRUE(QApplication::clipboard()->text() ==
                RB1.text().mid(RB1.lineStart(100), RB1.lineStart(100000) - RB1.lineStart(100)));

    // Copied with the view scrolled far away from it (the window holds none of it).
    RB1.setSelStart(int(RB1.lineStart(10)));
    RB1.setSelLength(int(RB1.lineStart(20) - RB1.lineStart(10)));
    RB1.lineScroll(100000 - RB1.firstVisibleLine());
    QApplication::clipboard()->clear();
    key(Qt::Key_C, QString(), Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text() == RB1.selText());
}

// Paging down and back up through a long text: the window follows, the control learns where the
// view stands, and a selection made by paging keeps its anchor.
TEST_F(RichTextViewTest, PagingGoesThroughTheWholeText)
{
    setLongText();
    RB1.setSelStart(int(RB1.lineStart(10)));
    for (int i = 0; i < 300; ++i) {
        key(Qt::Key_PageDown, QString(), Qt::ShiftModifier);
        QApplication::processEvents();
    }
    const int caretLine = RB1.lineAt(RB1.selStart() + RB1.selLength());
    EXPECT_EQ(RB1.selStart(), RB1.lineStart(10));
    EXPECT_GT(caretLine, 3000);
    EXPECT_GT(RB1.firstVisibleLine(), caretLine - 20);
    EXPECT_LE(RB1.firstVisibleLine(), caretLine);
    EXPECT_EQ(text->lineScrollBar()->value(), RB1.firstVisibleLine());
    for (int i = 0; i < 300; ++i) {
        key(Qt::Key_PageUp);
        QApplication::processEvents();
    }
    EXPECT_EQ(RB1.firstVisibleLine(), 0);
    EXPECT_LT(RB1.selStart(), RB1.lineStart(20));
}

// Dragging with the button held past the bottom edge, then past the top edge: the view keeps
// scrolling (its window moving on) for as long as the button is held, and the selection runs from
// the press point to the mouse, in the control's positions.
TEST_F(RichTextViewTest, ADragPastTheEdgeSelectsAsFarAsTheViewScrolls)
{
    setLongText();
    QWidget *port = text->viewport();
    auto mouse = [&](QEvent::Type type, QPoint at) { sendLeftButton(port, type, at); };
    auto selEndLine = [&] { return RB1.lineAt(RB1.selStart() + RB1.selLength()); };
    auto dragTo = [&](QPoint from, QPoint outside, auto reached) {
        mouse(QEvent::MouseButtonPress, from);
        holdLeftButtonAt(port, outside, reached);
    };
    // Where the view shows a model position.
    auto pointOf = [&](qsizetype position) {
        QTextCursor cursor(text->document());
        cursor.setPosition(text->toQt(position));
        return text->cursorRect(cursor).center();
    };
    RB1.lineScroll(1000);
    const int top = RB1.firstVisibleLine();
    const qsizetype pressed = RB1.lineStart(top + 2) + 4;
    const int x = pointOf(pressed).x();

    dragTo(pointOf(pressed), QPoint(x, port->height() + 100),
           [&] { return selEndLine() > top + 5000; });
    const qsizetype below = RB1.selStart() + RB1.selLength();
    EXPECT_EQ(RB1.selStart(), pressed);
    EXPECT_GT(RB1.lineAt(below), top + 5000);
    EXPECT_EQ(text->toModel(text->textCursor().position()), below);
    EXPECT_GT(RB1.firstVisibleLine(), top + 4000);
    text->copy();
    EXPECT_TRUE(QApplication::clipboard()->text() == RB1.text().mid(pressed, below - pressed));

    // Upwards from a line of the view, back over where the first drag began (a click first: a
    // press inside the selection would start dragging the selected text).
    const int from = RB1.firstVisibleLine() + 5;
    const qsizetype upper = RB1.lineStart(from) + 4;
    mouse(QEvent::MouseButtonPress, pointOf(upper));
    mouse(QEvent::MouseButtonRelease, pointOf(upper));
    dragTo(pointOf(upper), QPoint(x, -100),
           [&] { return RB1.lineAt(RB1.selStart()) < from - 5000; });
    EXPECT_EQ(RB1.selStart() + RB1.selLength(), upper);
    EXPECT_LT(RB1.lineAt(RB1.selStart()), from - 5000);
    EXPECT_EQ(text->toModel(text->textCursor().position()), RB1.selStart());
    text->copy();
    EXPECT_TRUE(QApplication::clipboard()->text() ==
                RB1.text().mid(RB1.selStart(), RB1.selLength()));

    // A double click picks the word "cell"; dragging on keeps it as the selection's start
    // while the window moves on.
    RB1.lineScroll(1000 - RB1.firstVisibleLine());
    const qsizetype word = RB1.lineStart(top + 2) + 4;
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick})
        mouse(type, pointOf(word + 2));
    EXPECT_EQ(RB1.selText(), QStringLiteral(u"cell"));
    // (The widget extends a word selection while the mouse is over a word.)
    holdLeftButtonAt(port, QPoint(pointOf(word + 2).x(), port->height() + 100),
           [&] { return selEndLine() > top + 5000; });
    EXPECT_EQ(RB1.selStart(), word);
    EXPECT_GT(selEndLine(), top + 5000);
}

// A text that grows past the whole-text size in one paste is shown through a window at once.
TEST_F(RichTextViewTest, APasteThatMakesTheTextLongShowsItThroughAWindow)
{
    RB1.setText(QStringLiteral(u"<p>\r\n"));
    RB1.setSelStart(5);
    QString pasted;
    for (int i = 0; i < 40000; ++i)
        pasted += QStringLiteral(u"<td>cell %1</td>\r\n").arg(i);
    QApplication::clipboard()->setText(pasted);
    key(Qt::Key_V, QString(), Qt::ControlModifier);
    ASSERT_EQ(RB1.text().size(), pasted.size() + 5);
    EXPECT_NE(text->lineScrollBar(), text->verticalScrollBar());
    EXPECT_LT(text->windowLineCount(), 10000);
    const int first = text->windowFirstLine();
    const qsizetype start = RB1.lineStart(first);
    EXPECT_EQ(shown(), lfOf(RB1.text().mid(start)));
    // The caret after the pasted text, in view.
    EXPECT_EQ(text->toModel(text->textCursor().position()), RB1.text().size());
    EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect()));
}

// A long text of long lines (cell data of a thousand cells a row) is shown through a window of
// few lines, which moves often: scrolling down, by the bar or the wheel, keeps the columns the user
// scrolled to in view.
TEST_F(RichTextViewTest, AWindowMovedKeepsTheColumnsInView)
{
    QString big;
    for (int row = 0; row < 300; ++row) {
        for (int column = 0; column < 1000; ++column)
            big += QStringLiteral(u"r%1c%2,").arg(row).arg(column);
        big += QStringLiteral(u"\r\n");
    }
    RB1.setText(big);
    ASSERT_NE(text->lineScrollBar(), text->verticalScrollBar());
    ASSERT_LT(text->windowLineCount(), 150);
    QScrollBar *across = text->horizontalScrollBar();
    text->viewport()->grab();
    ASSERT_GT(across->maximum(), 20000);
    across->setValue(20000);

    for (const int line : {150, 290, 10}) {
        SCOPED_TRACE(line);
        text->lineScrollBar()->setValue(line);
        QApplication::processEvents();
        EXPECT_LE(text->windowFirstLine(), line);
        EXPECT_EQ(across->value(), 20000);
    }
    across->setValue(20000);
    const int first = text->windowFirstLine();
    for (int notch = 0; notch < 40; ++notch) {
        const QPointF at(20, 20);
        QWheelEvent wheel(at, text->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(text->viewport(), &wheel);
        QApplication::processEvents();
    }
    EXPECT_GT(text->windowFirstLine(), first);
    EXPECT_GT(RB1.firstVisibleLine(), 100);
    EXPECT_EQ(across->value(), 20000);
}

// The source page of the main window with a long source (a header, then a table of 60,000 rows)
// or a short one (2,000 rows): what the view shows after menu commands and whole-text edits.
class SourcePage : public ::testing::TestWithParam<int>
{
protected:
    QTemporaryDir dir;
    Form1 form;
    std::unique_ptr<FormView> view;
    RichTextView *source = nullptr;

    void SetUp() override
    {
        form.settingsFolder = dir.path();
        form.workFolder = dir.path();
        form.Form_Load();
        view = std::make_unique<FormView>(form);
        view->show();
        view->activateWindow();
        form.TabStrip1.userSelected(3);
        source = static_cast<RichTextView *>(view->widgetOf(form.RB1));
        QString text = QStringLiteral(
            u"<html>\r\n<head>\r\n<title>rows</title>\r\n</head>\r\n<body>\r\n<table>\r\n");
        for (int i = 0; i < GetParam(); ++i)
            text += QStringLiteral(u"<tr><td>row %1</td><td>cell</td></tr>\r\n").arg(i);
        text += QStringLiteral(u"</table>\r\n</body>\r\n</html>\r\n");
        form.RB1.setText(text);
        form.Setcolor2();
        QApplication::processEvents();
        ASSERT_EQ(text.size() > RichTextView::WholeText, GetParam() > 20000);
    }
    // The view at `line` (through its scroll bar), and a click on that line.
    void clickAtLine(int line)
    {
        source->lineScrollBar()->setValue(line - 5);
        QTextCursor cursor(source->document());
        cursor.setPosition(source->toQt(form.RB1.lineStart(line) + 8));
        const QPoint at = source->cursorRect(cursor).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, source->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(source->viewport(), &event);
        }
        QApplication::processEvents();
    }
    void key(int k, Qt::KeyboardModifiers mods = {}, const QString &typed = QString())
    {
        QKeyEvent press(QEvent::KeyPress, k, mods, typed);
        QApplication::sendEvent(source, &press);
        QApplication::processEvents();
    }
    // The view's caret stands on the control's caret (the selection's end), on screen, and the
    // control's first visible line is the one the view shows.
    ::testing::AssertionResult caretShown() const
    {
        const qsizetype caret = form.RB1.selStart() + form.RB1.selLength();
        const int line = form.RB1.lineAt(caret);
        const int top = form.RB1.firstVisibleLine();
        const int lines = source->viewport()->height() / source->fontMetrics().lineSpacing();
        if (source->toModel(source->textCursor().position()) != caret)
            return ::testing::AssertionFailure()
                   << "view caret at " << source->toModel(source->textCursor().position())
                   << ", control caret at " << caret;
        if (!source->viewport()->rect().contains(source->cursorRect()))
            return ::testing::AssertionFailure() << "caret of line " << line << " off screen";
        if (line < top || line >= top + lines)
            return ::testing::AssertionFailure()
                   << "caret line " << line << ", the control's view from line " << top;
        if (source->windowFirstLine() + source->cursorForPosition(QPoint(2, 2)).blockNumber() !=
            top)
            return ::testing::AssertionFailure() << "the control's view is not the view's";
        return ::testing::AssertionSuccess();
    }
};

// A caret or a selection set by a command is shown where it is, and the next key goes there.
TEST_P(SourcePage, ACommandsCaretIsShown)
{
    const int far = GetParam() / 2;
    clickAtLine(far);
    ASSERT_EQ(form.RB1.lineAt(form.RB1.selStart()), far);
    ASSERT_TRUE(form.ms.enabled() && form.ms3.enabled());
    view->actionOf(form.ms3)->trigger(); // "CSSのタグ挿入", before the closing head tag
    QApplication::processEvents();
    const QString block = form.RB1.text().left(form.RB1.selStart());
    EXPECT_TRUE(block.endsWith(QStringLiteral(u"-->\r\n</style>\r\n")))
        << block.right(40).toStdString();
    EXPECT_TRUE(caretShown());
    const int top = form.RB1.firstVisibleLine();
    key(Qt::Key_X, {}, QStringLiteral(u"x"));
    EXPECT_TRUE(form.RB1.text().left(form.RB1.selStart()).endsWith(u"</style>\r\nx"));
    EXPECT_TRUE(caretShown());
    EXPECT_EQ(form.RB1.firstVisibleLine(), top);

    // A selection set far away, then wrapped in a bold pair.
    const qsizetype cell = form.RB1.lineStart(far + 7000 % GetParam()) + 8;
    form.RB1.setSelStart(int(cell));
    form.RB1.setSelLength(7);
    EXPECT_TRUE(caretShown());
    const QString selected = form.RB1.selText();
    view->actionOf(form.mm(1))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(form.RB1.text().mid(cell, 14),
              QStringLiteral(u"<b>") + selected + QStringLiteral(u"</b>"));
    EXPECT_TRUE(caretShown());
}

// Ctrl+A with Tab or Shift+Tab rewrites the whole text as one edit, as does undoing it: the view
// shows what it showed or the caret, and holds the control's lines.
TEST_P(SourcePage, WholeTextIndentShowsTheViewOrTheCaret)
{
    const int far = GetParam() / 2;
    clickAtLine(far);
    ASSERT_EQ(QApplication::focusWidget(), source);
    auto check = [&](const char *step, int top) {
        const int now = form.RB1.firstVisibleLine();
        EXPECT_TRUE(now == top || caretShown()) << step << ": view from line " << now;
        const qsizetype start = form.RB1.lineStart(source->windowFirstLine());
        EXPECT_TRUE(source->toPlainText() ==
                    lfOf(form.RB1.text().mid(start, source->toPlainText().size() +
                                                        source->windowLineCount() - 1)))
            << step;
    };
    const QString before = form.RB1.text();
    struct Step
    {
        const char *what;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
    };
    const Step steps[] = {{"Tab", Qt::Key_Tab, {}},
                          {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
                          {"undo Shift+Tab", Qt::Key_Z, Qt::ControlModifier},
                          {"undo Tab", Qt::Key_Z, Qt::ControlModifier}};
    for (const Step &step : steps) {
        if (step.key != Qt::Key_Z)
            key(Qt::Key_A, Qt::ControlModifier);
        const int top = form.RB1.firstVisibleLine();
        key(step.key, step.mods);
        check(step.what, top);
    }
    EXPECT_TRUE(form.RB1.text() == before);
}

INSTANTIATE_TEST_SUITE_P(LongAndShort, SourcePage, ::testing::Values(60000, 2000));

} // namespace

// After every kind of edit, by the user or by code, each line on screen shows the colours the
// control holds: the view colours again only what changed.
TEST_F(RichTextViewTest, ShownColoursFollowEveryEdit)
{
    for (const bool longText : {false, true}) {
        SCOPED_TRACE(longText ? "long" : "short");
        // Every line in three colours.
        setColouredLines(longText, {{0, 0xC80000}, {4, 0x640064}, {10, 0x008000}});
        const int middle = RB1.lineCount() / 2;
        RB1.lineScroll(middle - RB1.firstVisibleLine());
        RB1.setSelStart(int(RB1.lineStart(middle + 3) + 6));
        text->setFocus();
        ASSERT_EQ(colourMismatch(text, RB1).toStdString(), std::string());

        const struct
        {
            const char *what;
            std::function<void()> edit;
        } steps[] = {
            {"typed", [&] { key(Qt::Key_X, QStringLiteral(u"x")); }},
            {"typed again", [&] { key(Qt::Key_Y, QStringLiteral(u"y")); }},
            {"line end", [&] { key(Qt::Key_Return, QStringLiteral(u"\r")); }},
            {"backspace over the line end",
             [&] {
                 key(Qt::Key_Backspace);
                 key(Qt::Key_Backspace);
             }},
            {"selection coloured",
             [&] {
                 RB1.setSelStart(int(RB1.lineStart(middle + 5) + 2));
                 RB1.setSelLength(7);
                 RB1.setSelColor(0x0000FF);
             }},
            {"range coloured by code",
             [&] { RB1.setRangeColors(RB1.lineStart(middle + 6), RB1.lineStart(middle + 6) + 5,
                                      {{0, 0x808080}}); }},
            {"several lines replaced",
             [&] {
                 RB1.setSelStart(int(RB1.lineStart(middle + 2) + 3));
                 RB1.setSelLength(int(RB1.lineStart(middle + 4) - RB1.lineStart(middle + 2)));
                 RB1.setSelText(QStringLiteral(u"one\r\ntwo\r\nthree"));
             }},
            {"lines deleted", [&] {
                 RB1.setSelStart(int(RB1.lineStart(middle + 1)));
                 RB1.setSelLength(int(RB1.lineStart(middle + 3) - RB1.lineStart(middle + 1)));
                 key(Qt::Key_Delete);
             }},
            {"undone", [&] { RB1.undo(); }},
            {"undone again", [&] { RB1.undo(); }},
        };
        for (const auto &step : steps) {
            SCOPED_TRACE(step.what);
            step.edit();
            EXPECT_EQ(colourMismatch(text, RB1).toStdString(), std::string());
        }
    }
}

// A key typed into a coloured line repaints that line alone, and what is on the screen after such
// repaints is what a whole repaint shows: the line's new colours included.
TEST_F(RichTextViewTest, ATypedKeyRepaintsItsLineAlone)
{
    class PaintedArea : public QObject
    {
    public:
        QRegion region;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent *>(event)->region();
            return false;
        }
    };
    for (const bool longText : {false, true}) {
        SCOPED_TRACE(longText ? "long" : "short");
        setColouredLines(longText, {{0, 0xC80000}, {4, 0x640064}});
        const int middle = RB1.lineCount() / 2;
        RB1.lineScroll(middle - RB1.firstVisibleLine());
        RB1.setSelStart(int(RB1.lineStart(middle + 3) + 4));
        text->setFocus();
        QApplication::processEvents();
        const int lineHeight = text->fontMetrics().height();
        PaintedArea painted;
        text->viewport()->installEventFilter(&painted);
        // Each key recolours its line as the editor does: the typed text in a colour of its own.
        const struct
        {
            int key;
            const char *typed;
        } keys[] = {{Qt::Key_X, "x"}, {Qt::Key_Y, "y"}, {Qt::Key_Backspace, ""}, {Qt::Key_Z, "z"}};
        for (const auto &k : keys) {
            SCOPED_TRACE(k.typed);
            painted.region = QRegion();
            key(k.key, QString::fromLatin1(k.typed));
            const qsizetype caret = RB1.selStart();
            RB1.setRangeColors(RB1.lineStart(middle + 3), caret, {{0, 0x008000}});
            QApplication::processEvents();
            EXPECT_FALSE(painted.region.isEmpty());
            EXPECT_LE(painted.region.boundingRect().height(), 2 * lineHeight);
        }
        text->viewport()->removeEventFilter(&painted);
        // The screen as the partial repaints left it, against a whole repaint.
        QWidget *window = text->window();
        const QPoint at = text->viewport()->mapTo(window, QPoint(0, 0));
        const QImage onScreen = window->screen()
                                    ->grabWindow(window->winId(), at.x(), at.y(),
                                                 text->viewport()->width(),
                                                 text->viewport()->height())
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
        const QImage whole = text->viewport()->grab().toImage().convertToFormat(
            QImage::Format_RGB32);
        ASSERT_EQ(onScreen.size(), whole.size());
        EXPECT_TRUE(onScreen == whole);
        EXPECT_EQ(colourMismatch(text, RB1).toStdString(), std::string());
    }
}
