#pragma once
// Start-up shared by the snapshot tools: the program as a user starts it, its main window
// placed on the screen as the program places it.
#include "core/ui/main_window.h"
#include "core/ui/startup.h"
#include "platform/dialogs.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_setup.h"

#include <QApplication>
#include <memory>

inline std::unique_ptr<mf::TabMain> startProgramForTool(QApplication& app, mf::QtDialogs& dialogs) {
    mf::installTranslations(app);
    mf::installApplicationFonts();
    mf::installProgramStyle();
    mf::setDialogs(&dialogs);
    const QString exeDir = QCoreApplication::applicationDirPath();
    auto main = mf::Main(exeDir, mf::findDataPath(exeDir));
    if (!main) return nullptr;
    main->showOnScreen();
    return main;
}
