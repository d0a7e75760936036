// The editing commands of the source menu: basic tags, undo, cut, copy, paste, and the editor font.
// They act on the cell-data view while the settings page shows it, on the source view otherwise.

#include "editor/tagcase.h"
#include "frame/form1.h"

RichTextBox &Form1::editTarget()
{
    return framesub(17).visible() ? RB3 : RB1;
}

void Form1::InsertTagPair(const QString &startTag, const QString &endTag)
{
    RichTextBox &target = editTarget();
    auto inCase = [this](const QString &tag) { return editor::insertedTagText(tag, Check2.value()); };
    QString text;
    if (endTag.isEmpty()) {
        target.setSelLength(0);
        text = inCase(startTag);
    } else {
        // The selected text goes in as it was: its blank lines stay.
        text = inCase(startTag) + target.selText() + inCase(endTag);
    }
    // The guard is raised only for an edit of RB1 that will change it, and never outlives it.
    const bool guard = &target == &RB1 && text != target.selText();
    if (guard)
        skipRb1Change = true;
    target.setSelText(text);
    if (guard)
        skipRb1Change = false;
}

void Form1::mm_Click(int Index)
{
    switch (Index) {
    case 1:
        InsertTagPair(QStringLiteral(u"<b>"), QStringLiteral(u"</b>"));
        break;
    case 2:
        InsertTagPair(QStringLiteral(u"<br>"), QString());
        break;
    case 3:
        InsertTagPair(QStringLiteral(u"<font size=\"3\" color=\"\">"), QStringLiteral(u"</font>"));
        break;
    case 4:
        InsertTagPair(QStringLiteral(u"<p>"), QStringLiteral(u"</p>"));
        break;
    case 5:
        InsertTagPair(QStringLiteral(u"<div>"), QStringLiteral(u"</div>"));
        break;
    case 6:
        InsertTagPair(QStringLiteral(u"&nbsp;"), QString());
        break;
    default:
        break;
    }
}

void Form1::med11_Click()
{
    RichTextBox &target = editTarget();
    if (!target.canUndo())
        return;
    // Only an undo in RB1 raises the change the guard is meant to swallow.
    if (&target == &RB1)
        skipRb1Change = true;
    target.undo();
    if (&target == &RB1)
        skipRb1Change = false;
}

void Form1::med2_Click(int Index)
{
    RichTextBox &target = editTarget();
    ClipboardService *clipboard = m_services.clipboard;
    const bool inSource = &target == &RB1;
    switch (Index) {
    case 0: // cut
        if (clipboard && target.selLength() > 0) {
            clipboard->setText(target.selText());
            skipRb1Change = inSource;
            target.setSelText(QString());
        }
        break;
    case 1: // copy
        if (clipboard && target.selLength() > 0)
            clipboard->setText(target.selText());
        break;
    case 2: // paste
        if (clipboard && !clipboard->text().isEmpty() && clipboard->text() != target.selText()) {
            skipRb1Change = inSource;
            target.setSelText(clipboard->text());
        }
        break;
    default:
        break;
    }
    skipRb1Change = false;
}

void Form1::ChooseEditorFont()
{
    if (!m_services.fonts)
        return;
    // The dialog opens on the source view's font as it is, style included, so that accepting it
    // untouched can change nothing: the font, the colouring and the settings stay as they were.
    const Font initial = RB1.font();
    const std::optional<Font> chosen = m_services.fonts->choose(initial, true);
    if (!chosen || *chosen == initial)
        return;
    RB1.setFont(*chosen);
    Font cell = RB3.font();
    cell.size = chosen->size;
    cell.name = chosen->name;
    RB3.setFont(cell);
    Setcolor2();
    const QString app = QStringLiteral(u"Quendarlis");
    const QString section = QStringLiteral(u"Setup");
    auto boolText = [](bool on) { return on ? QStringLiteral(u"True") : QStringLiteral(u"False"); };
    SaveSettingIni(app, section, QStringLiteral(u"FontName"), chosen->name);
    SaveSettingIni(app, section, QStringLiteral(u"FontSize"), QString::number(float(chosen->size)));
    SaveSettingIni(app, section, QStringLiteral(u"FontItalic"), boolText(chosen->italic));
    SaveSettingIni(app, section, QStringLiteral(u"FontBold"), boolText(chosen->bold));
    Savereg();
}

void Form1::Command18_Click()
{
    ChooseEditorFont();
    Savereg();
}
