// The anchor of the start-up benchmark: a bare Qt program showing a main window whose
// central widget is an MDI area and whose status bar shows one Chinese line, placed as the
// program places its main window (the whole available area of a screen smaller than
// 1280x900, else 1024x768). Showing any Chinese text costs the font database and a CJK face,
// which every program with a Chinese window pays.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    window.statusBar()->addWidget(new QLabel(QStringLiteral("待命...")));
    const QRect avail = window.screen()->availableGeometry();
    if (avail.width() < 1280 || avail.height() < 900) {
        window.setGeometry(avail);
        window.showMaximized();
    } else {
        window.resize(1024, 768);
        window.show();
    }
    return app.exec();
}
