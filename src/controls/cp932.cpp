#include "controls/cp932.h"

#include "controls/cp932_table.h"
#include "controls/hugepages.h"
#include "controls/parallel.h"

#include <QSet>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace cp932 {

namespace {

using namespace detail;

constexpr char16_t kDefaultChar = u'\u30FB';
// Marks a character with no code; 0xFFFF is no CP932 code (0xFF is no trail byte).
constexpr std::uint16_t kNoCode = 0xFFFF;

bool isLead(unsigned b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isTrail(unsigned b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// The single bytes that are neither ASCII nor lead bytes.
char16_t singleByte(unsigned b)
{
    if (b >= 0xA1 && b <= 0xDF)
        return char16_t(b + 0xFEC0);
    switch (b) {
    case 0x80:
        return u'\u0080';
    case 0xA0:
        return u'\uF8F0';
    default: // 0xFD-0xFF
        return char16_t(0xF8F1 + (b - 0xFD));
    }
}

char16_t doubleByte(unsigned lead, unsigned trail)
{
    return kDoubleByte[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)];
}

using EncodeTable = std::array<std::uint16_t, 0x10000>;

// Built once from the decode table: the first code that reads as a character is the one written,
// unless the generated overrides choose another (or add a one-way code).
EncodeTable buildEncodeTable()
{
    EncodeTable table;
    table.fill(kNoCode);
    for (unsigned b = 0; b < 0x100; ++b) {
        if (b < 0x80)
            table[b] = std::uint16_t(b);
        else if (!isLead(b))
            table[singleByte(b)] = std::uint16_t(b);
    }
    for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
        for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
            const char16_t c = isLead(lead) ? doubleByte(lead, trail) : 0;
            if (c != 0 && table[c] == kNoCode)
                table[c] = std::uint16_t((lead << 8) | trail);
        }
    }
    for (int i = 0; i < kEncodeOverrideCount; ++i)
        table[kEncodeOverrides[i].unicode] = kEncodeOverrides[i].code;
    return table;
}

const EncodeTable &encodeTable()
{
    static const EncodeTable table = buildEncodeTable();
    return table;
}

} // namespace

namespace {

// Decodes bytes[from, to) into `out`; returns the characters written (at most to - from).
qsizetype decodeRange(const unsigned char *p, qsizetype from, qsizetype to, char16_t *out)
{
    char16_t *o = out;
    qsizetype i = from;
    while (i < to) {
        const unsigned b = p[i];
        if (b < 0x80) {
            *o++ = char16_t(b);
            ++i;
        } else if (!isLead(b)) {
            *o++ = singleByte(b);
            ++i;
        } else if (i + 1 < to && isTrail(p[i + 1])) {
            const char16_t c = doubleByte(b, p[i + 1]);
            *o++ = c != 0 ? c : kDefaultChar;
            i += 2;
        } else {
            *o++ = kDefaultChar;
            ++i;
        }
    }
    return o - out;
}

// The bytes encodeRange writes for text[from, to).
qsizetype encodedSize(QStringView text, qsizetype from, qsizetype to)
{
    const EncodeTable &table = encodeTable();
    const char16_t *p = text.utf16();
    qsizetype size = 0;
    for (qsizetype i = from; i < to; ++i) {
        const std::uint16_t code = table[p[i]];
        if (code != kNoCode) {
            size += code < 0x100 ? 1 : 2;
            continue;
        }
        // A surrogate pair, like a lone surrogate or any character without a code, is one byte.
        if (QChar::isHighSurrogate(p[i]) && i + 1 < to && QChar::isLowSurrogate(p[i + 1]))
            ++i;
        ++size;
    }
    return size;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    QString out = hugepages::uninitialized(n);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    // A large text is decoded in slices on several threads. A slice starts at a byte below 0x40,
    // which no double-byte character holds: the bytes before it decode alike whether it follows
    // them or not. Each slice is written where its bytes stand (it has no more characters than
    // bytes), then moved up against the one before it.
    const int workers = parallel::workersFor(n, parallel::TextPerWorker);
    std::vector<qsizetype> starts{0};
    for (int w = 1; w < workers; ++w) {
        qsizetype cut = std::max(n * w / workers, starts.back());
        while (cut < n && p[cut] >= 0x40)
            ++cut;
        starts.push_back(cut);
    }
    starts.push_back(n);
    std::vector<qsizetype> written(static_cast<std::size_t>(workers));
    parallel::slices(workers, workers, [&](int w, long long, long long) {
        const qsizetype from = starts[std::size_t(w)];
        written[std::size_t(w)] = decodeRange(p, from, starts[std::size_t(w) + 1], o + from);
    });
    qsizetype size = 0;
    for (int w = 0; w < workers; ++w) {
        const qsizetype from = starts[std::size_t(w)];
        if (size != from)
            std::memmove(o + size, o + from, std::size_t(written[std::size_t(w)]) * sizeof(char16_t));
        size += written[std::size_t(w)];
    }
    out.truncate(size);
    return out;
}

namespace {

// A character that cannot be written: its code point (a lone surrogate stands for itself) and its
// UTF-16 form.
struct Unmappable
{
    char32_t ucs;
    QStringView text;
};

// Encodes text[from, to) into `out` (room for two bytes a character); returns the bytes written.
// Characters that cannot be written are listed in `unmappable`, each once.
qsizetype encodeRange(QStringView text, qsizetype from, qsizetype to, char replacement, char *out,
                      std::vector<Unmappable> &unmappable)
{
    QSet<char32_t> reported;
    const EncodeTable &table = encodeTable();
    const char16_t *p = text.utf16();
    const qsizetype n = to;
    char *o = out;
    for (qsizetype i = from; i < n; ++i) {
        const char16_t c = p[i];
        const std::uint16_t code = table[c];
        if (code < 0x100 && code != kNoCode) {
            *o++ = char(code);
            continue;
        }
        if (code != kNoCode) {
            *o++ = char(code >> 8);
            *o++ = char(code & 0xFF);
            continue;
        }
        // No surrogate has a code, so pairs and lone surrogates both arrive here.
        qsizetype len = 1;
        char32_t ucs = c;
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            ucs = QChar::surrogateToUcs4(c, p[i + 1]);
            len = 2;
        }
        if (!reported.contains(ucs)) {
            reported.insert(ucs);
            unmappable.push_back({ucs, QStringView(p + i, len)});
        }
        *o++ = replacement;
        i += len - 1;
    }
    return o - out;
}

} // namespace

