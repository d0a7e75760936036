// Composing a colour: the RGB sliders of the basic view, the system colour dialog that presets
// them, and the mixing palette of the extended view that adds dropped swatches like light.

#include "colour/colourtext.h"
#include "colour/fomcolor.h"
#include "controls/strings.h"

QString FomColor::getRgb(quint32 t) const
{
    return rgbHexOf(t);
}

void FomColor::HScroll1_Change(int Index)
{
    const int red = HScroll1(0).value();
    const int green = HScroll1(1).value();
    const int blue = HScroll1(2).value();
    Text7(Index).setText(QString::number(HScroll1(Index).value()));
    showComposedColour(red, green, blue);
}

void FomColor::showComposedColour(int red, int green, int blue)
{
    const quint32 colours[] = {rgb(red, 0, 0), rgb(0, green, 0), rgb(0, 0, blue),
                               rgb(red, green, blue)};
    for (int i = 0; i < 4; ++i) {
        Text7(i).setBackColor(colours[i]);
        Text7(i).setForeColor(readableTextOn(colours[i]));
    }
    Label4(3).setForeColor(rgb(red, green, blue));
    Text7(3).setText(colourText(red, green, blue));
    // A composed colour has no name.
    Text4.setText(QString());
    Text4.setBackColor(rgb(255, 255, 255));
    Text4.setForeColor(0x000000);
}

void FomColor::Text7_Change(int)
{
    Text3.setText(Text7(3).text());
}

void FomColor::Text7_DblClick(int)
{
    InsertC();
}

void FomColor::Command6_Click()
{
    const std::optional<quint32> chosen =
        m_services.colors ? m_services.colors->choose(m_dialogColour) : std::nullopt;
    // Cancel keeps everything as it was.
    if (!chosen)
        return;
    m_dialogColour = *chosen;
    const int red = redOf(*chosen);
    const int green = greenOf(*chosen);
    const int blue = blueOf(*chosen);
    Text7(3).setBackColor(rgb(red, green, blue));
    const bool unchanged = HScroll1(0).value() == red && HScroll1(1).value() == green &&
                           HScroll1(2).value() == blue;
    HScroll1(0).setValue(red);
    HScroll1(1).setValue(green);
    HScroll1(2).setValue(blue);
    // The sliders already stood at the chosen colour, so no slider ran: the chosen colour still
    // becomes the value to insert.
    if (unchanged) {
        showComposedColour(red, green, blue);
        Text3.setText(Text7(3).text());
    }
}

void FomColor::Picture1_DragDrop(Control &Source, int, int)
{
    const auto *swatch = dynamic_cast<const TextBox *>(&Source);
    const QString t = swatch ? swatch->text() : QString();
    const int red = hexValue(strings::mid(t, 2, 2));
    const int green = hexValue(strings::mid(t, 4, 2));
    const int blue = hexValue(strings::mid(t, 6, 2));
    if (!palette.add(red, green, blue)) {
        Command4_Click();
        return;
    }
    Shape1.setFillColor(palette.fill());
    Text3.setText(colourText(palette.mixRed, palette.mixGreen, palette.mixBlue));
}

void FomColor::Command4_Click()
{
    palette.reset();
    Shape1.setFillColor(rgb(255, 255, 255));
}
