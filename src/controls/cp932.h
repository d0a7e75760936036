#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The Japanese Windows code page 932, read and written as Windows does: 0x5C is a backslash and
// 0x7E a tilde; the NEC special characters (row 13), the NEC-selected IBM extensions (rows ED, EE),
// the IBM extensions (FA-FC) and the user-defined area F040-F9FC (U+E000-U+E757) are all read.
// Line ends are never changed.
namespace cp932 {

// Decodes CP932 bytes. Single bytes: 0x00-0x7F as ASCII, 0xA1-0xDF as half-width katakana,
// 0x80 -> U+0080, 0xA0 -> U+F8F0, 0xFD-0xFF -> U+F8F1-U+F8F3. A lead byte (0x81-0x9F, 0xE0-0xFC)
// with a trail byte (0x40-0x7E, 0x80-0xFC) is one character; a pair with no character gives one
// U+30FB. A lead byte followed by anything else, or standing last, gives one U+30FB and the byte
// after it is read afresh, so a bad byte never swallows an ASCII character such as '<' or '"'.
QString decode(QByteArrayView bytes);

struct Encoded
{
    QByteArray bytes;
    // Each distinct character that could not be written, in order of first appearance (a surrogate
    // pair stays whole, a lone surrogate is reported as itself).
    QString unmappable;
};

// Encodes text as CP932. A character that stands twice in the code page gets the code Windows
// writes (e.g. U+9AD9 -> FBFC, U+2170 -> FA40, U+FFE2 -> 81CA, U+2235 -> 81E6). The JIS forms
// U+301C, U+2212, U+2016, U+2014, U+00A2, U+00A3 and U+00AC are written as the code of the same
// JIS character (8160, 817C, 8161, 815C, 8191, 8192, 81CA) and so read back as U+FF5E, U+FF0D, ....
// U+00A5 and U+203E are not written as 0x5C and 0x7E: that would change them into a backslash and
// a tilde. Every character that cannot be written (one code point, a surrogate pair counting as
// one) becomes one `replacement` byte. decode(encode(s).bytes) == s whenever canEncode(s) holds and
// s has none of the one-way characters above.
Encoded encode(QStringView text, char replacement = '?');

// encode() in `workers` slices (at least one), each on a thread of its own; encode() takes as many
// as the text's length and the machine's cores call for. The result is the same for any count: a
// surrogate pair is one character wherever the slices meet.
Encoded encodeInSlices(QStringView text, int workers, char replacement = '?');

// True when encode() would write every character of `text`.
bool canEncode(QStringView text);

} // namespace cp932
