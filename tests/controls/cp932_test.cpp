#include "support/qt_printers.h"
#include "controls/cp932.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <gtest/gtest.h>
#include <cstdint>
#include <optional>

namespace {

QByteArray bytes(std::initializer_list<unsigned> values)
{
    QByteArray out;
    for (unsigned v : values)
        out.append(char(v));
    return out;
}

QByteArray codeBytes(unsigned code)
{
    return code < 0x100 ? bytes({code}) : bytes({code >> 8, code & 0xFF});
}

// One code point as UTF-16 (QString::fromUcs4 would drop a leading U+FEFF).
QString ucs(char32_t c)
{
    if (c < 0x10000)
        return QString(QChar(char16_t(c)));
    const QChar pair[2] = {QChar(QChar::highSurrogate(c)), QChar(QChar::lowSurrogate(c))};
    return QString(pair, 2);
}

// Reads a golden mapping "HEX HEX" per line ('#' lines are comments).
QList<std::pair<unsigned, unsigned>> readMapping(const char *name)
{
    QFile file(QStringLiteral(MORVANE_TEST_DATA "/cp932/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    QList<std::pair<unsigned, unsigned>> out;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split(' ');
        out.append({fields[0].toUInt(nullptr, 16), fields[1].toUInt(nullptr, 16)});
    }
    return out;
}

TEST(Cp932Decode, EveryCodeOfTheCodePage)
{
    const auto mapping = readMapping("decode.txt");
    ASSERT_GT(mapping.size(), 9000);
    QHash<unsigned, unsigned> known;
    for (const auto &[code, unicode] : mapping) {
        known.insert(code, unicode);
        EXPECT_EQ(cp932::decode(codeBytes(code)), ucs(unicode)) << std::hex << code;
    }
    // Every other lead/trail pair is a pair without a character: one U+30FB for both bytes.
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF)
            continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F || known.contains((lead << 8) | trail))
                continue;
            EXPECT_EQ(cp932::decode(bytes({lead, trail})), QStringLiteral(u"\u30FB"))
                << std::hex << lead << ' ' << trail;
        }
    }
}

TEST(Cp932Encode, EveryCharacterThatCanBeWritten)
{
    const auto mapping = readMapping("encode.txt");
    ASSERT_GT(mapping.size(), 9000);
    QHash<unsigned, unsigned> known;
    for (const auto &[unicode, code] : mapping) {
        known.insert(unicode, code);
        const cp932::Encoded e = cp932::encode(ucs(unicode));
        EXPECT_EQ(e.bytes, codeBytes(code)) << std::hex << unicode;
        EXPECT_TRUE(e.unmappable.isEmpty()) << std::hex << unicode;
    }
    for (char32_t c = 0; c < 0x110000; c += c < 0x10000 ? 1 : 0x3F1) {
        if (known.contains(c) || (c >= 0xD800 && c < 0xE000))
            continue;
        const QString s = ucs(c);
        const cp932::Encoded e = cp932::encode(s);
        ASSERT_EQ(e.bytes, QByteArray("?")) << std::hex << unsigned(c);
        ASSERT_EQ(e.unmappable, s) << std::hex << unsigned(c);
        ASSERT_FALSE(cp932::canEncode(s)) << std::hex << unsigned(c);
    }
}

