// Linked into a program (the project's own main or the bare anchor program), this reports
// the moment its first window has been shown and painted, as "shown <seconds>" on the
// steady clock shared by all processes, and the CPU time all its threads had used by then
// as "cpu <seconds>", and then closes the program. The CPU time is taken here rather than
// at the program's end, so tearing the program down does not count as starting it.
#include "bench.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <sys/resource.h>

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
                    rusage ru{};
                    getrusage(RUSAGE_SELF, &ru);
                    const double cpu = double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
                                       double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) * 1e-6;
                    std::printf("shown %.9f cpu %.6f\n", mfbench::Now(), cpu);
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
