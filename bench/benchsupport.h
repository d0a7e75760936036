#pragma once

// What the benchmarks share: the process's peak memory, the quantiles of timed keystrokes, the
// large table source and the CSV files they run on, and the plain script the CSV road is measured
// against.

#include "controls/cp932.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace benchsupport {

inline long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// The median, the 90th percentile and the worst of `milliseconds` as the counters
// `<prefix>median_ms`, `<prefix>p90_ms` and `<prefix>worst_ms`.
inline void quantiles(benchmark::State &state, std::vector<double> milliseconds,
                      const std::string &prefix = {})
{
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters[prefix + "median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters[prefix + "p90_ms"] = milliseconds[milliseconds.size() * 9 / 10];
    state.counters[prefix + "worst_ms"] = milliseconds.back();
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

inline QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// An n × n CSV file as a web author's table would be: CP932, one row a line, no quoting, cells of
// about 12 characters mixing Japanese and ASCII. Written once per size into folder().
inline QString csvFile(int n)
{
    static std::map<int, QString> files;
    if (auto it = files.find(n); it != files.end())
        return it->second;
    static const char16_t *const words[] = {u"東京", u"品目", u"価格", u"数量", u"備考", u"日付"};
    QString text;
    text.reserve(qsizetype(n) * n * 13 + n * 2);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (c)
                text += u',';
            // e.g. "東京r12c345x": two Japanese characters, then ASCII, about 12 in all.
            text += QStringView(words[(r + c) % 6]);
            text += u'r' + QString::number(r) + u'c' + QString::number(c);
            text += QStringView(u"xyz").first(std::max(0, 3 - int(QString::number(r).size())));
        }
        text += u"\r\n";
    }
    const QString path = folder().filePath(QStringLiteral(u"table%1.csv").arg(n));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(cp932::encode(text).bytes);
    files[n] = path;
    return path;
}

// The interpreter itself, not a launcher in front of it (a version manager's shim costs a second).
inline QString python()
{
    static const QString path = [] {
        QProcess probe;
        probe.start(QStringLiteral(u"python3"),
                    {QStringLiteral(u"-c"), QStringLiteral(u"import sys; print(sys.executable)")});
        probe.waitForFinished();
        const QString found = QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed();
        return found.isEmpty() ? QStringLiteral(u"python3") : found;
    }();
    return path;
}

// The plain script: csv_to_html.py input.csv output.html.
inline const QString &script()
{
    static const QString path = QStringLiteral(MORVANE_BENCH_DIR "/csv_to_html.py");
    return path;
}

// About `chars` characters of lines whose comment markers do not pair in turn: two "<!--" and one
// "-->" a line, so the k-th "<!--" pairs with the "-->" k/2 lines further on, and each line's
// comment is one only because the first line's comment text repeats there.
inline QString unpairedCommentLines(qsizetype chars)
{
    const QString line = QStringLiteral(u"<p>x</p><!-- a <!-- b -->\r\n");
    return line.repeated(std::max<qsizetype>(1, chars / line.size()));
}

} // namespace benchsupport
