#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// Indexes of the source view's text that the completion reads at every keystroke, kept up to date
// edit by edit: the work per edit is proportional to the edit and to the number of occurrences,
// not to the length of the text.
namespace editor {

// The positions of every occurrence of a fixed pattern in a text, in ascending order. Occurrences
// may overlap. Each occurrence carries a note that travels with it while the text is edited
// around it; an occurrence the edit touches is found again without its note.
class PatternIndex
{
public:
    PatternIndex(QString pattern, Qt::CaseSensitivity cs);

    const QString &pattern() const { return m_pattern; }
    // Finds every occurrence anew.
    void reset(QStringView text);
    // `text` is the text after an edit that replaced `removed` units at `start` with `inserted`
    // units; the index must have been up to date with the text before it.
    void update(QStringView text, qsizetype start, qsizetype removed, qsizetype inserted);

    const std::vector<qsizetype> &positions() const { return m_positions; }
    // The start of the last occurrence that lies wholly inside [0, limit), or -1.
    qsizetype lastWithin(qsizetype limit) const;
    // The first occurrence starting at or after `from`, or -1.
    qsizetype firstFrom(qsizetype from) const;
    // Index into positions() of the occurrence starting at `position`, or -1.
    qsizetype find(qsizetype position) const;
    QString &note(std::size_t i) { return m_notes[i]; }

private:
    friend class SourceIndex;
    void scan(QStringView text, qsizetype from, qsizetype to, std::vector<qsizetype> &out) const;
    // Whether the pattern stands at `at`; a quick look at ASCII characters rejects most places.
    bool matchesAt(QStringView text, qsizetype at) const;

    QString m_pattern;
    Qt::CaseSensitivity m_cs;
    std::vector<qsizetype> m_positions;
    std::vector<QString> m_notes;
};

// The occurrences the completion looks up in the source view's text: the two opening forms of a
// script element and its closing tag (any letter case), "var", "with" and "}" (exact case).
class SourceIndex
{
public:
    SourceIndex();

    // Brings the indexes in line with `text` after a change that replaced `removed` units at
    // `start` with `inserted` ones; `whole` (or a length that does not fit the last text) makes
    // them anew.
    void sync(QStringView text, qsizetype start, qsizetype removed, qsizetype inserted, bool whole);
    void reset(QStringView text);
    // Whether a change can be followed piecewise (else the indexes are made anew from the text,
    // now `size` units long).
    bool canFollow(qsizetype start, qsizetype removed, qsizetype inserted, qsizetype size,
                   bool whole) const;
    // Follows such a change reading only `text`: the text's first units, at least up to
    // start + inserted + reach().
    void follow(QStringView text, qsizetype start, qsizetype removed, qsizetype inserted,
                qsizetype size);
    static qsizetype reach();

    PatternIndex scriptOpen;     // <script type="text/javascript">
    PatternIndex scriptLanguage; // <script language=javaScript
    PatternIndex scriptClose;    // </script>
    PatternIndex var;
    PatternIndex with;
    PatternIndex closeBrace;

    // True when the caret stands inside a script element: the last opening tag (the first form,
    // else the second) lying wholly before the caret comes after the last closing tag.
    bool inScriptBlock(qsizetype caret) const;

private:
    std::vector<PatternIndex *> all();
    qsizetype m_length = 0;
};

} // namespace editor
