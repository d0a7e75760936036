// What the user does in a rich-text view, the colours at paint time, and the binding of the view
// to its control.

#include "qt/bindings_p.h"
#include "qt/qtconvert.h"
#include "qt/richtextview.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace {
bool isTypedText(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const Qt::KeyboardModifiers mods = event->modifiers();
    // AltGr arrives as Ctrl+Alt on some systems and still types.
    if ((mods & (Qt::ControlModifier | Qt::AltModifier)) &&
        (mods & (Qt::ControlModifier | Qt::AltModifier)) != (Qt::ControlModifier | Qt::AltModifier))
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c == u'\t' || (c.unicode() >= 0x20 && c.unicode() != 0x7F);
    });
}
bool movesCaret(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}
} // namespace

// Edits by key go to the control; true when the key was one.
bool RichTextView::editKey(QKeyEvent *event)
{
    if (event == QKeySequence::Undo) {
        m_box.userUndo();
    } else if (event == QKeySequence::Redo) {
        // The control keeps no redo: the key does nothing.
    } else if (event == QKeySequence::Cut) {
        cutToClipboard();
    } else if (event == QKeySequence::Paste) {
        pasteFromClipboard();
    } else if (event == QKeySequence::DeleteStartOfWord || event == QKeySequence::DeleteEndOfWord ||
               event == QKeySequence::DeleteEndOfLine) {
        QTextCursor cursor = textCursor();
        if (!cursor.hasSelection())
            cursor.movePosition(event == QKeySequence::DeleteStartOfWord ? QTextCursor::PreviousWord
                                : event == QKeySequence::DeleteEndOfWord ? QTextCursor::NextWord
                                                                         : QTextCursor::EndOfBlock,
                                QTextCursor::KeepAnchor);
        selectInModel(cursor.anchor(), cursor.position());
        m_box.userTyped(QString());
    } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        reportSelection();
        windowOnCaret();
        m_box.userDeleted(event->key() == Qt::Key_Backspace);
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        typeText(QStringLiteral(u"\r\n"));
    } else if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        // No overwrite mode.
    } else if (isTypedText(event)) {
        typeText(event->text());
    } else {
        return false;
    }
    return true;
}

// The start and the end of the text, which a window may not hold: the caret goes there in the
// control, and the window follows it. Selecting all takes the control's whole text, copying the
// control's selection (which may lie wholly outside the window, where the widget sees none).
bool RichTextView::jumpKey(QKeyEvent *event)
{
    if (!m_windowed && !m_sliced)
        return false;
    if (event == QKeySequence::Copy) {
        reportSelection();
        if (m_box.selLength() > 0)
            QApplication::clipboard()->setText(m_box.selText());
        return true;
    }
    if (event == QKeySequence::SelectAll) {
        selectWholeText();
        return true;
    }
    const bool toStart = event == QKeySequence::MoveToStartOfDocument
                         || event == QKeySequence::SelectStartOfDocument;
    const bool toEnd =
        event == QKeySequence::MoveToEndOfDocument || event == QKeySequence::SelectEndOfDocument;
    if (!toStart && !toEnd)
        return false;
    reportSelection();
    const bool select = event == QKeySequence::SelectStartOfDocument
                        || event == QKeySequence::SelectEndOfDocument;
    const qsizetype target = toStart ? 0 : m_box.length();
    selectByUser(select ? m_anchor : target, target);
    showLine(toStart ? 0 : m_box.lineCount() - visibleLines());
    sliceOnCaret();
    syncSelection();
    ensureCursorVisible();
    return true;
}

void RichTextView::selectWholeText()
{
    if (!m_windowed && !m_sliced) {
        QPlainTextEdit::selectAll();
        return;
    }
    // The view stays where it is; the selection shown is the window's part of it.
    const int top = m_first + verticalScrollBar()->value();
    selectByUser(0, m_box.length());
    syncSelection();
    showLine(top);
}

void RichTextView::keyPressEvent(QKeyEvent *event)
{
    if (jumpKey(event)) {
        event->accept();
        return;
    }
    if (editKey(event)) {
        event->accept();
        ensureCursorVisible();
        return;
    }
    // Moving, selecting, copying: the widget's own, reported back as selections. A key that
    // moves the caret acts where the caret is, which may lie outside the window or outside the
    // columns its line's block holds.
    const bool moves = movesCaret(event);
    if (moves) {
        windowOnCaret();
        if (lineKey(event)) {
            event->accept();
            coverView();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
    if (moves)
        afterMove(event);
    // The widget is done with its cursor: the lines in view may take the columns now in view.
    coverView();
}

void RichTextView::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty() || event->replacementLength() > 0) {
        if (event->replacementLength() > 0) {
            const int from = textCursor().position() + event->replacementStart();
            selectInModel(from, from + event->replacementLength());
        } else {
            reportSelection();
        }
        m_box.userTyped(event->commitString());
    }
    // Composing over a selection first removes it, through the control.
    if (!event->preeditString().isEmpty() && textCursor().hasSelection())
        deleteSelection();
    // The composition itself is drawn by the widget and is not text yet.
    QInputMethodEvent preedit(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&preedit);
    event->accept();
}

