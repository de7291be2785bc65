// Entry point of mining-filer.
#include "core/ui/main_window.h"
#include "core/ui/startup.h"
#include "platform/dialogs.h"
#include "platform/quit_signals.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_setup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("岩契录件"));
    mf::installTranslations(app);
    mf::installApplicationFonts();
    mf::QtDialogs qtDialogs;
    mf::setDialogs(&qtDialogs);

    const QString exeDir = QCoreApplication::applicationDirPath();
    // The installed icon theme's icon; in a build folder the icons beside the program.
    QApplication::setDesktopFileName(QStringLiteral("mining-filer"));
    QIcon icon = QIcon::fromTheme(QStringLiteral("mining-filer"));
    if (icon.isNull())
        for (int size : {16, 32, 48, 64, 128, 256})
            icon.addFile(QStringLiteral("%1/icons/%2/mining-filer.png").arg(exeDir).arg(size));
    QApplication::setWindowIcon(icon);
    std::unique_ptr<mf::TabMain> main = mf::Main(exeDir, mf::findDataPath(exeDir));
    if (!main) return 1;
    qtDialogs.setParent(main.get());
    // A signal ends the run without the editors' questions (nobody can answer them then);
    // the work area goes with the main window below.
    mf::installQuitSignals([](int sig) { QCoreApplication::exit(128 + sig); });
    main->showOnScreen();
    const int rc = app.exec();
    mf::setDialogs(nullptr);
    return rc;
}
