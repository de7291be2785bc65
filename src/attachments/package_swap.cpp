// The hidden sibling folders of a package folder, putting a complete package in place of
// the old one, and the recovery of what a save killed on the way left behind.
#include "attachments/package_builder.h"

#include "attachments/package_builder_internal.h"
#include "attachments/package_files.h"
#include "core/app_state.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/fs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mf {

using namespace package_internal;

namespace {

bool flaggedRenamesRefused = false;
std::function<void()> stepHook;

// The errors by which a file system says it does not know a rename's flags.
bool flagsNotSupported(int err) { return err == EINVAL || err == ENOTSUP || err == EOPNOTSUPP || err == ENOSYS; }

bool isHidden(const QString& name, const QString& stem, const QString& tag) {
    const QString prefix = hiddenPrefix(stem, tag);
    if (!name.startsWith(prefix) || name.size() != prefix.size() + kRandomPart) return false;
    for (const QChar c : name.mid(prefix.size()))
        if (!(c.isDigit() || (c.unicode() < 0x80 && c.isLetter()))) return false;
    return true;
}

// Moves what is not the program's from the package folder into the new package before the
// swap, so that the user's own files go with the package in one rename and no kill leaves
// them behind in a hidden folder. What cannot be moved (a name the new package holds)
// stays and is dealt with when the old package is retired.
void moveForeign(const QString& folder, const QString& ready, int kind, PackageReport& report) {
    walkPackage(
        folder, programEntries(folder, kind), [](const QString&, bool) {},
        [&](const QString& path, const QString& rel) {
            const QString target = withSlash(ready) + rel;
            const QString targetDir = QFileInfo(target).absolutePath();
            if (!entryExists(targetDir)) QDir().mkdir(targetDir);
            if (isPlainDir(targetDir) && renameEntry(path, target, RENAME_NOREPLACE)) {
                report.kept << rel;
                stepDone();
            }
        });
}

// The kind whose package the folder is (its list and the kind's text copy); 0 for none.
int packageKindOf(const QString& folder) {
    for (int k = 1; k <= kKindCount; ++k)
        if (isPackageFolder(folder, k)) return k;
    return 0;
}

// True when the folder is a package of the kind that holds every file its list names: one
// whose removal has begun (the list goes last) is not.
bool wholePackage(const QString& folder, int kind) {
    if (!isPackageFolder(folder, kind) || !isPlainFile(entryPath(folder, kMaterialListName))) return false;
    const ProgramEntries pe = programEntries(folder, kind);
    for (auto it = pe.materials.cbegin(); it != pe.materials.cend(); ++it) {
        if (it.value().isEmpty()) continue;
        const QString dir = entryPath(folder, it.key());
        if (!isPlainDir(dir)) return false;
        for (const QString& doc : it.value())
            if (!isPlainFile(entryPath(dir, doc))) return false;
    }
    return true;
}

// When the list of a complete package was written, in nanoseconds.
qint64 listTime(const QString& folder) {
    struct stat st {};
    if (::lstat(native(entryPath(folder, kPackageListName)).constData(), &st) != 0) return 0;
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

} // namespace

namespace package_internal {

// One step of putting a package in place done (a rename, a move, a removal).
void stepDone() {
    if (stepHook) stepHook();
}

// A rename with renameat2's flags. Where the file system does not know RENAME_NOREPLACE
// (NTFS or exFAT through FUSE, vfat, some network file systems) a plain rename does the
// same under the save lock, after a look that nothing stands at the target. RENAME_EXCHANGE
// is not emulated: the caller takes its own road.
bool renameEntry(const QString& from, const QString& to, unsigned flags) {
    const QByteArray f = native(from), t = native(to);
    if (flags != 0) {
        if (flaggedRenamesRefused)
            errno = EINVAL;
        else if (::renameat2(AT_FDCWD, f.constData(), AT_FDCWD, t.constData(), flags) == 0)
            return true;
        if (!flagsNotSupported(errno) || !(flags & RENAME_NOREPLACE)) return false;
        if (entryExists(to)) {
            errno = EEXIST;
            return false;
        }
    }
    return ::rename(f.constData(), t.constData()) == 0;
}

// The prefix of the hidden siblings of the package folder named stem with the tag; a
// random part of kRandomPart letters and digits follows it.
QString hiddenPrefix(const QString& stem, const QString& tag) { return hiddenSiblingName(stem, tag, kRandomPart); }

// An unused path for a hidden sibling of the package folder.
QString unusedHidden(const QString& parent, const QString& stem, const QString& tag) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (;;) {
        QString name = hiddenPrefix(stem, tag);
        for (int i = 0; i < kRandomPart; ++i) name += QChar(letters[QRandomGenerator::global()->bounded(62)]);
        const QString path = withSlash(parent) + name;
        if (!entryExists(path)) return path;
    }
}

// The reason of a failed step, naming the package folder the user knows, never a hidden one.
QString describeStep(const QString& folder, int err) { return describeFileError(folder, fileErrorReason(err)); }

// A new hidden folder beside the package (its mode follows the umask); "" with *error set
// when none could be made.
QString makeHidden(const QString& parent, const QString& stem, const QString& tag, QString* error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = unusedHidden(parent, stem, tag);
        if (::mkdir(native(path).constData(), 0777) == 0) return path;
        if (errno == EEXIST) continue;
        if (error) *error = describeStep(withSlash(parent) + stem, errno);
        return QString();
    }
    if (error) *error = describeStep(withSlash(parent) + stem, EEXIST);
    return QString();
}

