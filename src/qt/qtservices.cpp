#include "qt/qtservices.h"

#include "qt/fontdialog.h"
#include "qt/formview.h"
#include "qt/qtconvert.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

QStringList toQtFilters(const QString &filter)
{
    QStringList out;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(u';', Qt::SkipEmptyParts);
        for (QString &pattern : patterns)
            pattern = pattern.trimmed();
        out.append(parts.at(i) + QStringLiteral(u" (") + patterns.join(u' ') + u')');
    }
    return out;
}

MessageButtons messageButtons(int style)
{
    using B = QMessageBox;
    MessageButtons out;
    switch (style & 7) {
    case msgbox::OKCancel:
        out.buttons = {{B::Ok, msgbox::OK}, {B::Cancel, msgbox::Cancel}};
        break;
    case msgbox::AbortRetryIgnore:
        out.buttons = {
            {B::Abort, msgbox::Abort}, {B::Retry, msgbox::Retry}, {B::Ignore, msgbox::Ignore}};
        out.escapeAnswer = 0;
        break;
    case msgbox::YesNoCancel:
        out.buttons = {{B::Yes, msgbox::Yes}, {B::No, msgbox::No}, {B::Cancel, msgbox::Cancel}};
        break;
    case msgbox::YesNo:
        out.buttons = {{B::Yes, msgbox::Yes}, {B::No, msgbox::No}};
        out.escapeAnswer = 0;
        break;
    case msgbox::RetryCancel:
        out.buttons = {{B::Retry, msgbox::Retry}, {B::Cancel, msgbox::Cancel}};
        break;
    default:
        out.buttons = {{B::Ok, msgbox::OK}};
        out.escapeAnswer = msgbox::OK;
        break;
    }
    const int wanted = (style >> 8) & 3;
    out.defaultIndex = wanted < int(out.buttons.size()) ? wanted : 0;
    return out;
}

namespace {

// The window a dialog belongs to: the one the user is working in (a side window may ask too),
// else the main window.
QWidget *askingWindow(QWidget *fallback)
{
    QWidget *active = QApplication::activeWindow();
    return active && !active->isHidden() ? active : fallback;
}

// Side windows are kept on top of the others: a dialog asked for while one of them shows would
// open behind it, out of the user's sight while it holds the whole program.
void keepAboveWindowsOnTop(QWidget &dialog)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool anyOnTop = std::any_of(windows.begin(), windows.end(), [&dialog](QWidget *w) {
        return w != &dialog && w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
    if (anyOnTop)
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

} // namespace

int QtMessageService::msgBox(const QString &prompt, int style, const QString &title)
{
    QMessageBox box(askingWindow(dialogParent));
    keepAboveWindowsOnTop(box);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    box.setText(prompt);
    switch (style & 0x70) {
    case msgbox::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case msgbox::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case msgbox::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case msgbox::Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    const MessageButtons layout = messageButtons(style);
    std::vector<QPushButton *> buttons;
    for (const auto &[standard, answer] : layout.buttons)
        buttons.push_back(box.addButton(QMessageBox::StandardButton(standard)));
    box.setDefaultButton(buttons.at(layout.defaultIndex));
    if (layout.escapeAnswer != 0)
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (layout.buttons[i].second == layout.escapeAnswer)
                box.setEscapeButton(buttons[i]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return layout.buttons[i].second;
    return layout.escapeAnswer != 0 ? layout.escapeAnswer : layout.buttons.back().second;
}

std::optional<QString> QtFileDialogService::run(const FileDialogRequest &request, bool saving)
{
    QFileDialog dialog(askingWindow(dialogParent), request.title, request.initialFolder);
    keepAboveWindowsOnTop(dialog);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Qt filters by the patterns in a filter's last parentheses, and shows them after the label;
    // the labels carry their own, so only the label is shown, exactly as given.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = toQtFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(std::max(0, request.filterIndex - 1)));
    }
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (saving && !request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtFileDialogService::open(const FileDialogRequest &request)
{
    return run(request, false);
}

std::optional<QString> QtFileDialogService::save(const FileDialogRequest &request)
{
    return run(request, true);
}

bool QtFontDialogService::exists(const QString &name) const
{
    // Font names as the settings store them may be Windows names the font setup maps.
    return QFontDatabase::hasFamily(name) || QFont(name).exactMatch();
}

std::optional<Font> QtFontDialogService::choose(const Font &initial, bool fixedPitchOnly)
{
    EditorFontDialog dialog(initial, fixedPitchOnly, askingWindow(dialogParent));
    keepAboveWindowsOnTop(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

std::optional<quint32> QtColorDialogService::choose(quint32 initial)
{
    // The picker that asks is kept on top of the other windows: a dialog of the main window could
    // open behind it, so the dialog belongs to the window that is active when it is asked for.
    const QColor color = QColorDialog::getColor(toQColor(initial, QApplication::palette()),
                                                askingWindow(dialogParent));
    if (!color.isValid())
        return std::nullopt;
    return fromQColor(color);
}

QString QtClipboardService::text() const
{
    return QApplication::clipboard()->text();
}

void QtClipboardService::setText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

void QtClipboardService::clear()
{
    QApplication::clipboard()->clear();
}

Services QtServices::services()
{
    return Services{&messages, &files, &fonts, &colors, &clipboard, &keys, &windows, &desktop,
                    &caret,    &events};
}

QPoint QtCaretService::caretPos(const Control &box) const
{
    auto *edit = view ? qobject_cast<QPlainTextEdit *>(view->widgetOf(box)) : nullptr;
    if (!edit)
        return {};
    return edit->viewport()->mapTo(edit, edit->cursorRect().topLeft());
}

int QtCaretService::twipsPerPixelX() const
{
    const double dpi = view ? view->scale().dpi() : 96;
    return std::max(1, qRound(1440.0 / dpi));
}

void QtEventPump::processPendingEvents()
{
    // The user's input stays queued: Qt hands it over the next time the program is idle.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtServices::setDialogParent(QWidget *parent)
{
    messages.dialogParent = parent;
    files.dialogParent = parent;
    fonts.dialogParent = parent;
    colors.dialogParent = parent;
}

bool QtDesktopService::openFile(const QString &path)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral(u"xdg-mime"));
    if (!xdgMime.isEmpty()) {
        const QString type = QMimeDatabase().mimeTypeForFile(path).name();
        QProcess query;
        query.start(xdgMime, {QStringLiteral(u"query"), QStringLiteral(u"default"), type});
        if (!query.waitForFinished(3000) || query.readAllStandardOutput().trimmed().isEmpty())
            return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
