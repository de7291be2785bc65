#include "attachments/package_zip.h"

#include "attachments/package_files.h"
#include "platform/atomic_file.h"
#include "platform/text_file.h"
#include "platform/zip_library.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <malloc.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mf {

namespace {

// Written in place of 0x7075, which the library keeps for itself, and patched afterwards;
// the field keeps its length, so no offset in the archive moves.
constexpr quint16 kPlaceholderId = 0x4D46;
constexpr quint16 kUnicodePathId = 0x7075;

quint32 crc32(const QByteArray& data) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char ch : data) c = table[(c ^ quint8(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray unicodePathField(const QByteArray& rawName, const QString& name) {
    QByteArray f;
    f.append(char(1));
    const quint32 crc = crc32(rawName);
    for (int i = 0; i < 4; ++i) f.append(char((crc >> (8 * i)) & 0xFF));
    f.append(name.toUtf8());
    return f;
}

quint16 u16(const QByteArray& b, qsizetype at) { return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8); }
quint32 u32(const QByteArray& b, qsizetype at) { return quint32(u16(b, at)) | quint32(u16(b, at + 2)) << 16; }

// Renames the placeholder extra fields in a block of extra fields; true when one was found.
bool patchExtra(QByteArray& extra) {
    bool patched = false;
    for (qsizetype p = 0; p + 4 <= extra.size();) {
        const quint16 id = u16(extra, p), size = u16(extra, p + 2);
        if (id == kPlaceholderId) {
            extra[p] = char(kUnicodePathId & 0xFF);
            extra[p + 1] = char(kUnicodePathId >> 8);
            patched = true;
        }
        p += 4 + size;
    }
    return patched;
}

// Renames the placeholder extra fields of every local and central header to 0x7075, in
// place: only the central directory and the headers are read, two bytes per field written.
bool patchPlaceholders(QFile& zip) {
    const qint64 size = zip.size();
    const qint64 tailStart = qMax<qint64>(0, size - 22 - 0xFFFF);
    if (!zip.seek(tailStart)) return false;
    const QByteArray tail = zip.read(size - tailStart);
    qsizetype eocd = -1;
    for (qsizetype p = tail.size() - 22; p >= 0; --p)
        if (u32(tail, p) == 0x06054b50u) {
            eocd = p;
            break;
        }
    if (eocd < 0) return false;
    const int count = u16(tail, eocd + 10);
    const qint64 cdSize = u32(tail, eocd + 12), cdStart = u32(tail, eocd + 16);
    if (!zip.seek(cdStart)) return false;
    QByteArray cd = zip.read(cdSize);
    if (cd.size() != cdSize) return false;
    qsizetype p = 0;
    for (int i = 0; i < count; ++i) {
        if (p + 46 > cd.size() || u32(cd, p) != 0x02014b50u) return false;
        const quint16 nameLen = u16(cd, p + 28), extraLen = u16(cd, p + 30), commentLen = u16(cd, p + 32);
        QByteArray extra = cd.mid(p + 46 + nameLen, extraLen);
        if (patchExtra(extra)) cd.replace(p + 46 + nameLen, extraLen, extra);
        const qint64 local = u32(cd, p + 42);
        if (!zip.seek(local)) return false;
        const QByteArray head = zip.read(30);
        if (head.size() != 30 || u32(head, 0) != 0x04034b50u) return false;
        const qint64 extraAt = local + 30 + u16(head, 26);
        if (!zip.seek(extraAt)) return false;
        QByteArray localExtra = zip.read(u16(head, 28));
        if (patchExtra(localExtra) && (!zip.seek(extraAt) || zip.write(localExtra) != localExtra.size()))
            return false;
        p += 46 + nameLen + extraLen + commentLen;
    }
    return zip.seek(cdStart) && zip.write(cd) == cd.size();
}

// Why the library failed, in the words of a file error (its own texts are English).
QString zipReason(const ZipLibrary& z, zip_error_t* e) {
    if (z.errorSystemType(e) == ZIP_ET_SYS) return fileErrorReason(z.errorCodeSystem(e));
    return QStringLiteral("无法写入压缩文件");
}

bool addName(const ZipLibrary& z, zip_t* za, zip_int64_t index, const QString& name, const QByteArray& raw) {
    const QByteArray field = unicodePathField(raw, name);
    return z.fileExtraFieldSet(za, zip_uint64_t(index), kPlaceholderId, ZIP_EXTRA_FIELD_NEW,
                                    reinterpret_cast<const zip_uint8_t*>(field.constData()), zip_uint16_t(field.size()),
                                    ZIP_FL_LOCAL | ZIP_FL_CENTRAL) == 0;
}

// The library sets up a deflate state of a few hundred KiB for every entry and frees it
// after. Left to the defaults, the heap hands that memory back to the system after each
// entry and the next one faults it in zeroed again, which made a zip of many small
// documents several times slower than the compression itself. While a zip runs the heap
// keeps it.
class HeapKeptDuringZip {
public:
    HeapKeptDuringZip() {
        mallopt(M_MMAP_THRESHOLD, 8 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
    }
    ~HeapKeptDuringZip() {
        mallopt(M_TRIM_THRESHOLD, 128 << 10);
        mallopt(M_MMAP_THRESHOLD, 128 << 10);
        malloc_trim(0);
    }
};

void reportProgress(zip_t*, double done, void* ud) {
    (*static_cast<const std::function<void(int)>*>(ud))(int(done * 100 + 0.5));
}

// The temporary archive beside the target: "." + the target's name + ".part-" and six
// letters, the whole fitting the name limit with the library's own temporary suffix (".XXXXXX").
const QString kPartTag = QStringLiteral(".part-");
constexpr int kRandomPart = 6;
constexpr int kLibrarySuffix = 7;

QString partPrefix(const QString& zipName) { return hiddenSiblingName(zipName, kPartTag, kRandomPart + kLibrarySuffix); }

// Removes the temporary archives a killed zip into the same target left beside it. The
// caller holds the save lock of the package's file.
void removeLeftoverParts(const QString& dir, const QString& zipName) {
    const QString prefix = partPrefix(zipName);
    const QRegularExpression rest(QStringLiteral("^[A-Za-z0-9]{6}(\\.[A-Za-z0-9]{6})?$"));
    for (const QString& name : QDir(dir).entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System))
        if (rest.match(name.mid(prefix.size())).hasMatch() && isPlainFile(dir + u'/' + name))
            QFile::remove(dir + u'/' + name);
}

// Zips the entries of the folder given relative to it ("name/" for a folder), in this order.
bool zipEntries(const QString& folder, const QStringList& entries, const QString& zipPath, QStringList* links,
                QString* error, const std::function<void(int)>& progress) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    // Entries are found below the folder as given: a relative one would zip nothing.
    if (QDir::isRelativePath(folder)) return fail(folder + QStringLiteral("：不是完整的文件夹路径"));
    if (!isPlainDir(folder)) return fail(folder + QStringLiteral("：文件夹不存在"));
    QString loadError;
    const ZipLibrary* lib = zipLibrary(&loadError);
    if (!lib) return fail(loadError);
    const ZipLibrary& z = *lib;
    const QFileInfo target(zipPath);
    const QString base = folder.endsWith(u'/') ? folder : folder + u'/';

    // Written once, beside the target under a temporary name, then renamed over it.
    removeLeftoverParts(target.absolutePath(), target.fileName());
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString tmp;
    for (int attempt = 0; tmp.isEmpty(); ++attempt) {
        QString name = target.absolutePath() + u'/' + partPrefix(target.fileName());
        for (int i = 0; i < kRandomPart; ++i) name += QChar(letters[QRandomGenerator::global()->bounded(62)]);
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            tmp = name;
        } else if (errno != EEXIST || attempt > 100) {
            return fail(describeFileError(zipPath, fileErrorReason(errno)));
        }
    }
    const QByteArray tmpName = QFile::encodeName(tmp);
    auto discard = [&](const QString& why) {
        QFile::remove(tmp);
        return fail(why);
    };

    int code = 0;
    const HeapKeptDuringZip heap;
    zip_t* za = z.open(tmpName.constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!za) return discard(zipPath + QStringLiteral("：无法创建压缩文件"));
    if (progress) z.registerProgress(za, 0.01, reportProgress, nullptr, const_cast<std::function<void(int)>*>(&progress));

    // The archive never holds itself, should it be saved inside the folder: an entry that is
    // the target file is left out. One lstat an entry tells all the loop needs.
    struct stat targetStat{};
    const bool targetThere = ::stat(QFile::encodeName(zipPath).constData(), &targetStat) == 0;
    bool ok = true;
    int added = 0;
    for (const QString& entry : entries) {
        const bool dir = entry.endsWith(u'/');
        QString name = dir ? entry.chopped(1) : entry;
        const QString path = base + name;
        const QByteArray encoded = QFile::encodeName(path);
        struct stat st{};
        if (::lstat(encoded.constData(), &st) != 0) continue;
        if (S_ISLNK(st.st_mode)) {
            if (links) *links << name;
            continue;
        }
        if (targetThere && st.st_dev == targetStat.st_dev && st.st_ino == targetStat.st_ino) continue;
        if (dir ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode)) continue;
        if (dir) name += u'/';
        const QByteArray raw = encodeGb18030(name);
        zip_int64_t index = -1;
        if (dir) {
            index = z.dirAdd(za, raw.constData(), ZIP_FL_ENC_RAW);
        } else {
            zip_source_t* src = z.sourceFile(za, encoded.constData(), 0, -1);
            if (!src) {
                ok = false;
                break;
            }
            index = z.fileAdd(za, raw.constData(), src, ZIP_FL_ENC_RAW | ZIP_FL_OVERWRITE);
            if (index < 0)
                z.sourceFree(src);
            else
                z.setFileCompression(za, zip_uint64_t(index), ZIP_CM_DEFLATE, 6);
        }
        if (index < 0 || !addName(z, za, index, name, raw)) {
            ok = false;
            break;
        }
        const zip_uint32_t mode = dir ? (040755u << 16) | 0x10u : 0100644u << 16;
        z.fileSetExternalAttributes(za, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, mode);
        z.fileSetMtime(za, zip_uint64_t(index), st.st_mtim.tv_sec, 0);
        ++added;
    }
    if (!ok) {
        const QString why = zipReason(z, z.getError(za));
        z.discard(za);
        return discard(zipPath + QStringLiteral("：") + why);
    }
    if (added == 0) {
        // An empty archive is written by the library as nothing at all.
        z.discard(za);
        QByteArray empty(22, '\0');
        empty[0] = 0x50, empty[1] = 0x4b, empty[2] = 0x05, empty[3] = 0x06;
        QFile::remove(tmp);
        return writeFileAtomic(zipPath, empty, error);
    }
    if (z.close(za) != 0) {
        const QString why = zipReason(z, z.getError(za));
        z.discard(za);
        return discard(zipPath + QStringLiteral("：") + why);
    }
    if (progress) progress(100);   // the library's last report can stop short of the end
    QFile built(tmp);
    if (!built.open(QIODevice::ReadWrite) || !patchPlaceholders(built) || !built.flush() ||
        ::fchmod(built.handle(), umaskedMode(0666)) != 0 || ::fsync(built.handle()) != 0)
        return discard(zipPath + QStringLiteral("：无法写入压缩文件"));
    built.close();
    if (::rename(tmpName.constData(), QFile::encodeName(zipPath).constData()) != 0)
        return discard(describeFileError(zipPath, fileErrorReason(errno)));
    syncFolder(target.absolutePath());
    return true;
}

} // namespace

bool zipFolder(const QString& folder, const QString& zipPath, QStringList* links, QString* error,
               const std::function<void(int)>& progress) {
    QStringList entries;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        entries << root.relativeFilePath(path) + (info.isDir() && !info.isSymLink() ? QStringLiteral("/") : QString());
    }
    entries.sort();
    return zipEntries(folder, entries, zipPath, links, error, progress);
}

bool zipFiles(const QString& folder, const QStringList& files, const QString& zipPath, QStringList* links,
              QString* error, const std::function<void(int)>& progress) {
    QStringList entries;
    for (const QString& file : files) {
        entries << file;
        for (qsizetype slash = file.indexOf(u'/'); slash > 0; slash = file.indexOf(u'/', slash + 1))
            entries << file.left(slash + 1);
    }
    entries.removeDuplicates();
    entries.sort();
    return zipEntries(folder, entries, zipPath, links, error, progress);
}

} // namespace mf