void RichTextView::contextMenuEvent(QContextMenuEvent *event)
{
    // A box whose window handles the right button itself shows that window's menu instead.
    if (m_box.onMouseDown) {
        m_box.userMouseDown(2);
        event->accept();
        return;
    }
    // The standard menu with its translated captions, its edits routed to the control.
    QMenu *menu = createStandardContextMenu(event->pos());
    const bool editable = m_box.effectivelyEnabled() && !m_box.locked();
    const bool selected = textCursor().hasSelection();
    for (QAction *action : menu->actions()) {
        const QString name = action->objectName();
        auto reroute = [&](bool enabled, auto slot) {
            action->disconnect();
            action->setEnabled(enabled);
            connect(action, &QAction::triggered, this, slot);
        };
        if (name == u"edit-undo")
            reroute(editable && m_box.canUndo(), [this] { m_box.userUndo(); });
        else if (name == u"edit-redo")
            action->setVisible(false);
        else if (name == u"edit-cut")
            reroute(editable && selected, [this] { cutToClipboard(); });
        else if (name == u"edit-paste")
            reroute(editable && !QApplication::clipboard()->text().isEmpty(),
                    [this] { pasteFromClipboard(); });
        else if (name == u"edit-delete")
            reroute(editable && selected, [this] { deleteSelection(); });
        else if (name == u"select-all")
            reroute(m_box.length() > 0, [this] { selectWholeText(); });
    }
    menu->exec(event->globalPos());
    delete menu;
}

void RichTextView::paintEvent(QPaintEvent *event)
{
    coverView();
    colourVisibleBlocks(event->region());
    QPlainTextEdit::paintEvent(event);
}

void RichTextView::colourVisibleBlocks(const QRegion &painted)
{
    const int bottom = viewport()->height();
    QTextBlock block = firstVisibleBlock();
    if (!block.isValid())
        return;
    // The blocks' places follow from the first one's and their heights, as the widget paints
    // them: asking each block for its place would walk again from the top of the view.
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    for (; block.isValid(); block = block.next()) {
        const QRectF shown(0, top, 0, blockBoundingRect(block).height());
        if (shown.top() > bottom)
            break;
        top += shown.height();
        if (block.userState() == m_colourGeneration)
            continue;
        block.setUserState(m_colourGeneration);
        if (!colourBlock(block))
            continue;
        // A line whose colours changed outside what is being painted is painted next time.
        const QRect line =
            QRect(0, int(shown.top()), viewport()->width(), int(shown.height()) + 1) &
            viewport()->rect();
        if (!(QRegion(line) - painted).isEmpty())
            viewport()->update(line);
    }
}

bool RichTextView::colourBlock(QTextBlock &block)
{
    const SlicedLine *slice = SlicedLine::of(block);
    const qsizetype start =
        m_box.lineStart(m_first + block.blockNumber()) + (slice ? slice->from : 0);
    const qsizetype end = start + block.length() - 1;
    const ColorRuns runs = m_box.runsIn(start, end);
    auto run = runs.begin();
    const QPalette system = QApplication::palette();
    QList<QTextLayout::FormatRange> formats;
    for (; run != runs.end() && run->start < end; ++run) {
        const qsizetype from = std::max(run->start, start);
        const qsizetype to =
            std::next(run) == runs.end() ? end : std::min(std::next(run)->start, end);
        if (to <= from)
            continue;
        QTextLayout::FormatRange range;
        range.start = int(from - start);
        range.length = int(to - from);
        range.format.setForeground(toQColor(run->color, system));
        formats.append(range);
    }
    QTextLayout *layout = block.layout();
    if (!layout || layout->formats() == formats)
        return false;
    m_layout->setFormats(block, formats);
    return true;
}

namespace {

class RichTextBinding : public ControlBinding
{
public:
    RichTextBinding(FormView &view, RichTextBox &box, QWidget *parent)
        : ControlBinding(view, box, new RichTextView(box, parent))
    {}
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        if (auto *text = richText())
            text->refreshAll();
    }

protected:
    RichTextView *richText() const { return static_cast<RichTextView *>(widget()); }
    void applyColors() override
    {
        if (auto *text = richText())
            text->refresh(Property::Colors);
    }
    void refresh(Property property) override
    {
        switch (property) {
        case Property::Text:
        case Property::Selection:
        case Property::ColorRuns:
        case Property::Scroll:
        case Property::Font:
            if (auto *text = richText())
                text->refresh(property);
            break;
        default:
            ControlBinding::refresh(property);
        }
    }
};

} // namespace

std::unique_ptr<ControlBinding> makeRichTextBinding(FormView &view, Control &control,
                                                    QWidget *parent)
{
    if (auto *box = dynamic_cast<RichTextBox *>(&control))
        return std::make_unique<RichTextBinding>(view, *box, parent);
    return nullptr;
}
