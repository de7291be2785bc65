#include "platform/fs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <filesystem>
#include <system_error>

namespace mf::fs {

namespace stdfs = std::filesystem;

namespace {

QMutex protectedMutex;
QStringList& protectedDirs() {
    static QStringList dirs;
    return dirs;
}

stdfs::path toStd(const QString& path) { return stdfs::path(QFile::encodeName(path).toStdString()); }
QString fromStd(const stdfs::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }

// The forms of a folder path compared by the guard: as written (made absolute and
// cleaned) and with symbolic links resolved when the folder exists.
QStringList pathForms(const QString& path) {
    QStringList forms;
    const QFileInfo info(path);
    forms << QDir::cleanPath(info.absoluteFilePath());
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty() && !forms.contains(canonical))
        forms << canonical;
    return forms;
}

// True when a equals b or is a folder above it.
bool coversPath(const QString& a, const QString& b) {
    if (a == b || a == QStringLiteral("/"))
        return true;
    return b.startsWith(a + u'/');
}

// Removes one entry without following links; folders are emptied first and made
// accessible to their owner, so that read-only folders go too.
bool removeEntry(const stdfs::path& p, QString* error) {
    std::error_code ec;
    const auto status = stdfs::symlink_status(p, ec);
    if (ec) {
        if (error)
            *error = fromStd(p) + QStringLiteral(": ") + QString::fromStdString(ec.message());
        return false;
    }
    if (status.type() == stdfs::file_type::directory) {
        stdfs::permissions(p, stdfs::perms::owner_all, stdfs::perm_options::add | stdfs::perm_options::nofollow, ec);
        ec.clear();
        stdfs::directory_iterator it(p, ec);
        if (ec) {
            if (error)
                *error = fromStd(p) + QStringLiteral(": ") + QString::fromStdString(ec.message());
            return false;
        }
        std::vector<stdfs::path> children;
        for (; it != stdfs::directory_iterator(); it.increment(ec)) {
            if (ec)
                break;
            children.push_back(it->path());
        }
        if (ec) {
            if (error)
                *error = fromStd(p) + QStringLiteral(": ") + QString::fromStdString(ec.message());
            return false;
        }
        for (const auto& child : children)
            if (!removeEntry(child, error))
                return false;
    }
    // remove() unlinks a symbolic link itself and a file whatever its permission bits.
    stdfs::remove(p, ec);
    if (ec) {
        if (error)
            *error = fromStd(p) + QStringLiteral(": ") + QString::fromStdString(ec.message());
        return false;
    }
    return true;
}

} // namespace

bool fileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    // Only the file's metadata is looked at: opening a FIFO would block.
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

QByteArray fileFingerprint(const QString& path) {
    if (!fileExists(path)) return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) return QByteArray();
    return hash.result();
}

bool makeDirPath(const QString& path) {
    if (path.isEmpty())
        return false;
    return QDir().mkpath(path);
}

void addProtectedDir(const QString& path) {
    if (path.isEmpty())
        return;
    QMutexLocker lock(&protectedMutex);
    for (const QString& form : pathForms(path))
        if (!protectedDirs().contains(form))
            protectedDirs().append(form);
}

bool deleteDirTree(const QString& dir, QString* error) {
    auto refuse = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (dir.trimmed().isEmpty())
        return refuse(QStringLiteral("refused to delete an empty path"));

    // Refuse "/", the home folder, the protected folders and every folder above them.
    QStringList guarded{QStringLiteral("/")};
    guarded += pathForms(QDir::homePath());
    {
        QMutexLocker lock(&protectedMutex);
        guarded += protectedDirs();
    }
    const QStringList forms = pathForms(dir);
    for (const QString& form : forms)
        for (const QString& g : guarded)
            if (coversPath(form, g))
                return refuse(QStringLiteral("refused to delete protected folder ") + dir);

    const stdfs::path target = toStd(forms.first());
    std::error_code ec;
    const auto status = stdfs::symlink_status(target, ec);
    if (ec || status.type() == stdfs::file_type::not_found)
        return refuse(dir + QStringLiteral(": folder does not exist"));
    if (status.type() != stdfs::file_type::directory && status.type() != stdfs::file_type::symlink)
        return refuse(dir + QStringLiteral(": not a folder"));
    return removeEntry(target, error);
}

QString findInDir(const QString& dir, const QString& name) {
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
        name.contains(u'/'))
        return QString();
    const QDir d(dir.isEmpty() ? QStringLiteral(".") : dir);
    const QString exact = d.filePath(name);
    const QFileInfo exactInfo(exact);
    if (exactInfo.exists() || exactInfo.isSymLink())
        return exact;
    const QStringList entries =
        d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QString found;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return QString();   // more than one spelling: none is the one meant
        found = entry;
    }
    return found.isEmpty() ? QString() : d.filePath(found);
}

QString extension(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = path.lastIndexOf(u'/');
    if (dot < 0 || dot < slash)
        return QString();
    return path.mid(dot + 1);
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace mf::fs
