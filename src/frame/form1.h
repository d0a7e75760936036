#pragma once

#include "colour/fomcolor.h"
#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/listview.h"
#include "controls/richtextbox.h"
#include "controls/services.h"
#include "controls/sidewindow.h"
#include "designer/textgrid.h"
#include "editor/candidatetable.h"
#include "editor/completioninsert.h"
#include "editor/scriptvars.h"
#include "editor/sourceindex.h"
#include "editor/typedcolouring.h"
#include "writer/celltexts.h"

#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class CssReference;
class FomObj;
class ForCss;
class Fortag;
class ObjectReference;
class frmAbout;
class HelpWindow;
struct CellRecords;

// The main window: the table design (its parameters live in the panels' controls, its per-cell
// attributes in the grids below), the cell-data view RB3, the source view RB1 and the table writer.
//
// Handlers keep the names of the controls and events they serve. The handlers of one area are defined
// in that area's folder: the designer's panels and selectors in designer/, the parser, the merge
// coverage and the HTML writer in writer/, start-up and the window frame in frame/.
class Form1 : public Form
{
public:
    explicit Form1(const Services &services = {});
    ~Form1() override;

    // ---- Design-state of the window -------------------------------------------------------------
    // The length unit as a divisor: 1 for pixels, 0.35 for millimetres.
    double unitFactor = 1;
    bool layoutBusy = false;
    bool tabSwitchBusy = false;
    bool skipRb1Change = false;
    // Working Boolean of the selector scans.
    bool differs = false;
    QString htmlFileName;
    QString htmlFolder;

    // Per-cell attribute grids, rows 0..1000 × columns 0..columnCount.
    TextGrid cellImages, cellColors, cellSpans, cellColspans, cellNowraps, cellFontColors,
        cellFontSizes, cellIchiTate, cellIchiYoko;
    TextList rowHeights, columnWidths;
    QStringList fileTexts{QString()};
    int fileTextCount = 0;

    // Made afresh by every generation.
    CellTexts cellTexts;
    std::vector<int> rowCellCounts;
    IntGrid coveredCells;
    std::vector<int> coveredCellFlags;

    // ---- Controls -------------------------------------------------------------------------------
    ControlArray<Frame> framesub;       // framesub(17): the page area of the settings page
    ControlArray<Frame> Frame4;         // the attribute panels; Frame4(1) is the cell background image
    Frame Frame3;                       // home-page folder
    Frame Frame5;                       // cell data
    Frame Frame6, Frame7, Frame8, Frame9, Frame10, Frame11, Frame12, Frame13, Frame14;
    Frame Frame15, Frame16;             // the two groups of text positions

    ControlArray<TextBox> Text1;        // 0..25, paired with VScroll1
    ControlArray<ScrollBar> VScroll1;
    ControlArray<ComboBox> Combo1;      // Combo1(0): size unit
    ComboBox Combo2;                    // delimiter chooser
    ControlArray<OptionButton> Option10; // heading mode
    ControlArray<OptionButton> Optionichi2; // table position
    TextBox Txttit;
    ControlArray<OptionButton> Option16; // caption position
    ControlArray<OptionButton> Option11; // frame
    ControlArray<OptionButton> Option12; // rules
    ControlArray<TextBox> txtwaku2;     // txtwaku2(1): border width
    ScrollBar VScrollhaba;
    ControlArray<TextBox> Text5;        // colour boxes 0..5, font size 6
    TextBox Text3;                      // cell spacing
    ScrollBar VScroll5;
    TextBox Text4;                      // cell padding
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

    Frame Frame2;                       // tool area
    CheckBox Check1;                    // light colour scheme
    CheckBox Check2;                    // tag case: 1 upper, 0/2 lower
    CheckBox Check3;                    // indentation
    CheckBox Check4;                    // number the cells
    CheckBox Check5;                    // write a script
    CommandButton Command18;            // editor font
    TabStrip TabStrip1;                 // 1 settings, 2 preview, 3 source
    WebBrowser WebBrowser1;             // preview
    RichTextBox RB1;                    // source view
    RichTextBox RB2;                    // hidden, loads inserted files
    RichTextBox RB3;                    // cell data

