#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QStringView>

#include <functional>
#include <unordered_map>
#include <vector>

// Where the characters of a line stand across a view, in 1/64 pixel (the unit Qt lays text out
// in), for a font laid out without shaping or kerning: each character then takes an advance of its
// own, whatever stands beside it, and a tab goes on to the next multiple of the tab distance from
// the line's start. The figures are exactly the places at which a text layout of the whole line
// would put the characters, without laying the line out.
class CharAdvances
{
public:
    CharAdvances(const QFont &font, qreal tabDistance);

    // The advance of the character at text[i]: a surrogate pair has its glyph's at its first unit
    // and none at its second. Not for a tab.
    qint64 at(QStringView text, qsizetype i) const;
    qint64 tabDistance() const { return m_tab; }
    // The place a tab at x moves on to.
    qint64 tabStop(qint64 x) const { return (x / m_tab + 1) * m_tab; }

private:
    qint64 measure(QStringView glyph) const;

    QFontMetricsF m_metrics;
    qint64 m_tab;
    mutable std::vector<qint32> m_basic; // by UTF-16 unit; -1 while not measured
    mutable std::unordered_map<char32_t, qint64> m_other;
};

// The places along one line, kept in chunks of about ChunkSize characters so that an edit of the
// line measures again only the chunks it touched. Each chunk keeps what it does to a place: a
// chunk without a tab moves it on by its width; one with a tab moves it on to the tab's stop and
// from there by a fixed amount, as tab stops lie at multiples of one distance.
//
// The line's text is read through a Reader: columns [from, to) of the line as they stand now.
class LineGeometry
{
public:
    static constexpr qsizetype ChunkSize = 1024;
    using Reader = std::function<QStringView(qsizetype from, qsizetype to)>;

    // Measures a line of `length` characters.
    void reset(qsizetype length, const Reader &read, const CharAdvances &advances);
    // After `removed` characters at `column` became `inserted` ones (the line read as it is now).
    void replace(qsizetype column, qsizetype removed, qsizetype inserted, const Reader &read,
                 const CharAdvances &advances);

    qsizetype length() const { return m_length; }
    // Where the caret before `column` stands (0..length()); a column inside a surrogate pair
    // stands after the pair, as a text layout puts a caret there.
    qint64 xAt(qsizetype column, const Reader &read, const CharAdvances &advances) const;
    // The first column whose character reaches past x: the column at or before the place x
    // (length() past the line's end).
    qsizetype columnAt(qint64 x, const Reader &read, const CharAdvances &advances) const;
    qint64 width(const CharAdvances &advances) const;

private:
    struct Chunk
    {
        qsizetype length = 0;
        bool tab = false;
        qint64 head = 0; // the width before the first tab (all of it without a tab)
        qint64 tail = 0; // from the first tab's stop to the chunk's end
        qint64 after(qint64 x, const CharAdvances &advances) const
        {
            return tab ? advances.tabStop(x + head) + tail : x + head;
        }
    };
    static Chunk measure(QStringView text, const CharAdvances &advances);
    // Chunks of the columns [from, from + length), read as they stand now.
    void measureInto(std::vector<Chunk> &out, qsizetype from, qsizetype length, const Reader &read,
                     const CharAdvances &advances) const;
    // The chunk holding `column` (the last one for the line's end), its first column and place.
    struct Found
    {
        std::size_t chunk;
        qsizetype start;
        qint64 x;
    };
    Found chunkAt(qsizetype column, const CharAdvances &advances) const;

    std::vector<Chunk> m_chunks;
    qsizetype m_length = 0;
};
