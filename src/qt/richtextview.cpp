#include "qt/richtextview.h"

#include "qt/qtconvert.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <tuple>
#include <utility>

namespace {
// A window holds the lines in view and this many on either side; it moves once the lines in view
// come within Edge lines of its end (unless that end is the text's).
constexpr int Margin = 2000;
constexpr int Edge = 500;
// Besides the lines in view, a window holds at most this many characters on either side: the
// widget's document takes every character it holds, so a text of few but very long lines (cell
// data of a thousand cells a row) would otherwise go into it whole.
constexpr qsizetype SideCharacters = RichTextView::WholeText / 2;
} // namespace

RichTextView::RichTextView(RichTextBox &box, QWidget *parent) : QPlainTextEdit(parent), m_box(box)
{
    auto *doc = new QTextDocument(this);
    m_layout = new ColouredLayout(doc);
    doc->setDocumentLayout(m_layout);
    setDocument(doc);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    document()->setUndoRedoEnabled(false);
    m_lineBar = new QScrollBar(Qt::Vertical, this);
    m_lineBar->hide();

    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] { reportSelection(); });
    connect(this, &QPlainTextEdit::selectionChanged, this, [this] { reportSelection(); });
    // Any scrolling, the user's or the caret's, is what the control's first visible line reports.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { internalScrolled(value); });
    // Paging scrolls with the scroll bar's signals blocked; the widget then reports only the
    // repaint of the scrolled lines.
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect &, int dy) {
        if (dy != 0)
            internalScrolled(verticalScrollBar()->value());
    });
    // Scrolled across, the long lines in view take the columns now in view: at once when the
    // user scrolls, after the widget is done when a key or a drag scrolls.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!m_sliced || m_coverScheduled)
            return;
        m_coverScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_coverScheduled = false;
            coverView();
        });
    });
    connect(m_lineBar, &QScrollBar::valueChanged, this, [this](int line) {
        if (!m_scrolling)
            showLine(line);
    });
    // The document changes only to mirror the control; anything else (a drag moving text out)
    // is undone by showing the control's text again.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (!m_syncing && removed != added)
            QTimer::singleShot(0, this, [this] { refresh(Property::Text); });
    });
}

int RichTextView::windowLineCount() const
{
    return document()->blockCount();
}

QScrollBar *RichTextView::lineScrollBar() const
{
    return m_windowed ? m_lineBar : verticalScrollBar();
}

qsizetype RichTextView::toModel(int qtPosition) const
{
    const QTextBlock block = document()->findBlock(qtPosition);
    if (!block.isValid())
        return m_box.length();
    qsizetype column = qtPosition - block.position();
    if (const SlicedLine *slice = SlicedLine::of(block))
        column += slice->from;
    return m_box.lineStart(m_first + block.blockNumber()) + column;
}

int RichTextView::toQt(qsizetype modelPosition) const
{
    // The window's nearest end for a position outside it, the block's nearest column for a
    // column its block does not hold; a position between CR and LF lands at the end of the line.
    const QTextDocument *doc = document();
    const int line = m_box.lineAt(modelPosition);
    if (line < m_first)
        return 0;
    if (line >= m_first + doc->blockCount())
        return doc->characterCount() - 1;
    const QTextBlock block = doc->findBlockByNumber(line - m_first);
    qsizetype column = modelPosition - m_box.lineStart(line);
    if (const SlicedLine *slice = SlicedLine::of(block))
        column = std::clamp(column, slice->from, slice->to) - slice->from;
    return block.position() + int(std::clamp<qsizetype>(column, 0, block.length() - 1));
}

void RichTextView::refreshAll()
{
    for (Property p : {Property::Colors, Property::Font, Property::Text, Property::Scroll})
        refresh(p);
}

