// The cell-data text: one "[[ ... ]]" line per table row, cells separated by the delimiter of Text6.

#include "controls/strings.h"
#include "frame/form1.h"

std::optional<int> Form1::countIn(int Index) const
{
    const std::optional<int> count = vb::truncated(vb::Val(Text1(Index).text()));
    if (!count || *count > 1000)
        return std::nullopt;
    return std::max(*count, 0);
}

bool Form1::BuildRowTemplate()
{
    // The boxes follow their spinners here; a count they refuse gives an empty template.
    const int rows = countIn(0).value_or(0);
    const int columns = countIn(1).value_or(0);
    const QString cell = QStringLiteral(u"     ") + Text6.text();
    QString line = QStringLiteral(u"[[");
    for (int c = 1; c < columns; ++c)
        line += cell;
    line += QStringLiteral(u"     ]]\r\n");

    QString text;
    text.reserve(qsizetype(line.size()) * std::max(rows, 0) + 25);
    for (int r = 0; r < rows; ++r)
        text += line;
    text += QString(25, u' ');
    RB3.setText(text);
    return true;
}