TEST(Cp932, WindowsChoices)
{
    struct Case
    {
        const char16_t *text;
        QByteArray code;
    };
    const Case cases[] = {
        {u"\\", "\x5C"},         {u"~", "\x7E"},          {u"\uFF0D", "\x81\x7C"},
        {u"\uFF5E", "\x81\x60"}, {u"\uFFE0", "\x81\x91"}, {u"\uFFE1", "\x81\x92"},
        {u"\uFFE2", "\x81\xCA"}, {u"\u2225", "\x81\x61"}, {u"\u9AD9", "\xFB\xFC"},
        {u"\u2170", "\xFA\x40"}, {u"\u2160", "\x87\x54"}, {u"\u2235", "\x81\xE6"},
        {u"\u2252", "\x81\xE0"}, {u"\uFFE4", "\xFA\x55"}, {u"\u7E8A", "\xFA\x5C"},
        {u"\u2460", "\x87\x40"}, {u"\u3231", "\x87\x8A"}, {u"\uE000", "\xF0\x40"},
        {u"\uE757", "\xF9\xFC"}, {u"\uFF61", "\xA1"},     {u"\u0080", "\x80"},
        {u"\uF8F0", "\xA0"},     {u"\uF8F3", "\xFF"},     {u"\u301C", "\x81\x60"},
        {u"\u2212", "\x81\x7C"}, {u"\u00AC", "\x81\xCA"}, {u"表示", "\x95\x5C\x8E\xA6"},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(cp932::encode(text).bytes, c.code) << text.toStdString();
        EXPECT_TRUE(cp932::canEncode(text)) << text.toStdString();
    }
    // The duplicates read as one character whichever code stands in the file.
    EXPECT_EQ(cp932::decode("\xED\x40\xFA\x5C"), QStringLiteral(u"\u7E8A\u7E8A"));
    EXPECT_EQ(cp932::decode("\x81\xE6\x87\x9A\xFA\x5B"), QStringLiteral(u"\u2235\u2235\u2235"));
}

TEST(Cp932Encode, UnmappableCharacters)
{
    struct Case
    {
        const char16_t *text;
        QByteArray bytes;
        const char16_t *unmappable;
    };
    const Case cases[] = {
        {u"a€b", "a?b", u"€"},
        {u"😀x😀", "?x?", u"😀"},
        {u"€😀€\u00A5", "????", u"€😀\u00A5"},
        {u"\u203E~", "?~", u"\u203E"},
        {u"\xD800"
         u"a\xDC00",
         "?a?", u"\xD800\xDC00"},    // lone surrogates, reported one by one
        {u"\xD83D", "?", u"\xD83D"}, // a high surrogate at the very end
        {u"한글", "??", u"한글"},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        const cp932::Encoded e = cp932::encode(text);
        EXPECT_EQ(e.bytes, c.bytes) << text.toStdString();
        EXPECT_EQ(e.unmappable, QString::fromUtf16(c.unmappable)) << text.toStdString();
        EXPECT_FALSE(cp932::canEncode(text));
    }
    EXPECT_EQ(cp932::encode(u"a€", '_').bytes, QByteArray("a_"));
    EXPECT_TRUE(cp932::canEncode(u""));
    EXPECT_TRUE(cp932::encode(u"").bytes.isEmpty());
}

// A large text is encoded in slices on several threads: the bytes and the list of characters that
// cannot be written are those of the text encoded piece by piece, also where a surrogate pair or a
// repeated unmappable character stands at a slice's edge.
TEST(Cp932Encode, ALargeTextIsEncodedAsItsPiecesAre)
{
    const qsizetype n = 3 * (qsizetype(1) << 20) + 7;
    QString text;
    text.reserve(n + 8);
    const QString pieces[] = {u"表"_qs, u"a"_qs, u"€"_qs, u"😀"_qs, u"\r\n"_qs, u"ｶﾅ"_qs, u"\xD800"_qs};
    for (qsizetype i = 0; text.size() < n; ++i)
        text += pieces[(i * 7 + i / 5) % 7];
    // A pair whose halves straddle every place where two, three, ... eight workers would cut.
    for (int workers = 2; workers <= 8; ++workers)
        for (int w = 1; w < workers; ++w) {
            const qsizetype cut = text.size() * w / workers;
            text[cut - 1] = QChar(0xD83D);
            text[cut] = QChar(0xDE00);
        }
    text += u"한"_qs; // met only at the very end
    const cp932::Encoded whole = cp932::encode(text);

    // The bytes: the same text in pieces far below the size that is sliced. The list: each code
    // point that cannot be written (a lone surrogate standing for itself), at its first appearance.
    QByteArray bytes;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype to = std::min(text.size(), from + 100000);
        if (to < text.size() && text[to - 1].isHighSurrogate())
            ++to;
        bytes += cp932::encode(QStringView(text).sliced(from, to - from)).bytes;
        from = to;
    }
    QString unmappable;
    QSet<char32_t> listed;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = QStringView(text).mid(i, pair ? 2 : 1);
        const char32_t ucs = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (!cp932::canEncode(character) && !listed.contains(ucs)) {
            listed.insert(ucs);
            unmappable += character;
        }
        i += pair ? 1 : 0;
    }
    EXPECT_TRUE(whole.bytes == bytes);
    EXPECT_EQ(whole.unmappable, unmappable);
    EXPECT_TRUE(whole.unmappable.startsWith(u"€😀"_qs));
    EXPECT_TRUE(whole.unmappable.endsWith(u"한"_qs));
}

