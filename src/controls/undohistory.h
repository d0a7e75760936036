#pragma once

#include <QString>

#include <deque>
#include <optional>

// The undo history of one text: a list of steps, each undone at once.
//
// Guarantees:
// - Every write of the text is recorded before it is made, as a piece (units at a position
//   replaced) or as a whole text replaced. Writes made during one action of the user (the same
//   non-zero `action`) form one step, however many there are; a write outside any action is a
//   step of its own.
// - A step gives back the text as it stood before its first write. A whole-text step keeps the
//   text it replaced (shared, not copied); once the step has ended it keeps only the part that
//   differs from the text after it, when that part is at most half of it.
// - Typing merges: a typed character joins the step of the characters typed just before it when
//   both are word characters (letters, digits, marks, "_"), or both are blanks (blank, tab,
//   ideographic space), and it goes in where the last one ended. Backspace and Delete of single
//   characters merge the same way. Anything else (a line end, a punctuation mark, text of more
//   than one character, a replaced selection, a caret moved by the user, an undo, any other
//   write, even one that leaves the text as it was) ends the merging.
// - The history holds at most Budget bytes of text: when a step ends above it, the oldest steps
//   go first. The newest step always stays, however large, so that the last command can be undone.
class UndoHistory
{
public:
    static constexpr qsizetype Budget = qsizetype(32) << 20;

    enum class Source { Typed, Backspace, Delete, Program };
    // The text the history belongs to, as the history reads it: a piece at a time, and whole only
    // for a step that replaced the whole text.
    class Text
    {
    public:
        virtual qsizetype size() const = 0;
        virtual QChar at(qsizetype position) const = 0;
        virtual QString mid(qsizetype position, qsizetype n) const = 0;
        virtual QStringView span(qsizetype from, qsizetype to) const = 0;
        virtual const QString &whole() const = 0;

    protected:
        ~Text() = default;
    };
    // The selection and the first line in view before a step, given back by its undo.
    struct Place
    {
        int selStart = 0;
        int selLength = 0;
        int firstLine = 0;
    };
    struct Step
    {
        // `inserted` units at `position` stand where `removed` stood; when `whole`, `removed` is
        // the whole text before the step.
        qsizetype position = 0;
        QString removed;
        qsizetype inserted = 0;
        bool whole = false;
        Place before;
    };

    // `removed`, the units of `text` at `position`, is about to be replaced by `with`; the step
    // keeps `removed` itself (shared, not copied).
    void recordPiece(const Text &text, qsizetype position, const QString &removed,
                     const QString &with, Source source, const Place &before, quint64 action);
    // The whole text is about to be replaced; `old` is the text it held, which the history keeps.
    void recordWhole(QString old, const Place &before, quint64 action);
    // Ends the newest step, `text` being the text right after it.
    void close(const Text &text);
    // Typing after this starts a new step.
    void seal();
    // Ends and takes the newest step; `text` is the text as it stands.
    std::optional<Step> takeNewest(const Text &text);
    bool canUndo() const { return !m_steps.empty(); }
    void clear();
    // The bytes of text the history holds.
    qsizetype bytes() const { return m_bytes; }
    qsizetype stepCount() const { return qsizetype(m_steps.size()); }

private:
    enum class Kind { Other, Word, Blank };
    struct Entry
    {
        Step step;
        Source source = Source::Program;
        Kind kind = Kind::Other;
        quint64 action = 0;
        bool open = false;
        bool mergeable = false;
    };
    // What a typed or erased character is for merging; Other when the edit does not merge.
    static Kind mergeKind(const Text &text, qsizetype position, qsizetype length,
                          const QString &with, Source source);
    bool mergeTyping(const Text &text, qsizetype position, Kind kind, Source source,
                     quint64 action);
    static void trim(Step &step, const QString &text);
    void account(const Entry &entry, qsizetype sign);
    void keepInBudget();

    std::deque<Entry> m_steps;
    qsizetype m_bytes = 0;
};
