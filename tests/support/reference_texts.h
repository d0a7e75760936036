#pragma once

#include "objref/objectreference.h"
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

// The object texts (member list and descriptions) as start-up and the object window build them,
// built once for the whole test program.
inline const ObjectReference &objectTexts()
{
    static const ObjectReference object = [] {
        ObjectReference o;
        o.Gets();
        o.GetString();
        return o;
    }();
    return object;
}
