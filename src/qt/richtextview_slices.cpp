// Long lines held in their blocks only in part: the columns around the view and the caret.

#include "qt/qtconvert.h"
#include "qt/richtextview.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

namespace {
// A slice holds at least this much (1/64 pixel), and at least the view's width, on either side of
// the view; it is made again once the view comes within half of that of its edge.
constexpr qint64 SideMinimum = 512 * 64;
// Characters a caret keeps between it and its block's edges, so that no key moving by a character
// leaves the block's columns.
constexpr qsizetype CaretRoom = 64;

bool pairAt(QStringView text, qsizetype i)
{
    return i >= 0 && i + 1 < text.size() && QChar::isHighSurrogate(text[i].unicode()) &&
           QChar::isLowSurrogate(text[i + 1].unicode());
}

bool isWordMove(QKeyEvent *event)
{
    return event == QKeySequence::MoveToNextWord || event == QKeySequence::MoveToPreviousWord ||
           event == QKeySequence::SelectNextWord || event == QKeySequence::SelectPreviousWord;
}

bool isLineMove(QKeyEvent *event)
{
    return event == QKeySequence::MoveToNextLine || event == QKeySequence::MoveToPreviousLine ||
           event == QKeySequence::SelectNextLine || event == QKeySequence::SelectPreviousLine ||
           event == QKeySequence::MoveToNextPage || event == QKeySequence::MoveToPreviousPage ||
           event == QKeySequence::SelectNextPage || event == QKeySequence::SelectPreviousPage;
}
} // namespace

qsizetype RichTextView::lineLength(int line) const
{
    const qsizetype start = m_box.lineStart(line);
    const qsizetype end =
        line + 1 < m_box.lineCount() ? m_box.lineStart(line + 1) - 2 : m_box.length();
    return end - start;
}

LineGeometry::Reader RichTextView::lineReader(int line) const
{
    const qsizetype start = m_box.lineStart(line);
    return [this, start](qsizetype from, qsizetype to) {
        return m_box.span(start + from, start + to);
    };
}

const CharAdvances &RichTextView::advances() const
{
    if (!m_advances)
        m_advances = std::make_unique<CharAdvances>(
            document()->defaultFont(), document()->defaultTextOption().tabStopDistance());
    return *m_advances;
}

std::pair<qint64, qint64> RichTextView::sliceSpan() const
{
    const qint64 left = qint64(horizontalScrollBar()->value()) * 64;
    const qint64 width = qint64(viewport()->width()) * 64;
    const qint64 side = std::max(SideMinimum, width);
    return {std::max<qint64>(0, left - side), left + width + side};
}

std::unique_ptr<SlicedLine> RichTextView::sliceLine(int line, qint64 left, qint64 right) const
{
    auto slice = std::make_unique<SlicedLine>();
    slice->geometry.reset(lineLength(line), lineReader(line), advances());
    chooseColumns(*slice, line, left, right);
    return slice;
}

void RichTextView::chooseColumns(SlicedLine &slice, int line, qint64 left, qint64 right) const
{
    const LineGeometry::Reader read = lineReader(line);
    const CharAdvances &measure = advances();
    const LineGeometry &geometry = slice.geometry;
    const qsizetype length = geometry.length();
    left = std::min(left, WidestLine * 64);
    right = std::min(right, WidestLine * 64);
    qsizetype from = geometry.columnAt(left, read, measure);
    qsizetype to = std::min(length, geometry.columnAt(right, read, measure) + 1);
    // A surrogate pair stays whole.
    if (from > 0 && from < length && pairAt(read(from - 1, from + 1), 0))
        --from;
    if (to > 0 && to < length && pairAt(read(to - 1, to + 1), 0))
        ++to;
    slice.from = from;
    slice.to = to;
    slice.x = geometry.xAt(from, read, measure);
    slice.sliceWidth = geometry.xAt(to, read, measure) - slice.x;
    slice.lineWidth = geometry.width(measure);
    slice.tabs = read(from, to).contains(u'\t');
}