    Frame Frame20;                      // completion settings panel
    Label Label2;
    TextBox Text8;                      // minimum candidate length
    TextBox Text7;                      // candidate font size
    ControlArray<CheckBox> Check6;      // Check6(0): no tag completion
    CommandButton Command29;


    MenuItem mk;                        // "HTMLの形式"
    MenuItem Moomoji;
    MenuItem Mkomoji;
    MenuItem mkoment;                   // row/column comments
    MenuItem med;                       // source editing
    MenuItem ms;                        // basic tags
    MenuItem hymm;                      // View menu, hidden until Alt+X

    // ---- Table designer ---------------------------------------------------------------------------
    void VScroll1_Change(int Index);
    void Text1_Change(int Index);
    void VScroll2_Change();
    void VScroll3_Change();
    void VScroll4_Change();
    void VScroll5_Change();
    void VScroll6_Change();
    void VScrollhaba_Change();
    void Text5_Change(int Index);
    void Option1_Click(int Index);
    bool BuildRowTemplate();
    // The row (Index 0) or column (Index 1) count that the box Text1(Index) holds: its leading
    // number, the fraction dropped. Empty when the designer refuses it: above 1000, or too large to
    // be held at all ("30000", "1e300"); a negative count counts as 0.
    std::optional<int> countIn(int Index) const;

    // The panels' buttons: browse, "全体", Set, reset and clear. A command whose selectors do not
    // name a row and column of the table (a number the spinner refused, 0, a negative number or
    // text) does nothing.
    void Command2_Click(int Index);
    void Command3_Click(int Index);
    void Command6_Click(int Index);
    void SetCellFontSize();
    void SetCellBackColor();
    void SetCellFontColor();
    void ResetCellAlign();
    void ResetCellNoWrap();
    void ResetCellFontColors();
    void ResetCellFontSizes();
    void ResetCellVAlign();
    void ResetCellBackImages();
    void ResetCellBackColors();
    void ResetCellMerges();
    void ResetRowHeights();
    void ResetColumnWidths();
    void ClearCellBackImage();
    void ClearTableBackImage();
    // Empties Text5(Index); Index 4 is the cell colour's own "cl" button.
    void ClearColourBox(int Index);
    void ClearAllSettings();

    // The table's row and column counts as their spinners hold them.
    int rowCount() const;
    int columnCount() const;
    // The 0-based row (row selector) or column (column selector) that the selector box Text1(Index)
    // names, read as the Set commands read it; empty when it names no row or column of the table.
    std::optional<int> selectedIndex(int Index) const;

    // ---- Table source writer ----------------------------------------------------------------------
    // Writes the table's source into RB1. Returns false, changing nothing, when the cell data holds
    // more than 1000 rows or more than 1000 cells in a row, or when it is empty (or blank) and a
    // count box holds a count the designer refuses (see countIn).
    bool MakeTableSource();
    // Returns false, changing nothing, when the text holds more than 1000 rows or cells in a row,
    // or when it is blank and a count box holds a refused count.
    // With `numberCells`, every cell text (the spare column too) starts with "(row,column)".
    bool ParseCellData(QString &text, int &rows, int &columns, bool numberCells = false);
    void BuildMergeMap();
    // Fills cellTexts from the text, whose rows end at the given LF positions.
    void cutCells(const QString &text, const QString &delimiter,
                  const std::vector<qsizetype> &lineEnds, bool numberCells);
    // The table as a script writing it with document.write; the start-tag list comes back with its
    // line breaks re-indented.
    QString MakeJavaScriptSource(QString &startTagList);

    // ---- Application frame ------------------------------------------------------------------------
    // Where the program looks for its support files, keeps morvane.ini and starts its working file.
    // Set by main() before Form_Load; tests point them at temporary folders. An empty settings
    // folder means the settings are never written.
    QString programFolder;
    QString settingsFolder;
    QString workFolder;
    // The separator of the paths the designer builds and splits ("/" here, "\" in stored files).
    QChar pathSeparator = u'/';

