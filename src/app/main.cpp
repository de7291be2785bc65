// Entry point of mining-filer.
#include "core/ui/main_window.h"
#include "core/ui/startup.h"
#include "platform/dialogs.h"
#include "platform/drawing_threads.h"
#include "platform/picture_part.h"
#include "platform/quit_signals.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_setup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <malloc.h>

int main(int argc, char** argv) {
    // One heap for all threads: by default each thread that allocates reserves a heap of its
    // own of 64 MiB of address space, which under an address-space limit leaves too little
    // for the windows and makes allocations fail deep inside the libraries.
    mallopt(M_ARENA_MAX, 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("岩契录件"));
    // Painting needs threads kept from the start (platform/drawing_threads.h); without any,
    // the run ends here, before a window could freeze.
    QString threadError;
    if (mf::startDrawingThreads(&threadError) == 0) {
        const QString text = QStringLiteral("系统无法为程序创建线程（%1），程序无法运行。").arg(threadError);
        std::fprintf(stderr, "mining-filer: %s\n", text.toLocal8Bit().constData());
        // The window system's events are read on a thread of their own: with no thread
        // besides this one, a box could be shown but never answered.
        if (mf::runningThreadCount() > 1) {
            mf::installTranslations(app);
            mf::QtDialogs box;
            mf::setDialogs(&box);
            mf::dialogs().error(text);
            mf::setDialogs(nullptr);
        }
        return 1;
    }
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString dataPath = mf::findDataPath(exeDir);
    // The dictionary and the background picture are read on worker threads meanwhile.
    mf::Startup startup(exeDir, dataPath);
    mf::installTranslations(app);
    mf::installApplicationFonts();
    mf::installProgramStyle();
    mf::QtDialogs qtDialogs;
    mf::setDialogs(&qtDialogs);

    // The program's icon where the install put it (the hicolor theme beside bin), in a build
    // folder the icons beside the program. Named directly: searching the icon themes would
    // cost the start-up more than all the rest of the icon. The window carries the sizes a
    // title bar or task bar shows; the larger ones serve the menu entry through the theme.
    // Their decoded copies in the program data folder are mapped instead of decoding them.
    QApplication::setDesktopFileName(QStringLiteral("mining-filer"));
    QIcon icon;
    const QString hicolor = QDir::cleanPath(exeDir + QStringLiteral("/../share/icons/hicolor"));
    for (int size : {16, 32, 48, 64}) {
        const QString installed = QStringLiteral("%1/%2x%2/apps/mining-filer.png").arg(hicolor).arg(size);
        const QString beside = QStringLiteral("%1/icons/%2/mining-filer.png").arg(exeDir).arg(size);
        QImage picture = mf::mapDecodedPicture(QStringLiteral("%1/icons/%2/mining-filer.pix").arg(dataPath).arg(size));
        if (picture.isNull()) picture = mf::readPicture(QFileInfo::exists(installed) ? installed : beside, "png");
        if (!picture.isNull()) icon.addPixmap(QPixmap::fromImage(picture));
    }
    QApplication::setWindowIcon(icon);
    std::unique_ptr<mf::TabMain> main = startup.finish();
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