// Removes the program's files from an old package; what is not the program's is moved into
// dest under the same name when dest is given and has no such entry, and is named in
// report.kept (relative to the package, or by its full path where it had to stay). The old
// folder goes when it is then empty. A file of the program's that cannot be removed (a
// read-only folder) keeps the list with it, so a later save still knows the folder, and the
// folder is named with the reason in report.leftOver.
void retire(const QString& old, const QString& dest, int kind, PackageReport& report) {
    const ProgramEntries pe = programEntries(old, kind);
    const QString list = cleanDir(entryPath(old, kPackageListName));
    bool stayed = false;
    int failure = 0;
    walkPackage(
        old, pe,
        [&](const QString& path, bool dir) {
            if (dir) {
                if (::rmdir(native(path).constData()) != 0 && !failure) failure = errno;
            } else if ((!stayed && !failure) || cleanDir(path) != list) {
                if (::unlink(native(path).constData()) != 0 && !failure) failure = errno;
            }
            stepDone();
        },
        [&](const QString& path, const QString& rel) {
            bool moved = false;
            if (!dest.isEmpty() && isPlainDir(dest)) {
                const QString target = withSlash(dest) + rel;
                const QString targetDir = QFileInfo(target).absolutePath();
                if (!entryExists(targetDir)) QDir().mkdir(targetDir);
                moved = isPlainDir(targetDir) && renameEntry(path, target, RENAME_NOREPLACE);
            }
            stayed = stayed || !moved;
            report.kept << (moved ? rel : path);
            stepDone();
        });
    if (::rmdir(native(old).constData()) != 0 && (failure || errno != ENOTEMPTY))
        report.leftOver << describeFileError(old, fileErrorReason(failure ? failure : errno));
}

// Puts the complete package R (a ".ready-" sibling) in place of the package folder: the
// user's files of the old package move into R first, then the two are exchanged in one
// rename. Where the file system has no exchange, the old package steps aside under a
// hidden name and R is renamed into place; a kill between the two leaves both packages
// whole beside an empty place, which the next open or save fills with the newer one. The
// old package ends under a hidden name, returned in *old ("" when there was none).
bool putInPlace(const QString& R, const QString& folder, const QString& parent, int kind, QString* old,
                PackageReport& report, QString* error) {
    auto fail = [&](int err) {
        if (error) *error = describeStep(folder, err);
        return false;
    };
    old->clear();
    if (entryExists(folder)) {
        moveForeign(folder, R, kind, report);
        if (renameEntry(R, folder, RENAME_EXCHANGE)) {
            *old = R;
        } else {
            if (!flagsNotSupported(errno)) return fail(errno);
            const QString aside = unusedHidden(parent, QFileInfo(folder).fileName(), kReadyTag);
            if (!renameEntry(folder, aside, RENAME_NOREPLACE)) return fail(errno);
            stepDone();
            if (!renameEntry(R, folder, RENAME_NOREPLACE)) {
                const int err = errno;
                renameEntry(aside, folder, RENAME_NOREPLACE);  // the old package back in its place
                return fail(err);
            }
            *old = aside;
        }
    } else if (!renameEntry(R, folder, RENAME_NOREPLACE)) {
        return fail(errno);
    }
    stepDone();
    syncFolder(parent);
    return true;
}

