#pragma once

#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/listview.h"
#include "controls/richtextbox.h"

// The controls of the main window, in the order they are created: the settings page's panels, the
// tool area, the pages and the completion panel, the menus; then the panel buttons, the pop-up
// lists and the remaining menus. Form1 inherits them, so its handlers name them as they are named.
// Their captions and start values are set in frame/form1_controls.cpp, their places in
// frame/form1_layout.cpp.
struct Form1Controls
{
    // Constructs the controls on `form`; create...() gives them their captions and start values,
    // place...() their places on the settings page, the tool area and the completion panel.
    explicit Form1Controls(Form *form);

    // ---- Settings page, tool area, pages -------------------------------------------------------
    ControlArray<Frame> framesub; // framesub(17): the page area of the settings page
    ControlArray<Frame> Frame4;   // the attribute panels; Frame4(1) is the cell background image
    Frame Frame3;                 // home-page folder
    Frame Frame5;                 // cell data
    Frame Frame6, Frame7, Frame8, Frame9, Frame10, Frame11, Frame12, Frame13, Frame14;
    Frame Frame15, Frame16; // the two groups of text positions

    ControlArray<TextBox> Text1; // 0..25, paired with VScroll1
    ControlArray<ScrollBar> VScroll1;
    ControlArray<ComboBox> Combo1;          // Combo1(0): size unit
    ComboBox Combo2;                        // delimiter chooser
    ControlArray<OptionButton> Option10;    // heading mode
    ControlArray<OptionButton> Optionichi2; // table position
    TextBox Txttit;
    ControlArray<OptionButton> Option16; // caption position
    ControlArray<OptionButton> Option11; // frame
    ControlArray<OptionButton> Option12; // rules
    ControlArray<TextBox> txtwaku2;      // txtwaku2(1): border width
    ScrollBar VScrollhaba;
    ControlArray<TextBox> Text5; // colour boxes 0..5, font size 6
    TextBox Text3;               // cell spacing
    ScrollBar VScroll5;
    TextBox Text4; // cell padding
    ScrollBar VScroll6;
    TextBox Txttatek;
    ScrollBar VScroll2;
    TextBox Txtyokok;
    ScrollBar VScroll3;
    ControlArray<TextBox> Text2;        // 0 home page, 1 cell image, 2 table image
    TextBox Text6;                      // cell delimiter
    ControlArray<OptionButton> Option1; // length unit
    ScrollBar VScroll4;                 // cell font size
    ControlArray<OptionButton> Option9; // text positions 0..2 and 3..5

    Frame Frame2;            // tool area
    CheckBox Check1;         // light colour scheme
    CheckBox Check2;         // tag case: 1 upper, 0/2 lower
    CheckBox Check3;         // indentation
    CheckBox Check4;         // number the cells
    CheckBox Check5;         // write a script
    CommandButton Command18; // editor font
    TabStrip TabStrip1;      // 1 settings, 2 preview, 3 source
    WebBrowser WebBrowser1;  // preview
    RichTextBox RB1;         // source view
    RichTextBox RB2;         // hidden, loads inserted files
    RichTextBox RB3;         // cell data

    Frame Frame20; // completion settings panel
    Label Label2;
    TextBox Text8;                 // minimum candidate length
    TextBox Text7;                 // candidate font size
    ControlArray<CheckBox> Check6; // Check6(0): no tag completion
    CommandButton Command29;

    MenuItem mk; // "HTMLの形式"
    MenuItem Moomoji;
    MenuItem Mkomoji;
    MenuItem mkoment; // row/column comments
    MenuItem med;     // source editing
    MenuItem ms;      // basic tags
    MenuItem hymm;    // View menu, hidden until Alt+X
    // The settings page's menus, however the page came to view (start-up, clear-all, a page
    // switch): the tag-case and template menus act on the source view, hidden there, and are off;
    // the edit menu, which serves the cell data there, stays as it is.
    void settingsPageMenus()
    {
        mk.setEnabled(false);
        ms.setEnabled(false);
    }

    // ---- Panel buttons, pop-up lists and the other menus ---------------------------------------
    // Settings page: the panel buttons.
    ControlArray<CommandButton> Command2;  // "..." browse: 0 home page, 1 cell image, 2 table image
    ControlArray<CommandButton> Command3;  // "全体" of the selectors, 0..11
    ControlArray<CommandButton> Command6;  // "Set" 0..5 of the panels; 6 closes Frame20
    ControlArray<CommandButton> Command24; // "cl" beside Text5(0..3) and Text5(5)
    ControlArray<CommandButton> Command28; // Command28(5): "Set" of the font colour
    ControlArray<CommandButton> Command30; // "色" beside Text5(0..5)
    CommandButton Command1;                // the panels' resets
    CommandButton Command4;
    CommandButton Command5;
    CommandButton Command7;
    CommandButton Command10;
    CommandButton Command13;
    CommandButton Command14;
    CommandButton Command20;
    CommandButton Command21;
    CommandButton Command23;
    CommandButton Command11;    // "cl" of the cell image
    CommandButton Command12;    // "CLS" of the table image
    CommandButton Command26;    // "cl" of Text5(4)
    CommandButton Command16;    // "Set" of the font size
    CommandButton Command25;    // "Set" of the cell colour
    CommandButton Command17;    // load a settings document
    CommandButton Command22;    // save a settings document
    CommandButton Command27;    // clear all settings
    Frame Frame17;              // cell and text spacing
    ControlArray<TextBox> Text; // Text(5), Text(6): hidden boxes over RB3
    ControlArray<Label> Label3; // the labels that caption the boxes
    // Tool area and completion panel.
    ControlArray<CommandButton> Cmd; // Cmd(1), Cmd(3)..Cmd(7)
    CommandButton Command15;         // copy the source
    CommandButton Command19;         // save the source
    CommandButton Command9;          // exit
    CommandButton Command8;          // "実行" of Frame20
    ListBox List1;                   // completion candidates
    ImageList ImageList1;            // icons of the member list
    ListView L1;                     // members of an object
    Frame Frmexp;                    // explanation pop-up
    Label LblExp;
    Timer TimerMove;
    // Menus, in the order they show.
    MenuItem mfile;
    MenuItem msettei;
    MenuItem myomi;
    MenuItem mfilesep1;
    MenuItem rcsv;
    MenuItem mfilesep2;
    MenuItem mhtml;
    MenuItem med11;
    ControlArray<MenuItem> medsep, med2, mmm, mm2, mm;
    MenuItem mksep1;
    ControlArray<MenuItem> moo;
    MenuItem ms2;
    MenuItem mssep1;
    MenuItem ms1;
    MenuItem mssep2;
    MenuItem ms3;
    MenuItem mhokan; // "文字補完"
    MenuItem mss;
    ControlArray<MenuItem> hym1;
    MenuItem mh;
    MenuItem hmmorvane;
    MenuItem mb;

protected:
    void createFrameControls();
    void createSpinnerPairs();
    void createOptionGroups();
    void createValueBoxes();
    void createPanelButtons();
    void createToolControls();
    void createCompletionControls();
    void createMenus();
    void placeSettingsPage();
    void placeCellPanels();
    void placePathPanels();
    void placeTablePanels();
    void placeSpacingPanels();
    void placeToolArea();
    void placeCompletionPanel();
    Label &addLabel(Container *container, const QString &caption, int left, int top, int width);

private:
    // The window the controls stand on.
    Form *m_form;
};
