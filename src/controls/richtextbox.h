#pragma once

#include "controls/colorrun.h"
#include "controls/control.h"
#include "controls/positionlist.h"
#include "controls/undohistory.h"

#include <functional>
#include <optional>

// Rich-text box: plain text with colour runs, a selection, a font and a back colour.
//
// Guarantees:
// - Text always uses CR LF line ends: any lone CR or LF that comes in (Text, SelText, typing, files)
//   is stored as CR LF. Positions count UTF-16 units, CR and LF one each, 0-based.
// - `onChange` runs synchronously, exactly once for each write that changes the text (Text, SelText,
//   typing, undo, loading a file), and never for a write that leaves the text as it was, nor for any
//   change of colours, font, selection or scrolling.
// - Setting Text resets the colours to the fore colour, the selection to 0 and the first visible line
//   to 0.
// - Every write of the text (Text, SelText, typing, deleting) can be undone; what one action of the
//   user writes (a command with all its passes) is undone as one step, typing merges by words, and
//   the history is bounded by bytes (UndoHistory states the rules). Loading a file forgets it.
// - Colour runs never change the text; SelColor colours the selection, or sets the colour that typed
//   text takes when nothing is selected.
class RichTextBox : public Control
{
public:
    RichTextBox(Container *container, QString name, int index = -1);

    // The whole text. A long text is held with a gap where it was last edited, so that typing in
    // it moves only what lies between one edit and the next, not everything after it; asking for
    // the whole text closes the gap (a move of everything behind it), and the next write after that
    // is made without one. Readers of a part read it through length(), charAt(), mid(), span() and
    // textFrom(), which keep the gap open. The reference stays valid only until the next write.
    const QString &text() const;
    qsizetype length() const { return m_buf.size() - m_gapLen; }
    QChar charAt(qsizetype position) const;
    QString mid(qsizetype position, qsizetype n) const;
    // [from, to) as one view (clamped to the text). The gap is moved out of the range when it lies
    // inside, a move of at most the range's length. Valid until the next write or read of the
    // text through text(), span() or textFrom().
    QStringView span(qsizetype from, qsizetype to) const;
    // A view as long as the text, in which positions are those of the text and the characters from
    // `from` on are the text's; those before `from` are not. For a reader that looks only at the
    // text from `from` on but counts positions from its start. Valid as span().
    QStringView textFrom(qsizetype from) const;
    // How many times the text was read whole while a gap was open in it.
    quint64 gapCloses() const { return m_gapCloses; }
    // Moves the gap, when the text holds one, to `position`: a view calls it while the program is
    // idle after the caret went elsewhere, so that the next key typed there does not pay for the
    // move. Nothing a reader can see changes.
    void prepareEditAt(qsizetype position) const;
    void setText(const QString &text);

    // What the last write of the text replaced, for a view that mirrors the text piecewise:
    // `removed` units at `start` of the old text became `inserted` units of the new one. A write of
    // the whole text (Text, loading a file) sets `whole`. Valid from the change notification on.
    // A piecewise write also keeps the text it removed; `undone` marks the change of an undo.
    struct TextChange
    {
        qsizetype start = 0;
        qsizetype removed = 0;
        qsizetype inserted = 0;
        bool whole = true;
        QString removedText;
        bool undone = false;
    };
    const TextChange &lastChange() const { return m_lastChange; }

    int selStart() const { return m_selStart; }
    // Clamped to 0..length; clears the selection length.
    void setSelStart(int start);
    int selLength() const { return m_selLength; }
    // Clamped so that the selection stays inside the text.
    void setSelLength(int length);
    QString selText() const;
    // Replaces the selection; the caret ends after the inserted text with nothing selected. A caret
    // between the CR and the LF of a line end inserts before the CR (at the end of that line); a
    // selection that splits a line end takes all of it.
    void setSelText(const QString &text);