void RichTextView::refresh(Property property)
{
    // A hidden view (on a page not shown) does not mirror a new text: it takes the control's text
    // as it stands when it is shown. Until then the selection and the lines in view are the
    // control's alone; the newer of the two is what the view shows first.
    const bool mirrored = property == Property::Text || property == Property::Selection
                          || property == Property::Scroll || property == Property::ColorRuns;
    if (mirrored && (m_stale || (property == Property::Text && !isVisible()))) {
        m_stale = true;
        if (property == Property::Text || property == Property::Selection)
            m_caretFirst = true;
        else if (property == Property::Scroll)
            m_caretFirst = false;
        return;
    }
    switch (property) {
    case Property::Text:
        syncText();
        break;
    case Property::Selection:
        // A selection set by code is shown where it is.
        syncSelection();
        showCaret();
        prepareEditAtCaret();
        break;
    case Property::ColorRuns:
        recolour(m_box.lastColorChange().start, m_box.lastColorChange().end);
        break;
    case Property::Scroll:
        syncScroll();
        break;
    case Property::Colors:
        applyColors();
        break;
    case Property::Font: {
        // Source text needs no ligatures or kerning: glyphs come straight from the font's table
        // instead of through the shaper, which costs most of the time of laying out a line.
        // No kerning either: each character then has an advance of its own, so that the places
        // along a long line are known without laying it out.
        QFont font = toQFont(m_box.font());
        font.setStyleStrategy(QFont::PreferNoShaping);
        font.setKerning(false);
        setFont(font);
        m_advances.reset();
        // The long lines are measured again in the new font.
        if (m_sliced && !m_stale) {
            const int top = m_first + verticalScrollBar()->value();
            loadWindow(top);
            showLine(top);
            syncSelection();
        }
        updateLineBar();
        break;
    }
    default:
        break;
    }
}

void RichTextView::syncText()
{
    const RichTextBox::TextChange &change = m_box.lastChange();
    // A window loaded again keeps the line in view; a new text starts at its top.
    const int top = change.whole ? 0 : m_first + verticalScrollBar()->value();
    bool mirrored = false;
    {
        const QScopedValueRollback guard(m_syncing, true);
        mirrored = applyChange(change);
    }
    if (!mirrored) {
        const int line = std::min(top, m_box.lineCount() - 1);
        loadWindow(line);
        showLine(line);
    }
    updateLineBar();
    syncSelection();
    // The caret the edit leaves is shown: where the user typed, or where a command put it.
    showCaret();
    if (mirrored) {
        // The colours moved with their text: only the lines the edit went through are coloured
        // again, and the widget repaints what its document changed.
        recolour(change.start, change.start + change.inserted);
    } else {
        viewport()->update();
    }
}

void RichTextView::recolour(qsizetype start, qsizetype end)
{
    const qsizetype windowLast = windowEnd();
    if (std::max(start, m_winStart) > std::min(end, windowLast))
        return; // outside the window: nothing of it is shown
    QTextBlock block = document()->findBlock(toQt(std::max(start, m_winStart)));
    const QTextBlock last = document()->findBlock(toQt(std::min(end, windowLast)));
    if (block != last) {
        ++m_colourGeneration;
        viewport()->update();
        return;
    }
    // One line: it takes its colours when next painted, and is painted again.
    block.setUserState(-1);
    const QRectF shown = blockBoundingGeometry(block).translated(contentOffset());
    if (shown.bottom() >= 0 && shown.top() <= viewport()->height())
        viewport()->update(0, int(shown.top()), viewport()->width(), int(shown.height()) + 1);
}

void RichTextView::showEvent(QShowEvent *event)
{
    QPlainTextEdit::showEvent(event);
    if (!m_stale)
        return;
    m_stale = false;
    const int line = std::min(m_box.firstVisibleLine(), m_box.lineCount() - 1);
    loadWindow(line);
    showLine(line);
    syncSelection();
    if (m_caretFirst)
        showCaret();
    viewport()->update();
}

qsizetype RichTextView::windowEnd() const
{
    const int last = m_first + document()->blockCount() - 1;
    return m_box.lineStart(last) + lineLength(last);
}