Encoded encode(QStringView text, char replacement)
{
    // A large text is encoded in slices on several threads.
    return encodeInSlices(text, parallel::workersFor(text.size(), parallel::TextPerWorker),
                          replacement);
}

Encoded encodeInSlices(QStringView text, int workers, char replacement)
{
    const qsizetype n = text.size();
    Encoded result;
    // Each slice is measured, then written into its place in the whole; a slice never ends
    // between the two halves of a surrogate pair.
    workers = std::max(workers, 1);
    struct Slice
    {
        qsizetype from = 0;
        qsizetype to = 0;
        qsizetype at = 0; // where its bytes go
        std::vector<Unmappable> unmappable;
    };
    std::vector<Slice> slices(static_cast<std::size_t>(workers));
    for (int w = 0; w < workers; ++w) {
        Slice &slice = slices[std::size_t(w)];
        qsizetype cut = n * (w + 1) / workers;
        // Only a high surrogate followed by a low one is a pair: moving the edge past a lone high
        // surrogate would split the pair that may follow it.
        if (cut > 0 && cut < n && text[cut - 1].isHighSurrogate() && text[cut].isLowSurrogate())
            ++cut;
        slice.from = w == 0 ? 0 : slices[std::size_t(w - 1)].to;
        slice.to = std::max(cut, slice.from);
    }
    if (workers == 1) {
        Slice &slice = slices.front();
        result.bytes.resize(n * 2);
        hugepages::advise(result.bytes.constData(), std::size_t(result.bytes.size()));
        result.bytes.truncate(encodeRange(text, slice.from, slice.to, replacement,
                                          result.bytes.data(), slice.unmappable));
    } else {
        std::vector<qsizetype> sizes(static_cast<std::size_t>(workers));
        parallel::slices(workers, workers, [&](int w, long long, long long) {
            const Slice &slice = slices[std::size_t(w)];
            sizes[std::size_t(w)] = encodedSize(text, slice.from, slice.to);
        });
        qsizetype total = 0;
        for (int w = 0; w < workers; ++w) {
            slices[std::size_t(w)].at = total;
            total += sizes[std::size_t(w)];
        }
        result.bytes.reserve(total);
        hugepages::advise(result.bytes.constData(), std::size_t(total));
        result.bytes.resize(total);
        char *whole = result.bytes.data();
        parallel::slices(workers, workers, [&](int w, long long, long long) {
            Slice &slice = slices[std::size_t(w)];
            std::vector<Unmappable> unmappable;
            encodeRange(text, slice.from, slice.to, replacement, whole + slice.at, unmappable);
            slice.unmappable = std::move(unmappable);
        });
    }
    // Each character once, in order of its first appearance in the whole text.
    QSet<char32_t> reported;
    for (const Slice &slice : slices) {
        for (const Unmappable &character : slice.unmappable) {
            if (!reported.contains(character.ucs)) {
                reported.insert(character.ucs);
                result.unmappable.append(character.text);
            }
        }
    }
    return result;
}

bool canEncode(QStringView text)
{
    const EncodeTable &table = encodeTable();
    for (const QChar c : text) {
        if (table[c.unicode()] == kNoCode)
            return false;
    }
    return true;
}

} // namespace cp932
