// Text boxes: a QLineEdit, or a QPlainTextEdit for a multi-line box (LF inside, CR LF in the
// control, positions converted).

#include "qt/bindings_p.h"

#include "controls/controls.h"
#include "qt/bindings_drag.h"
#include "qt/qtconvert.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <algorithm>
#include <cmath>

namespace {

Qt::Alignment alignmentOf(int alignment)
{
    const Qt::Alignment h = alignment == 1   ? Qt::AlignRight
                            : alignment == 2 ? Qt::AlignHCenter
                                             : Qt::AlignLeft;
    return h | Qt::AlignVCenter;
}

// The mouse goes to the control's doors (focus goes there through every binding); the tracker
// turns presses into clicks and drags. A box whose handler takes the mouse shows that handler's
// menu instead of Qt's.
PressTracker *hookMouse(FormView &view, QWidget *mouseTarget, TextBox &box, QObject *owner)
{
    return new PressTracker(view, box, mouseTarget, owner);
}

// A line edit that tells how wide a text it shows whole: the room its frame and margins leave, in
// the part of it that its container shows.
class LineEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    int textRoom() const
    {
        QStyleOptionFrame option;
        initStyleOption(&option);
        QRect contents = style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                             .marginsRemoved(textMargins());
        if (const QWidget *container = parentWidget())
            contents &= container->rect().translated(-pos());
        // The edit keeps a margin of 2 on either side and scrolls a text that leaves no pixel
        // for the caret.
        return contents.width() - 2 * 2 - 1;
    }
};

// The font that shows `text` whole in `room` pixels: `font` itself when the text fits, else the
// same font condensed just as far as the text needs.
QFont narrowedToFit(const QFont &font, const QString &text, int room)
{
    const auto fits = [&](const QFont &candidate) {
        return std::ceil(QFontMetricsF(candidate).horizontalAdvance(text)) <= room;
    };
    if (room <= 0 || fits(font))
        return font;
    const qreal natural = QFontMetricsF(font).horizontalAdvance(text);
    QFont narrowed = font;
    // Hinting keeps the width from shrinking exactly with the stretch: narrowed on until it fits.
    for (int stretch = std::clamp(int(100 * room / natural), 1, 99); stretch >= 1; --stretch) {
        narrowed.setStretch(stretch);
        if (fits(narrowed))
            break;
    }
    return narrowed;
}

class LineBinding : public ControlBinding
{
public:
    LineBinding(FormView &view, TextBox &box, QWidget *parent)
        : ControlBinding(view, box, new LineEdit(parent)), m_box(box)
    {
        auto *edit = static_cast<QLineEdit *>(widget());
        edit->setFrame(true);
        QObject::connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) {
            m_box.userTyped(text);
            // A refused or rewritten text shows what the control holds.
            if (auto *e = lineEdit(); e && e->text() != m_box.text())
                refresh(Property::Text);
        });
        auto reportSelection = [this] {
            auto *e = lineEdit();
            const bool has = e->hasSelectedText();
            m_box.userSelected(has ? e->selectionStart() : e->cursorPosition(),
                               has ? int(e->selectedText().size()) : 0);
        };
        QObject::connect(edit, &QLineEdit::selectionChanged, this, reportSelection);
        QObject::connect(edit, &QLineEdit::cursorPositionChanged, this, reportSelection);
        m_tracker = hookMouse(view, edit, box, this);
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::Style);
        refresh(Property::Text);
        refresh(Property::Selection);
    }

protected:
    LineEdit *lineEdit() const { return static_cast<LineEdit *>(widget()); }
    void refresh(Property property) override
    {
        LineEdit *edit = lineEdit();
        if (!edit)
            return;
        refreshText(edit, property);
        if (property == Property::Style || property == Property::Text ||
            property == Property::Font || property == Property::Geometry)
            fitText(edit);
    }

