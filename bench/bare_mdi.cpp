// The anchor of the start-up benchmark: a bare Qt program showing a main window whose
// central widget is an MDI area.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    window.show();
    return app.exec();
}
