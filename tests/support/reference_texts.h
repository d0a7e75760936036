#pragma once

#include "reference/cssreference.h"
#include "reference/tagreference.h"

#include <QString>

// The built-in reference texts as the windows build them (CR LF line ends).
inline QString cssText()
{
    CssReference css;
    css.Gettext1();
    return css.cssRefText();
}

inline QString tagText()
{
    TagReference tag;
    tag.GetText();
    return tag.tagRefText();
}
