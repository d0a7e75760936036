#include "qt/colouredlayout.h"

#include <QTextDocument>
#include <QTextLayout>

void ColouredLayout::setFormats(const QTextBlock &block,
                                const QList<QTextLayout::FormatRange> &formats)
{
    block.layout()->setFormats(formats);
    {
        const QScopedValueRollback settling(m_settling, true);
        document()->markContentsDirty(block.position(), block.length());
    }
    blockBoundingRect(block); // lays the block out again, with its new formats
}

void ColouredLayout::documentChanged(int from, int removed, int added)
{
    // Colours change no line's height nor width: the block is laid out by setFormats.
    if (m_settling)
        return;
    QPlainTextDocumentLayout::documentChanged(from, removed, added);
    // A block laid out again here lost its place.
    const QTextBlock last = document()->findBlock(from + added);
    for (QTextBlock block = document()->findBlock(from); block.isValid(); block = block.next()) {
        placeSlice(block);
        if (block == last)
            break;
    }
}

QRectF ColouredLayout::blockBoundingRect(const QTextBlock &block) const
{
    const QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
    return placeSlice(block) ? QPlainTextDocumentLayout::blockBoundingRect(block) : rect;
}

QSizeF ColouredLayout::documentSize() const
{
    QSizeF size = QPlainTextDocumentLayout::documentSize();
    if (m_longLineWidth > 0)
        size.setWidth(std::max(size.width(), m_longLineWidth + 2 * document()->documentMargin()));
    return size;
}

void ColouredLayout::setLongLineWidth(qreal width)
{
    if (width == m_longLineWidth)
        return;
    m_longLineWidth = width;
    emit documentSizeChanged(documentSize());
}

bool ColouredLayout::placeSlice(const QTextBlock &block) const
{
    const SlicedLine *slice = SlicedLine::of(block);
    QTextLayout *layout = block.layout();
    if (!slice || !layout || layout->lineCount() == 0)
        return false;
    const qreal margin = document()->documentMargin();
    const qreal x = margin + qreal(slice->x) / 64;
    if (slice->tabs && layout->textOption().tabs().isEmpty()) {
        // Tabs go on to stops counted from the line's start, not from the slice's: the stops are
        // given to the slice's layout where they fall in it.
        QTextOption option = document()->defaultTextOption();
        const qint64 distance = qint64(
            std::llround((option.tabStopDistance() > 0 ? option.tabStopDistance() : 80) * 64));
        QList<QTextOption::Tab> stops;
        for (qint64 stop = (slice->x / distance + 1) * distance;
             stop <= slice->x + slice->sliceWidth + distance; stop += distance)
            stops.append(QTextOption::Tab(qreal(stop - slice->x) / 64, QTextOption::LeftTab));
        option.setTabs(stops);
        layout->setTextOption(option);
        layout->beginLayout();
        qreal height = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(qreal(INT_MAX) - 2 * margin); // no wrapping: one line
            line.setPosition(QPointF(x, height));
            height += line.height();
        }
        layout->endLayout();
        return true;
    }
    QTextLine line = layout->lineAt(0);
    if (line.x() == x)
        return false;
    for (int i = 0; i < layout->lineCount(); ++i)
        layout->lineAt(i).setPosition(QPointF(x, layout->lineAt(i).y()));
    return true;
}
