// Loading and saving the text of a rich-text box.

#include "controls/cp932.h"
#include "controls/richtextbox.h"
#include "controls/rtf.h"
#include "controls/textfile.h"

#include <QFile>

std::optional<QString> RichTextBox::readFileText(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return toCrLf(rtf::looksLikeRtf(bytes) ? rtf::toPlainText(bytes) : cp932::decode(bytes));
}

bool RichTextBox::loadFile(const QString &path)
{
    std::optional<QString> text = readFileText(path);
    if (!text)
        return false;
    setText(*text);
    return true;
}

bool RichTextBox::saveFile(const QString &path, QString *unmappable) const
{
    return writeTextFile(path, m_text, unmappable);
}
