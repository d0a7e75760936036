// Loading a settings document: the whole document is read and checked first, then applied to the
// controls (each runs its own change behaviour), the per-cell grids and the cell data; what cannot
// be applied is skipped, counted and reported once.

#include "controls/strings.h"
#include "controls/textfile.h"
#include "frame/form1.h"
#include "frame/settingsreader.h"

#include <cmath>

namespace {

// The per-cell keys in the order their records are stored.
constexpr const char16_t *RecordKeys[10] = {
    u"<selcolor>",     u"<selImage>",      u"<rowspan>",      u"<nowrap>",       u"<selltatesize>",
    u"<sellyokosize>", u"<cellfontcolor>", u"<cellfontsize>", u"<cellichiyoko>", u"<cellichitate>"};

template <typename T> bool chooseOption(ControlArray<T> &group, const QString &value)
{
    const std::optional<int> index = strings::toWhole(strings::Val(value));
    if (!index || !group.exists(*index))
        return false;
    group(*index).setValue(true);
    return true;
}

bool setText(TextBox &box, const QString &value)
{
    box.setText(value);
    return true;
}

// The value a document gives a spinner, when the spinner can hold it.
std::optional<int> spinnerValue(const ScrollBar &bar, const QString &value)
{
    const std::optional<int> number = strings::toInteger16(strings::Val(value));
    if (!number || *number < bar.lowest() || *number > bar.highest())
        return std::nullopt;
    return number;
}

struct FixedKey
{
    const char16_t *key;
    std::function<bool(const QString &value)> apply;
};

// The table-wide keys in the order they are applied, each with what applying a value does;
// `apply` returns false when the control refuses the value.
std::vector<FixedKey> fixedKeys(Form1Controls &form)
{
    // Spinners take the value as a whole number within their range; anything else is refused.
    auto spinner = [&form](int index) {
        return [&form, index](const QString &v) {
            ScrollBar &bar = form.VScroll1(index);
            const std::optional<int> number = spinnerValue(bar, v);
            if (!number)
                return false;
            // A new count rebuilds the cell data: the load has asked already whether typed data
            // may go, so the spinner finds none to ask about.
            if ((index == 0 || index == 1) && *number != bar.value())
                form.RB3.setText(QString());
            bar.setValue(*number);
            return true;
        };
    };
    auto text = [](TextBox &box) { return [&box](const QString &v) { return setText(box, v); }; };
    return {
        {u"<path>", text(form.Text2(0))},
        {u"<行>", spinner(0)},
        {u"<列>", spinner(1)},
        {u"<幅>", spinner(2)},
        {u"<高>", spinner(3)},
        {u"<幅単位>",
         [&form](const QString &v) {
             form.Combo1(0).setText(v);
             return true;
         }},
        {u"<見出>", [&form](const QString &v) { return chooseOption(form.Option10, v); }},
        {u"<間隔縦>", text(form.Txttatek)},
        {u"<間隔横>", text(form.Txtyokok)},
        {u"<外枠>", [&form](const QString &v) { return chooseOption(form.Option11, v); }},
        {u"<線幅>", text(form.txtwaku2(1))},
        {u"<枠色>", text(form.Text5(0))},
        {u"<枠色名>", text(form.Text5(1))},
        {u"<枠色暗>", text(form.Text5(2))},
        {u"<セル色>", text(form.Text5(3))},
        {u"<区切り記号>", text(form.Text6)},
        {u"<セル内マージン>", text(form.Text4)},
        {u"<内線の太さ>", text(form.Text3)},
        {u"<位置>", [&form](const QString &v) { return chooseOption(form.Optionichi2, v); }},
        {u"<タイトル>", text(form.Txttit)},
        {u"<タイトル位置>",
         [&form](const QString &v) {
             form.Option16(v == u"0" ? 0 : 1).setValue(true);
             return true;
         }},
        {u"<画像>", text(form.Text2(2))},
        {u"<罫線の表示>", [&form](const QString &v) { return chooseOption(form.Option12, v); }},
    };
}

// A value as the document's escape level ("<escape>", 0 without it) gives it back.
QString settingsValue(const QString &raw, int escapes)
{
    return escapes == 2   ? unescapeSettingsText(raw)
           : escapes == 1 ? unescapeSettingsValue(raw, false)
                          : raw;
}

// The cell data has always been escaped: as the values are under level 2, else as it always was.
QString settingsCellData(const QString &raw, int escapes)
{
    return escapes == 2 ? unescapeSettingsText(raw) : unescapeSettingsValue(raw, true);
}

// Whether the document would replace the cell data RB3 holds: by its own (`cellData`, null when it
// has none), or by the template of a new row or column count (`fixed` in the order of fixedKeys).
bool replacesCellData(Form1Controls &form, const std::vector<TagValue> &fixed,
                      const QString *cellData, int escapes)
{
    if (cellData)
        return *cellData != form.RB3.text();
    for (int index : {0, 1}) {
        const TagValue &found = fixed[std::size_t(index) + 1]; // after <path>: <行>, <列>
        if (found.status != TagValue::Found)
            continue;
        const std::optional<int> number =
            spinnerValue(form.VScroll1(index), settingsValue(found.value, escapes));
        if (number && *number != form.VScroll1(index).value())
            return true;
    }
    return false;
}

} // namespace

