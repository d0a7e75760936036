#include "reference/cssreference.h"

#include "reference/reflines.h"

void CssReference::Gettext1()
{
    const auto lines = reference::cssRefLines();
    QString text;
    for (const char16_t *line : lines) {
        text += QStringView(line);
        text += u"\r\n";
    }
    m_cssRefText = text;
}
