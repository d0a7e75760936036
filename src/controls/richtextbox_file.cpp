// Loading a file into a rich-text box.

#include "controls/cp932.h"
#include "controls/richtextbox.h"
#include "controls/rtf.h"

#include <QFile>

bool RichTextBox::loadFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    setText(rtf::looksLikeRtf(bytes) ? rtf::toPlainText(bytes) : cp932::decode(bytes));
    return true;
}
