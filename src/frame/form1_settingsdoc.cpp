// The settings document: the whole design as "<key>value" lines, per-cell records and the escaped
// cell data, closed by "<end>".

#include "controls/cp932.h"
#include "controls/strings.h"
#include "controls/textfile.h"
#include "frame/form1.h"
#include "frame/settingsreader.h"

#include <QHash>

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

// True when reading the escaped cell data surely gives the cell data back: it holds no "\" of its
// own, and no character "0", "1" or "3" stands between two characters that are escaped (a reader
// could take that character and the backslashes around it for an escape). Otherwise only reading
// it back tells.
bool surelyReadBack(const QString &cellData)
{
    const char16_t *p = QStringView(cellData).utf16();
    const qsizetype n = cellData.size();
    auto escapedBefore = [&](qsizetype i) {
        return i > 0 && (p[i - 1] == u'<' || p[i - 1] == u'>' ||
                         (p[i - 1] == u'\n' && i > 1 && p[i - 2] == u'\r'));
    };
    auto escapedAfter = [&](qsizetype i) {
        return i + 1 < n && (p[i + 1] == u'<' || p[i + 1] == u'>' ||
                             (p[i + 1] == u'\r' && i + 2 < n && p[i + 2] == u'\n'));
    };
    auto doubtfulAt = [&](qsizetype i) {
        return p[i] == u'\\' || ((p[i] == u'0' || p[i] == u'1' || p[i] == u'3') &&
                                 escapedBefore(i) && escapedAfter(i));
    };
    // Blocks of the cell data (millions of places in a large table) are passed over in a loop that
    // vectorises while they hold neither a "\" nor a "0", "1" or "3" right after a character that
    // is escaped: the test above needs one of them.
    // All ones where c is v: masks of the character's width, which vectorise where bools do not.
    auto is = [](char16_t c, char16_t v) { return char16_t(-char16_t(c == v)); };
    auto mayDoubt = [&](qsizetype i) {
        const char16_t digit = is(p[i], u'0') | is(p[i], u'1') | is(p[i], u'3');
        const char16_t escaped = is(p[i - 1], u'<') | is(p[i - 1], u'>') | is(p[i - 1], u'\n');
        return char16_t(is(p[i], u'\\') | (digit & escaped));
    };
    if (n > 0 && doubtfulAt(0))
        return false;
    constexpr qsizetype Block = 32;
    qsizetype i = 1;
    for (; i + Block <= n; i += Block) {
        char16_t any = 0;
        for (qsizetype k = 0; k < Block; ++k)
            any |= mayDoubt(i + k);
        if (!any)
            continue;
        for (qsizetype k = 0; k < Block; ++k)
            if (doubtfulAt(i + k))
                return false;
    }
    for (; i < n; ++i)
        if (doubtfulAt(i))
            return false;
    return true;
}

// Values holding "<" or ">" would be cut when the document is read back: such a document escapes
// them and says so with "<escape>1" after the fixed block; others are written as they are. Where
// that reading would not give back every value and the cell data exactly (a text holding "\1\" of
// its own, say, or a value holding a line end, which the reader's joining of the lines drops),
// "\" and the line ends are escaped too, everywhere, under "<escape>2".
// Returns the "<escape>" level of the document: 0 for none.
int chooseEscapes(const EveryValue &everyValue, const std::function<bool()> &contentReadBack)
{
    bool marks = false;
    const bool oneLine = everyValue([&marks](const QString &v) {
        for (const QChar c : v) {
            if (c == u'\r' || c == u'\n')
                return false;
            marks = marks || c == u'<' || c == u'>';
        }
        return true;
    });
    if (!oneLine)
        return 2;
    const int level = marks ? 1 : 0;
    const bool exact =
        contentReadBack() && (level == 0 || everyValue([](const QString &v) {
                                  return unescapeSettingsValue(escapeMarks(v), false) == v;
                              }));
    return exact ? level : 2;
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

QString Form1::settingsHead(int &level) const
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
    // The cells of a row that may hold a value, in ascending order: the grids hold few cells of a
    // large table, so only those, and the columns with a width, are looked at (every column in a
    // row with a height).
    std::vector<char> widthColumns(std::size_t(std::max(columns, 0)));
    for (int c = 0; c < columns; ++c)
        widthColumns[std::size_t(c)] = !columnWidths.get(c).isEmpty();
    std::vector<char> marked;
    std::vector<int> cells;
    auto cellsOfRow = [&](int r) -> const std::vector<int> & {
        const bool everyCell = !rowHeights.get(r).isEmpty();
        marked = widthColumns;
        for (const Record &record : records)
            if (record.grid && !everyCell)
                record.grid->forEachStored(r, [&](int c, const QString &) {
                    if (c >= 0 && c < columns)
                        marked[std::size_t(c)] = 1;
                });
        cells.clear();
        for (int c = 0; c < columns; ++c)
            if (everyCell || marked[std::size_t(c)])
                cells.push_back(c);
        return cells;
    };

    const EveryValue everyValue = [&](const std::function<bool(const QString &)> &holds) {
        for (const QString &value : fixedValues)
            if (!holds(value))
                return false;
        for (int r = 0; r < rows; ++r)
            for (const int c : cellsOfRow(r))
                for (const Record &record : records)
                    if (const QString &value = entry(record, r, c);
                        !value.isEmpty() && !holds(value))
                        return false;
        return true;
    };

    // Whether the escaped cell data reads back as it is depends on the cell data alone: the answer
    // is kept for the text of RB3 it was found for.
    auto contentReadBack = [this] {
        const QString &cellData = RB3.text();
        if (m_cellDataReadBack.first != RB3.textRevision()) {
            bool exact = surelyReadBack(cellData);
            if (!exact) {
                QString content;
                appendEscapedSettingsText(content, cellData, false);
                exact = unescapeSettingsValue(content, true) == cellData;
            }
            m_cellDataReadBack = {RB3.textRevision(), exact};
        }
        return m_cellDataReadBack.second;
    };
    level = chooseEscapes(everyValue, contentReadBack);
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
        for (const int c : cellsOfRow(r)) {
            for (const Record &record : records) {
                const QString &v = entry(record, r, c);
                if (v.isEmpty())
                    continue;
                text += CrLf;
                text += QStringView(record.key);
                text += QString::number(r) + u':' + QString::number(c) + u':' + value(v);
            }
        }
    }
    return text;
}

QString Form1::BuildSettingsText() const
{
    int level = 0;
    QString head = settingsHead(level);
    return settingsDocument(std::move(head), level);
}

QString Form1::settingsDocument(QString text, int level) const
{
    text.reserve(text.size() + RB3.text().size() + RB3.text().size() / 8 + 32);
    text += CrLf;
    text += QStringView(u"<content>");
    appendEscapedSettingsText(text, RB3.text(), level == 2);
    text += CrLf;
    text += QStringView(u"<end>");
    return text;
}

quint64 Form1::settingsDocumentKey(const QString &head, int level) const
{
    // The cell data is written as its escape level makes it: the text of RB3 (known by its
    // revision) and the level stand for it.
    return qHashMulti(QHashSeed::globalSeed(), head, level, RB3.textRevision());
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
    // The bytes the check made are the ones written: a source of tens of millions of characters
    // is encoded once.
    if (!writeFileBytes(path, encoded.bytes)) {
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