// Leftovers of an interrupted save of this package: a half-written build goes; of the
// complete packages (the folder and hidden ".ready-" ones: a new package not yet swapped
// in, an old one swapped out), the newest is put in place: the one whose text copy has the
// bytes of the saved file (reference), else the one whose list was written last. The others
// are retired into it: their own files go, the user's files move into it. No hidden package
// is removed while no package could be put in place. kind 0: the kind of the packages found.
void cleanLeftovers(const QString& parent, const QString& stem, const QString& folder, int kind,
                    const QString& reference, PackageReport& report) {
    bool cleaned = false;
    QStringList ready;
    for (const QString& name : folderEntries(parent)) {
        const QString path = withSlash(parent) + name;
        const bool build = isHidden(name, stem, kBuildTag);
        const bool isReady = isHidden(name, stem, kReadyTag);
        const bool removed = isHidden(name, stem, kRemovedTag);
        if (!(build || isReady || removed)) continue;
        cleaned = true;
        if (!isPlainDir(path)) continue;
        if (build) {
            fs::deleteDirTree(path);  // never holds anything but the program's own files
        } else if (!isPlainFile(entryPath(path, kPackageListName))) {
            // Without its list an old package was all but removed: the rest is the program's.
            fs::deleteDirTree(path);
        } else if (removed) {
            retire(path, folder, kind ? kind : packageKindOf(path), report);
        } else {
            ready << path;
        }
    }
    if (!ready.isEmpty()) {
        const int k = kind ? kind : packageKindOf(isPlainDir(folder) ? folder : ready.first());
        QStringList complete, partial;
        for (const QString& r : std::as_const(ready))
            (k && wholePackage(r, k) ? complete : partial) << r;
        const bool inPlace = entryExists(folder);
        if (inPlace && k && isPackageFolder(folder, k)) complete.prepend(folder);
        const bool textReference = fs::sameName(fs::extension(reference), QStringLiteral("txt")) &&
                                   isPlainFile(reference) && !inside(reference, folder);
        auto rank = [&](const QString& p) {
            const bool same = textReference && sameFileBytes(reference, entryPath(p, KindTextFileName(k)));
            return std::pair{same, listTime(p)};
        };
        QString newest;
        std::pair<bool, qint64> best{false, -1};
        for (const QString& c : std::as_const(complete)) {
            const auto r = rank(c);
            if (r > best) best = r, newest = c;
        }
        // A folder of that name that is no package, or a package that cannot be put in place:
        // the hidden packages stay as they are.
        if (!newest.isEmpty() && (!inPlace || complete.contains(folder))) {
            QString old, why;
            bool placed = newest == folder;
            if (!placed) {
                placed = putInPlace(newest, folder, parent, k, &old, report, &why);
                complete.removeOne(newest);
                complete.removeOne(folder);
                if (placed && !old.isEmpty()) complete << old;
            }
            if (placed)
                for (const QString& c : complete + partial)
                    if (c != folder) retire(c, folder, k, report);
        }
    }
    if (cleaned) syncFolder(parent);
}

} // namespace package_internal

bool HasPackageLeftovers(const QString& filePath) {
    const QFileInfo info(filePath);
    const qsizetype dot = info.fileName().lastIndexOf(u'.');
    if (filePath.isEmpty() || dot <= 0) return false;
    const QString stem = info.fileName().left(dot);
    for (const QString& name : folderEntries(info.absolutePath()))
        if (isHidden(name, stem, kBuildTag) || isHidden(name, stem, kReadyTag) || isHidden(name, stem, kRemovedTag))
            return true;
    return false;
}

void RecoverPackage(const QString& filePath) {
    const QFileInfo info(filePath);
    const qsizetype dot = info.fileName().lastIndexOf(u'.');
    if (filePath.isEmpty() || dot <= 0) return;
    const QString parent = info.absolutePath();
    const QString stem = info.fileName().left(dot);
    PackageReport report;
    cleanLeftovers(parent, stem, withSlash(parent) + stem, 0, filePath, report);
    if (!report.leftOver.isEmpty())
        dialogs().error(QStringLiteral("旧的报盘文件夹未能删除，请手工删除：\n") + report.leftOver.join(u'\n'));
}

void failFlaggedRenamesForTesting(bool fail) { flaggedRenamesRefused = fail; }
void setPackageStepHookForTesting(std::function<void()> hook) { stepHook = std::move(hook); }

} // namespace mf
