#include "qt/qtconvert.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

TwipsScale TwipsScale::ofPrimaryScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return TwipsScale(screen ? screen->logicalDotsPerInch() : 96);
}

QRect TwipsScale::toPixels(const Control &control) const
{
    return QRect(toPixels(control.left()), toPixels(control.top()), toPixels(control.width()),
                 toPixels(control.height()));
}

namespace {
// The system colour indexes the windows use, as palette roles.
QColor systemColor(quint32 index, const QPalette &palette)
{
    switch (index) {
    case 0x05: // window background
        return palette.color(QPalette::Active, QPalette::Base);
    case 0x08: // window text
        return palette.color(QPalette::Active, QPalette::Text);
    case 0x04: // menu
        return palette.color(QPalette::Active, QPalette::Window);
    case 0x07: // menu text
    case 0x09: // caption text
        return palette.color(QPalette::Active, QPalette::WindowText);
    case 0x0D:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case 0x0E:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case 0x10: // button shadow
        return palette.color(QPalette::Active, QPalette::Dark);
    case 0x11: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 0x12: // button text
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case 0x14: // button highlight
        return palette.color(QPalette::Active, QPalette::Light);
    case 0x17:
        return palette.color(QPalette::Active, QPalette::ToolTipText);
    case 0x18:
        return palette.color(QPalette::Active, QPalette::ToolTipBase);
    default: // button face and anything else: the dialog background
        return palette.color(QPalette::Active, QPalette::Button);
    }
}
} // namespace

QColor toQColor(quint32 color, const QPalette &palette)
{
    if (SysColor::isSystem(color))
        return systemColor(color & 0xFF, palette);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

quint32 fromQColor(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

QFont toQFont(const Font &font)
{
    QFont qfont(font.name);
    if (font.size > 0)
        qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

Font fromQFont(const QFont &qfont)
{
    Font font;
    font.name = qfont.family();
    font.size = qfont.pointSizeF() > 0 ? qfont.pointSizeF() : font.size;
    font.bold = qfont.bold();
    font.italic = qfont.italic();
    return font;
}

QString toLf(QStringView crlf)
{
    // One pass: the sources reach tens of millions of characters.
    QString out(crlf.size(), Qt::Uninitialized);
    QChar *to = out.data();
    const QChar *from = crlf.constData();
    const QChar *end = from + crlf.size();
    for (; from != end; ++from) {
        if (*from == u'\r') {
            *to++ = u'\n';
            if (from + 1 != end && from[1] == u'\n')
                ++from;
        } else {
            *to++ = *from;
        }
    }
    out.truncate(to - out.constData());
    return out;
}

QString toCrLfText(const QString &lf)
{
    QString out;
    out.reserve(lf.size() + lf.count(u'\n'));
    for (qsizetype i = 0; i < lf.size(); ++i) {
        const QChar c = lf.at(i);
        if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out += QStringLiteral(u"\r\n");
        } else if (c == u'\r') {
            out += QStringLiteral(u"\r\n");
            if (i + 1 < lf.size() && lf.at(i + 1) == u'\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QPixmap toQPixmap(const Picture &picture)
{
    QImage image(std::max(1, picture.width()), std::max(1, picture.height()),
                 QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QPalette system = QGuiApplication::palette();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (const auto colour = picture.colourAt(x, y))
                image.setPixelColor(x, y, toQColor(*colour, system));
    return QPixmap::fromImage(image);
}
