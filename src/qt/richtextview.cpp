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
#include <QTextBlock>
#include <QTimer>
#include <algorithm>

RichTextView::RichTextView(RichTextBox &box, QWidget *parent) : QPlainTextEdit(parent), m_box(box)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    document()->setUndoRedoEnabled(false);

    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] { reportSelection(); });
    connect(this, &QPlainTextEdit::selectionChanged, this, [this] { reportSelection(); });
    // Any scrolling, the user's or the caret's, is what the control's first visible line reports.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int line) { m_box.viewScrolledTo(line); });
    // The document changes only to mirror the control; anything else (a drag moving text out)
    // is undone by showing the control's text again.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (!m_syncing && removed != added)
            QTimer::singleShot(0, this, [this] { refresh(Property::Text); });
    });
}

qsizetype RichTextView::toModel(int qtPosition) const
{
    return qtPosition + document()->findBlock(qtPosition).blockNumber();
}

int RichTextView::toQt(qsizetype modelPosition) const
{
    // The block whose model start (Qt start + its number) is the last one at or before the
    // position; a position between CR and LF lands at the end of the line.
    const QTextDocument *doc = document();
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + qsizetype(mid) <= modelPosition)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const qsizetype position = modelPosition - low;
    return int(std::clamp<qsizetype>(position, block.position(),
                                     block.position() + block.length() - 1));
}

void RichTextView::refreshAll()
{
    for (Property p : {Property::Colors, Property::Font, Property::Text, Property::Scroll})
        refresh(p);
}

void RichTextView::refresh(Property property)
{
    switch (property) {
    case Property::Text:
        syncText();
        break;
    case Property::Selection:
        syncSelection();
        break;
    case Property::ColorRuns:
        ++m_colourGeneration;
        viewport()->update();
        break;
    case Property::Scroll:
        syncScroll();
        break;
    case Property::Colors:
        applyColors();
        break;
    case Property::Font:
        setFont(toQFont(m_box.font()));
        break;
    default:
        break;
    }
}

void RichTextView::syncText()
{
    {
        const QScopedValueRollback guard(m_syncing, true);
        if (!applyChange(m_box.lastChange()))
            resetText();
    }
    ++m_colourGeneration;
    syncSelection();
    viewport()->update();
}

// Applies a piecewise change to the document, which still shows the old text; false when the
// change cannot be mirrored piecewise.
bool RichTextView::applyChange(const RichTextBox::TextChange &change)
{
    const QString &text = m_box.text();
    if (change.whole || change.start + change.inserted > text.size())
        return false;
    const qsizetype n = text.size();
    auto loneLineEnd = [&](qsizetype i) {
        if (i < 0 || i >= n)
            return false;
        if (text.at(i) == u'\r')
            return i + 1 >= n || text.at(i + 1) != u'\n';
        if (text.at(i) == u'\n')
            return i == 0 || text.at(i - 1) != u'\r';
        return false;
    };
    // A change that split a CR LF has no piecewise picture in Qt's lines.
    for (qsizetype i = change.start - 1; i <= change.start + change.inserted; ++i)
        if (loneLineEnd(i))
            return false;
    const int from = toQt(change.start);
    const int to = toQt(change.start + change.removed);
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    const QString inserted = toLf(text.mid(change.start, change.inserted));
    if (inserted.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(inserted);
    return document()->characterCount() - 1 + qsizetype(document()->blockCount() - 1) == n;
}

void RichTextView::resetText()
{
    setPlainText(toLf(m_box.text()));
}

void RichTextView::syncSelection()
{
    const QScopedValueRollback guard(m_syncing, true);
    const int from = toQt(m_box.selStart());
    const int to = toQt(m_box.selStart() + m_box.selLength());
    QTextCursor cursor = textCursor();
    if (cursor.selectionStart() == from && cursor.selectionEnd() == to)
        return;
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichTextView::syncScroll()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(m_box.firstVisibleLine());
    // The widget cannot scroll past its last page: the control learns where it really is.
    if (bar->value() != m_box.firstVisibleLine())
        m_box.viewScrolledTo(bar->value());
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
    if (m_box.hideSelection()) {
        palette.setColor(QPalette::Inactive, QPalette::Highlight, back);
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText, fore);
    }
    setPalette(palette);
}

void RichTextView::reportSelection()
{
    if (m_syncing)
        return;
    const QTextCursor cursor = textCursor();
    const qsizetype start = toModel(cursor.selectionStart());
    const qsizetype end = toModel(cursor.selectionEnd());
    if (start == m_box.selStart() && end - start == m_box.selLength())
        return;
    m_box.userSelected(int(start), int(end - start));
}

void RichTextView::selectInModel(int qtFrom, int qtTo)
{
    const qsizetype start = toModel(std::min(qtFrom, qtTo));
    const qsizetype end = toModel(std::max(qtFrom, qtTo));
    if (start != m_box.selStart() || end - start != m_box.selLength())
        m_box.userSelected(int(start), int(end - start));
}

void RichTextView::typeText(const QString &text)
{
    reportSelection();
    m_box.userTyped(text);
}

void RichTextView::deleteSelection()
{
    if (textCursor().hasSelection())
        typeText(QString());
}

void RichTextView::cutToClipboard()
{
    if (!textCursor().hasSelection())
        return;
    copy();
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
    // The clipboard gets the control's text, CR LF line ends included.
    const QTextCursor cursor = textCursor();
    const qsizetype start = toModel(cursor.selectionStart());
    const qsizetype end = toModel(cursor.selectionEnd());
    auto *data = new QMimeData;
    data->setText(m_box.text().mid(start, end - start));
    return data;
}