    // Colour of the first selected character (or of the caret's insertion colour).
    quint32 selColor() const;
    void setSelColor(quint32 color);
    // All the runs, as one list (a copy: a source has millions of them).
    ColorRuns colorRuns() const;
    // The runs in force over [from, to): the one in force at `from` (which may start before it)
    // and those that start before `to`.
    ColorRuns runsIn(qsizetype from, qsizetype to) const;
    qsizetype runCount() const;
    // Grows with every change of the text or of its colours; equal revisions mean equal content.
    quint64 revision() const { return m_revision; }
    // Grows with every change of the text only.
    quint64 textRevision() const { return m_textRevision; }
    // The range [start, end) whose colours the newest change of colours touched: all of the text
    // for a change of all colours. Valid from the change notification on.
    struct Range
    {
        qsizetype start = 0;
        qsizetype end = 0;
    };
    Range lastColorChange() const { return m_colorChange; }
    // Replaces all colours at once (runs are normalised: sorted, merged, clipped to the text).
    void setColorRuns(ColorRuns runs);
    // Replaces all colours with runs worked out only when they are first needed (read, drawn, or
    // changed by an edit or SelColor): `make` then receives the text, which is still the text of
    // this call, and returns its runs. Otherwise the same as setColorRuns(make(text())): the
    // revision grows and the view is told now. A text never shown costs no colouring.
    using ColorMaker = std::function<ColorRunList(const QString &text)>;
    void setColorRunsLater(ColorMaker make);
    // Whether colours set by setColorRunsLater are still to be worked out.
    bool colorsPending() const { return bool(m_pendingRuns); }
    quint32 colorAt(qsizetype position) const;
    // Colours [start, end) with `runs` (sorted; the first one in force from `start`), leaving the
    // text and the colours outside the range as they are.
    void setRangeColors(qsizetype start, qsizetype end, const ColorRuns &runs);

    bool hideSelection() const { return m_hideSelection; }
    void setHideSelection(bool on) { m_hideSelection = on; }
    bool locked() const { return m_locked; }
    void setLocked(bool on) { m_locked = on; }

    // Lines are separated by CR LF; an empty text has one line.
    int lineCount() const;
    // Where a line (0-based) starts; lines outside 0..lineCount() - 1 are clamped to them.
    qsizetype lineStart(int line) const;
    // The line that holds a position (the CR and LF that end a line belong to it); positions are
    // clamped to the text. Both are kept up to date through edits, in time independent of where
    // the edit is, and worked out from the text once after each whole write.
    int lineAt(qsizetype position) const;
    int firstVisibleLine() const { return m_firstVisibleLine; }
    // Scrolls by `lines` (negative = up), clamped to the text's lines.
    void lineScroll(int lines);
    // The view reports where the user scrolled to.
    void viewScrolledTo(int line);

    bool canUndo() const { return m_undo.canUndo(); }
    // Gives back the text as it stood before the newest step, with the selection it had then (and,
    // for a step undone as a whole text, the first visible line); one change, marked `undone`.
    // Returns false when there is nothing to undo.
    bool undo();
    // Forgets every step.
    void clearUndo() { m_undo.clear(); }
    // The bytes of text the undo history holds.
    qsizetype undoBytes() const { return m_undo.bytes(); }

    // Loads a file as the platform's box does: an RTF document shows its text, any other file is
    // read as a file the user chose (decodeTextFile with TextOrigin::Chosen: UTF-8 or CP932).
    // Returns false (and changes nothing) when the file cannot be read. Only a regular file of at
    // most MaxLoadBytes is read: a folder, a device, a pipe or a larger file counts as unreadable
    // (a device such as /dev/zero would otherwise be read forever).
    bool loadFile(const QString &path);
    // The text loadFile would show for a file (CR LF line ends), or empty when it cannot be read.
    // Touches no control, so it may run on any thread.
    static std::optional<QString> readFileText(const QString &path);
    static constexpr qint64 MaxLoadBytes = 16 * 1024 * 1024;
    // Saves the plain text in CP932; returns false on failure. `unmappable` receives the characters the
    // code page cannot hold (they are written as "?").
    bool saveFile(const QString &path, QString *unmappable = nullptr) const;