QString RichTextView::linesText(int from, int to, Slices &slices) const
{
    slices.clear();
    slices.resize(std::size_t(std::max(0, to - from)));
    const qsizetype start = m_box.lineStart(from);
    // The last line without its line end: the document has no empty line after it.
    const qsizetype end = to >= m_box.lineCount() ? m_box.length() : m_box.lineStart(to) - 2;
    if (end - start <= LongLine)
        return toLf(m_box.span(start, end));
    // Runs of short lines go in as they are; each long line as its slice.
    const auto [left, right] = sliceSpan();
    QString text;
    int run = from;
    auto flush = [&](int upTo) {
        if (upTo > run) {
            const qsizetype last =
                upTo >= m_box.lineCount() ? m_box.length() : m_box.lineStart(upTo) - 2;
            text += toLf(m_box.span(m_box.lineStart(run), last));
        }
    };
    for (int line = from; line < to; ++line) {
        if (lineLength(line) <= LongLine)
            continue;
        flush(line);
        if (line > run)
            text += u'\n';
        std::unique_ptr<SlicedLine> slice = sliceLine(line, left, right);
        const qsizetype lineStart = m_box.lineStart(line);
        text += m_box.span(lineStart + slice->from, lineStart + slice->to);
        slices[std::size_t(line - from)] = std::move(slice);
        if (line + 1 < to)
            text += u'\n';
        run = line + 1;
    }
    flush(to);
    return text;
}

void RichTextView::attachSlices(int first, Slices &slices)
{
    QTextBlock block = document()->findBlockByNumber(first - m_first);
    for (std::unique_ptr<SlicedLine> &slice : slices) {
        if (!block.isValid())
            break;
        if (slice) {
            m_sliced = true;
            block.setUserData(slice.release());
        } else if (block.userData()) {
            block.setUserData(nullptr);
        }
        block = block.next();
    }
    updateLongLineWidth();
}

void RichTextView::replaceLines(int line, int oldCount, int newCount)
{
    const QTextBlock first = document()->findBlockByNumber(line - m_first);
    const QTextBlock last = document()->findBlockByNumber(line - m_first + oldCount - 1);
    QTextCursor cursor(document());
    cursor.setPosition(first.position());
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    Slices slices;
    const QString text = linesText(line, line + newCount, slices);
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    attachSlices(line, slices);
}

bool RichTextView::editInLine(QTextBlock block, qsizetype column,
                              const RichTextBox::TextChange &change)
{
    SlicedLine *slice = SlicedLine::of(block);
    const int line = m_first + block.blockNumber();
    if (!slice || column < slice->from || column + change.removed > slice->to ||
        lineLength(line) <= LongLine)
        return false;
    // The figures first: laying the block out after the edit places it by them.
    const LineGeometry::Reader read = lineReader(line);
    const qint64 oldWidth = slice->lineWidth;
    slice->geometry.replace(column, change.removed, change.inserted, read, advances());
    slice->to += change.inserted - change.removed;
    slice->sliceWidth = slice->geometry.xAt(slice->to, read, advances()) - slice->x;
    slice->lineWidth = slice->geometry.width(advances());
    slice->tabs = read(slice->from, slice->to).contains(u'\t');
    QTextCursor cursor(document());
    cursor.setPosition(block.position() + int(column - slice->from));
    cursor.setPosition(block.position() + int(column + change.removed - slice->from),
                       QTextCursor::KeepAnchor);
    const QString inserted = m_box.mid(change.start, change.inserted);
    if (inserted.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(inserted);
    // The widest line stays known without a look at the others, unless it was this one and shrank.
    if (slice->lineWidth >= m_longLineWidth) {
        m_longLineWidth = slice->lineWidth;
        m_layout->setLongLineWidth(qreal(std::min(m_longLineWidth, WidestLine * 64)) / 64);
    } else if (oldWidth == m_longLineWidth) {
        updateLongLineWidth();
    }
    return true;
}

void RichTextView::updateLongLineWidth()
{
    qint64 widest = 0;
    if (m_sliced) {
        for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
            if (const SlicedLine *slice = SlicedLine::of(block))
                widest = std::max(widest, slice->lineWidth);
    }
    m_longLineWidth = widest;
    m_layout->setLongLineWidth(qreal(std::min(widest, WidestLine * 64)) / 64);
}

bool RichTextView::coverBlock(QTextBlock block, qint64 left, qint64 right)
{
    SlicedLine *slice = SlicedLine::of(block);
    if (!slice)
        return false;
    const qsizetype length = slice->geometry.length();
    const qint64 room = std::max(SideMinimum, qint64(viewport()->width()) * 64) / 2;
    const bool holdsLeft = slice->from == 0 || slice->x <= left + room;
    const bool holdsRight = slice->to == length || slice->x + slice->sliceWidth >= right - room;
    if (holdsLeft && holdsRight)
        return false;
    const int line = m_first + block.blockNumber();
    const qsizetype oldFrom = slice->from;
    const qsizetype oldTo = slice->to;
    chooseColumns(*slice, line, left, right);
    if (slice->from == oldFrom && slice->to == oldTo)
        return false;
    const QScopedValueRollback guard(m_syncing, true);
    const qsizetype lineStart = m_box.lineStart(line);
    QTextCursor cursor(document());
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(m_box.span(lineStart + slice->from, lineStart + slice->to).toString());
    block.setUserState(-1); // coloured again when painted
    return true;
}

void RichTextView::coverView(int around, qint64 x)
{
    if (!m_sliced)
        return;
    auto [left, right] = sliceSpan();
    if (x >= 0) {
        // Around the place alone: the view follows the caret there.
        const qint64 side = (right - left) / 2;
        left = std::max<qint64>(0, x - side);
        right = x + side;
    }
    QTextBlock block = firstVisibleBlock();
    for (int i = 0; i < around && block.previous().isValid(); ++i)
        block = block.previous();
    const int count = visibleLines() + 2 + 2 * around;
    const int verticalX = textCursor().verticalMovementX();
    bool moved = false;
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next())
        moved = coverBlock(block, left, right) || moved;
    // The widget's cursor and anchor are put back on their columns, the view left where it is.
    if (moved) {
        syncSelectionInPlace(verticalX);
        viewport()->update();
    }
}

