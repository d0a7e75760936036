#pragma once

#include "controls/control.h"

#include <QPoint>
#include <QString>
#include <optional>

// Services the windows use but do not own: message boxes, common dialogs, the clipboard and key
// sending. The Qt view provides real ones; tests script them. None of them calls back into the logic.

namespace msgbox {
// Buttons, icons and answers of a message box, as the window logic names them.
constexpr int OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4,
              RetryCancel = 5;
constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
constexpr int DefaultButton2 = 256;
constexpr int OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
} // namespace msgbox

class MessageService
{
public:
    virtual ~MessageService() = default;
    // Shows a modal message box; `style` combines buttons and icon; an empty title means the
    // program's default title. Returns the answer.
    virtual int msgBox(const QString &prompt, int style, const QString &title) = 0;
};

struct FileDialogRequest
{
    QString title;
    // "説明|*.txt|説明|*.htm;*.html" pairs.
    QString filter;
    int filterIndex = 1;
    QString initialFolder;
    QString fileName;
    QString defaultExtension;
    bool overwritePrompt = false;
};

class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or empty on Cancel.
    virtual std::optional<QString> open(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> save(const FileDialogRequest &request) = 0;
};

class FontDialogService
{
public:
    virtual ~FontDialogService() = default;
    // `fixedPitchOnly` offers only fixed-pitch fonts. Empty on Cancel.
    virtual std::optional<Font> choose(const Font &initial, bool fixedPitchOnly) = 0;
    // Whether the system has a font of that name: a box given another name keeps its own font.
    virtual bool exists(const QString &name) const = 0;
};

class ColorDialogService
{
public:
    virtual ~ColorDialogService() = default;
    // A colour as 0x00BBGGRR, or empty on Cancel.
    virtual std::optional<quint32> choose(quint32 initial) = 0;
};

class ClipboardService
{
public:
    virtual ~ClipboardService() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual void clear() = 0;
};

class KeySender
{
public:
    virtual ~KeySender() = default;
    // Sends keystrokes such as "{UP}" or "{DOWN}" to the focused control and waits until they ran.
    virtual void sendKeys(const QString &keys) = 0;
};

// Where the platform draws a text box's caret, and the screen's twips per pixel, for placing pop-ups
// beside the caret.
class CaretService
{
public:
    virtual ~CaretService() = default;
    // The caret of `box` in pixels of the box's client area (its top left corner: the caret's top).
    virtual QPoint caretPos(const Control &box) const = 0;
    virtual int twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
};

class Form;

// Shows the side windows. Each form gets a top-level window of its own the first time it is made
// visible; from then on the window follows the form's Visible, geometry, caption and TopMost.
class WindowService
{
public:
    virtual ~WindowService() = default;
    // Builds the form's window if it has none, and shows it.
    virtual void show(Form &form) = 0;
    // Destroys the form's window at once, if it has one. Called just before the form itself goes.
    virtual void release(Form &form) = 0;
};

class DesktopService
{
public:
    virtual ~DesktopService() = default;
    // Opens a file with the application the desktop uses for files of its kind. Returns false,
    // opening nothing, when the desktop has no such application.
    virtual bool openFile(const QString &path) = 0;
};

// Lets the window system handle what is pending in the middle of a long command: painting, timers,
// the loading of long texts into their views. What the user does meanwhile (keys, clicks, a page
// chosen) is not handled here: it waits, in order, until the running command has ended and the
// program is idle again, so that no command or change of page starts half-way through another one
// and changes the design under it.
class EventPump
{
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

// What a window is given at construction. Any pointer may be null in a test that does not use it;
// the windows then behave as if the service answered Cancel (or No).
struct Services
{
    MessageService *messages = nullptr;
    FileDialogService *files = nullptr;
    FontDialogService *fonts = nullptr;
    ColorDialogService *colors = nullptr;
    ClipboardService *clipboard = nullptr;
    KeySender *keys = nullptr;
    WindowService *windows = nullptr;
    DesktopService *desktop = nullptr;
    CaretService *caret = nullptr;
    EventPump *events = nullptr;
};
