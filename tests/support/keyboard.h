#pragma once

#include "controls/forms.h"
#include "controls/richtextbox.h"

#include <QString>

// A user's keystrokes into a form, delivered as the view delivers them: the focused control's key
// door first (the form's key preview included), then, when no handler swallowed or used the key,
// what the key types into a focused rich-text box.
struct Keyboard
{
    Form &form;

    // Presses a key; `typed` is what it types when it reaches a rich-text box.
    void press(int code, int shift = 0, const QString &typed = QString())
    {
        // With no control focused the keys go to the form itself.
        Control *focused = form.activeControl();
        if ((focused ? *focused : static_cast<Control &>(form)).userKeyDown(code, shift))
            return;
        auto *box = dynamic_cast<RichTextBox *>(focused);
        if (!box)
            return;
        if (code == keycode::Back)
            box->userDeleted(true);
        else if (!typed.isEmpty())
            box->userTyped(typed);
    }

    // Types a text character by character (CR LF as Enter).
    void type(const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
                press(keycode::Return, 0, QStringLiteral(u"\r\n"));
                ++i;
            } else {
                press(codeOf(c), c.isUpper() ? keycode::ShiftMask : 0, QString(c));
            }
        }
    }

    static int codeOf(QChar c)
    {
        if (c.isLetter() && c.unicode() < 128)
            return c.toUpper().unicode();
        if (c.isDigit() && c.unicode() < 128)
            return c.unicode();
        switch (c.unicode()) {
        case u' ':
            return keycode::Space;
        case u'\t':
            return keycode::Tab;
        case u'.':
            return 190;
        case u',':
            return 188;
        default:
            return 255; // a key the logic names no code for
        }
    }
};
