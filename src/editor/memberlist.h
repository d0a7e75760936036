#pragma once

#include <QString>
#include <optional>
#include <vector>

// The members the member list offers for an object type, and their one-line explanations.
namespace editor {

struct MemberItem
{
    QString name;
    // "Pro" for a property, "Meth" for a method (its name ends in ")"), "Even" for an event.
    QString icon;
    friend bool operator==(const MemberItem &, const MemberItem &) = default;
};

// The members of section "<type>" of the object member text followed by those of "<common>",
// in text order, that begin with `prefix` (exact case; an event, written "*name", passes only an
// empty prefix or one beginning with "*"). Blanks are removed from the items; each name is its
// item without the last two characters (the level code) and, for an event, without its "*".
// Empty (no list at all) when the section's opening or closing marker is missing.
std::optional<std::vector<MemberItem>> objectMembers(const QString &objTreeText,
                                                     const QString &type, const QString &prefix);

// The explanation of a member for the member list: the second field of the first line of the
// object reference text that starts, right after a CR LF, with the member's name (blanks trimmed,
// "()" removed) followed by ",". Empty when there is no such line or its second field is blank.
std::optional<QString> memberHelp(const QString &objRefText, const QString &member);

} // namespace editor
