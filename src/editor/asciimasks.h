#pragma once

#include <QtGlobal>

// Branch-free tests of UTF-16 characters for scans over long texts: a loop over a block of places
// that combines them vectorises, so that blocks where nothing can match are passed over quickly.
namespace editor {

// c with the bit that tells ASCII letters' cases apart set: an ASCII letter in lower case. Compare
// the result only with characters that have the bit set (lower-case letters, "<", "/", "}").
inline char16_t foldAscii(char16_t c)
{
    return c | char16_t(0x20);
}

// All ones where c is v, else 0: masks of the character's width, which vectorise where bools do not.
inline char16_t is(char16_t c, char16_t v)
{
    return char16_t(-char16_t(c == v));
}

} // namespace editor
