// The panels' browse and "全体" buttons, and the wiring of every button of the attribute panels.

#include "controls/strings.h"
#include "designer/filelinks.h"
#include "frame/form1.h"

namespace {
constexpr quint32 Green = 0x00FF00;

const QString &imageFilter()
{
    static const QString filter =
        QStringLiteral(u"設定ファイル (*.*)|*.*|&画像ファイル (*.*)|*.*|");
    return filter;
}

// The selector box of each "全体" button.
constexpr int AllSelectors[12] = {6, 7, 12, 13, 14, 15, 16, 17, 22, 23, 24, 25};
} // namespace

void Form1::wirePanelButtons()
{
    Command2.forEach(
        [this](int i, CommandButton &c) { c.onClick = [this, i] { BrowseImage(i); }; });
    Command3.forEach(
        [this](int i, CommandButton &c) { c.onClick = [this, i] { MarkSelectorAll(i); }; });
    Command6.forEach(
        [this](int i, CommandButton &c) { c.onClick = [this, i] { Command6_Click(i); }; });
    Command24.forEach(
        [this](int i, CommandButton &c) { c.onClick = [this, i] { ClearColourBox(i); }; });
    Command28(5).onClick = [this] { SetCellFontColor(); };
    Command16.onClick = [this] { SetCellFontSize(); };
    Command25.onClick = [this] { SetCellBackColor(); };
    Command1.onClick = [this] { ResetCellAlign(); };
    Command10.onClick = [this] { ResetCellNoWrap(); };
    Command13.onClick = [this] { ResetCellFontColors(); };
    Command14.onClick = [this] { ResetCellFontSizes(); };
    Command23.onClick = [this] { ResetCellVAlign(); };
    Command5.onClick = [this] { ResetCellBackImages(); };
    Command4.onClick = [this] { ResetCellBackColors(); };
    Command7.onClick = [this] { ResetCellMerges(); };
    Command20.onClick = [this] { ResetRowHeights(); };
    Command21.onClick = [this] { ResetColumnWidths(); };
    Command11.onClick = [this] { ClearCellBackImage(); };
    Command12.onClick = [this] { ClearTableBackImage(); };
    Command26.onClick = [this] { ClearColourBox(4); };
    Command27.onClick = [this] { ClearAllSettings(); };
}

void Form1::BrowseImage(int Index)
{
    // Cancel ends the command with nothing changed.
    const std::optional<QString> chosen =
        askForFile(QStringLiteral(u"画像ファイルの読み込み"), imageFilter());
    if (!chosen)
        return;
    QString path = *chosen;
    if (Index == 0) {
        // The chosen file only names its folder: the working file there is always "$html$.html".
        QString name, folder;
        GetNameAndPath(path, name, folder);
        SetNamePath(QStringLiteral(u"$html$.html"), folder);
        return;
    }
    // The link goes into a background attribute of the page as it is shown here.
    Text2(Index).setText(filelinks::pageLink(RelativePathTo(path)));
    if (Index != 1)
        return;
    // The selector boxes are read as their spinners read them; a box naming no cell of the table
    // leaves the grid alone (the link is shown all the same).
    auto index = [this](int selector, int count) -> std::optional<int> {
        const double number = strings::roundHalfEven(strings::Val(Text1(selector).text())) - 1;
        if (!(number >= 0 && number < count))
            return std::nullopt;
        return int(number);
    };
    const std::optional<int> row = index(4, rowCount());
    const std::optional<int> column = index(5, columnCount());
    if (row && column)
        cellImages.set(*row, *column, Text2(1).text());
}

void Form1::MarkSelectorAll(int Index)
{
    if (Index < 0 || Index > 11)
        return;
    const int selector = AllSelectors[Index];
    Text1(selector).setText(QStringLiteral(u"All"));
    VScroll1(selector).setEnabled(false);
    if (Index == 4 || Index == 5)
        Text5(5).setForeColor(Green);
    Text5(4).setText(QString());
}