void RichTextView::sliceOnCaret()
{
    if (!m_sliced)
        return;
    const int line = m_box.lineAt(m_caret);
    if (line < m_first || line >= m_first + document()->blockCount())
        return;
    QTextBlock block = document()->findBlockByNumber(line - m_first);
    const SlicedLine *slice = SlicedLine::of(block);
    if (!slice)
        return;
    const qsizetype column = m_caret - m_box.lineStart(line);
    const bool roomLeft = slice->from == 0 || column - slice->from >= CaretRoom;
    const bool roomRight = slice->to == slice->geometry.length() || slice->to - column >= CaretRoom;
    if (roomLeft && roomRight)
        return;
    // Around the caret, as far on either side as around the view.
    const qint64 x = slice->geometry.xAt(column, lineReader(line), advances());
    const auto [left, right] = sliceSpan();
    const qint64 side = (right - left) / 2;
    const int verticalX = textCursor().verticalMovementX();
    coverBlock(block, std::max<qint64>(0, x - side), x + side);
    syncSelection(verticalX);
}

bool RichTextView::lineKey(QKeyEvent *event)
{
    if (!m_sliced)
        return false;
    const bool home =
        event == QKeySequence::MoveToStartOfLine || event == QKeySequence::SelectStartOfLine;
    const bool end =
        event == QKeySequence::MoveToEndOfLine || event == QKeySequence::SelectEndOfLine;
    if (isLineMove(event)) {
        // The lines a move up or down may reach hold the place the caret keeps across them.
        const QTextCursor cursor = textCursor();
        int x = cursor.verticalMovementX();
        if (x < 0) {
            const QTextLine line =
                cursor.block().layout()->lineForTextPosition(cursor.positionInBlock());
            x = line.isValid() ? int(line.cursorToX(cursor.positionInBlock())) : 0;
        }
        const qreal margin = document()->documentMargin();
        coverView(visibleLines() + 1, std::max<qint64>(0, qint64((x - margin) * 64)));
        return false;
    }
    if (!home && !end)
        return false;
    reportSelection();
    const int line = m_box.lineAt(m_caret);
    if (line < m_first || line >= m_first + document()->blockCount() ||
        !SlicedLine::of(document()->findBlockByNumber(line - m_first)))
        return false;
    const qsizetype target = m_box.lineStart(line) + (home ? 0 : lineLength(line));
    const bool select =
        event == QKeySequence::SelectStartOfLine || event == QKeySequence::SelectEndOfLine;
    selectByUser(select ? m_anchor : target, target);
    sliceOnCaret();
    syncSelection();
    ensureCursorVisible();
    return true;
}

void RichTextView::afterMove(QKeyEvent *event)
{
    // A word move stops at the edge of a block's columns as at a word's: it goes on from there.
    for (int turn = 0; m_sliced && isWordMove(event) && turn < 1000; ++turn) {
        const QTextCursor cursor = textCursor();
        const QTextBlock block = cursor.block();
        const SlicedLine *slice = SlicedLine::of(block);
        if (!slice)
            return;
        const int at = cursor.positionInBlock();
        const bool innerStart = at == 0 && slice->from > 0;
        const bool innerEnd = at == block.length() - 1 && slice->to < slice->geometry.length();
        if (!innerStart && !innerEnd)
            return;
        sliceOnCaret();
        QPlainTextEdit::keyPressEvent(event);
    }
}
