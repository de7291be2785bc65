#include "attachments/package_files.h"

#include "platform/atomic_file.h"
#include "platform/fs.h"

#include <QDir>
#include <QFile>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <thread>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace mf {

namespace {

constexpr qsizetype kCopyBuffer = 1 << 20;

QByteArray native(const QString& path) { return QFile::encodeName(path); }

bool lstatMode(const QString& path, mode_t* mode) {
    struct stat st {};
    if (::lstat(native(path).constData(), &st) != 0) return false;
    *mode = st.st_mode;
    return true;
}

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

bool isSafeComponent(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    return !name.endsWith(u'.') && !name.endsWith(u' ');
}

bool isPlainFile(const QString& path) {
    mode_t m = 0;
    return lstatMode(path, &m) && S_ISREG(m);
}

bool isPlainDir(const QString& path) {
    mode_t m = 0;
    return lstatMode(path, &m) && S_ISDIR(m);
}

bool entryExists(const QString& path) {
    mode_t m = 0;
    return lstatMode(path, &m);
}

QString entryPath(const QString& dir, const QString& name) {
    const QString found = fs::findInDir(dir, name);
    if (!found.isEmpty()) return found;
    QString d = dir;
    if (!d.endsWith(u'/')) d += u'/';
    return d + name;
}

CopyFault copyStreaming(const QString& src, const QString& dst, bool followSourceLink, QString* error) {
    auto fail = [&](CopyFault fault, const QString& path, int err) {
        if (error) *error = describeFileError(path, fileErrorReason(err));
        return fault;
    };
    Fd in;
    in.fd = ::open(native(src).constData(), O_RDONLY | O_CLOEXEC | (followSourceLink ? 0 : O_NOFOLLOW));
    if (in.fd < 0) return fail(CopyFault::Source, src, errno);
    struct stat st {};
    if (::fstat(in.fd, &st) != 0) return fail(CopyFault::Source, src, errno);
    if (!S_ISREG(st.st_mode)) return fail(CopyFault::Source, src, EISDIR);

    Fd out;
    out.fd = ::open(native(dst).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (out.fd < 0) return fail(CopyFault::Target, dst, errno);
    ::posix_fadvise(in.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    std::unique_ptr<char[]> buffer(new char[kCopyBuffer]);  // only where the kernel cannot copy
    auto abandon = [&](CopyFault fault, const QString& path, int err) {
        ::close(out.fd);
        out.fd = -1;
        ::unlink(native(dst).constData());
        return fail(fault, path, err);
    };
    // The kernel copies without passing the bytes through the program where it can.
    for (bool kernel = true;;) {
        if (kernel) {
            const ssize_t moved = ::copy_file_range(in.fd, nullptr, out.fd, nullptr, size_t(8 * kCopyBuffer), 0);
            if (moved > 0) continue;
            if (moved == 0) break;
            if (errno == EINTR) continue;
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP && errno != EPERM)
                return abandon(errno == ENOSPC || errno == EFBIG || errno == EDQUOT ? CopyFault::Target : CopyFault::Source,
                               errno == ENOSPC || errno == EFBIG || errno == EDQUOT ? dst : src, errno);
            kernel = false;
        }
        const ssize_t got = ::read(in.fd, buffer.get(), kCopyBuffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return abandon(CopyFault::Source, src, errno);
        }
        if (got == 0) break;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out.fd, buffer.get() + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR) continue;
                return abandon(CopyFault::Target, dst, errno);
            }
            done += put;
        }
    }
    const int fd = out.fd;
    out.fd = -1;
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(native(dst).constData());
        return fail(CopyFault::Target, dst, err);
    }
    return CopyFault::None;
}

bool syncTree(const QString& dir, QString* error) {
    auto fail = [&](const QString& path) {
        if (error) *error = describeFileError(path, fileErrorReason(errno));
        return false;
    };
    // Each fsync waits for a journal commit; fsyncs issued together share commits, and past
    // a thousand files one flush of the whole file system is quicker still.
    constexpr qsizetype kFilesSyncedSingly = 1000;
    constexpr int kSyncThreads = 16;
    QStringList dirs{dir}, files;
    for (qsizetype i = 0; i < dirs.size(); ++i) {
        const QString current = dirs[i];
        for (const QString& name : QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                             QDir::NoDotAndDotDot)) {
            const QString path = current + u'/' + name;
            if (isPlainDir(path))
                dirs << path;
            else if (isPlainFile(path))
                files << path;
        }
    }
    if (files.size() > kFilesSyncedSingly) {
        Fd d;
        d.fd = ::open(native(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (d.fd < 0 || ::syncfs(d.fd) != 0) return fail(dir);
        return true;
    }
    std::atomic<qsizetype> next{0};
    std::atomic<qsizetype> failed{-1};
    std::atomic<int> failedErrno{0};
    auto work = [&] {
        for (qsizetype i = next++; i < files.size() && failed < 0; i = next++) {
            Fd f;
            f.fd = ::open(native(files[i]).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
            if (f.fd < 0 || ::fsync(f.fd) != 0) {
                failedErrno = errno;
                failed = i;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < kSyncThreads && t < files.size(); ++t) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    if (failed >= 0) {
        errno = failedErrno;
        return fail(files[failed]);
    }
    for (auto it = dirs.crbegin(); it != dirs.crend(); ++it)
        if (!syncFolder(*it)) return fail(*it);
    return true;
}

} // namespace mf
