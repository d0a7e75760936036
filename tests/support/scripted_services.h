#pragma once

#include "controls/forms.h"
#include "controls/services.h"

#include <QStringList>
#include <deque>
#include <functional>

// Message boxes answered from a script; every prompt is recorded. An unscripted question fails the
// test that asked it (it answers No/Cancel and is recorded as unexpected).
class ScriptedMessages : public MessageService
{
public:
    int msgBox(const QString &prompt, int style, const QString &title) override
    {
        prompts.append(prompt);
        styles.push_back(style);
        titles.append(title);
        if (onAsk)
            onAsk();
        if (answers.empty()) {
            ++unexpected;
            return (style & 7) == msgbox::OKOnly ? msgbox::OK : msgbox::No;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<int> answers;
    // Runs for every question, before it is answered (an event log notes it there).
    std::function<void()> onAsk;
    QStringList prompts;
    std::vector<int> styles;
    QStringList titles;
    int unexpected = 0;
};

// Font dialog that answers with `answer` (empty = Cancel) and records what it was shown.
class ScriptedFonts : public FontDialogService
{
public:
    std::optional<Font> choose(const Font &initial, bool fixedPitchOnly) override
    {
        shown.push_back(initial);
        fixedOnly = fixedPitchOnly;
        return answer;
    }
    bool exists(const QString &name) const override { return !missing.contains(name); }
    std::optional<Font> answer;
    QStringList missing;
    std::vector<Font> shown;
    bool fixedOnly = false;
};

// File dialogs answering with fixed paths (empty = Cancel); every request is recorded.
class ScriptedFiles : public FileDialogService
{
public:
    std::optional<QString> open(const FileDialogRequest &request) override
    {
        requests.push_back(request);
        return openPath.isEmpty() ? std::nullopt : std::optional<QString>(openPath);
    }
    std::optional<QString> save(const FileDialogRequest &request) override
    {
        requests.push_back(request);
        return savePath.isEmpty() ? std::nullopt : std::optional<QString>(savePath);
    }
    QString openPath;
    QString savePath;
    std::vector<FileDialogRequest> requests;
};

// Pending events handled in the middle of a command: every call is counted, and `during` runs in
// each call as what arrives meanwhile (the user's input among it).
class ScriptedEventPump : public EventPump
{
public:
    void processPendingEvents() override
    {
        ++calls;
        if (during)
            during();
    }
    std::function<void()> during;
    int calls = 0;
};

class ScriptedClipboard : public ClipboardService
{
public:
    QString text() const override { return content; }
    void setText(const QString &text) override { content = text; }
    void clear() override { content.clear(); }
    QString content;
};

// Colour dialog that answers with `answer` (empty = Cancel) and records the colour it opened with.
class ScriptedColors : public ColorDialogService
{
public:
    std::optional<quint32> choose(quint32 initial) override
    {
        shown.push_back(initial);
        return answer;
    }
    std::optional<quint32> answer;
    std::vector<quint32> shown;
};

// The desktop's application for a file type: `opens` says whether there is one; every path asked
// for is recorded.
class ScriptedDesktop : public DesktopService
{
public:
    bool openFile(const QString &path) override
    {
        asked.append(path);
        return opens;
    }
    bool opens = false;
    QStringList asked;
};

// A window service that records what it is told, as a log "show(frmAbout);release(frmAbout);".
// Like the real one, a form it has shown is followed by its window (an observer) until released.
class WindowLog : public WindowService, private ControlObserver
{
public:
    void show(Form &form) override
    {
        log += QStringLiteral(u"show(") + form.name() + QStringLiteral(u");");
        form.setObserver(this);
    }
    void release(Form &form) override
    {
        log += QStringLiteral(u"release(") + form.name() + QStringLiteral(u");");
        form.setObserver(nullptr);
    }
    QString log;

private:
    void propertyChanged(Control &, Property) override {}
};

// The caret of every box at a fixed pixel position, 15 twips per pixel.
class ScriptedCaret : public CaretService
{
public:
    QPoint caretPos(const Control &) const override { return pos; }
    int twipsPerPixelX() const override { return 15; }
    int twipsPerPixelY() const override { return 15; }
    QPoint pos{100, 40};
};

// Keys sent to the focused control of a form, through its key door, as the platform would
// deliver them; every string sent is recorded.
class FocusKeys : public KeySender
{
public:
    void sendKeys(const QString &keys) override
    {
        sent.append(keys);
        if (!form || !form->activeControl())
            return;
        const int code = keys == u"{UP}" ? keycode::Up : keys == u"{DOWN}" ? keycode::Down : 0;
        if (code)
            form->activeControl()->userKeyDown(code, 0);
    }
    Form *form = nullptr;
    QStringList sent;
};
