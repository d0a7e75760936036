// The settings table: 21 key/value entries kept in memory, loaded from and written whole to
// morvane.ini ("key,value" per line, CP932, CR LF).

#include "controls/textfile.h"
#include "frame/form1.h"

QString Form1::iniPath() const
{
    if (settingsFolder.isEmpty())
        return {};
    return settingsFolder + pathSeparator + QStringLiteral(u"morvane.ini");
}

void Form1::LoadSettingsIni()
{
    const QString path = iniPath();
    if (path.isEmpty())
        return;
    const std::optional<QString> text = readTextFile(path);
    if (!text)
        return;
    // Lines end in CR LF, CR or LF; a last line without a line end still counts.
    QString normal = toCrLf(*text);
    QStringList lines = normal.split(QStringLiteral(u"\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    std::size_t next = 0;
    for (const QString &line : lines) {
        if (next >= settingsTable.size())
            break;
        const qsizetype comma = line.indexOf(u',');
        const QString key = comma < 0 ? line : line.left(comma);
        if (key.isEmpty())
            continue;
        settingsTable[next].key = key;
        settingsTable[next].value = comma < 0 ? QString() : line.mid(comma + 1);
        ++next;
    }
}

QString Form1::GetSettingIni(const QString &, const QString &, const QString &s3,
                             const QString &s4) const
{
    for (const SettingsEntry &entry : settingsTable) {
        processPendingEvents();
        if (entry.key.isEmpty())
            return s4;
        if (entry.key == s3)
            return entry.value;
    }
    return s4;
}

void Form1::SaveSettingIni(const QString &, const QString &, const QString &s3, const QString &s4)
{
    // A new key when all entries are taken is dropped: the program's own keys always fit.
    for (SettingsEntry &entry : settingsTable) {
        processPendingEvents();
        if (entry.key.isEmpty()) {
            entry.key = s3;
            entry.value = s4;
            return;
        }
        if (entry.key == s3) {
            entry.value = s4;
            return;
        }
    }
}

void Form1::Savereg()
{
    const QString path = iniPath();
    if (path.isEmpty())
        return;
    QString text;
    for (const SettingsEntry &entry : settingsTable) {
        if (entry.key.isEmpty())
            break;
        text += entry.key + u',' + entry.value + QStringLiteral(u"\r\n");
    }
    // Written through a temporary file and renamed, so that a crash never leaves half a file; a
    // folder that cannot be written leaves the old file and the program goes on.
    writeTextFile(path, text);
}