// The slices meet where they meet: one thread and two to eight give the same bytes and the same
// list of characters that cannot be written, whatever surrogates stand round the slice edges (a
// high surrogate belongs to a pair only when a low one follows it).
TEST(Cp932Encode, AnyNumberOfThreadsGivesTheSameResult)
{
    const char16_t H = 0xD83D, L = 0xDE00, H2 = 0xD840, L2 = 0xDC0B;
    struct Edge
    {
        const char *name;
        std::u16string before; // ends just before the edge
        std::u16string after;  // starts at the edge
    };
    const Edge edges[] = {
        {"doubled high before the edge", {H}, {H2, L2}},
        {"two highs, then a low at the edge", {H2, H}, {L}},
        {"lone high before the edge", {H}, u"a"},
        {"lone high on both sides", {H}, {H2, u'b'}},
        {"lone low at the edge", u"x", {L}},
        {"two lows across the edge", {L2}, {L}},
        {"pair across the edge", {H}, {L}},
        {"pair before the edge", {H2, L2}, {H, L}},
    };
    const qsizetype n = qsizetype(1) << 19;
    QString base;
    const QString pieces[] = {u"表"_qs, u"a"_qs, u"ｶ"_qs, u"€"_qs, u"\r\n"_qs};
    for (qsizetype i = 0; base.size() < n; ++i)
        base += pieces[(i * 3 + i / 7) % 5];
    base.truncate(n);
    for (const Edge &edge : edges) {
        // The edge at every place where two, three, ... eight threads cut the text.
        QString text = base;
        for (int workers = 2; workers <= 8; ++workers) {
            for (int w = 1; w < workers; ++w) {
                const qsizetype cut = n * w / workers;
                for (std::size_t k = 0; k < edge.before.size(); ++k)
                    text[cut - qsizetype(edge.before.size() - k)] = QChar(edge.before[k]);
                for (std::size_t k = 0; k < edge.after.size(); ++k)
                    text[cut + qsizetype(k)] = QChar(edge.after[k]);
            }
        }
        const cp932::Encoded one = cp932::encodeInSlices(text, 1);
        for (int workers = 2; workers <= 8; ++workers) {
            const cp932::Encoded several = cp932::encodeInSlices(text, workers);
            EXPECT_EQ(several.bytes.size(), one.bytes.size()) << edge.name << ", " << workers;
            EXPECT_TRUE(several.bytes == one.bytes) << edge.name << ", " << workers;
            EXPECT_EQ(several.unmappable, one.unmappable) << edge.name << ", " << workers;
        }
    }
}

