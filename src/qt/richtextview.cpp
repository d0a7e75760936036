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
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int line) {
        if (!m_scrolling)
            m_pendingScroll = -1;
        if (m_pendingScroll < 0)
            m_box.viewScrolledTo(line);
    });
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
    return int(
        std::clamp<qsizetype>(position, block.position(), block.position() + block.length() - 1));
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
    if (change.start > m_loadedEnd)
        return true; // the loading will read it as it is now
    if (change.start + change.removed > m_loadedEnd) {
        // Reaches past the loaded part: drop the document from the change on and load it again.
        QTextCursor cursor(document());
        cursor.setPosition(toQt(change.start));
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        m_loadedEnd = change.start;
        scheduleLoad();
        return true;
    }
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
    const QString inserted = toLf(QStringView(text).mid(change.start, change.inserted));
    if (inserted.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(inserted);
    m_loadedEnd += change.inserted - change.removed;
    return document()->characterCount() - 1 + qsizetype(document()->blockCount() - 1) ==
           m_loadedEnd;
}

namespace {
// Loaded at once when a text is set (about 40 000 lines of a table source), then per idle turn.
constexpr qsizetype FirstPiece = 2 << 20;
constexpr qsizetype LaterPiece = 1 << 20;
} // namespace

// The end of a piece of about `size` units from `from`: just after a line end, or the text's end.
qsizetype RichTextView::pieceEnd(qsizetype from, qsizetype size) const
{
    const QString &text = m_box.text();
    if (text.size() - from <= size)
        return text.size();
    const qsizetype lineEnd = text.indexOf(u'\n', from + size);
    return lineEnd < 0 ? text.size() : lineEnd + 1;
}

void RichTextView::resetText()
{
    ++m_loadToken;
    m_loadScheduled = false;
    m_loadedEnd = pieceEnd(0, FirstPiece);
    setPlainText(toLf(QStringView(m_box.text()).first(m_loadedEnd)));
    scheduleLoad();
}

void RichTextView::scheduleLoad()
{
    if (m_loadScheduled || !loading())
        return;
    m_loadScheduled = true;
    QTimer::singleShot(0, this, [this, token = m_loadToken] {
        if (token == m_loadToken)
            loadPiece();
    });
}

void RichTextView::loadPiece()
{
    m_loadScheduled = false;
    {
        const QScopedValueRollback guard(m_syncing, true);
        const qsizetype end = pieceEnd(m_loadedEnd, LaterPiece);
        QTextCursor cursor(document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(toLf(QStringView(m_box.text()).mid(m_loadedEnd, end - m_loadedEnd)));
        m_loadedEnd = end;
    }
    if (loading())
        scheduleLoad();
    else if (m_selectionPending)
        syncSelection();
    applyPendingScroll();
}

void RichTextView::syncSelection()
{
    m_selectionPending = loading() && m_box.selStart() + m_box.selLength() > m_loadedEnd;
    if (m_selectionPending)
        return;
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
    m_pendingScroll = m_box.firstVisibleLine();
    applyPendingScroll();
}

void RichTextView::applyPendingScroll()
{
    QScrollBar *bar = verticalScrollBar();
    const int line = m_pendingScroll;
    if (line < 0 || (line > bar->maximum() && loading()))
        return;
    {
        const QScopedValueRollback guard(m_scrolling, true);
        bar->setValue(line);
    }
    m_pendingScroll = -1;
    // The widget cannot scroll past its last page: the control learns where it really is.
    if (bar->value() != line)
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
    m_selectionPending = false;
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
