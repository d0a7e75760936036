// The settings document: the whole design as "<key>value" lines, per-cell records and the escaped
// cell data, closed by "<end>".

#include "controls/cp932.h"
#include "controls/strings.h"
#include "controls/textfile.h"
#include "frame/form1.h"
#include "frame/settingsreader.h"

#include <functional>

namespace {

const QString CrLf = QStringLiteral(u"\r\n");

template <typename T>
int optionIndex(const ControlArray<T> &group)
{
    int index = group.lBound();
    for (; index <= group.uBound(); ++index)
        if (group.exists(index) && group(index).value())
            break;
    return index - group.lBound();
}

// "<" and ">" written as the cell data writes them, so that a value holding a tag survives reading.
QString escapeMarks(const QString &text)
{
    return strings::replace(strings::replace(text, QStringLiteral(u"<"), QStringLiteral(u"\\0\\")),
                            QStringLiteral(u">"), QStringLiteral(u"\\1\\"));
}

// Calls a test on every value the document writes until one fails; true when all passed.
using EveryValue = std::function<bool(const std::function<bool(const QString &)> &)>;

struct Escapes
{
    int level = 0; // the "<escape>" line: 0 for none
    QString content;
};

// Values holding "<" or ">" would be cut when the document is read back: such a document escapes
// them and says so with "<escape>1" after the fixed block; others are written as they are. Where
// that reading would not give back every value and the cell data exactly (a text holding "\1\" of
// its own, say), "\" is escaped too, everywhere, under "<escape>2".
Escapes chooseEscapes(const EveryValue &everyValue, const QString &cellData)
{
    Escapes out;
    out.level =
        everyValue([](const QString &v) { return !v.contains(u'<') && !v.contains(u'>'); }) ? 0 : 1;
    out.content = strings::replace(escapeMarks(cellData), CrLf, QStringLiteral(u"\\3\\"));
    const bool exact = unescapeSettingsValue(out.content, true) == cellData &&
                       (out.level == 0 || everyValue([](const QString &v) {
                            return unescapeSettingsValue(escapeMarks(v), false) == v;
                        }));
    if (!exact) {
        out.level = 2;
        out.content = escapeSettingsText(cellData);
    }
    return out;
}

} // namespace

std::array<QString, 26> Form1::settingsFixedValues() const
{
    return {
        Text2(0).text(),
        QString::number(VScroll1(0).value()),
        QString::number(VScroll1(1).value()),
        QString::number(VScroll1(2).value()),
        Combo1(0).text(),
        QString::number(VScroll1(3).value()),
        QString(),
        QString::number(optionIndex(Option10)),
        Txttatek.text(),
        Txtyokok.text(),
        QString::number(optionIndex(Option11)),
        txtwaku2(1).text(),
        Text5(0).text(),
        Text5(1).text(),
        Text5(2).text(),
        Text5(3).text(),
        QString::number(optionIndex(Optionichi2)),
        QString(),
        QString(),
        Txttit.text(),
        Option16(0).value() ? QStringLiteral(u"0") : QStringLiteral(u"1"),
        Text2(2).text(),
        QString::number(optionIndex(Option12)),
        Text6.text(),
        Text4.text(),
        Text3.text(),
    };
}