    // What a person did: typed or pasted text over the selection, selected, pressed Backspace/Delete.
    void userTyped(const QString &text);
    void userSelected(int start, int length);
    void userDeleted(bool backwards);
    // The user asked to undo (a key or a menu of the box itself).
    void userUndo();

    // A mouse button went down over the box: 1 left, 2 right, 4 middle.
    void userMouseDown(int button);

    std::function<void()> onChange;
    std::function<void()> onSelChange;
    std::function<void(int button)> onMouseDown;

private:
    void replaceRange(qsizetype start, qsizetype length, const QString &with, bool recordUndo);
    void changed();
    // Sets the whole text (colours, selection and first line back to their start) and gives back
    // the old one.
    QString replaceWhole(QString text);
    UndoHistory::Place place() const { return {m_selStart, m_selLength, m_firstVisibleLine}; }
    // After a recorded write: the step ends with the user's action (at once outside of one).
    void stepWritten();
    void setRunRange(qsizetype start, qsizetype end, quint32 color);
    // Moves the runs behind an edit that replaced `removed` units at `start` by `inserted` ones.
    void shiftRuns(qsizetype start, qsizetype removed, qsizetype inserted);
    static bool isNormalised(const ColorRunList &list, qsizetype size);
    // Works out colours set for later, before anything reads or changes the runs.
    void settleRuns() const;
    // Sorts the runs by start (stably), clips them to the text and merges neighbours of one colour.
    static void normalise(ColorRuns &runs, qsizetype size, quint32 foreColor);
    // Normalises the runs that start in [from, to] with their neighbours (after a local change).
    void normaliseAround(qsizetype from, qsizetype to);

    // The text, with m_gapLen units of no meaning at m_gap (none while m_gapLen is 0).
    mutable QString m_buf;
    mutable qsizetype m_gap = 0;
    mutable qsizetype m_gapLen = 0;
    // Whether the whole text was read since the last write.
    mutable bool m_wholeRead = false;
    // Writes in a row after which the text was not read whole.
    int m_quietWrites = 0;
    mutable quint64 m_gapCloses = 0;
    void moveGap(qsizetype to) const;
    void closeGap() const;
    // Writes `with` over [start, start + length) at a gap opened there.
    void writeAtGap(qsizetype start, qsizetype length, const QString &with);
    TextChange m_lastChange;
    Range m_colorChange;
    mutable ColorRunList m_runs;
    mutable ColorMaker m_pendingRuns;
    int m_selStart = 0;
    int m_selLength = 0;
    quint32 m_insertColor = 0;
    bool m_hideSelection = true;
    bool m_locked = false;
    int m_firstVisibleLine = 0;
    quint64 m_revision = 0;
    quint64 m_textRevision = 0;
    // Where each line starts; empty while it is to be worked out from the text.
    mutable PositionList<NoValue> m_lineStarts;
    const PositionList<NoValue> &lineStarts() const;
    void shiftLineStarts(qsizetype start, qsizetype removed, const QString &inserted);
    // What the undo history reads of the text.
    class UndoText : public UndoHistory::Text
    {
    public:
        explicit UndoText(const RichTextBox &box) : m_box(box) {}
        qsizetype size() const override { return m_box.length(); }
        QChar at(qsizetype position) const override { return m_box.charAt(position); }
        QString mid(qsizetype position, qsizetype n) const override
        {
            return m_box.mid(position, n);
        }
        QStringView span(qsizetype from, qsizetype to) const override
        {
            return m_box.span(from, to);
        }
        const QString &whole() const override { return m_box.text(); }

    private:
        const RichTextBox &m_box;
    };
    UndoText m_undoText{*this};
    UndoHistory m_undo;
    // How the write now being made came, and where the caret stood before it (a deletion selects
    // the character it takes before it writes).
    UndoHistory::Source m_editSource = UndoHistory::Source::Program;
    std::optional<UndoHistory::Place> m_placeBefore;
    quint64 m_closingAction = 0;
};
