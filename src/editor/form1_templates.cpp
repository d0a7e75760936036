// The source menu's templates: the HTML header around the whole source, the script block and the
// style block, each in the tag case of the option and recoloured afterwards.

#include "controls/strings.h"
#include "editor/sourcetemplates.h"
#include "editor/tagcase.h"
#include "frame/form1.h"

void Form1::InsertTemplate(int kind)
{
    const bool upper = editor::upperCaseTags(Check2.value());
    if (kind == 1) {
        const QString source = RB1.text();
        RB1.setText(editor::docTypeLine() + editor::headerBlock(source, upper) + source +
                    editor::headerTail(upper));
        return;
    }
    if (kind != 2)
        return;
    m_templateStart = -1;
    const QString block = editor::scriptBlock(upper);
    if (RB1.selStart() == 0) {
        const qsizetype head = RB1.text().toLower().indexOf(QStringLiteral(u"</head>"));
        if (head >= 0)
            RB1.setSelStart(int(head));
    }
    if (strings::trim(RB1.text()).isEmpty()) {
        RB1.setText(block);
        m_templateStart = 0;
        Setcolor2();
        return;
    }
    if (!RB1.visible())
        return;
    const int start = RB1.selStart();
    RB1.setSelText(block);
    m_templateStart = start;
    // The block's "//" line: the search starts one character before the block.
    const int slashes = strings::inStr(start == 0 ? 1 : start, RB1.text(), QStringLiteral(u"//"));
    if (slashes > 0)
        RB1.setSelStart(slashes - 2);
    RB1.setFocus();
    Setcolor2();
}

void Form1::ms2_Click()
{
    if (RB1.text().contains(QStringLiteral(u"<head")) ||
        RB1.text().contains(QStringLiteral(u"<HEAD"))) {
        if (msgBox(QStringLiteral(u"既にヘッダーは挿入されています、続行しますか?"),
                   msgbox::YesNo) == msgbox::No)
            return;
    }
    RB1.setFocus();
    InsertTemplate(1);
    // Between the CR and the LF of the empty line after the body's start tag: the caret stands on
    // that empty line.
    const qsizetype body = RB1.text().toLower().indexOf(QStringLiteral(u"<body>"));
    if (body >= 0)
        RB1.setSelStart(int(body + 9));
    Setcolor2();
}

void Form1::ms1_Click()
{
    InsertTemplate(2);
    if (m_templateStart < 0)
        return;
    // The new block's own "//" line: the search starts where the block went in, so that an
    // earlier "javascript" (in the header's META line, say) cannot draw the caret out of it.
    const QString lower = RB1.text().toLower();
    const qsizetype script = lower.indexOf(QStringLiteral(u"javascript"), m_templateStart);
    if (script < 0)
        return;
    const qsizetype slashes = lower.indexOf(QStringLiteral(u"//"), script);
    if (slashes >= 0)
        RB1.setSelStart(int(slashes - 1));
}

void Form1::ms3_Click()
{
    const QString block = editor::styleBlock(editor::upperCaseTags(Check2.value()));
    const qsizetype head = RB1.text().toLower().indexOf(QStringLiteral(u"</head>"));
    if (head >= 0)
        RB1.setSelStart(int(head));
    RB1.setSelText(block);
    Setcolor2();
}
