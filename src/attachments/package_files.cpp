#include "attachments/package_files.h"

#include "platform/atomic_file.h"
#include "platform/fs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#define XXH_INLINE_ALL
#include <xxhash.h>

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

std::atomic<bool> syncThreadsFail{false};

// A document's digest is the digest of the digests of its pieces of kDigestPiece bytes (one
// piece for an empty document), so that the pieces of a large document can be read and
// digested side by side.
constexpr size_t kDigestPiece = 1 << 20;

class PieceDigest {
public:
    PieceDigest() { XXH3_128bits_reset(&state_); }
    void add(const char* data, size_t size) { XXH3_128bits_update(&state_, data, size); }
    XXH128_canonical_t take() {
        XXH128_canonical_t c;
        XXH128_canonicalFromHash(&c, XXH3_128bits_digest(&state_));
        XXH3_128bits_reset(&state_);
        return c;
    }

private:
    XXH3_state_t state_;
};

DocumentDigests::Digest combined(const std::vector<XXH128_canonical_t>& pieces) {
    XXH128_canonical_t c;
    XXH128_canonicalFromHash(&c, XXH3_128bits(pieces.data(), pieces.size() * sizeof(XXH128_canonical_t)));
    return QByteArray(reinterpret_cast<const char*>(c.digest), sizeof c.digest).toHex();
}

// The digest of a document's bytes, fed in order as they are read.
class Hasher {
public:
    void add(const char* data, size_t size) {
        while (size > 0) {
            const size_t take = std::min(size, kDigestPiece - filled_);
            piece_.add(data, take);
            filled_ += take;
            data += take;
            size -= take;
            if (filled_ == kDigestPiece) endPiece();
        }
    }
    DocumentDigests::Digest digest() {
        if (filled_ > 0 || pieces_.empty()) endPiece();
        return combined(pieces_);
    }

private:
    void endPiece() {
        pieces_.push_back(piece_.take());
        filled_ = 0;
    }
    PieceDigest piece_;
    size_t filled_ = 0;
    std::vector<XXH128_canonical_t> pieces_;
};

// Read a part at a time that stays in the processor's cache while it is digested.
constexpr size_t kDigestBuffer = 128 * 1024;
constexpr int kDigestThreads = 4;

// Reads piece i of the file open at fd whole and digests it; false when it cannot be read
// or ends early.
bool digestPiece(int fd, off_t size, size_t i, char* buffer, XXH128_canonical_t* out) {
    PieceDigest d;
    const off_t from = off_t(i * kDigestPiece);
    const off_t to = std::min<off_t>(size, from + off_t(kDigestPiece));
    for (off_t at = from; at < to;) {
        const ssize_t n = ::pread(fd, buffer, size_t(std::min<off_t>(to - at, off_t(kDigestBuffer))), at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        d.add(buffer, size_t(n));
        at += n;
    }
    *out = d.take();
    return true;
}

// The digest of the bytes of the file open at fd from its start; "" when it cannot be read.
// The pieces of a large file are read by a few threads at once (where threads can start);
// a file whose size changes meanwhile is read again in order.
DocumentDigests::Digest digestOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return {};
    const size_t count = st.st_size > 0 ? size_t((st.st_size + off_t(kDigestPiece) - 1) / off_t(kDigestPiece)) : 1;
    if (count > 1) {
        std::vector<XXH128_canonical_t> pieces(count);
        std::atomic<size_t> next{0};
        std::atomic<bool> whole{true};
        auto work = [&] {
            const std::unique_ptr<char[]> buffer(new char[kDigestBuffer]);
            for (size_t i = next++; i < count && whole; i = next++)
                if (!digestPiece(fd, st.st_size, i, buffer.get(), &pieces[i])) whole = false;
        };
        std::vector<std::thread> threads;
        try {
            for (int t = 1; t < kDigestThreads && size_t(t) < count; ++t) {
                if (syncThreadsFail) throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
                threads.emplace_back(work);
            }
        } catch (const std::system_error&) {
            // No further thread: the threads started and this one read the rest.
        }
        work();
        for (std::thread& t : threads) t.join();
        char probe;
        if (whole && ::pread(fd, &probe, 1, st.st_size) == 0) return combined(pieces);
    }
    Hasher h;
    const std::unique_ptr<char[]> buffer(new char[kDigestBuffer]);
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, buffer.get(), kDigestBuffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {};
        if (n == 0) return h.digest();
        h.add(buffer.get(), size_t(n));
        at += n;
    }
}