    struct SettingsEntry
    {
        QString key;
        QString value;
    };
    std::array<SettingsEntry, 21> settingsTable;
    void LoadSettingsIni();
    QString GetSettingIni(const QString &s1, const QString &s2, const QString &s3,
                          const QString &s4) const;
    void SaveSettingIni(const QString &s1, const QString &s2, const QString &s3, const QString &s4);
    void Savereg();
    QString iniPath() const;

    void Form_Load();
    void SetNamePath(const QString &s1, const QString &s2);
    void SetAppri(const QString &s);
    // The object tree window's texts and reserved words, created on first use; using them loads and
    // shows no window.
    ObjectReference &fomObj();
    // The CSS tree window's reference text, created on first use. The text is empty until the CSS
    // tree window has loaded once; reading it loads and shows no window.
    CssReference &forCss();
    QStringList reservedWords;
    editor::VariableTable varTable;
    QStringList wordDelimiters;
    void InitDelimiters();

    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Moomoji_Click();
    void Mkomoji_Click();
    void mkoment_Click();
    void moo_Click(int Index);
    void Text6_Change();
    void Combo1_Click(int Index);
    void Combo2_Click();
    void Option9_Click(int Index);
    void GetNameAndPath(const QString &s1, QString &s2, QString &s3) const;
    QString RelativePathTo(QString &path) const;

    // ---- Cell-data commands -----------------------------------------------------------------------
    void InsertSampleData();
    void ImportCsv();
    void InsertImageFile();
    void InsertTextFile();
    void Text_DblClick(int Index);
    void Text_MouseDown(int Index, int Button);
    void RemoveBlanksInFields();
    void mm2_Click(int Index);
    void RB3_MouseDown(int Button);

    // ---- Source commands and pages ----------------------------------------------------------------
    void Cmd_Click(int Index);
    void MakeSourceAndShow();
    void TabStrip1_Click();
    void ShowPage();
    void RefreshKeepScroll();
    void ShowPreview();
    void MakeSource();
    void ClearCellData();
    void SaveSourceAs();
    void SaveSourceFile();
    void CopySourceToClipboard();
    void Command15_Click();
    void Command19_Click();
    void mhtml_Click();
    void Cmdcmd_Click(int Index);
    QString previewPath() const;

    QString BuildSettingsText() const;
    // The values of the 26 lines of a settings document's fixed block (empty for the blank lines).
    std::array<QString, 26> settingsFixedValues() const;
    void SaveSettingsDocument();
    void Command22_Click();
    void msettei_Click();
    // Loads the settings document chosen in the open dialog.
    void LoadSettingsDocument();
    // Applies a settings document's text, read from `path`: the table-wide values to their controls,
    // the per-cell records to the grids (emptied first), the cell data to RB3, then the selectors.
    // What cannot be applied (a damaged value or record, a value its control refuses, a record
    // outside its grid) is skipped and the rest applied; one message tells how many were skipped.
    // A text holding no settings key changes nothing. Returns true when nothing was skipped.
    bool LoadSettingsText(const QString &fileText, const QString &path);
    // Stores one per-cell key's records; `escaped` undoes the escapes of "<" and ">". Returns the
    // number of records skipped (damaged or outside their grid or list).
    int LoadCellRecords(const CellRecords &records, const QString &key, bool escaped);
    // Marks as "All" the selectors of the font colour, font size, position and no-wrap panels whose
    // attribute is set for every row (column 0) or every column (row 0).
    void RestoreSelectors();
    // Writes a text file in CP932. Asks before writing characters the code page cannot hold as "?",
    // and tells the user when the file cannot be written. Returns true only when it was written.
    bool SaveTextFile(const QString &path, const QString &text);

    // ---- Source editor services ---------------------------------------------------------------------
    void Setcolor2();
    void RecolorSecondText();
    void ConvertTagCase(int mode);
    void IndentHtmlSource();
    void RemoveIndentation();
    void RB1_Change();
    void InsertTagPair(const QString &startTag, const QString &endTag);
    void mm_Click(int Index);
    void med11_Click();
    void med2_Click(int Index);
    void ChooseEditorFont();
    void Command18_Click();
    // The view the edit commands act on: RB3 while the settings page shows it, else RB1.
    RichTextBox &editTarget();
    // True when RB1 holds edits (typed, pasted, inserted by a command) made after the source was
    // last made.
    bool sourceEdited() const { return m_sourceEdited; }