QString Form1::BuildSettingsText() const
{
    const std::array<QString, 26> fixedValues = settingsFixedValues();
    static const char16_t *keys[26] = {
        u"<path>", u"<行>", u"<列>", u"<幅>", u"<幅単位>", u"<高>", nullptr, u"<見出>",
        u"<間隔縦>", u"<間隔横>", u"<外枠>", u"<線幅>", u"<枠色>", u"<枠色名>", u"<枠色暗>",
        u"<セル色>", u"<位置>", nullptr, nullptr, u"<タイトル>", u"<タイトル位置>", u"<画像>",
        u"<罫線の表示>", u"<区切り記号>", u"<セル内マージン>", u"<内線の太さ>"};

    // A count the designer refuses still saves every cell the grids can hold.
    const int rows = countIn(0).value_or(1000);
    const int columns = countIn(1).value_or(1000);
    struct Record { const char16_t *key; const TextGrid *grid; int list; };
    const Record records[10] = {
        {u"<selcolor>", &cellColors, 0},      {u"<cellfontcolor>", &cellFontColors, 0},
        {u"<cellfontsize>", &cellFontSizes, 0}, {u"<selImage>", &cellImages, 0},
        {u"<rowspan>", &cellSpans, 0},        {u"<nowrap>", &cellNowraps, 0},
        {u"<selltatesize>", nullptr, 1},      {u"<sellyokosize>", nullptr, 2},
        {u"<cellichitate>", &cellIchiTate, 0}, {u"<cellichiyoko>", &cellIchiYoko, 0}};
    auto entry = [&](const Record &record, int r, int c) -> const QString & {
        if (record.list == 1)
            return rowHeights.get(r);
        if (record.list == 2)
            return columnWidths.get(c);
        return record.grid->get(r, c);
    };

    const EveryValue everyValue = [&](const std::function<bool(const QString &)> &holds) {
        for (const QString &value : fixedValues)
            if (!holds(value))
                return false;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                for (const Record &record : records)
                    if (const QString &value = entry(record, r, c);
                        !value.isEmpty() && !holds(value))
                        return false;
        return true;
    };

    const Escapes escapes = chooseEscapes(everyValue, RB3.text());
    const int level = escapes.level;
    auto value = [level](const QString &text) {
        return level == 2 ? escapeSettingsText(text) : level == 1 ? escapeMarks(text) : text;
    };

    QString text;
    for (int i = 0; i < 26; ++i) {
        if (i > 0)
            text += CrLf;
        if (keys[i])
            text += QString::fromUtf16(keys[i]) + value(fixedValues[i]);
    }
    if (level > 0)
        text += CrLf + QStringLiteral(u"<escape>") + QString::number(level);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            for (const Record &record : records) {
                const QString &v = entry(record, r, c);
                if (v.isEmpty())
                    continue;
                text += CrLf;
                text += QString::fromUtf16(record.key);
                text += QString::number(r) + u':' + QString::number(c) + u':' + value(v);
            }
        }
    }
    text += CrLf + QStringLiteral(u"<content>") + escapes.content;
    text += CrLf + QStringLiteral(u"<end>");
    return text;
}

bool Form1::SaveTextFile(const QString &path, const QString &text)
{
    // Characters the code page cannot hold are never dropped silently.
    const cp932::Encoded encoded = cp932::encode(text);
    if (!encoded.unmappable.isEmpty()) {
        const QString question =
            QStringLiteral(u"次の文字はこのファイルに保存できません。「?」に置き換えて保存しますか？\r\n")
            + encoded.unmappable;
        if (msgBox(question, msgbox::YesNo | msgbox::Exclamation) != msgbox::Yes)
            return false;
    }
    if (!writeTextFile(path, text)) {
        msgBox(QStringLiteral(u"ファイルを保存できませんでした。\r\n") + path,
               msgbox::OKOnly | msgbox::Critical);
        return false;
    }
    return true;
}

void Form1::SaveSettingsDocument()
{
    const QString text = BuildSettingsText();
    const std::optional<QString> path = askForFile(
        QStringLiteral(u"設定の保存"),
        QStringLiteral(u"HTMLファイル (*.set)|*.set|&設定ファイル (*.set)|*.set|"
                       u"テキストファイル(*.txt)|*.txt|全てのファイル (*.*)|*.*|"),
        FileDialogKind::Save, m_lastSettingsName);
    if (!path)
        return;
    m_lastSettingsName = *path;
    SaveTextFile(*path, text);
}

void Form1::Command22_Click()
{
    SaveSettingsDocument();
}

void Form1::msettei_Click()
{
    SaveSettingsDocument();
}
