#pragma once

#include "colour/fomcolor.h"
#include "controls/services.h"
#include "controls/sidewindow.h"
#include "designer/tabledesign.h"
#include "editor/completioninsert.h"
#include "editor/editorstate.h"
#include "frame/form1_controls.h"
#include "frame/framestate.h"
#include "writer/tablegeneration.h"

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
class TableRows;
struct CellRecords;

// The main window: the table design (its parameters live in the panels' controls, its per-cell
// attributes in TableDesign), the cell-data view RB3, the source view RB1 and the table writer.
// Its controls are the members of Form1Controls; the state each subsystem keeps between events is
// in TableDesign, TableGeneration, EditorState and FrameState.
//
// Handlers keep the names of the controls and events they serve. The handlers of one area are defined
// in that area's folder: the designer's panels and selectors in designer/, the parser, the merge
// coverage and the HTML writer in writer/, start-up and the window frame in frame/.
class Form1 : public Form,
              public Form1Controls,
              public TableDesign,
              public TableGeneration,
              public EditorState,
              public FrameState
{
public:
    explicit Form1(const Services &services = {});
    ~Form1() override;

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
    // The count Text1(Index) holds (0 rows, 1 columns): its leading decimal number, the fraction
    // dropped; empty above 1000 (refused), a negative count counts as 0.
    std::optional<int> countIn(int Index) const;

    // The panels' buttons: browse, "全体", Set, reset and clear. A command whose selectors do not
    // name a row and column of the table (a number the spinner refused, 0, a negative number or
    // text) writes no grid. Command6(6) is the completion panel's "×".
    void BrowseImage(int Index);
    void MarkSelectorAll(int Index);
    void Command6_Click(int Index);
    void SetCellAttribute(int Index);
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
    void LoadSettingsDocument(); // loads the document chosen in the open dialog
    // Applies a settings document's text, read from `path`: the table-wide values to their controls,
    // the per-cell records to the grids (emptied first), the cell data to RB3, then the selectors.
    // What cannot be applied is skipped and the rest applied; one message tells how many were
    // skipped. Nothing changes when the text holds no settings key, or when it would replace typed
    // cell data and the user says No. Returns true when all was applied.
    bool LoadSettingsText(const QString &fileText, const QString &path);
    // Stores one per-cell key's records, undoing the escapes of the document's "<escape>" level
    // (0 without one). Returns the number of records skipped (damaged or outside their grid).
    int LoadCellRecords(const CellRecords &records, const QString &key, int escapes);
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

    // ---- Completion ---------------------------------------------------------------------------------
    void BuildKouhoList();
    QString EscapeKouho(QString &s);
    QString GetNearestDelimiter();
    bool IsInScriptBlock();
    qsizetype FindWordStart(qsizetype p);
    void ShowCandidates();
    void ShowCandidateHelp();
    void ScanVarDeclarations();
    // Appends one var statement's columns to varTable; a reserved name in it is told once.
    void ParseVarDeclaration(const editor::FoundStatement &found);
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

    // ---- Window layout ----------------------------------------------------------------------------
    // Places the tabs, the tool area, the pages and the cell-data box from the window's size; on the
    // settings page the window is held at 13800 wide and at least 9500 high. Runs nothing while
    // layoutBusy is set; a placement the control refuses is skipped.
    void LayoutForm();
    void Form_Resize();

    // ---- Side windows (frame/form1_sidewindows.cpp) -----------------------------------------------
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

    // ---- Exit, help, the about box and the completion settings panel ------------------------------
    void Command9_Click();
    // Closes the main window as its close box does: Form_Unload asks first.
    void ExitProgram();
    // Asks whether to end the program. On No sets Cancel; on Yes deletes the preview files this run
    // wrote, stores the window geometry, writes the settings file and unloads the side windows.
    void Form_Unload(int &Cancel);

    void hmmorvane_Click();
    void mb_Click();
    // Opens "morvanehelp.html" of the program folder with the desktop's application for HTML files,
    // or in the help window where there is none; a missing file is reported with its path.
    void ShowHelp();
    void ShowAbout();
    // Only on the source page: the panel opens at its fixed place, in front.
    void ShowCompletionPanel();
    // Stores "kouhoNo"; a font size of 8 or less becomes "9" and is not applied, a larger one is
    // stored as "HelpFont" and given to the candidate lists; then hides the panel. A size above
    // 2160 is refused with a message, and the panel stays open.
    void ApplyCompletionSettings();
    // The panel's "×": hides the panel, applying and storing nothing.
    void CloseCompletionPanel();
    void Label2_MouseDown(int Button, int Shift, int X, int Y);
    void Label2_MouseMove(int Button, int Shift, int X, int Y);
    void Label2_MouseUp(int Button, int Shift, int X, int Y);
    void TimerMove_Timer();

private:
    // The settings document up to its cell data, and the "<escape>" level it is written with.
    QString settingsHead(int &level) const;
    // The whole document from its head: the head, then the cell data escaped for `level`.
    QString settingsDocument(QString head, int level) const;
    // Stands for the document settingsDocument(head, level) gives: the same key, the same document.
    quint64 settingsDocumentKey(const QString &head, int level) const;
    // Creates the controls and gives them their places (frame/form1_controls.cpp), connects their
    // events to the handlers.
    void createControls();
    void createDesignControls();
    // Lays the window out again after the cell-data box changed size.
    void relayout();
    void wireDesignHandlers();
    void wirePanelButtons();
    void wireFrameHandlers();
    void wireCompletionHandlers();
    void wireSideWindowHandlers();

    int msgBox(const QString &prompt, int style, const QString &title = QString());
    // The file chosen in an open (or save) dialog starting at `fileName`; empty when there is no
    // file service or the user chose none.
    enum class FileDialogKind { Open, Save };
    std::optional<QString> askForFile(const QString &title, const QString &filter,
                                      FileDialogKind kind = FileDialogKind::Open,
                                      const QString &fileName = QString());

    // Designer and source commands.
    bool cellDataHasContent() const;
    bool mayDiscardCellData(); // asks whether typed cell data may go
    void CountChange();
    void revertCount(int Index);
    void reportRefusedTable();
    // MakeTableSource, then the new source's tags in the case Check2 asks for (not coloured).
    // Returns false, as MakeTableSource does, when the table is refused.
    bool makeTableSourceInCase();
    void makeSourceInCase();
    void showSettingsView();
    void notePreviewFile(const QString &path);

    // Writers of one generation.
    void GetFrameRules(QString &frame, QString &rules);
    void GetTableAttrs(QString &background, QString &borderColors, QString &cellSpacing,
                       QString &bgcolor);
    QString sizeAttrs() const;
    using JsInitLoop = std::function<QString(const QStringList &inner, bool prefixed)>;
    void jsPositionBlocks(QString &out, const QString &P, const QString &R, const QString &C,
                          const QString &rule, const JsInitLoop &initLoop);
    void jsAttributeBlocks(QString &out, const QString &P, const QString &R, const QString &C,
                           const QString &rule, const QString &star, const JsInitLoop &initLoop);
    QString jsWritingLoop(const QString &P, const QString &R, const QString &C, const QString &rule);
    TableRows tableRows(int rows, int columns);
    // The whole source: head, every row, tail.
    QString writeAllRows(int rows, int columns, const QString &head, const QString &tail);
    // The emitted cells' texts rewritten as the rows would hold them (for the script writer).
    void rewriteAllCells(int rows, int columns);
    // Prefixes the cells of a row from `fromColumn` to the spare column with their numbers.
    void numberRow(int row, int fromColumn);
    static void cellNumber(QString &out, int row, int column);

    // Source editor and completion.
    // Every change of RB1's text: notes an edit and colours the text it put in.
    void sourceChanged();
    // Colours the whole source in `scheme`, worked out when first needed.
    void colourSourceLater(const editor::ColorScheme &scheme);
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

    std::unique_ptr<frmAbout> loadAbout();
    std::unique_ptr<ObjectReference> m_fomObj;
    std::unique_ptr<CssReference> m_forCss;
    Services m_services;
    // The colour box the picker fills; kept here so that it outlives an unload of the picker.
    qint16 m_colourTarget = 0;

public:
    // The side windows, declared after the services they use and destroyed before the controls
    // they write into. Each is loaded on first use and unloaded when the user closes it; the
    // reference trees keep their texts in fomObj() and forCss() meanwhile.
    SideWindow<FomObj> FomObjWindow;
    SideWindow<ForCss> ForCssWindow;
    SideWindow<Fortag> FortagWindow;
    SideWindow<frmAbout> frmAboutWindow;
    SideWindow<HelpWindow> helpWindow;
    SideWindow<FomColor> FomColorWindow{[this] {
                                            auto picker = std::make_unique<FomColor>(
                                                Text5, m_colourTarget, m_services);
                                            picker->Form_Load();
                                            return picker;
                                        },
                                        m_services.windows};
};