DocumentDigests::Digest digestOfFile(const QString& path, bool follow) {
    Fd f;
    f.fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
    if (f.fd < 0) return {};
    ::posix_fadvise(f.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return digestOf(f.fd);
}

QByteArray statKey(const struct stat& st) {
    auto ns = [](const struct timespec& t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return QByteArray::number(quint64(st.st_dev)) + ' ' + QByteArray::number(quint64(st.st_ino)) + ' ' +
           QByteArray::number(qint64(st.st_size)) + ' ' + QByteArray::number(ns(st.st_mtim)) + ' ' +
           QByteArray::number(ns(st.st_ctim));
}

// Copies src into the new file dst; with keepTime dst takes src's modification time; with
// digest the digest of the bytes dst holds.
CopyFault copyInto(const QString& src, const QString& dst, bool followSourceLink, bool keepTime,
                   DocumentDigests::Digest* digest, QString* error);

// True when both files hold the same bytes; *digest then gets their digest.
bool sameBytes(const QString& a, const QString& b, bool followA, DocumentDigests::Digest* digest = nullptr) {
    Fd fa, fb;
    fa.fd = ::open(native(a).constData(), O_RDONLY | O_CLOEXEC | (followA ? 0 : O_NOFOLLOW));
    fb.fd = ::open(native(b).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fa.fd < 0 || fb.fd < 0) return false;
    Hasher h;
    std::unique_ptr<char[]> x(new char[kCopyBuffer]), y(new char[kCopyBuffer]);
    for (;;) {
        const ssize_t n = ::read(fa.fd, x.get(), kCopyBuffer);
        if (n < 0) return false;
        ssize_t m = 0;
        while (m < n) {
            const ssize_t got = ::read(fb.fd, y.get() + m, size_t(n - m));
            if (got <= 0) return false;
            m += got;
        }
        if (n == 0) {
            if (::read(fb.fd, y.get(), 1) != 0) return false;
            if (digest) *digest = h.digest();
            return true;
        }
        if (std::memcmp(x.get(), y.get(), size_t(n)) != 0) return false;
        if (digest) h.add(x.get(), size_t(n));
    }
}

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
    return copyInto(src, dst, followSourceLink, false, nullptr, error);
}

DocumentDigests::DocumentDigests(QString file) : file_(std::move(file)) {
    if (file_.isEmpty()) return;
    QFile in(file_);
    if (!in.open(QIODevice::ReadOnly)) return;
    // Each line: the digest, then the key of the file it belongs to. A line that is not whole
    // is left out.
    for (const QByteArray& line : in.readAll().split('\n')) {
        const qsizetype blank = line.indexOf(' ');
        if (blank != 32 || line.count(' ') != 5) continue;
        known_.insert(line.mid(blank + 1), line.left(blank));
    }
}

DocumentDigests::Digest DocumentDigests::known(const QString& path) const {
    struct stat st {};
    if (::lstat(native(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    const QByteArray key = statKey(st);
    const Digest d = remembered_.value(key);
    return d.isEmpty() ? known_.value(key) : d;
}

void DocumentDigests::remember(const QString& path, const Digest& digest) {
    struct stat st {};
    if (digest.size() == 32 && ::lstat(native(path).constData(), &st) == 0 && S_ISREG(st.st_mode))
        remembered_.insert(statKey(st), digest);
}

bool DocumentDigests::save() const {
    if (file_.isEmpty()) return false;
    QByteArray text;
    for (auto it = remembered_.cbegin(); it != remembered_.cend(); ++it) text += it.value() + ' ' + it.key() + '\n';
    // The work area lasts one run of the program: nothing here needs to outlive a crash, so
    // the file is replaced whole by a rename but not synced to the disk.
    const QString part = file_ + QStringLiteral(".part");
    QFile out(part);
    const bool written = out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(text) == text.size() &&
                         out.flush();
    out.close();
    if (written && ::rename(native(part).constData(), native(file_).constData()) == 0) return true;
    QFile::remove(part);
    return false;
}

CopyFault placeDocument(const QString& src, const QString& dst, bool followSourceLink, const QString& previous,
                        const DocumentDigests* digests, DocumentDigests::Digest* digest, QString* error) {
    DocumentDigests::Digest local;
    if (!digest) digest = &local;
    digest->clear();
    struct stat s {}, p {};
    if (!previous.isEmpty() &&
        ::fstatat(AT_FDCWD, native(src).constData(), &s, followSourceLink ? 0 : AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(s.st_mode) && ::lstat(native(previous).constData(), &p) == 0 && S_ISREG(p.st_mode) &&
        s.st_size == p.st_size) {
        bool same = s.st_dev == p.st_dev && s.st_ino == p.st_ino;
        if (same) {
            if (digests) *digest = digests->known(previous);
        } else if (const DocumentDigests::Digest old = digests ? digests->known(previous) : QByteArray();
                   !old.isEmpty()) {
            // The package's copy is known: the source is read once.
            *digest = digestOfFile(src, followSourceLink);
            same = *digest == old;
        } else {
            same = sameBytes(src, previous, followSourceLink, digest);
        }
        if (same && ::link(native(previous).constData(), native(dst).constData()) == 0) return CopyFault::None;
    }
    return copyInto(src, dst, followSourceLink, true, digest, error);
}

namespace {

CopyFault copyInto(const QString& src, const QString& dst, bool followSourceLink, bool keepTime,
                   DocumentDigests::Digest* digest, QString* error) {
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
    out.fd = ::open(native(dst).constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (out.fd < 0) return fail(CopyFault::Target, dst, errno);
    std::optional<Hasher> hasher;
    if (digest) hasher.emplace();
    bool kernelCopied = false;
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
            if (moved > 0) {
                kernelCopied = true;
                continue;
            }
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
        if (hasher) hasher->add(buffer.get(), size_t(got));
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out.fd, buffer.get() + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR) continue;
                return abandon(CopyFault::Target, dst, errno);
            }
            done += put;
        }
    }
    // What the kernel copied is read back from the new file (from the cache, as a rule).
    if (digest) *digest = kernelCopied ? digestOf(out.fd) : hasher->digest();
    if (keepTime) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
        ::futimens(out.fd, times);
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

} // namespace

bool writeNewFile(const QString& path, const QByteArray& bytes, QString* error) {
    Fd out;
    out.fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    int err = out.fd < 0 ? errno : 0;
    for (qsizetype done = 0; !err && done < bytes.size();) {
        const ssize_t put = ::write(out.fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (put < 0 && errno != EINTR) err = errno;
        if (put > 0) done += put;
    }
    if (out.fd >= 0) {
        if (::close(out.fd) != 0 && !err) err = errno;
        out.fd = -1;
        if (err) ::unlink(native(path).constData());
    }
    if (err && error) *error = describeFileError(path, fileErrorReason(err));
    return !err;
}

bool sameFileBytes(const QString& a, const QString& b) { return isPlainFile(b) && sameBytes(a, b, true); }

void failSyncThreadStartsForTesting(bool fail) { syncThreadsFail = fail; }

QString hiddenSiblingName(const QString& name, const QString& tag, int reserve) {
    const auto fits = [&](const QString& n) { return native(n).size() + reserve <= NAME_MAX; };
    const QString whole = u'.' + name + tag;
    if (fits(whole)) return whole;
    const QString digest = QString::fromLatin1(
        QCryptographicHash::hash(native(name), QCryptographicHash::Sha1).toHex().left(8));
    QString cut = name;
    while (!cut.isEmpty() && (cut.back().isHighSurrogate() || !fits(u'.' + cut + u'~' + digest + tag))) cut.chop(1);
    return u'.' + cut + u'~' + digest + tag;
}

unsigned umaskedMode(unsigned mode) {
    // Read where the kernel tells it, so that no other thread ever sees a changed umask.
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("Umask:", 0) == 0) return mode & ~unsigned(std::stoul(line.substr(6), nullptr, 8));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mode & ~unsigned(mask);
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
            struct stat st {};
            if (::lstat(native(path).constData(), &st) != 0) continue;
            if (S_ISDIR(st.st_mode))
                dirs << path;
            else if (S_ISREG(st.st_mode) && st.st_nlink == 1)
                files << path;  // a linked document is on the disk already: its folder's sync records the name
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
    try {
        for (int t = 1; t < kSyncThreads && t < files.size(); ++t) {
            if (syncThreadsFail) throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
            threads.emplace_back(work);
        }
    } catch (const std::system_error&) {
        // No further thread: the threads started and this one sync the rest.
    }
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