// Applies a piecewise change to the document, which still shows the old text; false when the
// window must be loaded again instead. The edit is found by lines: the text before it is as it
// was, so its first line and that line's start are the same in the old text and the new.
bool RichTextView::applyChange(const RichTextBox::TextChange &change)
{
    // Only the edited lines are read: the whole text of a long source is held in two parts.
    const qsizetype n = m_box.length();
    if (change.whole || change.start + change.inserted > n)
        return false;
    const qsizetype delta = change.inserted - change.removed;
    const int line = m_box.lineAt(change.start);
    const int removedLines = int(change.removedText.count(u'\n'));
    const int insertedLines =
        int(m_box.span(change.start, change.start + change.inserted).count(u'\n'));
    const int count = document()->blockCount();
    if (m_windowed && line + removedLines < m_first) {
        // Before the window: its lines move, its text stays.
        m_first += insertedLines - removedLines;
        m_winStart += delta;
        return true;
    }
    if (m_windowed && line >= m_first + count)
        return true; // behind the window: nothing of it shows
    if (line < m_first || line + removedLines >= m_first + count)
        return false;
    // A text grown long is shown through a window from now on, and a window takes no more
    // lines at once than it holds: the document would hold them all, at great cost.
    if (m_windowed ? insertedLines > Margin || change.inserted > 2 * SideCharacters
                   : n > WholeText)
        return false;
    auto loneLineEnd = [&](qsizetype i) {
        if (i < 0 || i >= n)
            return false;
        if (m_box.charAt(i) == u'\r')
            return i + 1 >= n || m_box.charAt(i + 1) != u'\n';
        if (m_box.charAt(i) == u'\n')
            return i == 0 || m_box.charAt(i - 1) != u'\r';
        return false;
    };
    // A change that split a CR LF has no piecewise picture in Qt's lines.
    for (qsizetype i = change.start - 1; i <= change.start + change.inserted; ++i)
        if (loneLineEnd(i))
            return false;
    const QTextBlock block = document()->findBlockByNumber(line - m_first);
    const qsizetype column = change.start - m_box.lineStart(line);
    if (removedLines == 0 && insertedLines == 0 && editInLine(block, column, change))
        return true;
    // Lines held in part, before or after the edit, are made again whole; other lines take the
    // edit as it is.
    bool sliced = false;
    QTextBlock last = block;
    for (int i = 0;; ++i, last = last.next()) {
        sliced = sliced || SlicedLine::of(last);
        if (i == removedLines)
            break;
    }
    for (int i = 0; i <= insertedLines && !sliced; ++i)
        sliced = lineLength(line + i) > LongLine;
    if (sliced) {
        replaceLines(line, removedLines + 1, insertedLines + 1);
    } else {
        const qsizetype endColumn = removedLines == 0
                                        ? column + change.removed
                                        : change.removedText.size()
                                              - (change.removedText.lastIndexOf(u'\n') + 1);
        QTextCursor cursor(document());
        cursor.setPosition(block.position() + int(column));
        cursor.setPosition(last.position() + int(endColumn), QTextCursor::KeepAnchor);
        const QString inserted = toLf(m_box.span(change.start, change.start + change.inserted));
        if (inserted.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertText(inserted);
    }
    // A window grown far beyond its size by a long paste is made again.
    if (m_windowed && (document()->blockCount() > 4 * Margin + visibleLines()
                       || document()->characterCount() > 8 * SideCharacters))
        return false;
    return document()->blockCount() == count + insertedLines - removedLines;
}

void RichTextView::loadWindow(int line)
{
    const bool windowed = m_box.length() > WholeText;
    int first = 0;
    int last = m_box.lineCount(); // one past the window's last line
    if (windowed)
        std::tie(first, last) = windowAround(line);
    {
        const QScopedValueRollback guard(m_syncing, true);
        const QScopedValueRollback scrolling(m_scrolling, true);
        m_first = first;
        m_winStart = m_box.lineStart(first);
        if (windowed != m_windowed) {
            m_windowed = windowed;
            setVerticalScrollBarPolicy(windowed ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
            m_lineBar->setVisible(windowed);
            placeLineBar();
        }
        Slices slices;
        setPlainText(linesText(first, last, slices));
        m_sliced = false;
        attachSlices(first, slices);
        m_shownAnchor = m_shownCaret = -1;
    }
    m_edge = edgeOf(line, first, last);
    ++m_colourGeneration;
    updateLineBar();
}

bool RichTextView::slideWindow(int line)
{
    const auto [first, last] = windowAround(line);
    const int oldFirst = m_first;
    const int oldLast = m_first + document()->blockCount();
    if (!m_windowed || first >= oldLast || last <= oldFirst)
        return false;
    {
        const QScopedValueRollback guard(m_syncing, true);
        const QScopedValueRollback scrolling(m_scrolling, true);
        Slices head;
        Slices tail;
        // Lines put in before the first one take over its block, and what it carries with it.
        std::unique_ptr<SlicedLine> firstSlice;
        if (first < oldFirst)
            if (const SlicedLine *slice = SlicedLine::of(document()->firstBlock()))
                firstSlice = std::make_unique<SlicedLine>(*slice);
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        // The end first, so that the block numbers counted from the start still hold.
        if (last < oldLast) {
            const QTextBlock kept = document()->findBlockByNumber(last - oldFirst - 1);
            cursor.setPosition(kept.position() + kept.length() - 1);
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        } else if (last > oldLast) {
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(u'\n' + linesText(oldLast, last, tail));
        }
        cursor.setPosition(0);
        if (first > oldFirst) {
            cursor.setPosition(document()->findBlockByNumber(first - oldFirst).position(),
                               QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        } else if (first < oldFirst) {
            cursor.insertText(linesText(first, oldFirst, head) + u'\n');
        }
        cursor.endEditBlock();
        m_first = first;
        m_winStart = m_box.lineStart(first);
        if (!tail.empty())
            attachSlices(oldLast, tail);
        if (!head.empty()) {
            head.push_back(std::move(firstSlice));
            attachSlices(first, head);
        }
    }
    m_edge = edgeOf(line, first, last);
    ++m_colourGeneration;
    return true;
}

std::pair<int, int> RichTextView::windowAround(int line) const
{
    const int lines = m_box.lineCount();
    const int shownEnd = std::min(lines, line + visibleLines());
    int first = std::max(0, line - Margin);
    int last = std::min(lines, shownEnd + Margin);
    // Only whole lines that end within SideCharacters of the lines in view.
    const qsizetype top = m_box.lineStart(line);
    if (top - SideCharacters > 0)
        first = std::max(first, std::min(line, m_box.lineAt(top - SideCharacters) + 1));
    if (shownEnd < lines) {
        const qsizetype bottom = m_box.lineStart(shownEnd);
        if (bottom + SideCharacters < m_box.length())
            last = std::min(last, std::max(shownEnd, m_box.lineAt(bottom + SideCharacters)));
    }
    return {first, last};
}

int RichTextView::edgeOf(int line, int first, int last) const
{
    // A side that stops at the text's end never moves; the other sides move once the view comes
    // within a quarter of what they hold (at most Edge lines).
    const int lines = m_box.lineCount();
    const int above = first > 0 ? line - first : Margin;
    const int below = last < lines ? last - (line + visibleLines()) : Margin;
    return std::clamp(std::min(above, below) / 4, 1, Edge);
}

int RichTextView::visibleLines() const
{
    const int lineHeight = std::max(1, fontMetrics().lineSpacing());
    return std::max(1, viewport()->height() / lineHeight);
}

void RichTextView::placeLineBar()
{
    const int width = m_windowed ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    setViewportMargins(0, 0, width, 0);
    const QRect area = contentsRect();
    m_lineBar->setGeometry(area.right() + 1 - width, area.top(), width,
                           area.height() - (horizontalScrollBar()->isVisible()
                                                ? horizontalScrollBar()->height()
                                                : 0));
}

void RichTextView::updateLineBar()
{
    if (!m_windowed)
        return;
    const QScopedValueRollback scrolling(m_scrolling, true);
    const int page = visibleLines();
    m_lineBar->setRange(0, std::max(0, m_box.lineCount() - page));
    m_lineBar->setPageStep(page);
    m_lineBar->setSingleStep(1);
    m_lineBar->setValue(m_first + verticalScrollBar()->value());
}

void RichTextView::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    placeLineBar();
    updateLineBar();
}

void RichTextView::showLine(int line)
{
    if (!m_windowed) {
        verticalScrollBar()->setValue(line);
        return;
    }
    const int lines = m_box.lineCount();
    line = std::clamp(line, 0, std::max(0, lines - 1));
    const int count = document()->blockCount();
    const bool nearTop = line - m_first < m_edge && m_first > 0;
    const bool nearBottom =
        m_first + count - (line + visibleLines()) < m_edge && m_first + count < lines;
    const bool moves = line < m_first || line >= m_first + count || nearTop || nearBottom;
    // A window moved keeps the columns in view: the document made anew, and the caret put back
    // into it, would bring the view back to the left edge.
    const int left = horizontalScrollBar()->value();
    if (moves) {
        if (!m_dragging || !slideWindow(line))
            loadWindow(line);
        syncSelection();
    }
    {
        const QScopedValueRollback scrolling(m_scrolling, true);
        verticalScrollBar()->setValue(line - m_first);
    }
    if (moves && horizontalScrollBar()->value() != left)
        scrollAcrossTo(left);
    const int shown = m_first + verticalScrollBar()->value();
    {
        const QScopedValueRollback scrolling(m_scrolling, true);
        m_lineBar->setValue(shown);
    }
    m_box.viewScrolledTo(shown);
}

void RichTextView::scrollAcrossTo(int left)
{
    // The width the horizontal bar covers grows as lines are laid out: the lines in view are laid
    // out first, so that it reaches as far as they do.
    QTextBlock block = firstVisibleBlock();
    QAbstractTextDocumentLayout *layout = document()->documentLayout();
    for (int i = 0; block.isValid() && i <= visibleLines(); ++i, block = block.next())
        layout->blockBoundingRect(block);
    horizontalScrollBar()->setValue(left);
}

void RichTextView::internalScrolled(int value)
{
    if (m_scrolling)
        return;
    const int line = m_first + value;
    if (m_windowed) {
        const QScopedValueRollback scrolling(m_scrolling, true);
        m_lineBar->setValue(line);
    }
    m_box.viewScrolledTo(line);
    moveWindowIfNearItsEdge();
}

void RichTextView::moveWindowIfNearItsEdge()
{
    if (!m_windowed || m_moveScheduled)
        return;
    const int top = verticalScrollBar()->value();
    const int count = document()->blockCount();
    const bool nearTop = top < m_edge && m_first > 0;
    const bool nearBottom =
        count - (top + visibleLines()) < m_edge && m_first + count < m_box.lineCount();
    if (!nearTop && !nearBottom)
        return;
    // Not inside the scroll that brought it there: the widget may be in the middle of moving
    // its cursor.
    m_moveScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_moveScheduled = false;
        showLine(m_first + verticalScrollBar()->value());
    });
}

