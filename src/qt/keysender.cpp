// Key strings as the logic writes them, sent as key events to the focused widget.

#include "qt/qtservices.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

struct NamedKey
{
    const char16_t *name;
    Qt::Key key;
    const char16_t *text;
};

const NamedKey namedKeys[] = {
    {u"UP", Qt::Key_Up, u""},
    {u"DOWN", Qt::Key_Down, u""},
    {u"LEFT", Qt::Key_Left, u""},
    {u"RIGHT", Qt::Key_Right, u""},
    {u"ENTER", Qt::Key_Return, u"\r"},
    {u"ESC", Qt::Key_Escape, u"\x1b"},
    {u"ESCAPE", Qt::Key_Escape, u"\x1b"},
    {u"TAB", Qt::Key_Tab, u"\t"},
    {u"HOME", Qt::Key_Home, u""},
    {u"END", Qt::Key_End, u""},
    {u"PGUP", Qt::Key_PageUp, u""},
    {u"PGDN", Qt::Key_PageDown, u""},
    {u"BS", Qt::Key_Backspace, u"\b"},
    {u"BACKSPACE", Qt::Key_Backspace, u"\b"},
    {u"BKSP", Qt::Key_Backspace, u"\b"},
    {u"DEL", Qt::Key_Delete, u"\x7f"},
    {u"DELETE", Qt::Key_Delete, u"\x7f"},
    {u"INS", Qt::Key_Insert, u""},
    {u"INSERT", Qt::Key_Insert, u""},
};

void send(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

// The key of a braced name: a named key, a function key or one literal character.
bool braced(const QString &name, Qt::Key &key, QString &text)
{
    for (const NamedKey &named : namedKeys) {
        if (name.compare(QString::fromUtf16(named.name), Qt::CaseInsensitive) == 0) {
            key = named.key;
            text = QString::fromUtf16(named.text);
            return true;
        }
    }
    if (name.size() >= 2 && name.at(0).toUpper() == u'F') {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 24) {
            key = Qt::Key(Qt::Key_F1 + n - 1);
            text.clear();
            return true;
        }
    }
    if (name.size() == 1) {
        key = Qt::Key(name.at(0).toUpper().unicode());
        text = name;
        return true;
    }
    return false;
}

} // namespace

void QtKeySender::sendKeys(const QString &keys)
{
    Qt::KeyboardModifiers modifiers;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys.at(i);
        if (c == u'+' || c == u'^' || c == u'%') {
            modifiers |= c == u'+'   ? Qt::ShiftModifier
                         : c == u'^' ? Qt::ControlModifier
                                     : Qt::AltModifier;
            continue;
        }
        Qt::Key key = Qt::Key_unknown;
        QString text;
        if (c == u'{') {
            // "{}}" is a closing brace; otherwise the name runs to the next "}".
            const qsizetype close = keys.indexOf(u'}', i + 2);
            const qsizetype end = keys.mid(i, 3) == u"{}}" ? i + 2 : close;
            if (end < 0 || !braced(keys.mid(i + 1, end - i - 1), key, text))
                return;
            i = end;
        } else if (c == u'~') {
            key = Qt::Key_Return;
            text = QStringLiteral(u"\r");
        } else {
            key = Qt::Key(c.toUpper().unicode());
            text = c;
        }
        send(key, modifiers,
             modifiers & (Qt::ControlModifier | Qt::AltModifier) ? QString() : text);
        modifiers = {};
    }
}
