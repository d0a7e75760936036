// The cell-data text: one "[[ ... ]]" line per table row, cells separated by the delimiter of Text6.

#include "controls/hugepages.h"
#include "controls/strings.h"
#include "frame/form1.h"

std::optional<int> Form1::countIn(int Index) const
{
    const std::optional<int> count = strings::truncated(strings::Val(Text1(Index).text()));
    if (!count || *count > 1000)
        return std::nullopt;
    return std::max(*count, 0);
}

bool Form1::BuildRowTemplate()
{
    if (m_cellDataParked)
        return true;
    // The counts as their spinners hold them: a count box may show text its spinner refused.
    const int rows = rowCount();
    const int columns = columnCount();
    const QString cell = QStringLiteral(u"     ") + Text6.text();
    QString line = QStringLiteral(u"[[");
    for (int c = 1; c < columns; ++c)
        line += cell;
    line += QStringLiteral(u"     ]]\r\n");

    QString text;
    hugepages::reserve(text, qsizetype(line.size()) * std::max(rows, 0) + 25);
    for (int r = 0; r < rows; ++r)
        text += line;
    text += QString(25, u' ');
    RB3.setText(text);
    return true;
}
