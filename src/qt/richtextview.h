#pragma once

#include "controls/richtextbox.h"
#include "qt/colouredlayout.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <memory>

class QScrollBar;
class CharAdvances;

// The widget of a rich-text box. The control is the source of truth: the document is changed only
// to mirror the control, and whatever the user does to the text (typing, IME, paste, cut, delete,
// undo) goes to the control's doors, which then notify the change back. So exactly one change
// event runs per edit, as it would for the same edit from code.
//
// Positions: the control counts CR and LF as one position each, Qt's document has one paragraph
// separator per line end, and block n of the document holds line (first line of the window + n),
// from the column its slice starts at for a long line: model position = that line's start + the
// slice's first column + the position in the block.
//
// A long text (a generated table of millions of lines) is shown through a window: the document
// holds only the lines around the ones in view, and a scroll bar of the view's own covers all the
// lines of the control (the control keeps an index of its lines). Scrolling, moving the caret or
// an edit near the window's edge moves the window, so the whole text is reachable at once and
// scrollable as soon as it is set; the document never holds more than a few thousand lines. A
// text up to WholeText characters is held whole, with the widget's own scroll bar; an edit that
// makes it longer shows it through a window at once.
//
// A caret or selection set by code, and the caret an edit leaves, are scrolled into view in
// either mode; an edit the window cannot take piecewise loads it again at the line in view.
//
// A view that is hidden (its page not shown) takes a new text only when it is shown again, so
// that commands rewriting a box on another page do not pay for the widget's document.
//
// Colours are not part of the document: the control's colour runs are looked up (binary search)
// for the blocks about to be painted and set as the blocks' layout formats, so colouring never
// touches the text nor the undo history, and costs in proportion to the lines on screen.
//
// A line longer than LongLine characters (minified source, a long row of cell data) is held in
// its block only in part, the columns around the view, laid out where they stand in the whole
// line (SlicedLine): a layout of the whole line would cost time that grows faster than the line,
// at every key. The places along the line are measured without laying it out (LineGeometry). The
// blocks in view, and the caret's, always hold the columns in view and around the caret; keys
// that would leave a block's columns (Home, End, words, lines above and below) are answered from
// the control's text.
class RichTextView : public QPlainTextEdit
{
public:
    explicit RichTextView(RichTextBox &box, QWidget *parent = nullptr);

    // Texts longer than this are shown through a window of lines.
    static constexpr qsizetype WholeText = qsizetype(1) << 19;
    // Lines longer than this are held in their blocks only in part.
    static constexpr qsizetype LongLine = 1024;
    // Qt places text in 1/64 pixel in 32 bits: no place beyond about 33 million pixels can be
    // laid out. A line is shown, and scrolls, up to this width (about 3 million characters).
    static constexpr qint64 WidestLine = 30'000'000;

    RichTextBox &box() const { return m_box; }
    // Brings the widget in line with one property of the control.
    void refresh(Property property);
    void refreshAll();

    // Positions inside the window; a model position outside it maps to the window's nearest end,
    // and one outside the columns its line's block holds to the block's nearest end.
    qsizetype toModel(int qtPosition) const;
    int toQt(qsizetype modelPosition) const;

