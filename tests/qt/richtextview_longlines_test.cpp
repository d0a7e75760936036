// Long lines in the rich-text view, whose blocks hold only the columns around the view: against a
// widget of Qt's own that lays the same lines out whole, the view looks the same at every place it
// scrolls to, and clicks and keys put the caret and the selection where that widget puts them;
// every edit leaves the right text and colours on screen.

#include "controls/forms.h"
#include "controls/richtextbox.h"
#include "qt/formview.h"
#include "qt/richtextview.h"
#include "support/mouse.h"
#include "support/qt_printers.h"
#include "support/screenshots.h"
#include "support/shown_lines.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString lfOf(const QString &crlf)
{
    QString out = crlf;
    return out.replace(QStringLiteral(u"\r\n"), QStringLiteral(u"\n"));
}

// A line of table source of about `chars` characters, with tabs, Japanese of both widths, a
// character outside the basic plane and, when `word` is given, one word of that many letters.
QString longLine(qsizetype chars, qsizetype word = 0)
{
    const QString pieces[] = {QStringLiteral(u"<td align=\"center\">東京、ﾃｽﾄ①</td>\t"),
                              QStringLiteral(u"<td>text 😀 x</td>"),
                              QStringLiteral(u"\t\t<tr class=\"a\">"), QStringLiteral(u"全角　")};
    QString line;
    for (int i = 0; line.size() < chars; ++i) {
        line += pieces[i % 4];
        if (word > 0 && line.size() > chars / 3) {
            line += QString(word, u'w') + u' ';
            word = 0;
        }
    }
    return line;
}

class LongLines : public ::testing::Test
{
protected:
    LongLines()
    {
        form.move(0, 0, 9000, 6000);
        RB1.move(0, 0, 8000, 3000);
        view = std::make_unique<FormView>(form);
        view->show();
        text = static_cast<RichTextView *>(view->widgetOf(RB1));
    }
    void key(int k, Qt::KeyboardModifiers mods = {}, const QString &typed = QString())
    {
        QKeyEvent press(QEvent::KeyPress, k, mods, typed);
        QApplication::sendEvent(text, &press);
    }
    // Qt's own widget on the same lines, laid out whole, as large as the view and as coloured.
    std::unique_ptr<QPlainTextEdit> reference()
    {
        auto edit = std::make_unique<QPlainTextEdit>();
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setFont(text->font());
        edit->setPalette(text->palette());
        edit->setFrameStyle(text->frameStyle());
        edit->setPlainText(lfOf(RB1.text()));
        edit->resize(text->size());
        edit->show();
        QApplication::processEvents();
        return edit;
    }
    // Where the reference's cursor stands, counted as the control counts (CR LF two units).
    static std::pair<qsizetype, qsizetype> placeIn(const QPlainTextEdit &edit)
    {
        const QTextCursor cursor = edit.textCursor();
        const QTextDocument *doc = edit.document();
        auto model = [doc](int position) {
            return qsizetype(position) + doc->findBlock(position).blockNumber();
        };
        return {model(cursor.anchor()), model(cursor.position())};
    }
    // The control's selection, its anchor first, as the view shows it.
    std::pair<qsizetype, qsizetype> placeInView() const
    {
        const qsizetype caret = text->toModel(text->textCursor().position());
        const qsizetype start = RB1.selStart();
        const qsizetype end = start + RB1.selLength();
        return {caret == start ? end : start, caret};
    }

    Form form{QStringLiteral(u"Form1")};
    RichTextBox RB1{&form, QStringLiteral(u"RB1")};
    std::unique_ptr<FormView> view;
    RichTextView *text = nullptr;
};

} // namespace