    // ---- Completion ---------------------------------------------------------------------------------
    // The candidate table, built once at start-up; the word being completed starts at kouhoStart
    // (0-based) and kouhoTypedLength characters of it are typed; kouhoListBelow tells on which side
    // of the caret line the open list lies.
    editor::CandidateTable kouhoList;
    int kouhoStart = 0;
    int kouhoTypedLength = 0;
    bool kouhoListBelow = false;

    void BuildKouhoList();
    QString EscapeKouho(QString &s);
    QString GetNearestDelimiter();
    bool IsInScriptBlock();
    qsizetype FindWordStart(qsizetype p);
    void ShowCandidates();
    void ShowCandidateHelp();
    void ScanVarDeclarations();
    void CheckReservedWord();
    QString ConstructorType(QString &word, QString &member);
    QString FindWithObject();
    QString InferVarType(qsizetype position, const QString &name);
    void ShowMemberList();
    void ShowMemberHelp();
    void insertKouho();
    void L1_KeyDown(int &KeyCode, int Shift);
    void RB1_KeyDown(int &KeyCode, int Shift);
    void List1_KeyDown(int &KeyCode, int Shift);
    void List1_DblClick();
    void RB1_MouseDown(int Button);
    void Form_KeyDown(int &KeyCode, int Shift);
    void ms1_Click();
    void ms2_Click();
    void ms3_Click();

    const Services &services() const { return m_services; }
    // Lets the window system paint and run its timers in the middle of a long command; the user's
    // own input waits until the command has ended (EventPump).
    void processPendingEvents() const;

private:
    void wireCompletionHandlers();
    // The member list after a dot in a script: the object's type, its members, or the marking of a
    // member it does not have. `with` is the with block's object for a dot after a blank.
    void offerMembers(const QString &with, int p);
    void InsertTemplate(int kind);
    // Puts a chosen candidate (and its closing tag) over the typed word and places the caret.
    void insertCandidate(const QString &candidate, editor::InsertPath path);
    // Places a pop-up list at the caret of RB1, above the caret line when it does not fit below;
    // returns whether it went below.
    bool placeAtCaret(Control &list, int width);
    // Puts the explanation under (or over) a list and shows it.
    void showExplanation(const Control &list, const QString &text);
    editor::SourceIndex m_sourceIndex;
    bool m_keyDownBusy = false;
    bool m_formKeyBusy = false;
    // The reserved-word warning last shown for the line being typed: its message, line and word.
    QString m_lastLineWarning;
    // Where the last script template went in, or -1.
    int m_templateStart = -1;
    void wireFrameHandlers();
    std::optional<QString> askForFile(const QString &title, const QString &filter);
    void reportRefusedTable();
    // MakeTableSource, then the new source's tags in the case Check2 asks for (not coloured).
    // Returns false, as MakeTableSource does, when the table is refused.
    bool makeTableSourceInCase();
    void makeSourceInCase();
    void showSettingsView();
    // Lays the window out again after the cell-data box changed size.
    void relayout();
    std::unique_ptr<ObjectReference> m_fomObj;
    std::unique_ptr<CssReference> m_forCss;
    // The text of RB1 as IndentHtmlSource last left it, so that an indented text is not indented
    // again.
    quint64 m_indentedText = ~quint64(0);
    // Every change of RB1's text: notes an edit and colours the text it put in.
    void sourceChanged();
    bool m_sourceEdited = false;
    editor::TypedTextColouring m_typedColouring;
    // What RB1 was last coloured for, so that an unchanged text is not coloured twice.
    quint64 m_colouredRevision = ~quint64(0);
    const void *m_colouredScheme = nullptr;
    // The save dialog starts with the name of its previous use.
    QString m_lastSettingsName;
    void createControls();
    void createDesignControls();
    void createFrameControls();
    void wireDesignHandlers();
    int msgBox(const QString &prompt, int style, const QString &title = QString());
    bool cellDataHasContent() const;
    void CountChange();
    void revertCount(int Index);
    // The spinner whose change is being undone; its handler does not run meanwhile.
    int m_quietSpinner = -1;
    void wirePanelButtons();

