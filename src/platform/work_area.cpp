#include "platform/work_area.h"

#include "platform/fs.h"
#include "platform/quit_signals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <dirent.h>
#include <strings.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mf {

namespace {

const QString kPrefix = QStringLiteral("mining-filer-");

QByteArray native(const QString& path) { return QFile::encodeName(path); }

bool usableBase(const QString& dir) {
    if (dir.isEmpty() || !QDir::isAbsolutePath(dir)) return false;
    const QString clean = QDir::cleanPath(dir);
    if (clean == QLatin1String("/")) return false;
    const QFileInfo fi(clean);
    return fi.isDir() && fi.isWritable();
}

// Opens (creating) a lock file and takes its lock without waiting; -1 when it is held.
int openLocked(const QString& file, bool create) {
    const int fd = ::open(native(file).constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

QString workAreaLockName() { return QStringLiteral("mining-filer.lock"); }

QStringList WorkArea::candidateBases() {
    QStringList bases;
    // Without XDG_RUNTIME_DIR Qt's runtime location is a folder it makes in the temporary
    // location (with a warning); the temporary location itself serves then.
    const QString runtime = qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
                                ? QString()
                                : QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    for (const QString& dir : {runtime, QStandardPaths::writableLocation(QStandardPaths::TempLocation),
                               QStringLiteral("/tmp")}) {
        const QString clean = QDir::cleanPath(dir);
        if (usableBase(dir) && !bases.contains(clean)) bases << clean;
    }
    return bases;
}

WorkArea::~WorkArea() { remove(); }

bool WorkArea::create(QString* tried) {
    remove();
    const QStringList bases = candidateBases();
    QString last = bases.isEmpty() ? QStringLiteral("/tmp") : QString();
    for (const QString& base : bases) {
        last = base;
        QTemporaryDir dir(base + QLatin1Char('/') + kPrefix + QStringLiteral("XXXXXX"));
        if (!dir.isValid()) continue;
        const int fd = openLocked(dir.path() + QLatin1Char('/') + workAreaLockName(), true);
        if (fd < 0) continue;  // the temporary folder goes again
        dir.setAutoRemove(false);
        path_ = dir.path();
        lockFd_ = fd;
        setQuitSignalFolder(path_);
        const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
        if (::write(fd, pid.constData(), size_t(pid.size())) < 0) {
            // The pid is for people looking at the folder; the lock is what counts.
        }
        return true;
    }
    if (tried) *tried = last;
    return false;
}

void WorkArea::remove() {
    if (!path_.isEmpty()) {
        setQuitSignalFolder(QString());
        fs::deleteDirTree(path_);
        path_.clear();
    }
    if (lockFd_ >= 0) {
        ::close(lockFd_);
        lockFd_ = -1;
    }
}

int removeStaleWorkAreas(const QString& base) {
    int removed = 0;
    // The names are read as the system gives them and only those with the prefix (matched
    // regardless of case) are looked at further: a shared temporary folder can hold many
    // other entries, and each one made into a Qt file name would cost the start-up.
    const QByteArray prefix = kPrefix.toLatin1();
    QStringList named;
    if (DIR* dir = ::opendir(QFile::encodeName(base).constData())) {
        while (const dirent* e = ::readdir(dir))
            if (::strncasecmp(e->d_name, prefix.constData(), size_t(prefix.size())) == 0)
                named << base + QLatin1Char('/') + QFile::decodeName(e->d_name);
        ::closedir(dir);
    }
    for (const QString& path : std::as_const(named)) {
        const QFileInfo fi(path);
        if (!fi.isDir() || fi.isSymLink() || fi.ownerId() != ::getuid()) continue;
        const QString lock = path + QLatin1Char('/') + workAreaLockName();
        const QFileInfo lockInfo(lock);
        if (!lockInfo.isFile() || lockInfo.isSymLink()) continue;
        const int fd = openLocked(lock, false);
        if (fd < 0) continue;  // its run is still going
        // Held while removing, so a second start does not remove the folder at once too.
        if (fs::deleteDirTree(path)) ++removed;
        ::close(fd);
    }
    return removed;
}

} // namespace mf