void Form1::LoadSettingsDocument()
{
    const std::optional<QString> path =
        askForFile(QStringLiteral(u"ファイルの読み込み"),
                   QStringLiteral(u"設定ファイル (*.set)|*.set|&設定ファイル (*.set)|*.set|"
                                  u"テキストファイル(*.txt)|*.txt|全てのファイル (*.*)|*.*|"),
                   FileDialogKind::Open, m_lastSettingsName);
    if (!path)
        return;
    m_lastSettingsName = *path;
    const std::optional<QString> text = readTextFile(*path, TextOrigin::Program);
    if (!text) {
        msgBox(QStringLiteral(u"ファイルを読み込めませんでした。\r\n") + *path,
               msgbox::OKOnly | msgbox::Critical);
        return;
    }
    LoadSettingsText(*text, *path);
}

bool Form1::LoadSettingsText(const QString &fileText, const QString &path)
{
    const QString text = joinSettingsLines(fileText);

    // Read and check everything before anything changes.
    const std::vector<FixedKey> keys = fixedKeys(*this);
    std::vector<TagValue> fixed;
    bool anything = false;
    for (const FixedKey &key : keys) {
        fixed.push_back(GetTagValue(text, QString::fromUtf16(key.key)));
        anything = anything || fixed.back().status != TagValue::Missing;
    }
    std::vector<CellRecords> records;
    for (const char16_t *key : RecordKeys) {
        records.push_back(readCellRecords(text, QString::fromUtf16(key)));
        anything = anything || !records.back().records.empty() || records.back().damaged > 0;
    }
    const TagValue content = GetTagValue(text, QStringLiteral(u"<content>"));
    anything = anything || content.status != TagValue::Missing;
    if (!anything) {
        msgBox(QStringLiteral(u"このファイルには設定が含まれていません。\r\n") + path,
               msgbox::OKOnly | msgbox::Exclamation);
        return false;
    }
    const QString level = GetTagValue(text, QStringLiteral(u"<escape>")).value;
    const int escapes = level == u"2" ? 2 : level == u"1" ? 1 : 0;
    // The document's cell data, unescaped once: compared with the box's, then put there.
    const bool hasCellData = content.status == TagValue::Found;
    const QString cellData = hasCellData ? settingsCellData(content.value, escapes) : QString();
    // Typed cell data goes only when the user agrees; asked once, before anything changes.
    if (cellDataHasContent() &&
        replacesCellData(*this, fixed, hasCellData ? &cellData : nullptr, escapes) &&
        !mayDiscardCellData())
        return false;

    int skipped = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const TagValue &found = fixed[i];
        if (found.status == TagValue::Damaged)
            ++skipped;
        else if (found.status == TagValue::Found &&
                 !keys[i].apply(settingsValue(found.value, escapes)))
            ++skipped;
    }

    // The loaded design is the document's alone: no attribute of the previous one is kept.
    for (TextGrid *grid : {&cellImages, &cellColors, &cellSpans, &cellColspans, &cellNowraps,
                           &cellFontColors, &cellFontSizes, &cellIchiTate, &cellIchiYoko})
        grid->redim(grid->rowUpper(), grid->columnUpper());
    rowHeights.redim(rowHeights.upper());
    columnWidths.redim(columnWidths.upper());
    for (std::size_t k = 0; k < records.size(); ++k)
        skipped += LoadCellRecords(records[k], QString::fromUtf16(RecordKeys[k]), escapes);

    if (hasCellData)
        RB3.setText(cellData);
    else if (content.status == TagValue::Damaged)
        ++skipped;

    RestoreSelectors();
    Text1(20).setText(rowHeights.get(0));
    Text1(21).setText(columnWidths.get(0));
    Text2(1).setText(cellImages.get(0, 0));

    if (skipped > 0)
        msgBox(QStringLiteral(
                   u"設定ファイルの %1 件の項目は壊れているか範囲外のため読み込みませんでした。"
                   u"それ以外の設定は読み込みました。\r\n")
                       .arg(skipped) +
                   path,
               msgbox::OKOnly | msgbox::Exclamation);
    return skipped == 0;
}

int Form1::LoadCellRecords(const CellRecords &records, const QString &key, int escapes)
{
    TextGrid *grid = key == u"<selcolor>"        ? &cellColors
                     : key == u"<selImage>"      ? &cellImages
                     : key == u"<rowspan>"       ? &cellSpans
                     : key == u"<nowrap>"        ? &cellNowraps
                     : key == u"<cellfontcolor>" ? &cellFontColors
                     : key == u"<cellfontsize>"  ? &cellFontSizes
                     : key == u"<cellichiyoko>"  ? &cellIchiYoko
                     : key == u"<cellichitate>"  ? &cellIchiTate
                                                 : nullptr;
    int skipped = records.damaged;
    for (const CellRecord &record : records.records) {
        const QString value = settingsValue(record.value, escapes);
        bool stored = false;
        if (grid)
            stored = grid->set(record.row, record.column, value);
        else if (key == u"<selltatesize>")
            stored = rowHeights.set(record.row, value);
        else if (key == u"<sellyokosize>")
            stored = columnWidths.set(record.column, value);
        skipped += stored ? 0 : 1;
    }
    return skipped;
}
