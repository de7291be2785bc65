#include "platform/atomic_file.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cctype>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mf {

namespace {

constexpr qint64 kChunk = 1 << 20;

QByteArray native(const QString& path) { return QFile::encodeName(path); }

QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString nameOf(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

// A temporary file is "<prefix><8 hex digits>.tmp" beside its target, the prefix being
// "." + the target's name + ".", so a file left by a killed save says whose it is. A name
// too long for that is cut and followed by a digest of the whole name, so two targets never
// share a prefix.
constexpr int kTempSuffix = 8 + 4;  // "<8 hex>.tmp"

QString temporaryPrefix(const QString& name) {
    if (1 + native(name).size() + 1 + kTempSuffix <= NAME_MAX)
        return u'.' + name + u'.';
    const QString digest = QString::fromLatin1(
        QCryptographicHash::hash(native(name), QCryptographicHash::Sha1).toHex().left(8));
    QString cut = name;
    while (!cut.isEmpty() && (cut.back().isHighSurrogate() ||
                              1 + native(cut).size() + 1 + 8 + 1 + kTempSuffix > NAME_MAX))
        cut.chop(1);
    return u'.' + cut + u'~' + digest + u'.';
}

bool isTemporarySuffix(const char* rest) {
    for (int i = 0; i < 8; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(rest[i])) || std::isupper(static_cast<unsigned char>(rest[i])))
            return false;
    return std::strcmp(rest + 8, ".tmp") == 0;
}

QString readReason(int errnum) {
    if (errnum == EACCES || errnum == EPERM)
        return QStringLiteral("没有读取权限");
    return fileErrorReason(errnum);
}

// Opens a file to read: -1 with errno set when it cannot be opened or is a folder.
int openForReading(const QString& path) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int errnum = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        errno = errnum;
        return -1;
    }
    return fd;
}

} // namespace

bool syncFolder(const QString& folder) {
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int errnum = errno;
    ::close(fd);
    errno = errnum;
    return synced;
}

QString fileErrorReason(int errnum) {
    switch (errnum) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("磁盘空间不足");
    case EFBIG:
        return QStringLiteral("文件超过了允许的大小");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有写入权限");
    case EROFS:
        return QStringLiteral("磁盘是只读的");
    case ENAMETOOLONG:
        return QStringLiteral("路径过长");
    case ENOENT:
        return QStringLiteral("文件或文件夹不存在");
    case ENOTDIR:
        return QStringLiteral("路径中有一部分不是文件夹");
    case EISDIR:
        return QStringLiteral("同名的文件夹已经存在");
    case ELOOP:
        return QStringLiteral("路径中的符号链接过多");
    case EIO:
        return QStringLiteral("磁盘读写错误");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("同时打开的文件过多");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("文件正被占用");
    case EINVAL:
    case EOPNOTSUPP:
    case ENOSYS:
        return QStringLiteral("磁盘的文件系统不支持此操作");
    case EEXIST:
        return QStringLiteral("同名的文件或文件夹已经存在");
    case ENOTEMPTY:
        return QStringLiteral("文件夹不是空的");
    case EXDEV:
        return QStringLiteral("不能在两个磁盘之间移动");
    case EAGAIN:
        return QStringLiteral("系统资源暂时不足");
    default:
        return QStringLiteral("文件操作失败（错误代码 %1）").arg(errnum);
    }
}

QString describeFileError(const QString& path, const QString& reason) {
    return path + QStringLiteral("：") + reason;
}

AtomicFileWriter::AtomicFileWriter(const QString& path) : path_(path) {}

AtomicFileWriter::~AtomicFileWriter() { cancel(); }

bool AtomicFileWriter::fail(const QString& reason) {
    if (!failed_)
        error_ = describeFileError(path_, reason);
    failed_ = true;
    cancel();
    return false;
}

bool AtomicFileWriter::fail(int errnum) { return fail(fileErrorReason(errnum)); }

bool AtomicFileWriter::failInFolder(int errnum) {
    // The file is made and renamed in its folder: a refused right is the folder's.
    if (errnum == EACCES || errnum == EPERM)
        return fail(folderNotWritable(folderOf(path_)));
    return fail(errnum);
}

QString folderNotWritable(const QString& folder) {
    return QStringLiteral("文件夹没有写入权限：") + QFileInfo(folder).absoluteFilePath();
}

