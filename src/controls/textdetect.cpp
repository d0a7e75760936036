#include "controls/textdetect.h"

#include <uchardet.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace textdetect {

namespace {

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A lead byte of a CP932 double-byte character. Every double-byte character begins with one, and
// a text holding none has no double-byte character.
bool isDoubleByteLead(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

} // namespace

std::vector<QByteArrayView> sampleOf(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    if (n <= SampleBytes)
        return {bytes};
    constexpr qsizetype sliceBytes = SampleBytes / Slices;
    const qsizetype step = (n - sliceBytes) / (Slices - 1);
    std::vector<QByteArrayView> slices;
    slices.reserve(Slices);
    for (int k = 0; k < Slices; ++k) {
        qsizetype begin = k * step;
        qsizetype end = k == Slices - 1 ? n : begin + sliceBytes;
        for (int moved = 0; moved < 3 && begin < end && isContinuation(bytes[begin]); ++moved)
            ++begin;
        for (int moved = 0; moved < 3 && end < n && end > begin && isContinuation(bytes[end]);
             ++moved)
            --end;
        slices.push_back(bytes.sliced(begin, end - begin));
    }
    return slices;
}

bool isUtf8(QByteArrayView bytes)
{
    const std::vector<QByteArrayView> sample = sampleOf(bytes);
    const bool doubleByte = std::any_of(sample.begin(), sample.end(), [](QByteArrayView slice) {
        return std::any_of(slice.begin(), slice.end(), isDoubleByteLead);
    });
    if (!doubleByte)
        return false;
    // Bytes that are not UTF-8 are not read as UTF-8, whatever the detector would say; most CP932
    // text shows it within its first characters, and the detector is not asked.
    if (!std::all_of(sample.begin(), sample.end(),
                     [](QByteArrayView slice) { return slice.isValidUtf8(); }))
        return false;
    const std::unique_ptr<uchardet, void (*)(uchardet_t)> detector(uchardet_new(), uchardet_delete);
    if (!detector)
        return false;
    for (const QByteArrayView slice : sample) {
        if (uchardet_handle_data(detector.get(), slice.data(), std::size_t(slice.size())) != 0)
            return false;
    }
    uchardet_data_end(detector.get());
    const char *charset = uchardet_get_charset(detector.get());
    return charset && std::strcmp(charset, "UTF-8") == 0;
}

} // namespace textdetect
