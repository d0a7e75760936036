#pragma once

#include <QString>

// What the CSS tree window carries besides its controls: the built-in CSS reference text that the
// tree and the editor's CSS-value completion read. It outlives the window (the main window holds it),
// so the text stays readable after the window was closed; reading it never loads or shows the window.
class CssReference
{
public:
    // The CSS reference text, empty until Gettext1 has run. Every line ends with CR LF, the last
    // one ("<$END>") too.
    QString cssRefText() const { return m_cssRefText; }
    void setCssRefText(const QString &text) { m_cssRefText = text; }

    // Builds the whole CSS reference text into cssRefText, replacing what was there, so building
    // again leaves one copy of the same text. The window's loading calls it; it can be called on
    // its own at any time.
    void Gettext1();

private:
    QString m_cssRefText;
};
