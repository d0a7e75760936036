#include "reference/tagreference.h"

#include "reference/reflines.h"

void TagReference::GetText()
{
    const auto lines = reference::tagRefLines();
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += u"\r\n";
        text += QStringView(lines[i]);
    }
    m_tagRefText = text;
}
