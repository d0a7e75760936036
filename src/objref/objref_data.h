#pragma once

#include <cstddef>

// Literal pieces of the object reference texts, kept exact (blanks, quotes, joined lines) in the
// *_data files, which no formatter touches.
namespace objref_data {

// Member lists from "<window>;" through the "<タグ>" marker.
extern const char16_t kTreeHead[];
// The tag names of "<タグ>" in upper case, with bare "<" and ">", each followed by ";". The builder
// escapes them and appends a lower-case copy.
extern const char16_t kTreeTags[];
// From "<css>" through the "<その他>" marker.
extern const char16_t kTreeMiddle[];
// The example snippets of "<その他>" with bare "<" and ">", each followed by ";". The builder
// escapes the angle brackets; their "$$" and single quotes stand as written.
extern const char16_t kTreeExamples[];
// The closing marker that ends the member-list text.
extern const char16_t kTreeTail[];

// The lines of the description text, without line ends; the last one is the sentinel "<>".
extern const char16_t *const kRefLines[];
extern const std::size_t kRefLineCount;

// The reserved words, in order.
extern const char16_t *const kReservedWords[];
extern const std::size_t kReservedWordCount;

} // namespace objref_data