QString targetRefusal(const QString& path) {
    struct stat st {};
    if (::lstat(native(path).constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return describeFileError(path, fileErrorReason(EISDIR));
    return {};
}

void AtomicFileWriter::cancel() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.isEmpty()) {
        ::unlink(native(tempPath_).constData());
        tempPath_.clear();
    }
}

bool AtomicFileWriter::open() {
    cancel();
    failed_ = false;
    error_.clear();
    if (path_.isEmpty() || path_.endsWith(u'/'))
        return fail(QStringLiteral("没有文件名"));
    const QByteArray target = native(path_);
    if (native(nameOf(path_)).size() > NAME_MAX)
        return fail(QStringLiteral("文件名过长"));
    if (target.size() >= PATH_MAX)
        return fail(ENAMETOOLONG);

    mode_t mode = 0666;
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return fail(EISDIR);
        if (S_ISREG(st.st_mode)) {
            // A file the user made read-only is not replaced behind his back.
            if (::access(target.constData(), W_OK) != 0)
                return fail(errno);
            mode = st.st_mode & 07777;
        }
    } else if (errno != ENOENT) {
        return fail(errno);
    }

    const QString stem = folderOf(path_) + u'/' + temporaryPrefix(nameOf(path_));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString temp = stem + QStringLiteral("%1.tmp")
                                        .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        const int fd = ::open(native(temp).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            tempPath_ = temp;
            if (mode != 0666)
                ::fchmod(fd_, mode);
            return true;
        }
        if (errno != EEXIST)
            return failInFolder(errno);
    }
    return fail(EEXIST);
}

bool AtomicFileWriter::write(const char* data, qint64 size) {
    if (failed_ || fd_ < 0)
        return fail(EBADF);
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size_t(qMin<qint64>(size, kChunk)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return fail(ENOSPC);
        data += n;
        size -= n;
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (failed_ || fd_ < 0)
        return fail(EBADF);
    if (::fsync(fd_) != 0)
        return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(native(tempPath_).constData(), native(path_).constData()) != 0)
        return failInFolder(errno);
    tempPath_.clear();
    // So the rename itself survives a power cut. Some file systems cannot sync a folder;
    // the file is in place by then, so this is best effort.
    syncFolder(folderOf(path_));
    return true;
}

void removeLeftoverTemporaries(const QString& path) {
    const QString name = nameOf(path);
    if (name.isEmpty())
        return;
    const QByteArray prefix = native(temporaryPrefix(name));
    const QByteArray folder = native(folderOf(path));
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const uid_t me = ::geteuid();
    while (const dirent* entry = ::readdir(dir)) {
        const char* entryName = entry->d_name;
        if (std::strncmp(entryName, prefix.constData(), size_t(prefix.size())) != 0 ||
            std::strlen(entryName) != size_t(prefix.size() + kTempSuffix) ||
            !isTemporarySuffix(entryName + prefix.size()))
            continue;
        // Only a plain file of this user can be a temporary this program made.
        struct stat st {};
        if (::fstatat(::dirfd(dir), entryName, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == me)
            ::unlinkat(::dirfd(dir), entryName, 0);
    }
    ::closedir(dir);
}

bool writeFileAtomic(const QString& path, const QByteArray& bytes, QString* error) {
    AtomicFileWriter file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

bool readFileBytes(const QString& path, QByteArray* bytes, QString* error) {
    auto fail = [&](int errnum) {
        if (error)
            *error = describeFileError(path, path.isEmpty() ? QStringLiteral("没有文件名") : readReason(errnum));
        return false;
    };
    bytes->clear();
    const int fd = path.isEmpty() ? -1 : openForReading(path);
    if (fd < 0)
        return fail(errno);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int errnum = errno;
            ::close(fd);
            bytes->clear();
            return fail(errnum);
        }
        if (n == 0)
            break;
        bytes->append(buffer, n);
    }
    ::close(fd);
    return true;
}

bool copyFileAtomic(const QString& source, const QString& target, QString* error) {
    auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    const int in = openForReading(source);
    if (in < 0)
        return fail(describeFileError(source, readReason(errno)));
    AtomicFileWriter out(target);
    if (!out.open()) {
        ::close(in);
        return fail(out.errorString());
    }
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), size_t(buffer.size()));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int errnum = errno;
            ::close(in);
            return fail(describeFileError(source, readReason(errnum)));
        }
        if (n == 0)
            break;
        if (!out.write(buffer.constData(), n)) {
            ::close(in);
            return fail(out.errorString());
        }
    }
    ::close(in);
    if (!out.commit())
        return fail(out.errorString());
    return true;
}

} // namespace mf
