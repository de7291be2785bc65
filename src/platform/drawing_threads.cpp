#include "platform/drawing_threads.h"

#include <QDir>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <cstring>
#include <memory>
#include <pthread.h>

namespace mf {

namespace {

// The routines need little stack; a small one keeps the threads' address space small.
constexpr qsizetype kStackBytes = 512 * 1024;
constexpr int kMaxThreads = 4;

void* doNothing(void*) { return nullptr; }

} // namespace

bool canStartThread(QString* reason) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, size_t(kStackBytes));
    pthread_t thread;
    const int rc = pthread_create(&thread, &attr, doNothing, nullptr);
    pthread_attr_destroy(&attr);
    if (rc != 0) {
        if (reason) *reason = QString::fromLocal8Bit(std::strerror(rc));
        return false;
    }
    pthread_join(thread, nullptr);
    return true;
}

int startDrawingThreads(QString* reason) {
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setStackSize(uint(kStackBytes));
    pool->setExpiryTimeout(-1);   // a thread once started stays
    const int want = qBound(1, QThread::idealThreadCount(), kMaxThreads);
    pool->setMaxThreadCount(want);
    // Each thread holds its first task until all have started, so that each task gets a
    // thread of its own; shared, since the last task may leave after this function.
    struct Gate {
        QSemaphore arrived, leave;
    };
    const auto gate = std::make_shared<Gate>();
    int started = 0;
    bool lost = false;
    while (started < want) {
        // A thread the pool fails to start stays counted as busy and never runs its task:
        // the pool is asked only after a thread was seen to start.
        if (!canStartThread(reason)) break;
        pool->start([gate] {
            gate->arrived.release();
            gate->leave.acquire();
        });
        if (!gate->arrived.tryAcquire(1, 10000)) {
            lost = true;
            break;
        }
        ++started;
    }
    gate->leave.release(started);
    // Held at the threads there are (a lost one stays counted), so none is ever started later.
    pool->setMaxThreadCount(started + (lost ? 1 : 0));
    if (started == 0 && reason && reason->isEmpty())
        *reason = QStringLiteral("thread not started");
    return started;
}

int runningThreadCount() {
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace mf
