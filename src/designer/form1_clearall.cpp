// Clear-all: the table design back to its defaults, every attribute grid emptied and a fresh row
// template in the cell data. Every value goes through its control, so each control runs its own
// behaviour (the count spinners re-range the selectors, the option buttons set the unit).
//
// Left as they are: the delimiter, the text spacings, the cell-padding spinner and the cell-spacing
// box, the font colour and size boxes, the text-position options, the working folder and file,
// the inserted-file list, the option switches and the source text.

#include "frame/form1.h"

#include <utility>

void Form1::ClearAllSettings()
{
    // Typed cell data is asked about once, before anything changes: No leaves the whole design as
    // it was. Yes lets it go now, so that the count changes below find nothing to ask about.
    if (cellDataHasContent()) {
        if (!mayDiscardCellData())
            return;
        RB3.setText(QString());
    }
    Txttit.setText(QString());
    Option16(1).setValue(true);
    Text2(0).setText(QString());
    for (const auto &[index, number] : {std::pair{0, 3}, {1, 4}, {2, 75}, {3, 75}}) {
        VScroll1(index).setValue(-number);
        // A box may hold a text its spinner refused (a CSV import empties the size boxes): the
        // spinner then stood on the default already and did not refresh it.
        const QString shown = QString::number(number);
        if (VScroll1(index).value() == -number && Text1(index).text() != shown)
            Text1(index).setText(shown);
    }
    Combo1(0).setText(QStringLiteral(u"ﾊﾟｰｾﾝﾄ"));

    ResetCellFontColors();
    ResetCellFontSizes();
    ResetCellVAlign();
    ResetCellMerges();
    ResetCellNoWrap();
    ResetCellAlign();
    ResetRowHeights();
    ResetColumnWidths();
    ResetCellBackColors();
    ResetCellBackImages();

    Option10(1).setValue(true);
    Optionichi2(1).setValue(true);
    Option1(0).setValue(true);
    VScrollhaba.setValue(-2);
    Text5(0).setText(QString());
    Text5(1).setText(QStringLiteral(u"silver"));
    Text5(2).setText(QStringLiteral(u"gray"));
    Text5(3).setText(QStringLiteral(u"#CEFFCE"));
    Text4.setText(QString());
    VScroll5.setValue(0);
    Option11(7).setValue(true);
    Option12(0).setValue(true);
    Text2(2).setText(QString());
    Text2(1).setText(QString());
    RB3.setText(QString());

    for (int i : {4, 5, 14, 15, 16, 17, 24, 25, 8, 9, 10, 11, 12, 13, 22, 23, 18})
        VScroll1(i).setValue(-1);
    VScroll1(20).setValue(0);
    VScroll1(19).setValue(-1);
    VScroll1(21).setValue(0);
    VScroll1(6).setValue(-1);
    VScroll1(7).setValue(-1);
    Text5(4).setText(QString());

    BuildRowTemplate();
    Setcolor2();
    // The settings page comes to view; the selected tab stays as it is.
    RB2.setVisible(false);
    framesub(17).setVisible(true);
    RB1.setVisible(false);
    WebBrowser1.setVisible(false);
    settingsPageMenus();
}
