#pragma once

#include <QString>

class QCoreApplication;

// Start-up helpers of the Japanese user interface.

// Loads Qt's own Japanese texts (qtbase_ja: dialog buttons, context menus) from Qt's translations
// folder and installs them; false when they are not there (the program then runs with Qt's
// English texts).
bool installJapaneseTranslations(QCoreApplication &app);

// Lets the Windows font names of the design ("ＭＳ Ｐゴシック", "ＭＳ ゴシック", ...) fall back on
// an installed Japanese font of the same pitch, and makes a Japanese font the application's
// default. Returns the default family chosen, or empty when no Japanese font is installed.
QString useJapaneseFonts();
