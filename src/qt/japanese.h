#pragma once

#include <QString>

class QCoreApplication;

// Start-up helpers of the Japanese user interface.

// Loads Qt's own Japanese texts (qtbase_ja: dialog buttons, context menus) from Qt's translations
// folder and installs them; false when they are not there (the program then runs with Qt's
// English texts).
bool installJapaneseTranslations(QCoreApplication &app);

// Whether a family's text lines up in columns: Qt's own flag, or Latin letters of one width (a
// Japanese "monospace" font draws full-width characters twice as wide, which Qt does not count as
// fixed pitch).
bool isFixedPitchFamily(const QString &family);
// The installed families whose text lines up in columns, in the font database's order.
QStringList fixedPitchFamilies();

// Lets the Windows font names of the design ("ＭＳ Ｐゴシック", "ＭＳ ゴシック", ...) fall back on
// an installed Japanese font of the same pitch (the fixed-pitch names, the editors' default, on
// any fixed-pitch font when there is no Japanese one), and makes a Japanese font the application's
// default. Returns the default family chosen, or empty when no Japanese font is installed.
QString useJapaneseFonts();