    // Writers of one generation.
    void GetFrameRules(QString &frame, QString &rules);
    void GetTableAttrs(QString &background, QString &borderColors, QString &cellSpacing,
                       QString &bgcolor);
    QString sizeAttrs() const;
    void MakeRowTag(int row, int column, QString &rowsText);
    void GetCellAlign(int row, int column, QString &align, QString &valign);
    void GetCellAttrs(int row, int column, QString &background, QString &bgcolor, QString &height,
                      QString &width);
    void MakeCellContent(int row, int column, QString &nowrap);
    void MakeCellTag(int row, int column, QString &rowsText, const QString &align,
                     const QString &valign, const QString &bgcolor, const QString &background,
                     const QString &span, const QString &nowrap, const QString &height,
                     const QString &width);
    void spanAttrs(int row, int column, QString &out) const;
    using JsInitLoop = std::function<QString(const QStringList &inner, bool prefixed)>;
    QString jsPositionBlocks(const QString &P, const QString &R, const QString &C,
                             const QString &rule, const JsInitLoop &initLoop);
    QString jsAttributeBlocks(const QString &P, const QString &R, const QString &C,
                              const QString &rule, const QString &star, const JsInitLoop &initLoop);
    QString jsWritingLoop(const QString &P, const QString &R, const QString &C, const QString &rule);
    void writeRows(int first, int last, int columns, QString &rowsText);
    // The whole source: head, every row, tail.
    QString writeAllRows(int rows, int columns, const QString &head, const QString &tail);
    // Prefixes the cells of a row from `fromColumn` to the spare column with their numbers.
    void numberRow(int row, int fromColumn);
    static void cellNumber(QString &out, int row, int column);
    // Set while the parser has put the cell data aside to move the count spinners: the template
    // their change would write is overwritten at once, so it is not built.
    bool m_cellDataParked = false;
    // Read once per generation, before the rows are written (possibly on several threads).
    int m_headingMode = 0;
    bool m_writeComments = false;

    Services m_services;