    // The lines the document holds: the first one, and how many (all of them for a short text).
    int windowFirstLine() const { return m_first; }
    int windowLineCount() const;
    // The scroll bar whose value is the control's first visible line: the view's own while a
    // window is shown, the widget's otherwise.
    QScrollBar *lineScrollBar() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void syncText();
    bool applyChange(const RichTextBox::TextChange &change);
    // Puts lines around `line` into the document (the whole text when it is short).
    void loadWindow(int line);
    // Moves the window around `line` by cutting lines off one end and adding lines at the other,
    // so that the widget's cursors into the lines kept (its own, the word a double click picked
    // for a drag) stay on their text. False when the two windows share no line.
    bool slideWindow(int line);
    // The lines a window around `line` holds: [first, last).
    std::pair<int, int> windowAround(int line) const;
    // How near the view may come to a window's ends before it moves.
    int edgeOf(int line, int first, int last) const;
    // Lines from..to-1 of the control's text with LF line ends, the last one without; a long
    // line's block text is its columns around the view, and `slices` receives what each long
    // line's block is to carry (null for the others), one per line.
    using Slices = std::vector<std::unique_ptr<SlicedLine>>;
    QString linesText(int from, int to, Slices &slices) const;
    // Gives the blocks of lines first.. what they are to carry.
    void attachSlices(int first, Slices &slices);
    // Replaces the blocks of `oldCount` lines from `line` on by the blocks of `newCount` lines of
    // the control's text.
    void replaceLines(int line, int oldCount, int newCount);
    // An edit within one line that the line's block holds: made in the block; false otherwise.
    bool editInLine(QTextBlock block, qsizetype column, const RichTextBox::TextChange &change);
    qsizetype lineLength(int line) const;
    LineGeometry::Reader lineReader(int line) const;
    const CharAdvances &advances() const;
    // The slice of a long line that covers [left, right) (1/64 pixel), the line measured.
    std::unique_ptr<SlicedLine> sliceLine(int line, qint64 left, qint64 right) const;
    // Gives a slice the columns of its line that cover [left, right).
    void chooseColumns(SlicedLine &slice, int line, qint64 left, qint64 right) const;
    // What the view spans across, widened by what a slice holds on either side, in 1/64 pixel.
    std::pair<qint64, qint64> sliceSpan() const;
    // Gives the block the columns of [left, right) when it does not hold them with room to spare;
    // true when it took other columns (the widget's cursor may then stand elsewhere).
    bool coverBlock(QTextBlock block, qint64 left, qint64 right);
    // The blocks in view (and `around` lines above and below) hold the columns in view, or those
    // around the place `x` (1/64 pixel) when it is not negative.
    void coverView(int around = 0, qint64 x = -1);
    // The caret's block holds the columns around the caret.
    void sliceOnCaret();
    // Home and End on a long line, and a word move that stopped at a block's edge; true when the
    // key was answered.
    bool lineKey(QKeyEvent *event);
    void afterMove(QKeyEvent *event);
    void updateLongLineWidth();
    qsizetype windowEnd() const;
    bool windowed() const { return m_windowed; }
    // Whether blocks may hold parts of lines: positions at a block's edges are then not the
    // line's, and the text's ends are answered from the control.
    bool sliced() const { return m_sliced; }
    // Scrolls so that `line` is the first visible line, moving the window when needed.
    void showLine(int line);
    void internalScrolled(int value);
    void moveWindowIfNearItsEdge();
    void placeLineBar();
    void updateLineBar();
    int visibleLines() const;
    // Shows the control's selection; `verticalX`, when not negative, is the place the caret
    // keeps for moves up and down (a caret put back on its column after the block around it
    // changed keeps the place it had).
    void syncSelection(int verticalX = -1);
    // The same, the view left where it stands.
    void syncSelectionInPlace(int verticalX = -1);
    // The model ends of a selection in the document: an end still where the control's selection
    // was last shown stands for that end, which may lie outside the window.
    struct ModelSelection
    {
        qsizetype anchor;
        qsizetype caret;
    };
    ModelSelection modelSelection(const QTextCursor &cursor) const;
    // Selects in the control as the user did, anchored at `anchor`.
    void selectByUser(qsizetype anchor, qsizetype caret);
    void syncScroll();
    void applyColors();
    void reportSelection();
    void selectInModel(int qtFrom, int qtTo);
    void typeText(const QString &text);
    void deleteSelection();
    void cutToClipboard();
    void pasteFromClipboard();
    bool editKey(QKeyEvent *event);
    bool jumpKey(QKeyEvent *event);
    void selectWholeText();
    // A long text keeps a gap where it was last edited; after the caret went elsewhere, the gap
    // is moved there while the program is idle rather than at the next key.
    void prepareEditAtCaret();
    // Scrolls the control's caret into view (moving the window) before a key acts at it.
    void windowOnCaret();
    // The same, and to the caret's column too: after the control's caret was set or moved by an
    // edit, in either mode.
    void showCaret();
    // Scrolls the view horizontally to `left` (pixels), as far as the lines in view reach.
    void scrollAcrossTo(int left);
    // Colours the lines that hold [start, end] of the control's text again.
    void recolour(qsizetype start, qsizetype end);
    // Colours the blocks in view that do not carry the current colours yet.
    void colourVisibleBlocks(const QRegion &painted);
    // Gives the block the colours of its text; false when it had them already.
    bool colourBlock(QTextBlock &block);

    RichTextBox &m_box;
    ColouredLayout *m_layout = nullptr;
    // Set while the document or the cursor is changed to mirror the control.
    bool m_syncing = false;
    // Set while the view, hidden, has not taken the control's newest text; and whether the
    // control's caret was set after its lines in view (so it is shown when the view is).
    bool m_stale = false;
    bool m_caretFirst = false;
    // Blocks whose user state holds this number carry the current colours.
    int m_colourGeneration = 0;
    // The document holds lines m_first.. of the control's text, from position m_winStart on.
    bool m_windowed = false;
    int m_first = 0;
    qsizetype m_winStart = 0;
    int m_edge = 1;
    QScrollBar *m_lineBar = nullptr;
    bool m_scrolling = false;
    // Set between a left-button press and its release: the widget is extending a selection.
    bool m_dragging = false;
    // A drag from a double-clicked word of a long text, and the word's model range.
    bool m_wordDrag = false;
    qsizetype m_wordStart = 0;
    qsizetype m_wordEnd = 0;
    bool m_moveScheduled = false;
    bool m_editPrepared = false;
    // The control's selection with the direction the user gave it (the control keeps none).
    qsizetype m_anchor = 0;
    qsizetype m_caret = 0;
    // The Qt anchor and cursor last set to show it (cut to the window): a cursor still there is
    // no choice of the user's.
    int m_shownAnchor = -1;
    int m_shownCaret = -1;
    // Whether a block was given a slice since the text was last loaded whole.
    bool m_sliced = false;
    mutable std::unique_ptr<CharAdvances> m_advances;
    qint64 m_longLineWidth = 0;
    bool m_coverScheduled = false;
};
