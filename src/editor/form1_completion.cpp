// Completion in the source view: the candidate table, the change handler that decides which list
// to offer, and the candidate list with its explanation.

#include "controls/strings.h"
#include "controls/textfile.h"
#include "editor/candidatelist.h"
#include "editor/candidatetable.h"
#include "editor/completiontrigger.h"
#include "editor/memberlist.h"
#include "frame/form1.h"
#include "objref/objectreference.h"
#include "reference/cssreference.h"

#include <QFileInfo>

QString Form1::EscapeKouho(QString &s)
{
    return editor::escapeKouho(s);
}

void Form1::BuildKouhoList()
{
    fomObj().Gets();
    QStringList lines;
    if (!programFolder.isEmpty()) {
        const QString path = programFolder + pathSeparator + QStringLiteral(u"interi.sns");
        if (QFileInfo(path).isFile()) {
            if (const std::optional<QString> text = readTextFile(path, TextOrigin::Program))
                lines = editor::candidateFileLines(*text);
        }
    }
    kouhoList.build(fomObj().objTreeText, lines, fomObj().Yoyakugo());
    varTable.clear();
}

QString Form1::GetNearestDelimiter()
{
    return editor::nearestDelimiter(RB1.span(0, RB1.selStart()), RB1.selStart());
}

bool Form1::IsInScriptBlock()
{
    return m_sourceIndex.inScriptBlock(RB1.selStart());
}

qsizetype Form1::FindWordStart(qsizetype p)
{
    return editor::findWordStart(RB1.span(0, p), p);
}

void Form1::RB1_Change()
{
    // The indexes follow every change, also the ones the guard swallows.
    const RichTextBox::TextChange &change = RB1.lastChange();
    if (m_sourceIndex.canFollow(change.start, change.removed, change.inserted, RB1.length(),
                                change.whole))
        m_sourceIndex.follow(
            RB1.span(0, change.start + change.inserted + editor::SourceIndex::reach()),
            change.start, change.removed, change.inserted, RB1.length());
    else
        m_sourceIndex.reset(RB1.text());
    if (skipRb1Change) {
        skipRb1Change = false;
        return;
    }
    const int p = RB1.selStart();
    if (p == 0)
        return;
    if (IsInScriptBlock())
        CheckReservedWord();
    if (L1.visible()) {
        L1.setVisible(false);
        Frmexp.setVisible(false);
    }
    if (List1.visible())
        List1.setVisible(false);
    ScanVarDeclarations();
    if (RB1.length() == 1) {
        Setcolor2();
        RB1.setSelStart(1);
        return;
    }
    QString with;
    // What decides the offer lies before the caret.
    if (editor::CompletionTrigger::dotAfterBlank(RB1.span(0, p), p)) {
        with = FindWithObject();
        if (with.isEmpty())
            return;
    }
    using Offer = editor::CompletionTrigger::Offer;
    switch (editor::CompletionTrigger::choose(RB1.span(0, p), p, IsInScriptBlock(), !with.isEmpty(),
                                              Check6(0).value() != 0)) {
    case Offer::Nothing:
        return;
    case Offer::Candidates:
    case Offer::CssValues:
        ShowCandidates();
        return;
    case Offer::Members:
        offerMembers(with, p);
        return;
    }
}

void Form1::offerMembers(const QString &with, int p)
{
    QString type;
    QString member;
    m_memberReplacesDot = false;
    if (with.isEmpty()) {
        QString word;
        type = ConstructorType(word, member);
        if (type.isEmpty()) {
            L1.setVisible(false);
            Frmexp.setVisible(false);
            return;
        }
        type = varTable.resolve(type);
    } else {
        type = with;
        // The member chosen later replaces the dot. The dot is not selected for that: a character
        // typed on, or a Tab, would replace or indent it.
        RB1.setFocus();
    }
    const int at = with.isEmpty() ? RB1.selStart() : p - 1;
    if (const QString inferred = InferVarType(at, type); !inferred.isEmpty())
        type = inferred;

    const std::optional<std::vector<editor::MemberItem>> members =
        editor::objectMembers(fomObj().objTreeText, type, member);
    if (!members) {
        L1.setVisible(false);
        Frmexp.setVisible(false);
        return;
    }
    L1.clear();
    for (const editor::MemberItem &item : *members)
        L1.add(item.name, item.icon);
    if (L1.count() == 0) {
        if (GetNearestDelimiter() != u".")
            return;
        QString word;
        QString typed;
        ConstructorType(word, typed);
        // A member the object does not have is marked in magenta.
        if (const auto marked =
                editor::CompletionTrigger::unknownMember(RB1.span(0, p), p, typed)) {
            const quint32 typingColor = RB1.selColor();
            RB1.setSelStart(int(marked->first));
            RB1.setSelLength(int(marked->second));
            RB1.setSelColor(0xFF00FF);
            RB1.setFocus();
            RB1.setSelStart(p);
            RB1.setSelColor(typingColor);
        }
        List1.setVisible(false);
        Frmexp.setVisible(false);
        return;
    }
    ShowMemberList();
    kouhoStart = at;
    m_memberReplacesDot = !with.isEmpty();
}