    // ==== Controls of the panels, the tool area and the menus, and the window layout =============
    // Created in frame/form1_controls.cpp, placed in frame/form1_layout.cpp.
public:
    // Settings page: the panel buttons.
    ControlArray<CommandButton> Command2;  // "..." browse: 0 home page, 1 cell image, 2 table image
    ControlArray<CommandButton> Command3;  // "全体" of the selectors, 0..11
    ControlArray<CommandButton> Command6;  // "Set" 0..5 of the panels; 6 closes Frame20
    ControlArray<CommandButton> Command24; // "cl" beside Text5(0..3) and Text5(5)
    ControlArray<CommandButton> Command28; // Command28(5): "Set" of the font colour
    ControlArray<CommandButton> Command30; // "色" beside Text5(0..5)
    CommandButton Command1{this, QStringLiteral(u"Command1")}; // the panels' resets
    CommandButton Command4{this, QStringLiteral(u"Command4")};
    CommandButton Command5{this, QStringLiteral(u"Command5")};
    CommandButton Command7{this, QStringLiteral(u"Command7")};
    CommandButton Command10{this, QStringLiteral(u"Command10")};
    CommandButton Command13{this, QStringLiteral(u"Command13")};
    CommandButton Command14{this, QStringLiteral(u"Command14")};
    CommandButton Command20{this, QStringLiteral(u"Command20")};
    CommandButton Command21{this, QStringLiteral(u"Command21")};
    CommandButton Command23{this, QStringLiteral(u"Command23")};
    CommandButton Command11{this, QStringLiteral(u"Command11")}; // "cl" of the cell image
    CommandButton Command12{this, QStringLiteral(u"Command12")}; // "CLS" of the table image
    CommandButton Command26{this, QStringLiteral(u"Command26")}; // "cl" of Text5(4)
    CommandButton Command16{this, QStringLiteral(u"Command16")}; // "Set" of the font size
    CommandButton Command25{this, QStringLiteral(u"Command25")}; // "Set" of the cell colour
    CommandButton Command17{this, QStringLiteral(u"Command17")}; // load a settings document
    CommandButton Command22{this, QStringLiteral(u"Command22")}; // save a settings document
    CommandButton Command27{this, QStringLiteral(u"Command27")}; // clear all settings
    Frame Frame17{this, QStringLiteral(u"Frame17")};             // cell and text spacing
    ControlArray<TextBox> Text;            // Text(5), Text(6): hidden boxes over RB3
    ControlArray<Label> Label3;            // the labels that caption the boxes
    // Tool area and completion panel.
    ControlArray<CommandButton> Cmd;       // Cmd(1), Cmd(3)..Cmd(7)
    CommandButton Command15{this, QStringLiteral(u"Command15")}; // copy the source
    CommandButton Command19{this, QStringLiteral(u"Command19")}; // save the source
    CommandButton Command9{this, QStringLiteral(u"Command9")};   // exit
    CommandButton Command8{this, QStringLiteral(u"Command8")};   // "実行" of Frame20
    ListBox List1{this, QStringLiteral(u"List1")};               // completion candidates
    ImageList ImageList1{this, QStringLiteral(u"ImageList1")};   // icons of the member list
    ListView L1{this, QStringLiteral(u"L1")};                    // members of an object
    Frame Frmexp{this, QStringLiteral(u"Frmexp")};               // explanation pop-up
    Label LblExp{&Frmexp, QStringLiteral(u"LblExp")};
    Timer TimerMove{this, QStringLiteral(u"TimerMove")};
    // Menus, in the order they show.
    MenuItem mfile{this, QStringLiteral(u"mfile")};
    MenuItem msettei{this, QStringLiteral(u"msettei"), -1, &mfile};
    MenuItem myomi{this, QStringLiteral(u"myomi"), -1, &mfile};
    MenuItem mfilesep1{this, QStringLiteral(u"mfilesep1"), -1, &mfile};
    MenuItem rcsv{this, QStringLiteral(u"rcsv"), -1, &mfile};
    MenuItem mfilesep2{this, QStringLiteral(u"mfilesep2"), -1, &mfile};
    MenuItem mhtml{this, QStringLiteral(u"mhtml"), -1, &mfile};
    MenuItem med11{this, QStringLiteral(u"med11"), -1, &med};
    ControlArray<MenuItem> medsep, med2, mmm, mm2, mm;
    MenuItem mksep1{this, QStringLiteral(u"mksep1"), -1, &mk};
    ControlArray<MenuItem> moo;
    MenuItem ms2{this, QStringLiteral(u"ms2"), -1, &ms};
    MenuItem mssep1{this, QStringLiteral(u"mssep1"), -1, &ms};
    MenuItem ms1{this, QStringLiteral(u"ms1"), -1, &ms};
    MenuItem mssep2{this, QStringLiteral(u"mssep2"), -1, &ms};
    MenuItem ms3{this, QStringLiteral(u"ms3"), -1, &ms};
    MenuItem mhokan{this, QStringLiteral(u"mhokan")};            // "文字補完"
    MenuItem mss{this, QStringLiteral(u"mss"), -1, &mhokan};
    ControlArray<MenuItem> hym1;
    MenuItem mh{this, QStringLiteral(u"mh")};
    MenuItem hmmorvane{this, QStringLiteral(u"hmmorvane"), -1, &mh};
    MenuItem mb{this, QStringLiteral(u"mb"), -1, &mh};

    // Places the tabs, the tool area, the pages and the cell-data box from the window's size; on the
    // settings page the window is held at 13800 wide and at least 9500 high. Runs nothing while
    // layoutBusy is set; a placement the control refuses is skipped.
    void LayoutForm();
    void Form_Resize();

private:
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

    // ==== Side windows =============================================================================
    // Defined in frame/form1_sidewindows.cpp. Each is loaded on first use and unloaded when the user
    // closes it; the reference trees keep their texts in fomObj() and forCss() meanwhile.
public:
    SideWindow<FomObj> FomObjWindow;
    SideWindow<ForCss> ForCssWindow;
    SideWindow<Fortag> FortagWindow;

