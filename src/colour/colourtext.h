#pragma once

#include "controls/colorrun.h"

#include <QString>
#include <QStringView>

// How the colour picker reads and writes colours. Inside the picker a colour is a number with red in
// the low byte (0x00BBGGRR); as text it is "#" and six hexadecimal digits, red first.

// The value of a hexadecimal text, as decimal text. Digits are read from "123456789abcdef" in either
// case; any other character ("0" included) counts 0, so the result is never an error. An empty
// text gives "0".
QString HexToByte(QStringView s);
// HexToByte as a number.
int hexValue(QStringView s);

// The colour text the picker writes for a colour it computes: "#RRGGBB", upper-case digits, each
// component (0..255) in two digits.
QString colourText(int red, int green, int blue);


// The colour of a six-digit "rrggbb" text (a leading "#" is not part of it), each pair read with
// HexToByte.
quint32 colourOfHex(QStringView rrggbb);

// Six upper-case hexadecimal digits, red, green, blue, of a 0x00BBGGRR colour.
QString rgbHexOf(quint32 colour);

// Black or white, whichever reads better on the colour: text shown on a colour stays readable.
constexpr quint32 readableTextOn(quint32 background)
{
    return 299 * redOf(background) + 587 * greenOf(background) + 114 * blueOf(background) < 128000
               ? 0xFFFFFF
               : 0x000000;
}
