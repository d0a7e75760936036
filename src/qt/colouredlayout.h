#pragma once

#include "qt/linegeometry.h"

#include <QPlainTextDocumentLayout>
#include <QScopedValueRollback>
#include <QTextBlock>

// What the block of a long line carries: the block holds only the columns [from, to) of the line,
// those around the view, and they are laid out where they stand in the whole line: `x` is the
// place of `from`, in 1/64 pixel from the line's start (the document's margin not counted).
// A layout of the whole line would cost time that grows faster than the line.
class SlicedLine : public QTextBlockUserData
{
public:
    LineGeometry geometry; // of the whole line
    qsizetype from = 0;
    qsizetype to = 0;
    qint64 x = 0;
    qint64 sliceWidth = 0;
    qint64 lineWidth = 0;
    bool tabs = false; // the columns held hold a tab

    // The slice a block carries, or null for a block that holds its whole line.
    static SlicedLine *of(const QTextBlock &block)
    {
        return dynamic_cast<SlicedLine *>(block.userData());
    }
};

// The layout of a rich-text view's document.
//
// Sets a block's colours as the formats of its layout without laying out anything else: new
// formats on a block's layout leave the block marked as changed in the document until its next
// edit, which then reports the whole block as replaced; the document's layout takes that for a
// change reaching into the blocks after it, lays them out again and repaints the whole view, at
// every key typed into a coloured line. The mark is settled here at once, and the block alone is
// laid out again.
//
// Lays out the block of a long line where its columns stand (SlicedLine), whenever the block is
// laid out, and counts the long lines' whole widths in the document's width, so that the view
// scrolls across all of them.
class ColouredLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    void setFormats(const QTextBlock &block, const QList<QTextLayout::FormatRange> &formats);

    QRectF blockBoundingRect(const QTextBlock &block) const override;
    QSizeF documentSize() const override;
    // The width, in pixels, of the widest long line the document holds a slice of.
    void setLongLineWidth(qreal width);

protected:
    void documentChanged(int from, int removed, int added) override;

private:
    // Puts a laid-out slice where its columns stand; true when it was not there.
    bool placeSlice(const QTextBlock &block) const;

    bool m_settling = false;
    qreal m_longLineWidth = 0;
};
