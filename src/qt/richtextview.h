#pragma once

#include "controls/richtextbox.h"

#include <QPlainTextEdit>

class QTextBlock;

// The widget of a rich-text box. The control is the source of truth: the document is changed only
// to mirror the control, and whatever the user does to the text (typing, IME, paste, cut, delete,
// undo) goes to the control's doors, which then notify the change back. So exactly one change
// event runs per edit, as it would for the same edit from code.
//
// Positions: the control counts CR and LF as one position each, Qt's document has one paragraph
// separator per line end, so model position = Qt position + number of line ends before it.
//
// A long text is loaded into the document piecewise: the first part at once, the rest in idle-time
// pieces, so that the first screen shows quickly; edits, the selection and the first visible line
// that reach into the part not loaded yet are applied as the loading gets there.
//
// Colours are not part of the document: the control's colour runs are looked up (binary search)
// for the blocks about to be painted and set as the blocks' layout formats, so colouring never
// touches the text nor the undo history, and costs in proportion to the lines on screen.
class RichTextView : public QPlainTextEdit
{
public:
    explicit RichTextView(RichTextBox &box, QWidget *parent = nullptr);

    RichTextBox &box() const { return m_box; }
    // Brings the widget in line with one property of the control.
    void refresh(Property property);
    void refreshAll();

    qsizetype toModel(int qtPosition) const;
    int toQt(qsizetype modelPosition) const;
    // True while part of the control's text is still to be loaded into the document.
    bool loading() const { return m_loadedEnd < m_box.text().size(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void syncText();
    bool applyChange(const RichTextBox::TextChange &change);
    void resetText();
    qsizetype pieceEnd(qsizetype from, qsizetype size) const;
    void scheduleLoad();
    void loadPiece();
    void applyPendingScroll();
    void syncSelection();
    void syncScroll();
    void applyColors();
    void reportSelection();
    void selectInModel(int qtFrom, int qtTo);
    void typeText(const QString &text);
    void deleteSelection();
    void cutToClipboard();
    void pasteFromClipboard();
    bool editKey(QKeyEvent *event);
    void colourVisibleBlocks();
    void colourBlock(QTextBlock &block);

    RichTextBox &m_box;
    // Set while the document or the cursor is changed to mirror the control.
    bool m_syncing = false;
    // Blocks whose user state holds this number carry the current colours.
    int m_colourGeneration = 0;
    // The control's text [0, m_loadedEnd) is in the document; the end never splits a CR LF.
    qsizetype m_loadedEnd = 0;
    int m_loadToken = 0;
    bool m_loadScheduled = false;
    // A first visible line or a selection asked for beyond the loaded part.
    int m_pendingScroll = -1;
    bool m_selectionPending = false;
    bool m_scrolling = false;
};
