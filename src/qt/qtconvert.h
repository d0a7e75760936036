#pragma once

#include "controls/control.h"
#include "controls/imagelist.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QRect>

// Conversions between the control layer's units and Qt's: twips and pixels, 0x00BBGGRR colours
// (system colours resolved from a palette), fonts.

class TwipsScale
{
public:
    // `dpi` is the screen's logical resolution; 1440 twips make an inch.
    explicit TwipsScale(double dpi = 96) : m_dpi(dpi > 0 ? dpi : 96) {}
    static TwipsScale ofPrimaryScreen();

    double dpi() const { return m_dpi; }
    int toPixels(int twips) const { return qRound(twips * m_dpi / 1440.0); }
    int toTwips(int pixels) const { return qRound(pixels * 1440.0 / m_dpi); }
    QRect toPixels(const Control &control) const;

private:
    double m_dpi;
};

// The colour a value stands for; system colours take the matching role of `palette`.
QColor toQColor(quint32 color, const QPalette &palette);
// 0x00BBGGRR of an RGB colour (alpha dropped).
quint32 fromQColor(const QColor &color);

QFont toQFont(const Font &font);
// An image list's picture, transparent where it names no colour.
QPixmap toQPixmap(const Picture &picture);
Font fromQFont(const QFont &font);

// Model texts use CR LF; Qt's multi-line widgets use LF. Lone CRs become line ends too.
QString toLf(QStringView crlf);
QString toCrLfText(const QString &lf);
