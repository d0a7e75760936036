#pragma once

// What the benchmarks share: the process's peak memory and the large table source they run on.

#include <QString>
#include <sys/resource.h>

namespace benchsupport {

inline long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A 1000 x 1000 table, one cell per line, CR LF line ends: about 50 million characters.
inline const QString &tableSource()
{
    static const QString source = [] {
        const QString cell =
            QStringLiteral(u"<td align = \"center\" bgcolor=\"#ff0000\">text</td>\r\n");
        QString s;
        s.reserve(1000 * (1000 * cell.size() + 16) + 32);
        s += u"<table>\r\n";
        for (int row = 0; row < 1000; ++row) {
            s += u"<tr>\r\n";
            for (int col = 0; col < 1000; ++col)
                s += cell;
            s += u"</tr>\r\n";
        }
        s += u"</table>";
        return s;
    }();
    return source;
}

} // namespace benchsupport
