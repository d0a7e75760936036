#pragma once

#include <QByteArrayView>

#include <vector>

// Recognises the code page of a file the user chose. The program reads two: CP932, the one it
// writes itself, and UTF-8. The judgement is the charset detector's (uchardet, from the system);
// this only bounds what it is shown and keeps it from answering where it has nothing to weigh.
namespace textdetect {

// True when `bytes` are to be read as UTF-8 rather than CP932: the detector names UTF-8 for the
// sample of them (sampleOf) and the sample, read as CP932, holds a double-byte character. The
// detector weighs CP932 text by its double-byte characters only; ASCII and half-width katakana
// alone give it nothing to set against UTF-8, whose two-byte forms they often make ("ﾃｽ" is C3 BD,
// the UTF-8 of "ý"), so such bytes are CP932. False for ASCII alone, for an empty input, for a
// sample that is not valid UTF-8 and when the detector cannot tell. Whether the bytes beyond the
// sample are valid UTF-8 is not examined: the caller learns that from decoding them. Safe on any
// thread.
bool isUtf8(QByteArrayView bytes);

// What the detector is shown of `bytes`: all of them up to SampleBytes; beyond that, Slices slices
// of SampleBytes / Slices bytes spread evenly from the first byte to the last, so that a long file
// is judged in a bounded time by its start, its middle and its end alike. A slice edge never falls
// inside a UTF-8 sequence (it moves by at most three bytes to the next lead or single byte), so the
// slices read as one stream of whole characters.
std::vector<QByteArrayView> sampleOf(QByteArrayView bytes);

inline constexpr qsizetype SampleBytes = 64 * 1024;
inline constexpr int Slices = 8;

} // namespace textdetect
