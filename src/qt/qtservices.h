#pragma once

#include "controls/services.h"
#include "qt/windowservice.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

// The real services of the windows: Qt's message boxes, file, font and colour dialogs, the system
// clipboard and key events sent to the focused widget. Dialogs are modal to `dialogParent`.

// "説明|*.txt|説明2|*.htm;*.html" as Qt name filters: "説明 (*.txt)", "説明2 (*.htm *.html)".
QStringList toQtFilters(const QString &filter);

// The buttons of a message box style and the answer each gives.
struct MessageButtons
{
    std::vector<std::pair<int, int>> buttons; // (QMessageBox::StandardButton, answer)
    int defaultIndex = 0;
    int escapeAnswer = msgbox::Cancel; // 0 when the box has no way out but its buttons
};
MessageButtons messageButtons(int style);

class QtMessageService : public MessageService
{
public:
    int msgBox(const QString &prompt, int style, const QString &title) override;
    QPointer<QWidget> dialogParent;
};

class QtFileDialogService : public FileDialogService
{
public:
    std::optional<QString> open(const FileDialogRequest &request) override;
    std::optional<QString> save(const FileDialogRequest &request) override;
    QPointer<QWidget> dialogParent;

private:
    std::optional<QString> run(const FileDialogRequest &request, bool saving);
};

class QtFontDialogService : public FontDialogService
{
public:
    std::optional<Font> choose(const Font &initial, bool fixedPitchOnly) override;
    bool exists(const QString &name) const override;
    QPointer<QWidget> dialogParent;
};

class QtColorDialogService : public ColorDialogService
{
public:
    std::optional<quint32> choose(quint32 initial) override;
    QPointer<QWidget> dialogParent;
};

class QtClipboardService : public ClipboardService
{
public:
    QString text() const override;
    void setText(const QString &text) override;
    void clear() override;
};

// Keys as the logic writes them: "{UP}", "{DOWN}", "{ENTER}", "{ESC}", ... and plain characters,
// each optionally after "+" (Shift), "^" (Ctrl) or "%" (Alt). Sent to the focused widget and
// processed before sendKeys returns.
class QtKeySender : public KeySender
{
public:
    void sendKeys(const QString &keys) override;
};

class FormView;

// The caret of a text box as its widget in `view` draws it, and the screen's twips per pixel.
class QtCaretService : public CaretService
{
public:
    QPoint caretPos(const Control &box) const override;
    int twipsPerPixelX() const override;
    int twipsPerPixelY() const override { return twipsPerPixelX(); }
    QPointer<FormView> view;
};

// Opens files with the desktop's application for their type. Where the desktop can say which
// application that is (xdg-mime), a type with none is reported as such before anything is started.
class QtDesktopService : public DesktopService
{
public:
    bool openFile(const QString &path) override;
};

// Paints, timers and the window system's own events; the user's input waits for the idle loop.
class QtEventPump : public EventPump
{
public:
    void processPendingEvents() override;
};

// All of them, and the Services a window is constructed with.
class QtServices
{
public:
    Services services();
    // Makes the dialogs modal to a window (usually the main window's view).
    void setDialogParent(QWidget *parent);

    QtMessageService messages;
    QtFileDialogService files;
    QtFontDialogService fonts;
    QtColorDialogService colors;
    QtClipboardService clipboard;
    QtKeySender keys;
    QtEventPump events;
    QtWindowService windows;
    QtCaretService caret;
    QtDesktopService desktop;
};
