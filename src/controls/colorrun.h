#pragma once

#include "controls/positionlist.h"

#include <QtGlobal>
#include <vector>

// A colour run of a rich-text box: from `start` (0-based, in UTF-16 units, CR and LF counting one each)
// up to the start of the next run, the text is drawn in `color` (0x00BBGGRR, red in the low byte).
// A run list is sorted by start, its first run starts at 0, and no two neighbours share a colour.
struct ColorRun
{
    qsizetype start = 0;
    quint32 color = 0;
    friend bool operator==(const ColorRun &, const ColorRun &) = default;
};

using ColorRuns = std::vector<ColorRun>;

// The same runs held in chunks, as a rich-text box keeps them: positions move behind an edit at
// the cost of one addition per chunk.
using ColorRunList = PositionList<quint32>;

inline ColorRunList toRunList(const ColorRuns &runs)
{
    ColorRunList list;
    for (const ColorRun &run : runs)
        list.push_back({run.start, run.color});
    return list;
}

// 0x00BBGGRR of three components 0..255, and the components of such a colour.
constexpr quint32 rgb(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}
constexpr int redOf(quint32 colour) { return int(colour & 0xFF); }
constexpr int greenOf(quint32 colour) { return int(colour >> 8 & 0xFF); }
constexpr int blueOf(quint32 colour) { return int(colour >> 16 & 0xFF); }

// Receives the runs of a colouring pass in text order; consecutive calls with the same colour may be
// merged by the receiver.
class ColorSink
{
public:
    virtual ~ColorSink() = default;
    virtual void run(qsizetype start, qsizetype length, quint32 color) = 0;
};