// Scrolled anywhere across lines of a hundred thousand characters and more, the view shows what
// Qt's widget shows of the same lines laid out whole, pixel for pixel, and scrolls as far.
TEST_F(LongLines, LookAsTheWholeLinesLaidOut)
{
    RB1.setText(QStringLiteral(u"short line\r\n") + longLine(150'000) +
                QStringLiteral(u"\r\n\r\n") + longLine(90'000).mid(7) +
                QStringLiteral(u"\r\n\tend"));
    ASSERT_LT(RB1.length(), RichTextView::WholeText);
    text->clearFocus();
    const auto edit = reference();
    QScrollBar *across = text->horizontalScrollBar();
    ASSERT_EQ(across->maximum(), edit->horizontalScrollBar()->maximum());
    ASSERT_GT(across->maximum(), 100'000);
    const int places[] = {0,
                          333,
                          50'000,
                          across->maximum() / 3,
                          across->maximum() / 2 + 17,
                          across->maximum() - 1'000,
                          across->maximum(),
                          12};
    for (const int place : places) {
        SCOPED_TRACE(place);
        across->setValue(place);
        edit->horizontalScrollBar()->setValue(place);
        const QImage shown = text->viewport()->grab().toImage();
        const QImage whole = edit->viewport()->grab().toImage();
        if (shown != whole) {
            saveArtifact(shown, QStringLiteral(u"longlines-view-%1.png").arg(place));
            saveArtifact(whole, QStringLiteral(u"longlines-reference-%1.png").arg(place));
        }
        EXPECT_TRUE(shown == whole);
    }
}

// Clicks and the keys that move the caret or extend the selection, anywhere along long lines, put
// the caret and the selection where Qt's widget puts them on the same lines laid out whole: across
// the edges of what the blocks hold, over a word longer than a screen, from line to line.
TEST_F(LongLines, CaretsAndSelectionsGoWhereTheWholeLinesPutThem)
{
    RB1.setText(longLine(60'000, 20'000) + QStringLiteral(u"\r\nshort\r\n") + longLine(80'000) +
                QStringLiteral(u"\r\n") + longLine(70'000).mid(3));
    text->setFocus();
    const auto edit = reference();
    auto click = [&](QWidget *viewport, QPoint at, Qt::KeyboardModifiers mods) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            sendLeftButton(viewport, type, at, mods);
    };
    struct Step
    {
        std::string what;
        std::function<void(QPlainTextEdit *, QWidget *viewport)> act;
        int times = 1;
    };
    auto press = [](int k, Qt::KeyboardModifiers mods = {}) {
        return [k, mods](QPlainTextEdit *widget, QWidget *) {
            QKeyEvent event(QEvent::KeyPress, k, mods);
            QApplication::sendEvent(widget, &event);
        };
    };
    auto clickAt = [&](int across, QPoint at, Qt::KeyboardModifiers mods = {}) {
        return [=, &click](QPlainTextEdit *widget, QWidget *viewport) {
            widget->horizontalScrollBar()->setValue(across);
            QApplication::processEvents();
            click(viewport, at, mods);
        };
    };
    const int far = text->horizontalScrollBar()->maximum() / 2;
    const std::vector<Step> steps = {
        {"click far along the first line", clickAt(far, QPoint(300, 5))},
        {"right, past what the block held", press(Qt::Key_Right), 400},
        {"shift+left back over it", press(Qt::Key_Left, Qt::ShiftModifier), 600},
        {"down to the short line", press(Qt::Key_Down)},
        {"down to the third line", press(Qt::Key_Down)},
        {"shift+down", press(Qt::Key_Down, Qt::ShiftModifier)},
        {"page up", press(Qt::Key_PageUp)},
        {"end", press(Qt::Key_End)},
        {"shift+home", press(Qt::Key_Home, Qt::ShiftModifier)},
        {"click at the start", clickAt(0, QPoint(40, 5))},
        {"word by word", press(Qt::Key_Right, Qt::ControlModifier), 40},
        {"shift+click far right", clickAt(far / 3, QPoint(600, 25), Qt::ShiftModifier)},
        {"a long word at once", press(Qt::Key_Right, Qt::ControlModifier)},
        {"click on the long word", clickAt(far / 2, QPoint(200, 5))},
        {"over the long word's end", press(Qt::Key_Right, Qt::ControlModifier), 2},
        {"back over its start", press(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier), 3},
        {"end of the text", press(Qt::Key_End, Qt::ControlModifier)},
        {"home", press(Qt::Key_Home)},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        for (int i = 0; i < step.times; ++i) {
            step.act(edit.get(), edit->viewport());
            step.act(text, text->viewport());
        }
        QApplication::processEvents();
        ASSERT_EQ(placeInView(), placeIn(*edit));
        EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect().center()));
        EXPECT_EQ(textMismatch(text, RB1).toStdString(), std::string());
    }
}

// A drag from a long line past the view's right edge selects from where it began to as far as the
// view scrolls along the line, and back again past the left edge.
TEST_F(LongLines, ADragAcrossTheEdgesSelectsFromWhereItBegan)
{
    RB1.setText(QStringLiteral(u"short\r\n") + longLine(200'000) + QStringLiteral(u"\r\nend"));
    text->setFocus();
    QWidget *port = text->viewport();
    auto mouse = [&](QEvent::Type type, QPoint at) { sendLeftButton(port, type, at); };
    // A click first: a press inside the selection would start dragging the selected text.
    auto dragTo = [&](QPoint from, QPoint outside, auto reached) {
        mouse(QEvent::MouseButtonPress, from);
        mouse(QEvent::MouseButtonRelease, from);
        mouse(QEvent::MouseButtonPress, from);
        holdLeftButtonAt(port, outside, reached);
        QApplication::processEvents();
    };
    auto pointOf = [&](qsizetype position) {
        QTextCursor cursor(text->document());
        cursor.setPosition(text->toQt(position));
        return text->cursorRect(cursor).center();
    };
    text->horizontalScrollBar()->setValue(40'000);
    QApplication::processEvents();
    const int y = pointOf(RB1.lineStart(1)).y();
    const qsizetype pressed = text->toModel(text->cursorForPosition(QPoint(100, y)).position());
    const qsizetype far = pressed + 2'000;
    dragTo(pointOf(pressed), QPoint(port->width() + 400, y),
           [&] { return RB1.selStart() + RB1.selLength() > far; });
    EXPECT_EQ(RB1.selStart(), pressed);
    const qsizetype right = RB1.selStart() + RB1.selLength();
    EXPECT_GT(right, far);
    EXPECT_EQ(text->toModel(text->textCursor().position()), right);
    text->copy();
    EXPECT_TRUE(QApplication::clipboard()->text() == RB1.text().mid(pressed, right - pressed));

    const qsizetype from = text->toModel(text->cursorForPosition(QPoint(200, y)).position());
    dragTo(QPoint(200, y), QPoint(-400, y), [&] { return RB1.selStart() < pressed - 2'000; });
    EXPECT_EQ(RB1.selStart() + RB1.selLength(), from);
    EXPECT_LT(RB1.selStart(), pressed - 2'000);
    EXPECT_EQ(text->toModel(text->textCursor().position()), RB1.selStart());
    EXPECT_EQ(textMismatch(text, RB1).toStdString(), std::string());
}

// Typing, deleting, selecting, colouring and undoing at the start, in the middle and at the end of
// a line of a million characters, and splitting it and joining it again: the lines on screen show
// the control's text in the control's colours after each edit, and the caret where it is.
TEST_F(LongLines, AMillionCharacterLineShowsEveryEdit)
{
    const QString line = longLine(1'000'000);
    for (const qsizetype place : {qsizetype(0), line.size() / 2, line.size()}) {
        SCOPED_TRACE(place);
        RB1.setText(line);
        ColorRuns runs;
        for (qsizetype at = 0; at < line.size(); at += 7)
            runs.push_back({at, (at / 7) % 2 ? 0xC80000u : 0x008000u});
        RB1.setColorRuns(runs);
        RB1.setSelStart(int(place));
        text->setFocus();
        const struct
        {
            const char *what;
            std::function<void()> edit;
        } steps[] = {
            {"typed", [&] { key(Qt::Key_X, {}, QStringLiteral(u"x")); }},
            {"typed again", [&] { key(Qt::Key_Y, {}, QStringLiteral(u"y")); }},
            {"backspace", [&] { key(Qt::Key_Backspace); }},
            {"delete", [&] { key(Qt::Key_Delete); }},
            {"selected and coloured",
             [&] {
                 RB1.setSelStart(std::max(0, RB1.selStart() - 5));
                 RB1.setSelLength(5);
                 RB1.setSelColor(0x0000FF);
             }},
            {"typed over the selection", [&] { key(Qt::Key_Z, {}, QStringLiteral(u"zz")); }},
            {"line split", [&] { key(Qt::Key_Return, {}, QStringLiteral(u"\r")); }},
            {"typed on the new line", [&] { key(Qt::Key_Q, {}, QStringLiteral(u"q")); }},
            {"joined again",
             [&] {
                 key(Qt::Key_Backspace);
                 key(Qt::Key_Backspace);
             }},
            {"undone", [&] { RB1.undo(); }},
            {"undone again", [&] { RB1.undo(); }},
            {"undone once more", [&] { RB1.undo(); }},
        };
        for (const auto &step : steps) {
            SCOPED_TRACE(step.what);
            step.edit();
            QApplication::processEvents();
            EXPECT_EQ(textMismatch(text, RB1).toStdString(), std::string());
            EXPECT_EQ(colourMismatch(text, RB1).toStdString(), std::string());
            EXPECT_EQ(text->toModel(text->textCursor().position()),
                      RB1.selStart() + RB1.selLength());
            EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect().center()));
        }
    }
}

// A long line pasted into an empty view is shown at its end, where the caret is, and scrolls
// across all of it; a text of many long lines, shown through a window, holds the right text in
// every line while it is scrolled down and up again far from the left edge.
TEST_F(LongLines, PastedAndWindowedLongLinesHoldTheirText)
{
    const QString line = longLine(700'000);
    QApplication::clipboard()->setText(line);
    text->setFocus();
    key(Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_EQ(RB1.text(), line);
    EXPECT_EQ(textMismatch(text, RB1).toStdString(), std::string());
    EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect().center()));
    EXPECT_EQ(text->horizontalScrollBar()->value(), text->horizontalScrollBar()->maximum());

    QString rows;
    for (int i = 0; i < 400; ++i)
        rows += QStringLiteral(u"%1 ").arg(i) + longLine(2000 + (i % 7) * 900) +
                QStringLiteral(u"\r\n");
    RB1.setText(rows);
    ASSERT_GT(RB1.length(), RichTextView::WholeText);
    text->horizontalScrollBar()->setValue(9'000);
    QScrollBar *lines = text->lineScrollBar();
    for (int top : {30, 90, 170, 250, 330, 380, 300, 200, 100, 20, 0}) {
        SCOPED_TRACE(top);
        lines->setValue(top);
        QApplication::processEvents();
        text->viewport()->grab();
        EXPECT_EQ(textMismatch(text, RB1).toStdString(), std::string());
        EXPECT_EQ(colourMismatch(text, RB1).toStdString(), std::string());
    }
}

// A line wider than text can be laid out (about 33 million pixels) is shown and scrolls as far as
// it can be; what lies beyond stays in the text, and a key at the line's end goes there.
TEST_F(LongLines, ALineTooWideToLayOutScrollsAsFarAsItCanBeShown)
{
    RB1.setText(longLine(6'000'000));
    text->setFocus();
    QScrollBar *across = text->horizontalScrollBar();
    EXPECT_GT(across->maximum(), RichTextView::WidestLine - 2 * text->viewport()->width());
    EXPECT_LE(across->maximum(), RichTextView::WidestLine);
    across->setValue(across->maximum());
    QApplication::processEvents();
    const QImage shown = text->viewport()->grab().toImage();
    const QRgb back = shown.pixel(shown.width() - 1, shown.height() - 1);
    int drawn = 0;
    for (int x = 0; x < shown.width(); ++x)
        drawn += shown.pixel(x, text->cursorRect().center().y()) != back;
    EXPECT_GT(drawn, 20); // text, not a blank line
    EXPECT_EQ(textMismatch(text, RB1).toStdString(), std::string());
    RB1.setSelStart(RB1.length());
    key(Qt::Key_Z, {}, QStringLiteral(u"z"));
    EXPECT_TRUE(RB1.text().endsWith(QStringLiteral(u"z")));
    EXPECT_EQ(RB1.length(), longLine(6'000'000).size() + 1);
}