void RichTextView::mousePressEvent(QMouseEvent *event)
{
    m_dragging = false;
    QPlainTextEdit::mousePressEvent(event);
    // From here until the release the widget extends the selection from the anchor the press
    // set, also after the window has moved on under an auto-scrolling drag.
    reportSelection();
    m_dragging = event->button() == Qt::LeftButton;
}

void RichTextView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click selects a word, and dragging on extends the selection word by word.
    m_dragging = false;
    QPlainTextEdit::mouseDoubleClickEvent(event);
    reportSelection();
    m_dragging = event->button() == Qt::LeftButton;
    m_wordDrag = m_dragging && (m_windowed || m_sliced) && m_box.selLength() > 0;
    m_wordStart = m_box.selStart();
    m_wordEnd = m_box.selStart() + m_box.selLength();
}

void RichTextView::mouseMoveEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    if (!m_wordDrag || !m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    // The widget extends a word selection only while its document holds the word picked; in a
    // long text the view does it, from that word to the one under the mouse.
    QTextCursor at = cursorForPosition(event->position().toPoint());
    const qsizetype hit = toModel(at.position());
    if (hit >= m_wordEnd) {
        at.movePosition(QTextCursor::EndOfWord);
        selectByUser(m_wordStart, toModel(at.position()));
    } else if (hit < m_wordStart) {
        at.movePosition(QTextCursor::StartOfWord);
        selectByUser(m_wordEnd, toModel(at.position()));
    } else {
        selectByUser(m_wordStart, m_wordEnd);
    }
    // Shown where the view stands: the widget's auto-scroll moves the view, line by line.
    syncSelectionInPlace();
}

