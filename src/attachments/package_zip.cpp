#include "attachments/package_zip.h"

#include "platform/text_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <zip.h>

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

// Renames the placeholder extra fields of every local and central header to 0x7075.
bool patchPlaceholders(QByteArray& zip) {
    auto patchExtra = [&](qsizetype start, qsizetype len) {
        for (qsizetype p = start; p + 4 <= start + len && p + 4 <= zip.size();) {
            const quint16 id = u16(zip, p), size = u16(zip, p + 2);
            if (id == kPlaceholderId) {
                zip[p] = char(kUnicodePathId & 0xFF);
                zip[p + 1] = char(kUnicodePathId >> 8);
            }
            p += 4 + size;
        }
    };
    qsizetype eocd = -1;
    for (qsizetype p = zip.size() - 22; p >= 0 && p >= zip.size() - 22 - 0xFFFF; --p)
        if (u32(zip, p) == 0x06054b50u) {
            eocd = p;
            break;
        }
    if (eocd < 0) return false;
    const int count = u16(zip, eocd + 10);
    qsizetype p = u32(zip, eocd + 16);
    for (int i = 0; i < count; ++i) {
        if (p + 46 > zip.size() || u32(zip, p) != 0x02014b50u) return false;
        const quint16 nameLen = u16(zip, p + 28), extraLen = u16(zip, p + 30), commentLen = u16(zip, p + 32);
        const qsizetype local = u32(zip, p + 42);
        patchExtra(p + 46 + nameLen, extraLen);
        if (local + 30 > zip.size() || u32(zip, local) != 0x04034b50u) return false;
        patchExtra(local + 30 + u16(zip, local + 26), u16(zip, local + 28));
        p += 46 + nameLen + extraLen + commentLen;
    }
    return true;
}

bool addName(zip_t* za, zip_int64_t index, const QString& name, const QByteArray& raw) {
    const QByteArray field = unicodePathField(raw, name);
    return zip_file_extra_field_set(za, zip_uint64_t(index), kPlaceholderId, ZIP_EXTRA_FIELD_NEW,
                                    reinterpret_cast<const zip_uint8_t*>(field.constData()), zip_uint16_t(field.size()),
                                    ZIP_FL_LOCAL | ZIP_FL_CENTRAL) == 0;
}

} // namespace

bool zipFolder(const QString& folder, const QString& zipPath, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QDir root(folder);
    if (!root.exists()) return fail(QStringLiteral("folder missing"));
    QTemporaryDir work;
    if (!work.isValid()) return fail(work.errorString());
    const QString tmp = work.filePath(QStringLiteral("package.zip"));
    const QFileInfo target(zipPath);

    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(tmp).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!za) return fail(QStringLiteral("cannot create the archive"));

    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) entries << it.next();
    entries.sort();

    bool ok = true;
    for (const QString& path : std::as_const(entries)) {
        const QFileInfo info(path);
        if (info.isSymLink()) continue;
        // The archive never holds itself, should it be saved inside the folder.
        if (target.exists() && info.canonicalFilePath() == target.canonicalFilePath()) continue;
        QString name = root.relativeFilePath(path);
        const bool dir = info.isDir();
        if (dir) name += u'/';
        const QByteArray raw = encodeGb18030(name);
        zip_int64_t index = -1;
        if (dir) {
            index = zip_dir_add(za, raw.constData(), ZIP_FL_ENC_RAW);
        } else {
            zip_source_t* src = zip_source_file(za, QFile::encodeName(path).constData(), 0, -1);
            if (!src) {
                ok = false;
                break;
            }
            index = zip_file_add(za, raw.constData(), src, ZIP_FL_ENC_RAW | ZIP_FL_OVERWRITE);
            if (index < 0) {
                zip_source_free(src);
            } else {
                zip_set_file_compression(za, zip_uint64_t(index), ZIP_CM_DEFLATE, 0);
            }
        }
        if (index < 0 || !addName(za, index, name, raw)) {
            ok = false;
            break;
        }
        zip_file_set_mtime(za, zip_uint64_t(index), info.lastModified().toSecsSinceEpoch(), 0);
    }
    if (!ok) {
        const QString why = QString::fromLocal8Bit(zip_strerror(za));
        zip_discard(za);
        return fail(why);
    }
    if (entries.isEmpty()) {
        // An empty archive is written by the library as nothing at all.
        zip_discard(za);
        QByteArray empty(22, '\0');
        empty[0] = 0x50, empty[1] = 0x4b, empty[2] = 0x05, empty[3] = 0x06;
        return writeFileAtomic(zipPath, empty, error);
    }
    if (zip_close(za) != 0) {
        const QString why = QString::fromLocal8Bit(zip_strerror(za));
        zip_discard(za);
        return fail(why);
    }
    QFile built(tmp);
    if (!built.open(QIODevice::ReadOnly)) return fail(built.errorString());
    QByteArray bytes = built.readAll();
    if (!patchPlaceholders(bytes)) return fail(QStringLiteral("malformed archive"));
    return writeFileAtomic(zipPath, bytes, error);
}

} // namespace mf
