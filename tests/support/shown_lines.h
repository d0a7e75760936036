#pragma once

// What the lines on screen of a rich-text view show, against what its control holds.

#include "controls/richtextbox.h"
#include "qt/qtconvert.h"
#include "qt/richtextview.h"

#include <QTextBlock>
#include <QTextLayout>

// The first place in the lines on screen whose shown colour is not the control's, described; empty
// when every character shows its own colour.
inline QString colourMismatch(RichTextView *text, const RichTextBox &box)
{
    text->viewport()->grab();
    const QTextBlock last =
        text->cursorForPosition(QPoint(1, text->viewport()->height() - 1)).block();
    for (QTextBlock block = text->cursorForPosition(QPoint(1, 1)).block(); block.isValid();
         block = block.next()) {
        const qsizetype start = text->toModel(block.position());
        const QList<QTextLayout::FormatRange> formats = block.layout()->formats();
        for (int i = 0; i + 1 < block.length(); ++i) {
            quint32 shown = box.foreColor();
            for (const QTextLayout::FormatRange &range : formats)
                if (i >= range.start && i < range.start + range.length)
                    shown = fromQColor(range.format.foreground().color());
            if (shown != box.colorAt(start + i))
                return QStringLiteral(u"line %1 column %2: %3 shown, %4 held")
                    .arg(box.lineAt(start))
                    .arg(i)
                    .arg(shown, 6, 16)
                    .arg(box.colorAt(start + i), 6, 16);
        }
        if (block == last)
            break;
    }
    return {};
}

// The first line of the window whose block does not hold the control's text at the place it
// maps to, described; empty when all do.
inline QString textMismatch(RichTextView *text, const RichTextBox &box)
{
    for (QTextBlock block = text->document()->firstBlock(); block.isValid(); block = block.next()) {
        const qsizetype start = text->toModel(block.position());
        const int line = text->windowFirstLine() + block.blockNumber();
        if (box.lineAt(start) != line)
            return QStringLiteral(u"block %1 maps to line %2").arg(line).arg(box.lineAt(start));
        const QString held = box.mid(start, block.length() - 1);
        if (block.text() != held)
            return QStringLiteral(u"line %1 from %2: \"%3\" shown, \"%4\" held")
                .arg(line)
                .arg(start - box.lineStart(line))
                .arg(block.text().left(40), held.left(40));
    }
    return {};
}
