#include "attachments/package_files.h"

#include "platform/fs.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mf {

bool isSafeComponent(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    return !name.endsWith(u'.') && !name.endsWith(u' ');
}

bool samePlace(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    if (!fa.exists() || !fb.exists()) return false;
    return fa.canonicalFilePath() == fb.canonicalFilePath();
}

bool copyFileSafe(const QString& src, const QString& dst) {
    if (samePlace(src, dst)) return true;
    QFile in(src);
    if (!QFileInfo(src).isFile() || !in.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) return false;
    return writeFileAtomic(dst, bytes);
}

void deleteStemFiles(const QString& dir, const QString& stem, const QSet<QString>& keep) {
    if (stem.isEmpty()) return;
    const QDir d(dir);
    if (!d.exists()) return;
    const QString prefix = stem + QLatin1Char('.');
    for (const QString& entry : d.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const bool matches = entry.compare(stem, Qt::CaseInsensitive) == 0 ||
                             entry.startsWith(prefix, Qt::CaseInsensitive);
        if (!matches || keep.contains(entry.toLower())) continue;
        QFile::remove(d.filePath(entry));
    }
}

QString entryPath(const QString& dir, const QString& name) {
    const QString found = fs::findInDir(dir, name);
    if (!found.isEmpty()) return found;
    QString d = dir;
    if (!d.endsWith(u'/')) d += u'/';
    return d + name;
}

} // namespace mf
