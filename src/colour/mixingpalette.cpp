#include "colour/mixingpalette.h"

#include "colour/colourtext.h"

#include <algorithm>

bool MixingPalette::add(int red, int green, int blue)
{
    if (!mixHasColor) {
        mixRed = red;
        mixGreen = green;
        mixBlue = blue;
    } else {
        mixRed = std::min(mixRed + red, 255);
        mixGreen = std::min(mixGreen + green, 255);
        mixBlue = std::min(mixBlue + blue, 255);
    }
    if (mixRed >= 255 && mixGreen >= 255 && mixBlue >= 255) {
        reset();
        return false;
    }
    mixHasColor = true;
    return true;
}

void MixingPalette::reset()
{
    mixHasColor = false;
    mixRed = mixGreen = mixBlue = 0;
}

quint32 MixingPalette::fill() const
{
    return mixHasColor ? rgb(mixRed, mixGreen, mixBlue) : rgb(255, 255, 255);
}
