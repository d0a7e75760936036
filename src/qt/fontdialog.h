#pragma once

#include "controls/control.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

// The font dialog of the editors: a face, one of four styles (standard, italic, bold, bold italic,
// drawn by the font or made from it) and a size in points.
//
// It opens on the font it is given, in that font's style and size. A face given under a name the
// system maps to another family (a Windows name such as "ＭＳ ゴシック") shows as the family that
// really draws it, and comes back under the given name while the user keeps it; so accepting the
// dialog without touching it gives back exactly the font it was opened on.
class EditorFontDialog : public QDialog
{
public:
    // `fixedPitchOnly` offers the families whose text lines up in columns (Japanese ones with
    // full-width characters twice as wide included).
    EditorFontDialog(const Font &initial, bool fixedPitchOnly, QWidget *parent = nullptr);

    // The font as the dialog shows it now.
    Font chosen() const;

private:
    void fillFamilies(bool fixedPitchOnly);
    void fillStyles();
    void fillSizes();
    void showSample();

    Font m_initial;
    QListWidget *m_families = nullptr;
    QListWidget *m_styles = nullptr;
    QLineEdit *m_size = nullptr;
    QListWidget *m_sizes = nullptr;
    QLabel *m_sample = nullptr;
};