TEST(Cp932Decode, BadSequences)
{
    struct Case
    {
        QByteArray bytes;
        const char16_t *text;
    };
    const Case cases[] = {
        {"\x81", u"\u30FB"}, // truncated at the end
        {QByteArray("a\x82", 2), u"a\u30FB"},
        {"\x81<b>", u"\u30FB<b>"}, // an ASCII byte after a lead is kept
        {"\x81\"", u"\u30FB\""},
        {"\x81\x7F", u"\u30FB\x7F"},
        {"\x81\xFD", u"\u30FB\uF8F1"},
        {"\x81\n\x81\x40", u"\u30FB\n\u3000"}, // the second lead starts a good pair
        {"\x85\x40z", u"\u30FBz"},             // a pair without a character: one U+30FB
        {"\xEB\xFC", u"\u30FB"},
        {"\x80\xA0\xFD\xFE\xFF", u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"},
        {"\x5C\x7E\r\n\x83\x5C", u"\\~\r\n\u30BD"}, // line ends unchanged; 835C is ソ
        {QByteArray("\0a", 2), u"\0a"},
    };
    for (const Case &c : cases) {
        const QString expected =
            c.bytes.startsWith('\0') ? QString(QChar(0)) + u'a' : QString::fromUtf16(c.text);
        EXPECT_EQ(cp932::decode(c.bytes), expected) << c.bytes.toHex().toStdString();
    }
}

// Golden cases in tests/data/cp932/<case>/: input.utf8 is encoded and compared with encoded.cp932
// (and the report with unmappable.utf8, empty when absent); input.cp932 is decoded and compared
// with decoded.utf8. A case holds either pair or both.
// A large text is decoded in slices on several threads, each starting at a byte no double-byte
// character holds: the text is that of its pieces decoded one by one, with bad sequences, lone
// lead bytes and double-byte characters at every place a slice could start, and an encoded text
// of double-byte characters alone comes back whole.
TEST(Cp932Decode, ALargeTextIsDecodedAsItsPiecesAre)
{
    std::uint32_t seed = 12345;
    auto random = [&seed](std::uint32_t below) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % below;
    };
    QByteArray whole;
    QString expected;
    while (whole.size() < 3 * (1 << 20) + 11) {
        // A piece: a byte below 0x40 first, then bytes of every kind.
        QByteArray piece(1, char(random(0x40)));
        const int length = int(random(300));
        for (int i = 0; i < length; ++i) {
            switch (random(4)) {
            case 0: piece += char(0x20 + random(0x60)); break;     // ASCII
            case 1: piece += char(0x81 + random(0x1F)); break;     // a lead byte
            case 2: piece += char(0x40 + random(0xBD)); break;     // a trail byte
            default: piece += char(0xA1 + random(0x3F)); break;    // half-width katakana
            }
        }
        expected += cp932::decode(piece);
        whole += piece;
    }
    EXPECT_EQ(cp932::decode(whole), expected);

    // Kanji of the code page's main rows, whose two bytes are each at least 0x40.
    QByteArray rows;
    for (unsigned lead = 0x89; lead <= 0x9F; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
            if (trail != 0x7F) {
                rows += char(lead);
                rows += char(trail);
            }
    const QString row = cp932::decode(rows);
    ASSERT_EQ(row.size(), rows.size() / 2);
    QString kanji;
    while (kanji.size() < 3 * (1 << 20))
        kanji += row;
    const cp932::Encoded encoded = cp932::encode(kanji);
    ASSERT_TRUE(encoded.unmappable.isEmpty());
    EXPECT_EQ(cp932::decode(encoded.bytes), kanji);
}

TEST(Cp932Golden, Cases)
{
    const QDir root(QStringLiteral(MORVANE_TEST_DATA "/cp932"));
    const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(cases.size(), 3);
    const auto read = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? std::optional(file.readAll()) : std::nullopt;
    };
    for (const QString &name : cases) {
        const QDir dir(root.filePath(name));
        const auto text = read(dir.filePath(QStringLiteral("input.utf8")));
        const auto bytes = read(dir.filePath(QStringLiteral("input.cp932")));
        EXPECT_TRUE(text || bytes) << name.toStdString();
        if (text) {
            const cp932::Encoded e = cp932::encode(QString::fromUtf8(*text));
            EXPECT_EQ(e.bytes, read(dir.filePath(QStringLiteral("encoded.cp932"))))
                << name.toStdString();
            const auto unmappable = read(dir.filePath(QStringLiteral("unmappable.utf8")));
            EXPECT_EQ(e.unmappable, QString::fromUtf8(unmappable.value_or(QByteArray())))
                << name.toStdString();
        }
        if (bytes) {
            const auto decoded = read(dir.filePath(QStringLiteral("decoded.utf8")));
            ASSERT_TRUE(decoded) << name.toStdString();
            EXPECT_EQ(cp932::decode(*bytes), QString::fromUtf8(*decoded)) << name.toStdString();
        }
    }
}

} // namespace
