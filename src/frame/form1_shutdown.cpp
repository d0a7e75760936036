// Ending the program: the exit button and the window's own close both come to Form_Unload, which
// asks first; on Yes the preview files go, the window geometry and the settings are written and
// every side window is closed.

#include "frame/form1.h"

#include <QFile>

namespace {
const QString App = QStringLiteral(u"Quendarlis");
const QString Section = QStringLiteral(u"Setup");

// A geometry value as start-up reads it back: "1000", "14055".
QString twipsText(int twips)
{
    return QString::number(float(twips), 'g', 7);
}
} // namespace

void Form1::Command9_Click()
{
    ExitProgram();
}

void Form1::ExitProgram()
{
    // Closing from code asks the same question as the window's close box.
    if (userClosing())
        userClosed();
}

void Form1::Form_Unload(int &Cancel)
{
    if (msgBox(QStringLiteral(u"プログラムを終了しますか。？"), msgbox::YesNo) != msgbox::Yes) {
        Cancel = 1;
        return;
    }
    // Only what this run wrote, where it wrote it: a file of the same name elsewhere is the
    // user's. A file that is already gone is no error.
    for (const QString &file : std::as_const(m_previewFiles))
        QFile::remove(file);
    m_previewFiles.clear();
    SaveSettingIni(App, Section, QStringLiteral(u"Top"), twipsText(top()));
    SaveSettingIni(App, Section, QStringLiteral(u"Left"), twipsText(left()));
    SaveSettingIni(App, Section, QStringLiteral(u"Width"), twipsText(width()));
    SaveSettingIni(App, Section, QStringLiteral(u"Height"), twipsText(height()));
    Savereg();
    unloadSideWindows();
}

void Form1::notePreviewFile(const QString &path)
{
    if (!m_previewFiles.contains(path))
        m_previewFiles.append(path);
}
