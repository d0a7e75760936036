// Loading and saving the text of a rich-text box.

#include "controls/richtextbox.h"
#include "controls/rtf.h"
#include "controls/textfile.h"

#include <QFile>
#include <QFileInfo>

std::optional<QString> RichTextBox::readFileText(const QString &path)
{
    // Asked before opening: opening a pipe would wait for a writer.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() > MaxLoadBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A file that grew since it was asked about is cut off here, and refused.
    const QByteArray bytes = file.read(MaxLoadBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxLoadBytes)
        return std::nullopt;
    return toCrLf(rtf::looksLikeRtf(bytes) ? rtf::toPlainText(bytes)
                                           : decodeTextFile(bytes, TextOrigin::Chosen));
}

bool RichTextBox::loadFile(const QString &path)
{
    std::optional<QString> text = readFileText(path);
    if (!text)
        return false;
    // A file loaded starts a history of its own.
    setText(*text);
    clearUndo();
    return true;
}

bool RichTextBox::saveFile(const QString &path, QString *unmappable) const
{
    return writeTextFile(path, text(), unmappable);
}