void RichTextView::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    m_dragging = false;
    m_wordDrag = false;
}

void RichTextView::syncSelection(int verticalX)
{
    const QScopedValueRollback guard(m_syncing, true);
    const qsizetype start = m_box.selStart();
    const qsizetype end = start + m_box.selLength();
    // A selection the control still holds keeps the direction the user gave it.
    if (std::min(m_anchor, m_caret) != start || std::max(m_anchor, m_caret) != end) {
        m_anchor = start;
        m_caret = end;
    }
    const int anchor = toQt(m_anchor);
    const int caret = toQt(m_caret);
    m_shownAnchor = anchor;
    m_shownCaret = caret;
    QTextCursor cursor = textCursor();
    if (cursor.anchor() == anchor && cursor.position() == caret)
        return;
    cursor.setPosition(anchor);
    cursor.setPosition(caret, QTextCursor::KeepAnchor);
    if (verticalX >= 0)
        cursor.setVerticalMovementX(verticalX);
    setTextCursor(cursor);
}

void RichTextView::syncSelectionInPlace(int verticalX)
{
    // Setting the widget's cursor scrolls the widget to it: the view is put back where it stood.
    const QScopedValueRollback scrolling(m_scrolling, true);
    const int top = verticalScrollBar()->value();
    const int left = horizontalScrollBar()->value();
    syncSelection(verticalX);
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(left);
}

