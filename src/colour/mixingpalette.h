#pragma once

#include <QtGlobal>

// The mixing palette: colours dropped on it add up like light. The first drop takes the colour as it
// is; later drops add each component, saturating at 255. Reaching white in all three components
// empties the palette again.
class MixingPalette
{
public:
    int mixRed = 0;
    int mixGreen = 0;
    int mixBlue = 0;
    bool mixHasColor = false;

    // Adds a dropped colour (components 0..255). Returns false when the sum reached white and the
    // palette was emptied; true when it holds the new sum.
    bool add(int red, int green, int blue);
    void reset();
    // What the palette shows: the sum, or white when it is empty.
    quint32 fill() const;
};
