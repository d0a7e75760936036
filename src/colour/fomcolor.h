#pragma once

#include "colour/mixingpalette.h"
#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/services.h"

#include <QStringList>

// The colour picker "カラーTessik": a small tool window that fills one of the main window's colour
// boxes with a colour name or a "#rrggbb" text. Three views: the named colours, the basic colours
// with the RGB sliders and the system colour dialog, and the extended web palette with the mixing
// palette. "挿入" (or a double click on a named or basic swatch) writes the chosen colour into the
// target box and hides the window.
//
// All geometry is in twips. The swatches are text boxes made at run time as copies of element 0 of
// their array, the first time their view is shown.
class FomColor : public Form
{
public:
    // `targets` are the colour boxes that receive the colour; `targetIndex` is kept by the owner,
    // so that the box last named survives an unload of the window.
    FomColor(ControlArray<TextBox> &targets, qint16 &targetIndex, const Services &services = {});
    ~FomColor() override;

    // ---- Interface to the main window ----------------------------------------------------------
    // Names the box that receives the next colour; nothing else.
    void Sett(int t);
    // Hands the chosen colour back: the name box's text when names are wanted (Check1 shown and
    // checked, the name not blank), else the value box's text; a blank value writes nothing and
    // leaves the window open. Otherwise the target box gets the text as it stands and the window
    // is hidden.
    void InsertC();
    // Six upper-case hexadecimal digits, red first, of a 0x00BBGGRR colour.
    QString getRgb(quint32 t) const;

    // ---- Window and views ------------------------------------------------------------------------
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Command2_Click();
    void Command3_Click();
    void msetumei_Click();
    void Command1_Click();

    // ---- Swatch grids ------------------------------------------------------------------------------
    void BuildNamedColors();
    void BuildBasicColors();
    void BuildExtendedPalette();
    void LoadNamedColors();
    int LoadWebColors();
    void Text1_Click(int Index);
    void Text1_DblClick(int Index);
    void Text6_Click(int Index);
    void Text6_DblClick(int Index);
    void Text5_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void Text5_Click(int Index);

    // ---- Sliders, system colour dialog, mixing palette -------------------------------------------
    void HScroll1_Change(int Index);
    void Text7_Change(int Index);
    void Text7_DblClick(int Index);
    void Command6_Click();
    void Picture1_DragDrop(Control &Source, int X, int Y);
    void Command4_Click();

    // ---- Controls ----------------------------------------------------------------------------------
    Frame Frame1;                        // named view
    ControlArray<TextBox> Text1;         // named swatches 0..138
    Frame Frame6;                        // basic view
    ControlArray<TextBox> Text6;         // basic swatches 0..15
    Label Label3;                        // the basic view's explanation
    Frame Frame7;                        // sliders
    ControlArray<ScrollBar> HScroll1;    // red, green, blue
    ControlArray<TextBox> Text7;         // the sliders' numbers; 3 the composed colour
    ControlArray<Label> Label4;          // "Red", "Green", "Blue", "合成色"
    CommandButton Command6;              // "Windows指定"
    Frame Frame5;                        // extended view
    ControlArray<TextBox> Text5;         // extended swatches 0..446
    Frame Frame4;                        // bottom panel, in every view
    ControlArray<Label> Label2;          // 0 "名前", 1 "数値"
    TextBox Text3;                       // the chosen colour's text
    TextBox Text4;                       // the chosen colour's name, painted in the colour
    CheckBox Check1;                     // "名前で挿入する"
    OptionButton Option1;                // "色の名前"
    OptionButton Option2;                // "基本色と合成"
    OptionButton Option3;                // "拡張表示"
    CommandButton Command3;              // "挿入"
    CommandButton Command2;              // "閉じる"
    PictureBox Picture1;                 // the mixing palette
    Label Label5;                        // "混合パレット"
    Shape Shape1;                        // the palette's colour
    CommandButton Command4;              // "CL"
    Frame Frame3;                        // help panel
    Label Label1;                        // the help text
    CommandButton Command1;              // "閉じる" of the help panel
    ListBox List1;                       // hidden: the named-colour records
    MenuItem msetumei;                   // "説明"

    // The basic colours' hex digits and names, filled by BuildBasicColors.
    QStringList basicColorHex;
    QStringList basicColorNames;
    MixingPalette palette;

private:
    void createControls();
    void createBottomPanel();
    void createBasicView();
    void wireHandlers();
    // The slider step without its first assignment: paints the boxes and writes the colour text.
    void showComposedColour(int red, int green, int blue);
    TextBox &newSwatch(ControlArray<TextBox> &array, int index);

    ControlArray<TextBox> &m_targets;
    qint16 &targetIndex;
    Services m_services;
    // What the system colour dialog shows when it opens: the colour chosen in it last.
    quint32 m_dialogColour = 0;
};
