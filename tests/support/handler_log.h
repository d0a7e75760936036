#pragma once

#include "frame/form1.h"
#include "support/scripted_services.h"

#include <QString>

// Records, in the order they run, the handlers of the designer's controls as one string:
// "VScroll1_Change(1);Text1_Change(1);MsgBox". Nested runs show where they happen, inside the
// assignment that raised them. Controls without a handler of their own are recorded all the same,
// so that a test sees every event that fired.
class HandlerLog
{
public:
    explicit HandlerLog(Form1 &f, ScriptedMessages *messages = nullptr)
    {
        f.VScroll1.forEach(
            [this](int i, ScrollBar &c) { wrap(c.onChange, name(u"VScroll1_Change", i)); });
        f.Text1.forEach([this](int i, TextBox &c) { wrap(c.onChange, name(u"Text1_Change", i)); });
        f.Text5.forEach([this](int i, TextBox &c) { wrap(c.onChange, name(u"Text5_Change", i)); });
        f.Option9.forEach(
            [this](int i, OptionButton &c) { wrap(c.onClick, name(u"Option9_Click", i)); });
        f.Option1.forEach(
            [this](int i, OptionButton &c) { wrap(c.onClick, name(u"Option1_Click", i)); });
        f.Option10.forEach(
            [this](int i, OptionButton &c) { wrap(c.onClick, name(u"Option10_Click", i)); });
        f.Option11.forEach(
            [this](int i, OptionButton &c) { wrap(c.onClick, name(u"Option11_Click", i)); });
        f.Option12.forEach(
            [this](int i, OptionButton &c) { wrap(c.onClick, name(u"Option12_Click", i)); });
        f.Option16.forEach(
            [this](int i, OptionButton &c) { wrap(c.onClick, name(u"Option16_Click", i)); });
        f.Optionichi2.forEach(
            [this](int i, OptionButton &c) { wrap(c.onClick, name(u"Optionichi2_Click", i)); });
        wrap(f.VScroll2.onChange, QStringLiteral(u"VScroll2_Change"));
        wrap(f.VScroll3.onChange, QStringLiteral(u"VScroll3_Change"));
        wrap(f.VScroll4.onChange, QStringLiteral(u"VScroll4_Change"));
        wrap(f.VScroll5.onChange, QStringLiteral(u"VScroll5_Change"));
        wrap(f.VScroll6.onChange, QStringLiteral(u"VScroll6_Change"));
        wrap(f.VScrollhaba.onChange, QStringLiteral(u"VScrollhaba_Change"));
        wrap(f.RB3.onChange, QStringLiteral(u"RB3_Change"));
        wrap(f.Text6.onChange, QStringLiteral(u"Text6_Change"));
        f.Text2.forEach([this](int i, TextBox &c) { wrap(c.onChange, name(u"Text2_Change", i)); });
        wrap(f.Txttit.onChange, QStringLiteral(u"Txttit_Change"));
        wrap(f.Text3.onChange, QStringLiteral(u"Text3_Change"));
        wrap(f.Text4.onChange, QStringLiteral(u"Text4_Change"));
        if (messages)
            messages->onAsk = [this] { add(QStringLiteral(u"MsgBox")); };
    }

    const QString &text() const { return m_text; }
    void clear() { m_text.clear(); }

private:
    static QString name(const char16_t *handler, int index)
    {
        return QString::fromUtf16(handler) + u'(' + QString::number(index) + u')';
    }
    void add(const QString &entry)
    {
        if (!m_text.isEmpty())
            m_text += u';';
        m_text += entry;
    }
    void wrap(std::function<void()> &handler, const QString &entry)
    {
        handler = [this, inner = handler, entry] {
            add(entry);
            if (inner)
                inner();
        };
    }
    QString m_text;
};