bool Form1::placeAtCaret(Control &list, int width)
{
    const QPoint caret = m_services.caret ? m_services.caret->caretPos(RB1) : QPoint();
    const int tx = m_services.caret ? m_services.caret->twipsPerPixelX() : 15;
    const int ty = m_services.caret ? m_services.caret->twipsPerPixelY() : 15;
    list.setHeight(2000);
    const int x = caret.x() * tx + RB1.left() - 150;
    const int y = caret.y() * ty + RB1.top();
    bool below = true;
    if (y + list.height() > RB1.height()) {
        list.setTop(y - list.height());
        below = false;
    } else {
        list.setTop(y + int(2 * ty * RB1.font().size));
    }
    list.setLeft(x);
    list.setWidth(width);
    return below;
}

void Form1::ShowCandidates()
{
    const int p = RB1.selStart();
    if (p < 2 || RB1.charAt(p - 1) == u'\n')
        return;
    kouhoStart = int(FindWordStart(p));
    kouhoTypedLength = p - kouhoStart;
    if (kouhoTypedLength < strings::Val(Text8.text()))
        return;
    QString word = RB1.mid(kouhoStart, kouhoTypedLength);
    List1.clear();
    if (word.endsWith(u'.')) {
        word.chop(1);
        const std::optional<QStringList> values = editor::cssValues(forCss().cssRefText(), word);
        if (!values)
            return;
        for (const QString &value : *values)
            List1.addItem(value);
        // A chosen value goes in at the caret, after the property's dot.
        kouhoStart = RB1.selStart();
        kouhoTypedLength = 0;
        ShowCandidateHelp();
    } else {
        for (const QString &candidate :
             kouhoList.candidates(word, IsInScriptBlock(), Check2.value())) {
            List1.addItem(candidate);
            List1.setVisible(true);
        }
        for (const QString &name : varTable.namesStartingWith(word))
            List1.addItem(name);
    }
    if (List1.listCount() == 1 && List1.listItem(0) == word) {
        List1.clear();
        List1.setVisible(false);
        return;
    }
    if (List1.listCount() == 0) {
        List1.setVisible(false);
        Frmexp.setVisible(false);
        return;
    }
    kouhoListBelow = placeAtCaret(List1, 2000);
    qsizetype longest = 0;
    for (const QString &item : List1.list())
        longest = std::max(longest, item.size());
    const int tx = m_services.caret ? m_services.caret->twipsPerPixelX() : 15;
    int width = int(double(longest) * tx * List1.font().size);
    width = std::min(width, RB1.width() - List1.left() - 100);
    width = std::max(width, 2000);
    List1.setVisible(true);
    List1.setWidth(width);
    List1.zOrder(0);
}

void Form1::showExplanation(const Control &list, const QString &text)
{
    Frmexp.setTop(kouhoListBelow ? list.top() + list.height() + 100
                                 : list.top() - Frmexp.height() - 10);
    LblExp.setCaption(text);
    LblExp.setTop(50);
    LblExp.setLeft(50);
    Frmexp.setWidth(LblExp.width() + 100);
    Frmexp.setHeight(LblExp.height() + 100);
    Frmexp.setVisible(true);
    Frmexp.setLeft(list.left());
    Frmexp.zOrder(0);
}

void Form1::ShowCandidateHelp()
{
    const QString selected = List1.listIndex() >= 0 ? List1.text() : QString();
    const editor::CandidateHelp help = editor::candidateHelp(forCss().cssRefText(), selected);
    if (help.action == editor::CandidateHelp::Hide)
        Frmexp.setVisible(false);
    else if (help.action == editor::CandidateHelp::Show)
        showExplanation(List1, help.caption);
}
