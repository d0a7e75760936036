// The main road: make the source, switch pages, preview it, save it, copy it.

#include "controls/cp932.h"
#include "controls/textfile.h"
#include "frame/form1.h"

#include <QFileInfo>

namespace {
// The preview is HTML, so a character the code page cannot hold is written as a character
// reference: the browser still shows it.
QString withReferences(const QString &text)
{
    if (cp932::canEncode(text))
        return text;
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text.at(i).unicode();
        qsizetype width = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            width = 2;
        }
        const QString piece = text.mid(i, width);
        if (cp932::canEncode(piece))
            out += piece;
        else
            out += QStringLiteral(u"&#") + QString::number(quint32(code)) + u';';
        i += width - 1;
    }
    return out;
}
} // namespace

void Form1::Cmd_Click(int Index)
{
    switch (Index) {
    case 1:
        MakeSource();
        break;
    case 3:
        tabSwitchBusy = true;
        TabStrip1.selectTab(2);
        ShowPreview();
        med.setEnabled(false);
        mk.setEnabled(false);
        ms.setEnabled(false);
        tabSwitchBusy = false;
        break;
    case 4:
        InsertSampleData();
        break;
    case 5:
        ClearCellData();
        break;
    case 6:
        InsertImageFile();
        break;
    case 7:
        InsertTextFile();
        break;
    default:
        break;
    }
}

void Form1::MakeSource()
{
    MakeSourceAndShow();
}

void Form1::ClearCellData()
{
    if (msgBox(QStringLiteral(u"テキストを消去します"), msgbox::YesNo) == msgbox::Yes) {
        RB3.setText(QString());
        RB3.setVisible(true);
        Text(5).setVisible(false);
    }
}

void Form1::MakeSourceAndShow()
{
    tabSwitchBusy = true;
    if (!makeTableSourceInCase()) {
        tabSwitchBusy = false;
        reportRefusedTable();
        return;
    }
    // The view holds the text as generated. Taking the indentation out of it and putting the
    // generated text back would leave it as it is: that pass is not run.
    Setcolor2();
    if (Check3.value() == 1)
        IndentHtmlSource();
    RecolorSecondText();
    RefreshKeepScroll();
    TabStrip1.selectTab(3);
    tabSwitchBusy = false;
}

void Form1::TabStrip1_Click()
{
    ShowPage();
}

void Form1::ShowPage()
{
    if (tabSwitchBusy)
        return;
    switch (TabStrip1.selectedTab()) {
    case 1:
        RB1.setVisible(false);
        Frame3.setVisible(true);
        WebBrowser1.setVisible(false);
        framesub(17).setVisible(true);
        settingsPageMenus();
        relayout();
        break;
    case 2:
        framesub(17).setVisible(false);
        // Making the source anew would throw away what the user edited in it: it is made only
        // after asking, and otherwise the edited text is previewed as the preview command does.
        if (!sourceEdited() ||
            msgBox(QStringLiteral(u"ソースが編集されています。設定から作り直しますか？"),
                   msgbox::YesNo) == msgbox::Yes) {
            if (!makeTableSourceInCase())
                reportRefusedTable();
        }
        ShowPreview();
        med.setEnabled(false);
        mk.setEnabled(false);
        ms.setEnabled(false);
        RecolorSecondText();
        break;
    case 3:
        RefreshKeepScroll();
        break;
    default:
        break;
    }
}

void Form1::RefreshKeepScroll()
{
    framesub(17).setVisible(false);
    WebBrowser1.setVisible(false);
    RB1.setVisible(true);
    med.setEnabled(true);
    mk.setEnabled(true);
    ms.setEnabled(true);
    const int before = RB1.firstVisibleLine();
    RB1.zOrder(0);
    Setcolor2();
    processPendingEvents();
    // Unindenting and indenting again gives an indented text back unchanged: the two passes run
    // only when the text changed since it was last indented.
    if (Check3.value() == 1 && RB1.textRevision() != m_indentedText) {
        RemoveIndentation();
        IndentHtmlSource();
    }
    const int after = RB1.firstVisibleLine();
    if (after != before)
        RB1.lineScroll(before - after);
}

QString Form1::previewPath() const
{
    return htmlFolder + pathSeparator + htmlFileName;
}

void Form1::ShowPreview()
{
    const QString text = RB1.text();
    RB1.setVisible(false);
    // A file that still holds what it would be given is not written again: an unchanged source or
    // design previews at once.
    const quint64 revision = RB1.textRevision();
    if (!m_previewCopy.holds(previewPath(), revision)) {
        WrittenFile::Result written = m_previewCopy.write(previewPath(), revision, text, true);
        if (written == WrittenFile::Result::Unmappable)
            written = m_previewCopy.write(previewPath(), revision, withReferences(text), false);
        // A preview that cannot be written is reported, and the browser is not left on an old one.
        if (written != WrittenFile::Result::Written) {
            msgBox(QStringLiteral(u"プレビューのファイルを書き込めませんでした。\r\n") +
                       previewPath(),
                   msgbox::OKOnly | msgbox::Critical);
            WebBrowser1.navigate(QStringLiteral(u"about:blank"));
            WebBrowser1.setVisible(true);
            return;
        }
    }
    notePreviewFile(previewPath());
    processPendingEvents();
    const QString settingsCopy = htmlFolder + pathSeparator + QStringLiteral(u"$Set$.set");
    // The head is built once: it gives the key, and the document when the copy is written.
    int level = 0;
    QString head = settingsHead(level);
    const quint64 key = settingsDocumentKey(head, level);
    if (m_settingsCopy.holds(settingsCopy, key) ||
        m_settingsCopy.write(settingsCopy, key, settingsDocument(std::move(head), level), false) ==
            WrittenFile::Result::Written)
        notePreviewFile(settingsCopy);
    processPendingEvents();
    WebBrowser1.navigate(previewPath());
    WebBrowser1.setVisible(true);
    processPendingEvents();
}

void Form1::Command19_Click()
{
    SaveSourceAs();
}

void Form1::mhtml_Click()
{
    SaveSourceAs();
}

void Form1::SaveSourceAs()
{
    SaveSourceFile();
}

void Form1::SaveSourceFile()
{
    const std::optional<QString> path = askForFile(
        QStringLiteral(u"名前を付けて保存"),
        QStringLiteral(u"HTMLファイル (*.html)|*.html|&CSSファイル (*.css)|*.css|"
                       u"テキストファイル(*.txt)|*.txt|全てのファイル (*.*)|*.*|"),
        FileDialogKind::Save);
    if (!path)
        return;
    if (QFileInfo::exists(*path) &&
        msgBox(QStringLiteral(u"同名のファイルが既にあります、上書きしますか？"), msgbox::YesNo) !=
            msgbox::Yes)
        return;
    SaveTextFile(*path, RB1.text());
}

void Form1::Command15_Click()
{
    CopySourceToClipboard();
}

void Form1::CopySourceToClipboard()
{
    if (!m_services.clipboard)
        return;
    m_services.clipboard->clear();
    m_services.clipboard->setText(RB1.text());
}

void Form1::Cmdcmd_Click(int)
{
}
