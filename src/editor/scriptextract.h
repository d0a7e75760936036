#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// The pieces of the script text extraction, shared by the extraction and the type inference.
namespace editor {

const QString &scriptOpenTag();
const QString &scriptCloseTag();

// Drops the comments of a text given as pieces joined (and followed by blanks), and removes every
// "<!--" from what is kept. At every position the two characters there are tested in this order,
// whatever state holds: "/*" opens a block comment, "*/" closes it (both characters dropped), "//"
// opens a line comment, CR LF closes a line comment (and is kept); everything else is kept outside
// comments. Quoted texts are not recognised. What is kept is appended to `out`, untrimmed.
class ScriptStripper
{
public:
    explicit ScriptStripper(QString &out) : m_out(out) {}
    void run(const std::vector<QStringView> &pieces);

private:
    void keep(QStringView run);
    QString &m_out;
    // A removed "<!--" leaves the text before it out of later matches.
    qsizetype m_floor = 0;
};

// Where the bodies of the script elements lie, given the starts of the opening and closing tags in
// ascending order: for each opening tag the text from its end up to the first closing tag after
// it; an opening tag without one ends the list.
struct TextRange
{
    qsizetype start = 0;
    qsizetype length = 0;
};
std::vector<TextRange> scriptBodies(const std::vector<qsizetype> &opens,
                                    const std::vector<qsizetype> &closes);

// The starts of every occurrence of a pattern, in any letter case.
std::vector<qsizetype> occurrencesOf(QStringView text, const QString &pattern);

} // namespace editor
