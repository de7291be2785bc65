#include "platform/save_lock.h"

#include "platform/atomic_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>
#include <algorithm>
#include <optional>
#include <cerrno>
#include <sys/stat.h>

namespace mf {

namespace {
int waitMs = 5000;

// The kind of entry at path, links not followed; 0 when there is none.
mode_t entryType(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// Holds back the closing of windows while a save waits: the save is running.
class CloseHold : public QObject {
public:
    CloseHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~CloseHold() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Close; }
};

// Waits for another program's save with the wait cursor, in short steps between which the
// window thread goes on painting; input and the closing of windows wait, so no command starts
// meanwhile.
bool waitForLock(QLockFile& lock, int milliseconds) {
    if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError || milliseconds <= 0)
        return lock.error() == QLockFile::NoError;
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    std::optional<CloseHold> hold;
    if (gui) {
        hold.emplace();
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    QElapsedTimer waited;
    waited.start();
    bool locked = false;
    while (!locked && lock.error() == QLockFile::LockFailedError && waited.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        locked = lock.tryLock(int(std::clamp<qint64>(milliseconds - waited.elapsed(), 0, 50)));
    }
    if (gui)
        QGuiApplication::restoreOverrideCursor();
    return locked;
}

bool tellsNoProgram(const QLockFile& lock) {
    qint64 pid = 0;
    QString host, app;
    return !lock.getLockInfo(&pid, &host, &app);
}
} // namespace

int saveLockWait() { return waitMs; }
void setSaveLockWait(int milliseconds) { waitMs = milliseconds; }

SaveLock::SaveLock(const QString& target) : lock_(target + QStringLiteral(".lock")) {
    const QString path = target + QStringLiteral(".lock");
    // A folder or a link there is no other program's lock; neither is removed nor followed.
    const mode_t type = entryType(path);
    if (type == S_IFDIR || type == S_IFLNK) {
        message_ = QStringLiteral("无法创建锁文件：") +
                   describeFileError(path, type == S_IFDIR ? fileErrorReason(EISDIR)
                                                           : QStringLiteral("同名的符号链接已经存在"));
        return;
    }
    // A lock file that tells no program (none writes it for longer than an instant) was left
    // by a save killed while it made it. Qt makes "<lock>.rmlock" the same way while it removes
    // the lock of a program that has ended; left empty, it would keep every save from taking
    // over that stale lock until it has aged. Older than a second either is removed at once,
    // else after the wait; neither while a running program holds it.
    const QString removal = path + QStringLiteral(".rmlock");
    auto removeLeftovers = [&](bool young) {
        for (const QString& file : {removal, path}) {
            QLockFile leftover(file);
            if (entryType(file) == S_IFREG && tellsNoProgram(leftover) &&
                (young || QFileInfo(file).lastModified().msecsTo(QDateTime::currentDateTime()) > 1000))
                leftover.removeStaleLockFile();
        }
    };
    removeLeftovers(false);
    // A save takes seconds at most; a lock older than a minute belongs to no save.
    lock_.setStaleLockTime(60 * 1000);
    bool locked = waitForLock(lock_, waitMs);
    if (!locked && lock_.error() == QLockFile::LockFailedError) {
        removeLeftovers(true);
        locked = lock_.tryLock(0);
    }
    acquired_ = locked || lock_.error() != QLockFile::LockFailedError;
    // With the lock held no other save writes the target: temporaries of it are left by a
    // save that was killed.
    if (locked)
        removeLeftoverTemporaries(target);
}

} // namespace mf