void RichTextView::syncScroll()
{
    showLine(m_box.firstVisibleLine());
}

void RichTextView::applyColors()
{
    const QPalette system = QApplication::palette();
    QPalette palette = this->palette();
    const QColor back = toQColor(m_box.backColor(), system);
    const QColor fore = toQColor(m_box.foreColor(), system);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, back);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, fore);
    // A hidden selection is drawn with no brushes at all: the text keeps its colours.
    if (m_box.hideSelection()) {
        palette.setBrush(QPalette::Inactive, QPalette::Highlight, QBrush());
        palette.setBrush(QPalette::Inactive, QPalette::HighlightedText, QBrush());
    }
    setPalette(palette);
}

RichTextView::ModelSelection RichTextView::modelSelection(const QTextCursor &cursor) const
{
    const int anchor = cursor.anchor();
    const int caret = cursor.position();
    if (anchor == m_shownAnchor && caret == m_shownCaret)
        return {m_anchor, m_caret};
    // A drag keeps its anchor, wherever the window has moved since the press.
    if (m_dragging && (m_windowed || m_sliced) && anchor == m_shownAnchor)
        return {m_anchor, toModel(caret)};
    // A selection extended (Shift with a key or a click) keeps its anchor, wherever it is.
    if (anchor != caret && anchor == m_shownAnchor)
        return {m_anchor, toModel(caret)};
    return {toModel(anchor), toModel(caret)};
}

void RichTextView::reportSelection()
{
    if (m_syncing)
        return;
    const QTextCursor cursor = textCursor();
    const ModelSelection chosen = modelSelection(cursor);
    m_shownAnchor = cursor.anchor();
    m_shownCaret = cursor.position();
    selectByUser(chosen.anchor, chosen.caret);
}

void RichTextView::selectByUser(qsizetype anchor, qsizetype caret)
{
    m_anchor = anchor;
    m_caret = caret;
    const qsizetype start = std::min(anchor, caret);
    const qsizetype end = std::max(anchor, caret);
    if (start != m_box.selStart() || end - start != m_box.selLength()) {
        m_box.userSelected(int(start), int(end - start));
        prepareEditAtCaret();
    }
}

void RichTextView::prepareEditAtCaret()
{
    // Once, when the event loop is next idle: a drag or a command that sets the caret many times
    // moves the gap once, to where the caret ends up.
    if (m_editPrepared)
        return;
    m_editPrepared = true;
    QTimer::singleShot(0, this, [this] {
        m_editPrepared = false;
        m_box.prepareEditAt(m_box.selStart());
    });
}

void RichTextView::selectInModel(int qtFrom, int qtTo)
{
    selectByUser(toModel(qtFrom), toModel(qtTo));
}

void RichTextView::showCaret()
{
    windowOnCaret();
    ensureCursorVisible();
}

void RichTextView::windowOnCaret()
{
    if (m_windowed) {
        const int line = m_box.lineAt(m_caret);
        const int top = m_first + verticalScrollBar()->value();
        if (line < top || line >= top + visibleLines()) {
            showLine(std::max(0, line - visibleLines() / 2));
            syncSelection();
        }
    }
    sliceOnCaret();
}

void RichTextView::typeText(const QString &text)
{
    reportSelection();
    windowOnCaret();
    m_box.userTyped(text);
}

void RichTextView::deleteSelection()
{
    if (textCursor().hasSelection() || m_box.selLength() > 0)
        typeText(QString());
}

void RichTextView::cutToClipboard()
{
    reportSelection();
    if (m_box.selLength() == 0)
        return;
    QApplication::clipboard()->setText(m_box.selText());
    deleteSelection();
}

void RichTextView::pasteFromClipboard()
{
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty())
        typeText(text);
}

void RichTextView::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText())
        typeText(source->text());
}

QMimeData *RichTextView::createMimeDataFromSelection() const
{
    // The clipboard gets the control's text, CR LF line ends included; a selection reaching out
    // of the window is taken whole from the control.
    const ModelSelection chosen = modelSelection(textCursor());
    const qsizetype start = std::min(chosen.anchor, chosen.caret);
    const qsizetype end = std::max(chosen.anchor, chosen.caret);
    auto *data = new QMimeData;
    data->setText(m_box.mid(start, end - start));
    return data;
}
