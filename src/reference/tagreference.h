#pragma once

#include <QString>

// The built-in tag reference text that the tag tree window is built from and reads on its clicks.
// Creating the object or calling its members loads or shows no window.
class TagReference
{
public:
    // The tag reference text, empty until GetText has run. Physical lines are separated by CR LF;
    // the last line has none after it.
    QString tagRefText() const { return m_tagRefText; }
    void setTagRefText(const QString &text) { m_tagRefText = text; }

    // Builds the whole tag reference text into tagRefText, replacing any earlier value, so a
    // second call leaves the same single text. The window's loading calls it; it can be called on
    // its own at any time.
    void GetText();

private:
    QString m_tagRefText;
};
