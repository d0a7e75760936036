// The source view's colouring, indentation and tag case, applied to RB1 and RB3. The engines work
// on the plain text; the text of RB1 is only rewritten where indentation or case changes it.

#include "editor/blockindent.h"
#include "editor/colorscheme.h"
#include "editor/htmlcolorizer.h"
#include "editor/tagcase.h"
#include "frame/form1.h"

using editor::ColorScheme;

void Form1::Setcolor2()
{
    const ColorScheme &scheme = ColorScheme::forOption(Check1.value());
    const editor::HtmlColorizer colorizer(RB1.text());
    const editor::CellDataColors cell = editor::setcolor2CellData(scheme, colorizer.hasTag());
    RB1.setBackColor(scheme.sourceBackground);
    if (cell.background)
        RB3.setBackColor(*cell.background);
    RB3.setColorRuns({{0, cell.text}});
    RB3.setForeColor(cell.text);
    if (!colorizer.hasTag()) {
        RB1.setColorRuns({{0, scheme.plainText}});
        // The caret stays where it was, with nothing selected.
        RB1.setSelStart(RB1.selStart());
        RB1.setFocus();
        return;
    }
    // Colouring the same text in the same scheme again gives the same runs: skip the pass.
    processPendingEvents();
    if (RB1.revision() != m_colouredRevision || &scheme != m_colouredScheme)
        colourSourceLater(scheme);
    // RB1 is shown only where it belongs: on the settings page it would cover the panels. Its
    // menus come with it; the other pages keep their own menu states.
    if (TabStrip1.selectedTab() == 3) {
        RB1.setVisible(true);
        med.setEnabled(true);
        mk.setEnabled(true);
        ms.setEnabled(true);
    }
    processPendingEvents();
    // Typing goes on in the source; a hidden view (the settings page) refuses the focus.
    RB1.setFocus();
}

void Form1::colourSourceLater(const ColorScheme &scheme)
{
    // Worked out when the view first draws the text (or anything reads its colours): a source
    // rewritten again before it is seen is never coloured in vain.
    // The pass also keeps the states the colouring of typed text starts from.
    RB1.setColorRunsLater([this, scheme = &scheme](const QString &text) {
        std::vector<editor::HtmlColorizer::StateAt> states;
        editor::HtmlColorizer colorizer(text);
        m_typedColouring.preparePass(colorizer);
        ColorRunList runs =
            colorizer.runList(*scheme, &states, editor::TypedTextColouring::stateStep());
        m_typedColouring.keepStates(text, states, colorizer);
        return runs;
    });
    m_colouredRevision = RB1.revision();
    m_colouredScheme = &scheme;
}

void Form1::RecolorSecondText()
{
    // The selection of the cell data is kept: a selected-all box would lose its contents to the
    // next keystroke.
    const editor::CellDataColors cell =
        editor::recolorCellData(ColorScheme::forOption(Check1.value()));
    if (cell.background)
        RB3.setBackColor(*cell.background);
    RB3.setColorRuns({{0, cell.text}});
    RB3.setForeColor(cell.text);
}

void Form1::sourceChanged()
{
    const RichTextBox::TextChange &change = RB1.lastChange();
    if (change.whole) {
        m_typedColouring.reset();
        // An undo gives back a text the user had: it is coloured again as the source was.
        if (change.undone) {
            m_sourceEdited = true;
            const ColorScheme &scheme = ColorScheme::forOption(Check1.value());
            if (editor::HtmlColorizer(RB1.text()).hasTag())
                colourSourceLater(scheme);
            else
                RB1.setColorRuns({{0, scheme.plainText}});
        }
        return;
    }
    m_sourceEdited = true;
    // Typed text takes the colour the whole pass gives it, not that of the character before it.
    const editor::TypedTextColouring::Edit edit{change.start, change.inserted, change.removedText};
    // Read from the kept state before the edit on, where that is enough: a long source is not
    // read whole at every key.
    const ColorRuns runs = m_typedColouring.colourEdit(
        RB1.length(),
        [this](qsizetype from) { return from == 0 ? QStringView(RB1.text()) : RB1.textFrom(from); },
        edit, ColorScheme::forOption(Check1.value()));
    RB1.setRangeColors(change.start, change.start + change.inserted, runs);
}

namespace {
// Rewrites the whole text of a box keeping the lines in view.
void rewriteKeepingView(RichTextBox &box, const QString &text)
{
    const int before = box.firstVisibleLine();
    box.setText(text);
    const int after = box.firstVisibleLine();
    if (before != after)
        box.lineScroll(before - after);
}
} // namespace

bool Form1::makeTableSourceInCase()
{
    if (!MakeTableSource())
        return false;
    // The writers write lower-case tags. A script keeps them: its names are case-sensitive, and
    // upper-casing what stands between its "<" and ">" would break it.
    if (Check5.value() != 1) {
        if (const std::optional<QString> converted =
                editor::convertedTagCase(RB1.text(), editor::tagCaseMode(Check2.value())))
            RB1.setText(*converted);
    }
    return true;
}

void Form1::ConvertTagCase(int mode)
{
    if (const std::optional<QString> converted = editor::convertedTagCase(RB1.text(), mode))
        rewriteKeepingView(RB1, *converted);
    Setcolor2();
}

void Form1::IndentHtmlSource()
{
    const std::optional<QString> indented = editor::indentHtmlSource(RB1.text());
    if (!indented)
        return;
    // The final write of the indentation is a change like any other: the guard is left clear.
    skipRb1Change = false;
    if (*indented != RB1.text())
        rewriteKeepingView(RB1, *indented);
    m_indentedText = RB1.textRevision();
    processPendingEvents();
    Setcolor2();
}

void Form1::RemoveIndentation()
{
    const QString plain = editor::removeIndentation(RB1.text());
    if (plain != RB1.text()) {
        // Swallows the change event of this write; set only when a change will occur, so that the
        // user's next keystroke is never swallowed instead.
        skipRb1Change = true;
        rewriteKeepingView(RB1, plain);
    }
    Setcolor2();
}
