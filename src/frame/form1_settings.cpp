// The settings table: 21 key/value entries kept in memory, loaded from and written whole to
// morvane.ini ("key,value" per line, CP932, CR LF).

#include "controls/cp932.h"
#include "controls/textfile.h"
#include "frame/form1.h"

#include <algorithm>

namespace {

// What morvane.ini gives back of `text` once written: it is read as the program's own file.
QString readBack(const QString &text)
{
    return decodeTextFile(cp932::encode(text).bytes, TextOrigin::Program);
}

// The characters of `text` that morvane.ini would not give back as they are, each once: those the
// code page lacks and those it reads back as another character; empty when the text is storable.
QString notStorable(const QString &text)
{
    if (readBack(text) == text)
        return {};
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString c = text.mid(i, length);
        i += length - 1;
        if (!out.contains(c) && readBack(c) != c)
            out += c;
    }
    return out;
}

} // namespace

QString Form1::iniPath() const
{
    if (settingsFolder.isEmpty())
        return {};
    return settingsFolder + pathSeparator + QStringLiteral(u"morvane.ini");
}

void Form1::LoadSettingsIni()
{
    m_storedSettings.clear();
    const QString path = iniPath();
    if (path.isEmpty())
        return;
    const std::optional<QString> text = readTextFile(path, TextOrigin::Program);
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
        m_storedSettings.push_back(settingsTable[next]);
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

// Writes the table whole. A value the code page cannot hold is never written changed: the file
// keeps the value it held for that key (or no line for it), the table keeps the new value for this
// run, and the user is told once per such value which setting it is and why.
void Form1::Savereg()
{
    const QString path = iniPath();
    if (path.isEmpty())
        return;
    QString text;
    std::vector<SettingsEntry> written;
    QString refused;
    for (const SettingsEntry &entry : settingsTable) {
        if (entry.key.isEmpty())
            break;
        const SettingsEntry *line = &entry;
        const QString pair = entry.key + u',' + entry.value;
        if (const QString lost = notStorable(pair); !lost.isEmpty()) {
            const auto stored =
                std::find_if(m_storedSettings.cbegin(), m_storedSettings.cend(),
                             [&entry](const SettingsEntry &old) { return old.key == entry.key; });
            line = stored == m_storedSettings.cend() ? nullptr : &*stored;
            if (!m_unstorableReported.contains(pair)) {
                m_unstorableReported.append(pair);
                refused += QStringLiteral(u"\r\n%1「%2」（保存できない文字：%3）")
                               .arg(entry.key, entry.value, lost);
            }
        }
        if (!line)
            continue;
        text += line->key + u',' + line->value + QStringLiteral(u"\r\n");
        written.push_back(*line);
    }
    // Written through a temporary file and renamed, so that a crash never leaves half a file; a
    // folder that cannot be written leaves the old file and the program goes on.
    if (writeTextFile(path, text))
        m_storedSettings = std::move(written);
    if (!refused.isEmpty())
        msgBox(
            QStringLiteral(u"次の設定には設定ファイルに保存できない文字が含まれているため、"
                           u"新しい値を保存しませんでした。設定ファイルには以前の値が残ります。") +
                refused,
            msgbox::OKOnly | msgbox::Exclamation);
}