    // The View menu's items: 0 the object tree, 1 the CSS tree, 2 the tag tree, 3 the colour
    // picker.
    void hym1_Click(int Index);
    // Rebuilds the object tree, then places the window at its fixed place and size, shows it and
    // brings it in front.
    void ShowObjectTree();
    // Place, show and bring in front the CSS tree and the tag tree; the first use loads them. A
    // window already open is only moved back and shown.
    void ShowCssTree();
    void ShowTagTree();
    // PickColour, the "色" button beside Text5(Index) for Index 0..5: shows the colour picker, names
    // that box as its target, and clears what the new colour replaces.
    void Command30_Click(int Index);
    // Shows the colour picker; its target stays the box named last (Text5(0) at first).
    void ShowColourPicker();
    // Closes and unloads every side window that is loaded.
    void unloadSideWindows();

private:
    void wireSideWindowHandlers();

    // ==== Exit, help, the about box and the completion settings panel =============================
public:
    void Command9_Click();
    // Closes the main window as its close box does: Form_Unload asks first.
    void ExitProgram();
    // Asks whether to end the program. On No sets Cancel; on Yes deletes the preview files this run
    // wrote, stores the window geometry, writes the settings file and unloads the side windows.
    void Form_Unload(int &Cancel);

    QString helpFilePath;
    void hmmorvane_Click();
    void mb_Click();
    // Opens "morvanehelp.html" of the program folder with the desktop's application for HTML files,
    // or in the help window where there is none; a missing file is reported with its path.
    void ShowHelp();
    void ShowAbout();
    SideWindow<frmAbout> frmAboutWindow;
    SideWindow<HelpWindow> helpWindow;

    bool panelDragging = false;
    bool panelMoveWait = false;
    int panelDragX = 0;
    int panelDragY = 0;
    // Only on the source page: the panel opens at its fixed place, in front.
    void ShowCompletionPanel();
    // Stores "kouhoNo"; a font size of 8 or less becomes "9" and is not applied, a larger one is
    // stored as "HelpFont" and given to the candidate lists. Hides the panel.
    void ApplyCompletionSettings();
    void Label2_MouseDown(int Button, int Shift, int X, int Y);
    void Label2_MouseMove(int Button, int Shift, int X, int Y);
    void Label2_MouseUp(int Button, int Shift, int X, int Y);
    void TimerMove_Timer();

private:
    std::unique_ptr<frmAbout> loadAbout();
    // The preview files this run wrote, by their full paths; shutdown deletes them.
    QStringList m_previewFiles;
    void notePreviewFile(const QString &path);

    // Loading a settings document.
    struct FixedKey
    {
        const char16_t *key;
        std::function<bool(const QString &value)> apply;
    };
    // The table-wide keys in the order they are applied, each with what applying a value does;
    // `apply` returns false when the control refuses the value.
    std::vector<FixedKey> fixedKeys();
    struct Marker
    {
        QString value;
        int option;
    };
    int loadedRowCount() const;
    int loadedColumnCount() const;
    bool everyRowHolds(const TextGrid &grid, const QString &value) const;
    bool everyColumnHolds(const TextGrid &grid, const QString &value) const;
    void showSelector(int index, bool all);
    void restorePositionSelectors(const TextGrid &grid, int rowSelector, const Marker &first,
                                  const Marker &second, int otherwise);

    // The colour box the picker fills; kept here so that it outlives an unload of the picker.
    qint16 m_colourTarget = 0;

public:
    // Declared last, so that they go before the controls they write into.
    SideWindow<FomColor> FomColorWindow{[this] {
                                            auto picker = std::make_unique<FomColor>(
                                                Text5, m_colourTarget, m_services);
                                            picker->Form_Load();
                                            return picker;
                                        },
                                        m_services.windows};
};

// The row selectors among the VScroll1 spinners (4, 6, 8, 9, 12, 14, 16, 18, 22, 24); the other
// selectors (5..19 and 22..25) choose columns.
bool isRowSelector(int index);
bool isSelector(int index);
