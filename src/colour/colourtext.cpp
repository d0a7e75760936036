#include "colour/colourtext.h"

#include <algorithm>
#include <limits>

namespace {
const QStringView HexDigits = u"123456789abcdef";

// The value HexToByte writes as text.
qint64 hexSum(QStringView s)
{
    qint64 sum = 0;
    for (QChar c : s) {
        // A text far longer than a colour's pair saturates instead of overflowing.
        sum = std::min(sum * 16 + (HexDigits.indexOf(c.toLower()) + 1), qint64(1) << 48);
    }
    return sum;
}
} // namespace

QString HexToByte(QStringView s)
{
    return QString::number(hexSum(s));
}

int hexValue(QStringView s)
{
    return int(std::min<qint64>(hexSum(s), std::numeric_limits<int>::max()));
}

QString colourText(int red, int green, int blue)
{
    return QStringLiteral("#%1%2%3")
        .arg(red & 0xFF, 2, 16, QChar(u'0'))
        .arg(green & 0xFF, 2, 16, QChar(u'0'))
        .arg(blue & 0xFF, 2, 16, QChar(u'0'))
        .toUpper();
}

quint32 colourOfHex(QStringView rrggbb)
{
    return rgb(hexValue(rrggbb.mid(0, 2)), hexValue(rrggbb.mid(2, 2)), hexValue(rrggbb.mid(4, 2)));
}

QString rgbHexOf(quint32 colour)
{
    // BBGGRR, padded to six digits, read back in pairs from the right.
    const QString bgr = QString::number(colour & 0xFFFFFF, 16).toUpper().rightJustified(6, u'0');
    return bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}
