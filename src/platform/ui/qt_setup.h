#pragma once
// Start-up settings of the Qt application: Chinese texts on the standard buttons and
// fonts for the Chinese font names the form designs use.
#include <QString>

class QApplication;

namespace mf {

// Loads Qt's own zh_CN translation, so that standard buttons read 是/否/确定.
// False when the translation could not be found.
bool installTranslations(QApplication& app);

// Maps the Windows font names of the form designs to the Chinese fonts of Debian and gives
// the application a default font that shows Chinese text when one is installed.
void installApplicationFonts();

// Puts the program's style over the application's: the application's own, but for the
// arrow of a toolbar's extension button (see qt_setup.cpp).
void installProgramStyle();

// The installed family used as the application's default font; empty when none of the
// Chinese families is installed.
QString chineseUiFontFamily();

} // namespace mf
