// Linked into a program (the project's own main or the bare anchor program), this reports
// the moment its first window has been shown and painted, as "shown <seconds>" on the
// steady clock shared by all processes, and then closes the program.
#include "bench.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

namespace {

class ShownProbe : public QObject {
public:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (!done_ && ev->type() == QEvent::Expose) {
            auto* w = qobject_cast<QWindow*>(obj);
            if (w && w->isTopLevel() && w->isVisible()) {
                done_ = true;
                // Queued: runs once the expose event has been painted and flushed.
                QTimer::singleShot(0, qApp, [] {
                    std::printf("shown %.9f\n", mfbench::Now());
                    std::fflush(stdout);
                    QApplication::closeAllWindows();
                    QCoreApplication::exit(0);
                });
            }
        }
        return false;
    }

private:
    bool done_ = false;
};

void installProbe() { qApp->installEventFilter(new ShownProbe); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
