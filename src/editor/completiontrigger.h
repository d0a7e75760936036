#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <utility>

// What a change of the source view offers, decided from the text before the caret.
namespace editor {

class CompletionTrigger
{
public:
    enum class Offer { Nothing, Candidates, CssValues, Members };

    // A "." typed right after a blank, an ideographic space, a line feed or a TAB: the members of
    // the object of an enclosing with block are meant.
    static bool dotAfterBlank(QStringView text, qsizetype caret);

    // The list a change offers. After a "." (the word delimiter nearest before the caret) or a
    // dot after a blank with a with block's object: the members inside a script, the CSS values
    // outside one (only after a "."). Otherwise the candidates, unless tag completion is off.
    static Offer choose(QStringView text, qsizetype caret, bool inScript, bool withObject,
                        bool noTagCompletion);

    // Where the typed name of a member the object does not have lies (start, length), to be marked:
    // just after the last "." before the caret, as long as `typed` is. None when nothing is typed,
    // when it ends in ")", ";", "{", "," or "(", or when no "." stands before the caret.
    static std::optional<std::pair<qsizetype, qsizetype>>
    unknownMember(QStringView text, qsizetype caret, const QString &typed);
};

} // namespace editor
