// Starts the program as a user would, opens an editor on a page and saves a picture of the
// main window, for checking the screens by eye:
//   ui_snapshot <out.png> [kind 1-7] [page]
#include "core/ui/main_window.h"
#include "core/ui/startup.h"
#include "forms/ui/editor_window.h"
#include "platform/dialogs.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_setup.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ui_snapshot <out.png> [kind] [page]\n");
        return 2;
    }
    mf::installTranslations(app);
    mf::installApplicationFonts();
    mf::QtDialogs dialogs;
    mf::setDialogs(&dialogs);
    const QString exeDir = QCoreApplication::applicationDirPath();
    auto main = mf::Main(exeDir, mf::findDataPath(exeDir));
    if (!main) return 1;
    main->resize(1200, 860);
    main->show();
    const int kind = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    const int page = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    if (kind) {
        mf::EditorWindow* e = main->showEditor(kind);
        if (e) e->selectTab(page);
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(400, [&] {
        main->grab().save(out);
        main->close();
        app.quit();
    });
    const int rc = app.exec();
    mf::setDialogs(nullptr);
    return rc;
}