private:
    void refreshText(LineEdit *edit, Property property)
    {
        const QSignalBlocker blocker(edit);
        if (property == Property::Style) {
            edit->setReadOnly(m_box.locked());
            edit->setAlignment(alignmentOf(m_box.alignment()));
            edit->setFrame(m_box.borderStyle() != 0);
        } else if (property == Property::Drag) {
            if (m_tracker)
                m_tracker->dragRequested();
        } else if (property == Property::Text) {
            if (edit->text() != m_box.text()) {
                const int cursor = edit->cursorPosition();
                edit->setText(m_box.text());
                edit->setCursorPosition(std::min<int>(cursor, int(m_box.text().size())));
            }
        } else if (property == Property::Selection) {
            if (m_box.selLength() > 0)
                edit->setSelection(m_box.selStart(), m_box.selLength());
            else
                edit->setCursorPosition(m_box.selStart());
        } else {
            ControlBinding::refresh(property);
        }
    }
    void fitText(LineEdit *edit)
    {
        if (!m_box.narrowToFit() && edit->font().stretch() == QFont::AnyStretch)
            return;
        const QFont font = toQFont(m_box.font());
        const QFont shown =
            m_box.narrowToFit() ? narrowedToFit(font, m_box.text(), edit->textRoom()) : font;
        if (edit->font() != shown)
            edit->setFont(shown);
    }

    TextBox &m_box;
    QPointer<PressTracker> m_tracker;
};

// Positions of a multi-line box: the control counts CR LF as two.
int modelPosition(const QPlainTextEdit *edit, int qtPosition)
{
    return qtPosition + edit->document()->findBlock(qtPosition).blockNumber();
}

int qtPosition(const QString &crlfText, int modelPosition)
{
    int lineEnds = 0;
    for (int i = 0; i < modelPosition && i < crlfText.size(); ++i)
        if (crlfText.at(i) == u'\n')
            ++lineEnds;
    return modelPosition - lineEnds;
}

class MultiLineBinding : public ControlBinding
{
public:
    MultiLineBinding(FormView &view, TextBox &box, QWidget *parent)
        : ControlBinding(view, box, new QPlainTextEdit(parent)), m_box(box)
    {
        auto *edit = static_cast<QPlainTextEdit *>(widget());
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        QObject::connect(edit, &QPlainTextEdit::textChanged, this, [this] {
            m_box.userTyped(toCrLfText(textEdit()->toPlainText()));
            if (auto *e = textEdit(); e && toCrLfText(e->toPlainText()) != m_box.text())
                refresh(Property::Text);
        });
        QObject::connect(edit, &QPlainTextEdit::cursorPositionChanged, this, [this] {
            const QTextCursor c = textEdit()->textCursor();
            const int start = modelPosition(textEdit(), c.selectionStart());
            m_box.userSelected(start, modelPosition(textEdit(), c.selectionEnd()) - start);
        });
        m_tracker = hookMouse(view, edit->viewport(), box, this);
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::Style);
        refresh(Property::Text);
        refresh(Property::Selection);
    }

protected:
    QPlainTextEdit *textEdit() const { return static_cast<QPlainTextEdit *>(widget()); }
    void refresh(Property property) override
    {
        QPlainTextEdit *edit = textEdit();
        if (!edit)
            return;
        const QSignalBlocker blocker(edit);
        if (property == Property::Style) {
            edit->setReadOnly(m_box.locked());
            edit->setFrameShape(m_box.borderStyle() != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
        } else if (property == Property::Drag) {
            if (m_tracker)
                m_tracker->dragRequested();
        } else if (property == Property::Text) {
            const QString lf = toLf(m_box.text());
            if (edit->toPlainText() != lf) {
                const int cursor = edit->textCursor().position();
                edit->setPlainText(lf);
                QTextCursor c = edit->textCursor();
                c.setPosition(std::min<int>(cursor, int(lf.size())));
                edit->setTextCursor(c);
            }
        } else if (property == Property::Selection) {
            QTextCursor c = edit->textCursor();
            c.setPosition(qtPosition(m_box.text(), m_box.selStart()));
            c.setPosition(qtPosition(m_box.text(), m_box.selStart() + m_box.selLength()),
                          QTextCursor::KeepAnchor);
            edit->setTextCursor(c);
        } else {
            ControlBinding::refresh(property);
        }
    }

private:
    TextBox &m_box;
    QPointer<PressTracker> m_tracker;
};

} // namespace

std::unique_ptr<ControlBinding> makeTextBinding(FormView &view, TextBox &box, QWidget *parent)
{
    if (box.multiLine())
        return std::make_unique<MultiLineBinding>(view, box, parent);
    return std::make_unique<LineBinding>(view, box, parent);
}
