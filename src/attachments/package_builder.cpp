#include "attachments/package_builder.h"

#include "attachments/attachment_list.h"
#include "attachments/list_document.h"
#include "attachments/package_builder_internal.h"
#include "attachments/package_files.h"
#include "core/app_state.h"
#include "core/shell.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/text_file.h"
#include "platform/vb.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <array>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <new>
#include <unistd.h>

namespace mf {

using namespace package_internal;

QString PackageFolder;

namespace package_internal {

QString withSlash(QString dir) {
    if (!dir.endsWith(u'/')) dir += u'/';
    return dir;
}
QString withoutSlash(QString dir) {
    while (dir.size() > 1 && dir.endsWith(u'/')) dir.chop(1);
    return dir;
}
QString cleanDir(const QString& dir) { return dir.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(dir).absoluteFilePath()); }

QByteArray native(const QString& p) { return QFile::encodeName(p); }

bool inside(const QString& path, const QString& folder) {
    return !folder.isEmpty() && cleanDir(path).startsWith(withSlash(folder));
}

QStringList folderEntries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The name an entry the program wrote under name has in dir.
static QString nameIn(const QString& dir, const QString& name) {
    const QString found = fs::findInDir(dir, name);
    return found.isEmpty() ? name : QFileInfo(found).fileName();
}

ProgramEntries programEntries(const QString& folder, int kind) {
    ProgramEntries pe;
    pe.list = nameIn(folder, kPackageListName);
    pe.top = {pe.list, nameIn(folder, kMaterialListName), nameIn(folder, KindTextFileName(kind))};
    const QString list = withSlash(folder) + pe.list;
    ListDocument doc;
    if (!isPlainFile(list) || !doc.load(list)) return pe;
    const QString copy = QString::fromUtf8(doc.offer().first_attribute().next_attribute().value());
    if (isSafeComponent(copy)) pe.top.insert(nameIn(folder, copy + QStringLiteral(".txt")));
    for (const pugi::xpath_node& mn : doc.materials()) {
        const QString fjmc = nodeText(mn.node(), ".//fjmc");
        if (!isSafeComponent(fjmc)) continue;
        const QString material = nameIn(folder, fjmc);
        QSet<QString>& docs = pe.materials[material];
        for (const pugi::xpath_node& f : fileEntries(mn.node())) {
            const QString url = nodeText(f.node(), ".//fileUrl");
            if (url.startsWith(kLocalPrefix)) docs.insert(nameIn(withSlash(folder) + material, url.mid(kLocalPrefix.size())));
        }
    }
    return pe;
}

} // namespace package_internal

namespace {

bool hasForeignEntries(const QString& folder, int kind) {
    bool any = false;
    walkPackage(folder, programEntries(folder, kind), [](const QString&, bool) {},
                [&](const QString&, const QString&) { any = true; });
    return any;
}

// The wait cursor and the status text while the package is written.
class BusyScope {
public:
    BusyScope() : remembered_(shell().activityText()) { shell().setBusy(true); }
    ~BusyScope() {
        shell().setActivityText(remembered_);
        shell().setBusy(false);
    }
    // Shown at once, a few times a second at most.
    void show(const QString& text) {
        if (shown_.isValid() && shown_.elapsed() < 100) return;
        shown_.start();
        shell().showActivityNow(text);
    }

private:
    QString remembered_;
    QElapsedTimer shown_;
};

// The digests of the documents of the kind's last built package, in its work folder.
QString digestsPath(int kind) {
    const QString dir = state().KindTempDir[kind];
    return dir.isEmpty() ? QString() : withSlash(dir) + QStringLiteral("package-digests");
}

// Per kind: where the last package built holds the copy of each document it copied from
// the user's files, by the source's path; a save that can no longer read a source keeps it.
QHash<QString, QStringList>& sourceCopies(int kind) {
    static std::array<QHash<QString, QStringList>, kKindCount + 1> copies;
    return copies[isKind(kind) ? kind : 0];
}

QString oldBase(const QString& previousPath) {
    const QFileInfo info(previousPath);
    const qsizetype dot = info.fileName().lastIndexOf(u'.');
    if (previousPath.isEmpty() || dot <= 0) return QString();
    return withSlash(info.absolutePath()) + info.fileName().left(dot);
}


// Builds the new package's content in a folder of its own.
class PackageWriter {
public:
    // replaced: the package this one replaces, whose unchanged documents are reused.
    // copies: the package copies of the user's files, as sourceCopies() holds them.
    PackageWriter(const QString& B, QStringList sources, const QString& replaced, PackageReport& report,
                  const DocumentDigests& digests, const QHash<QString, QStringList>& copies)
        : B_(B), sources_(std::move(sources)), replaced_(replaced), report_(report), digests_(digests),
          copies_(copies) {}

    // The packaged documents and their entries; false (with report.error) on a write failure.
    bool writeDocuments(ListDocument& doc, BusyScope& busy) {
        for (const pugi::xpath_node& mn : doc.materials()) {
            const pugi::xml_node m = mn.node();
            const QString fjmc = nodeText(m, ".//fjmc");
            // A second material of the same name gets a folder and a name of its own; its
            // documents are still found under the name they were packaged with.
            QString folderName = fjmc;
            if (isSafeComponent(fjmc)) {
                for (int n = 2; seen_.contains(folderName.toLower()); ++n)
                    folderName = fjmc + QStringLiteral("（%1）").arg(n);
                seen_.insert(folderName.toLower());
                if (folderName != fjmc && setNodeText(m, ".//fjmc", folderName))
                    report_.renamed << folderName;
                else
                    folderName = fjmc;
            }
            workNames_ << (folderName != fjmc ? folderName : QString());
            int count = 0;
            for (const pugi::xpath_node& fn : fileEntries(m)) {
                const pugi::xml_node f = fn.node();
                const QString url = nodeText(f, ".//fileUrl");
                QString newUrl;  // for the working list: the entry's document now lies in the package
                if (!url.isEmpty()) {
                    const Placed placed = place(fjmc, folderName, url, nodeText(f, ".//fileName"), busy);
                    if (placed.failed) return false;
                    if (placed.name.isEmpty()) {
                        report_.notCopied << shownName(url);
                        setNodeText(f, ".//fileUrl", QString());
                    } else {
                        ++count;
                        setNodeText(f, ".//fileUrl", kLocalPrefix + placed.name);
                        lines_ << QString::number(lines_.size()) + QStringLiteral("、") + placed.name;
                        if (placed.fromPackage) newUrl = kLocalPrefix + placed.name;
                    }
                }
                workUrls_ << newUrl;
            }
            setNodeText(m, ".//dzjs", QString::number(count));
        }
        return true;
    }

    // The material list from the documents placed.
    bool writeMaterialList() {
        lines_[0] = QStringLiteral("上报材料清单：");
        QString text;
        for (const QString& line : std::as_const(lines_)) text += line + QStringLiteral("\r\n");
        return writeNewFile(withSlash(B_) + kMaterialListName, encodeGb18030(text), &report_.error);
    }

    // For the working list, per entry in document order: the new "Local:\\" path of a
    // document that came from a package, "" for the others.
    const QStringList& workUrls() const { return workUrls_; }
    // Per material: its new name where it was renamed, "" for the others.
    const QStringList& workNames() const { return workNames_; }
    // The documents placed, relative to the package, with the digest of their bytes where it
    // is known.
    const QList<QPair<QString, DocumentDigests::Digest>>& placed() const { return placed_; }
    // The documents placed from the user's files (or kept for them): each source's path and
    // its document relative to the package.
    const QList<QPair<QString, QString>>& copied() const { return copied_; }

private:
    struct Placed {
        QString name;      // file name in the material folder; "" when not packaged
        bool fromPackage = false;
        bool failed = false;
    };

    static QString shownName(const QString& url) {
        return url.startsWith(kLocalPrefix) ? url.mid(kLocalPrefix.size()) : QFileInfo(url).fileName();
    }

    // The copy a source package holds of a document of the user's files, links never
    // followed; one this build has not kept already, where there is such a one.
    QString keptCopy(const QString& url) const {
        QString found;
        for (const QString& copy : copies_.value(url)) {
            bool known = false;
            for (const QString& s : sources_) known = known || inside(copy, s);
            if (!known || !isPlainDir(QFileInfo(copy).absolutePath()) || !isPlainFile(copy)) continue;
            if (!keptUsed_.contains(copy)) return copy;
            if (found.isEmpty()) found = copy;
        }
        return found;
    }

    // The document of an entry found in the source packages, links never followed.
    QString findLocal(const QString& fjmc, const QString& rel) const {
        for (const QString& s : sources_) {
            const QString dir = entryPath(s, fjmc);
            if (!isPlainDir(dir)) continue;
            const QString file = entryPath(dir, rel);
            if (isPlainFile(file)) return file;
        }
        return QString();
    }

    Placed place(const QString& fjmc, const QString& folderName, const QString& url, const QString& name,
                 BusyScope& busy) {
        Placed p;
        if (!isSafeComponent(fjmc)) return p;
        QString from, kept;
        bool follow = false;
        if (url.startsWith(kLocalPrefix)) {
            const QString rel = url.mid(kLocalPrefix.size());
            if (!isSafeComponent(rel)) return p;
            from = findLocal(fjmc, rel);
            p.fromPackage = true;
        } else if (QFileInfo(url).isAbsolute()) {
            bool inPackage = false;
            for (const QString& s : sources_) inPackage = inPackage || inside(url, s);
            if (inPackage) {
                // A document chosen inside a package: no link there is followed.
                if (isPlainFile(url) && isPlainDir(QFileInfo(url).absolutePath())) from = url;
                p.fromPackage = true;
            } else {
                if (QFileInfo(url).isFile()) from = url, follow = true;
                kept = keptCopy(url);
            }
        }
        // A source that is gone: the package's copy of it stays.
        if (from.isEmpty()) from = kept;
        if (from.isEmpty()) return p;

        const QString ext = fs::extension(QFileInfo(from).fileName());
        const QString stem = name.isEmpty() ? QFileInfo(from).completeBaseName() : name;
        if (!isSafeComponent(stem)) return p;
        const QString dirKey = folderName.toLower();
        QSet<QString>& used = used_[dirKey];
        QString target = ext.isEmpty() ? stem : stem + u'.' + ext;
        for (int n = 2; used.contains(target.toLower()); ++n)
            target = stem + QStringLiteral("（%1）").arg(n) + (ext.isEmpty() ? QString() : u'.' + ext);

        QString& dir = dirs_[dirKey];
        if (dir.isEmpty()) {
            dir = withSlash(B_) + folderName;
            if (!QDir().mkdir(dir)) {
                report_.error = describeFileError(dir, fileErrorReason(errno));
                p.failed = true;
                return p;
            }
        }
        busy.show(QStringLiteral("正在复制附件：") + target);
        // The replaced package's document of the same place, if it may be reused.
        const auto previous = [&] {
            const QString material = replaced_.isEmpty() ? QString() : entryPath(replaced_, folderName);
            if (inside(from, replaced_)) return from;
            return isPlainDir(material) ? entryPath(material, target) : QString();
        };
        QString why;
        DocumentDigests::Digest digest;
        CopyFault fault = placeDocument(from, withSlash(dir) + target, follow, previous(), &digests_, &digest, &why);
        if (fault == CopyFault::Source && !kept.isEmpty() && from != kept) {
            // The source cannot be read: the package's copy of it stays.
            from = kept;
            fault = placeDocument(from, withSlash(dir) + target, false, previous(), &digests_, &digest, &why);
        }
        switch (fault) {
        case CopyFault::None:
            used.insert(target.toLower());
            p.name = target;
            if (!digest.isEmpty()) placed_.append({folderName + u'/' + target, digest});
            if (!p.fromPackage) copied_.append({url, folderName + u'/' + target});
            if (from == kept) {
                keptUsed_.insert(kept);
                report_.keptCopies << target + QStringLiteral("（原文件：") + url + QStringLiteral("）");
            }
            break;
        case CopyFault::Source:
            break;
        case CopyFault::Target:
            report_.error = why;
            p.failed = true;
            break;
        }
        return p;
    }

    QString B_;
    QStringList sources_;
    QString replaced_;
    PackageReport& report_;
    const DocumentDigests& digests_;
    const QHash<QString, QStringList>& copies_;
    QSet<QString> keptUsed_;
    QList<QPair<QString, QString>> copied_;
    QList<QPair<QString, DocumentDigests::Digest>> placed_;
    QStringList lines_{QString()};
    QStringList workUrls_;
    QStringList workNames_;
    QSet<QString> seen_;   // material folder names given, lower case
    QHash<QString, QSet<QString>> used_;
    QHash<QString, QString> dirs_;
};

// Writes the documents of the kind's "Local:\\" entries of the working list as they now
// lie in the package, so that the next save finds them there.
void updateWorkList(const QString& W, const QStringList& urls, const QStringList& names) {
    ListDocument work;
    if (!work.load(W)) return;
    qsizetype i = 0, k = 0;
    bool changed = false;
    for (const pugi::xpath_node& mn : work.materials()) {
        if (k < names.size() && !names[k].isEmpty()) changed = setNodeText(mn.node(), ".//fjmc", names[k]) || changed;
        ++k;
        for (const pugi::xpath_node& f : fileEntries(mn.node())) {
            if (i < urls.size() && !urls[i].isEmpty() && nodeText(f.node(), ".//fileUrl") != urls[i]) {
                setNodeText(f.node(), ".//fileUrl", urls[i]);
                changed = true;
            }
            ++i;
        }
    }
    if (changed && i == urls.size() && k == names.size()) work.save(W);
}

bool hasDocuments(const ListDocument& doc) {
    for (const pugi::xpath_node& mn : doc.materials())
        if (vb::val(nodeText(mn.node(), ".//dzjs")) > 0) return true;
    return false;
}

// Removes the program's files of the package folder. A folder holding nothing else goes by
// rename first, so that it is never left half removed; otherwise the list goes first, so the
// folder is no longer a package, and the saved file itself always stays.
void removePackage(const QString& folder, const QString& parent, const QString& savedPath, int kind,
                   PackageReport& report) {
    const bool holdsSaved = inside(savedPath, folder);
    if (!holdsSaved && !hasForeignEntries(folder, kind)) {
        QString error;
        const QString aside = unusedHidden(parent, QFileInfo(folder).fileName(), kRemovedTag);
        if (renameEntry(folder, aside, RENAME_NOREPLACE)) {
            syncFolder(parent);
            fs::deleteDirTree(aside);
            report.outcome = PackageReport::Outcome::Removed;
            return;
        }
    }
    const ProgramEntries pe = programEntries(folder, kind);
    ::unlink(native(entryPath(folder, kPackageListName)).constData());
    syncFolder(folder);
    const QString saved = cleanDir(savedPath);
    walkPackage(
        folder, pe,
        [&](const QString& path, bool dir) {
            if (dir)
                ::rmdir(native(path).constData());
            else if (cleanDir(path) != saved)
                ::unlink(native(path).constData());
        },
        [&](const QString&, const QString& rel) { report.kept << rel; });
    if (!holdsSaved) ::rmdir(native(folder).constData());
    report.outcome = PackageReport::Outcome::Removed;
}

} // namespace

bool isPackageFolder(const QString& folder, int kind) {
    const QString dir = withoutSlash(folder);
    return isPlainDir(dir) && isPlainFile(entryPath(dir, kPackageListName)) &&
           !KindTextFileName(kind).isEmpty() && isPlainFile(entryPath(dir, KindTextFileName(kind)));
}

// The package's own text copy, saved again, belongs to the package it was opened from.
QString packageFolderFor(const QString& savedPath, int kind) {
    const QFileInfo info(savedPath);
    const QString dir = cleanDir(info.absolutePath());
    if (fs::sameName(info.fileName(), KindTextFileName(kind)) && dir == cleanDir(KindPackageSource(kind)))
        return withSlash(dir);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0) return QString();
    return withSlash(dir) + name.left(dot) + u'/';
}

QString KindTextFileName(int kind) { return kindPackageTextName(kind); }

// True when the kind's working list is the one of the package beside savedPath: the file is
// the one the editor had, or the list came with that package (opened from it or built into
// it). A new form's list, or another file's, is not.
static bool listBelongsTo(int kind, const QString& previousPath, const QString& savedPath) {
    if (!previousPath.isEmpty() && cleanDir(previousPath) == cleanDir(savedPath)) return true;
    const QString folder = withoutSlash(packageFolderFor(savedPath, kind));
    return isPlainFile(workListPath(kind)) && !folder.isEmpty() && cleanDir(KindPackageSource(kind)) == cleanDir(folder);
}

QString replacedPackageNote(const QString& previousPath, const QString& target) {
    const int kind = state().CurrentKind;
    if (!isKind(kind) || listBelongsTo(kind, previousPath, target)) return QString();
    const QString folder = withoutSlash(packageFolderFor(target, kind));
    if (folder.isEmpty() || !isPackageFolder(folder, kind)) return QString();
    const ProgramEntries pe = programEntries(folder, kind);
    int count = 0;
    for (auto it = pe.materials.cbegin(); it != pe.materials.cend(); ++it)
        for (const QString& doc : it.value()) count += isPlainFile(withSlash(folder) + it.key() + u'/' + doc) ? 1 : 0;
    if (count == 0) return QString();
    return QStringLiteral("\n原申请文件及其报盘包中的 %1 份附件属于原申请，将一并被替换，不会转给新申请。").arg(count);
}

QString& KindPackageSource(int kind) {
    static std::array<QString, kKindCount + 1> sources;
    return sources[isKind(kind) ? kind : 0];
}

static PackageReport buildPackageFolder(const QString& previousPath, const QString& savedPath,
                                        const ApplicationCopyWriter& writeCopy) {
    PackageReport report;
    const int kind = state().CurrentKind;
    if (!isKind(kind) || savedPath.isEmpty()) return report;
    const QString F = packageFolderFor(savedPath, kind);
    if (F.isEmpty()) return report;
    report.folder = F;
    const QString folder = withoutSlash(F);
    const QString parent = QFileInfo(folder).absolutePath();
    const QString stem = QFileInfo(folder).fileName();
    const bool ownCopy = inside(savedPath, folder);

    BusyScope busy;
    cleanLeftovers(parent, stem, folder, kind, savedPath, report);
    const bool exists = entryExists(folder);
    const bool isPackage = ownCopy ? isPlainDir(folder) : isPackageFolder(folder, kind);

    // A new application replaces the old one's package with one of its own list (the
    // template for a new form); none of the old package's documents comes with it.
    const bool belongs = listBelongsTo(kind, previousPath, savedPath);
    if (!belongs) EnsureWorkXml();
    // Without its list the package is left exactly as it is: the list is what says what the
    // package holds.
    const QString W = workListPath(kind);
    ListDocument doc;
    if (!isPlainFile(W) || !doc.load(W)) {
        if (isPackage) report.outcome = PackageReport::Outcome::ListMissing;
        return report;
    }
    const bool documents = hasDocuments(doc);
    if (exists && !isPackage) {
        report.outcome = documents ? PackageReport::Outcome::FolderClash : PackageReport::Outcome::Removed;
        return report;
    }
    if (!documents) {
        if (exists) removePackage(folder, parent, savedPath, kind, report);
        else report.outcome = PackageReport::Outcome::Removed;
        return report;
    }

    // Where documents of "Local:\\" entries come from: the package they were opened from
    // (or last built into), the package of the previous file, the package being replaced.
    QStringList sources;
    for (const QString& s : {KindPackageSource(kind), savedPath != previousPath ? oldBase(previousPath) : QString(),
                             isPackage && exists && belongs ? folder : QString()}) {
        const QString c = cleanDir(s);
        if (!c.isEmpty() && !sources.contains(c)) sources << c;
    }

    const QString B = makeHidden(parent, stem, kBuildTag, &report.error);
    if (B.isEmpty()) {
        report.outcome = PackageReport::Outcome::Failed;
        return report;
    }
    // Whatever stops the build, an exception included, the build folder goes.
    struct BuildFolder {
        QString path;
        ~BuildFolder() {
            if (!path.isEmpty()) fs::deleteDirTree(path);
        }
    } building{B};
    auto abandon = [&] {
        fs::deleteDirTree(B);
        // The reason names the file as it would have been in the package, not the build folder.
        report.error.replace(withSlash(B), F);
        report.error.replace(B, folder);
        report.notCopied.clear();
        report.outcome = PackageReport::Outcome::Failed;
        return report;
    };

    // The application's text copy.
    const QString copy = withSlash(B) + KindTextFileName(kind);
    if (fs::sameName(fs::extension(savedPath), QStringLiteral("txt")) || !writeCopy) {
        if (copyStreaming(savedPath, copy, true, &report.error) != CopyFault::None) return abandon();
    } else if (!writeCopy(copy, &report.error)) {
        if (report.error.isEmpty()) report.error = describeFileError(copy, QStringLiteral("无法写入"));
        return abandon();
    }

    const DocumentDigests digests(digestsPath(kind));
    // A list that belongs to no package (a new form's) has no copies in one.
    if (KindPackageSource(kind).isEmpty()) sourceCopies(kind).clear();
    PackageWriter writer(B, sources, isPackage && exists ? folder : QString(), report, digests, sourceCopies(kind));
    if (!writer.writeDocuments(doc, busy)) return abandon();
    QString why;
    if (!writeNewFile(withSlash(B) + kPackageListName, doc.bytes(), &why)) {
        report.error = why;
        return abandon();
    }
    if (!writer.writeMaterialList() || !syncTree(B, &report.error)) return abandon();

    // Complete: renamed to its ready name, then put in place of the old package.
    busy.show(QStringLiteral("正在更新报盘文件夹：") + folder);
    const QString R = withSlash(parent) + hiddenPrefix(stem, kReadyTag) + B.right(kRandomPart);
    if (!renameEntry(B, R, RENAME_NOREPLACE)) {
        report.error = describeStep(folder, errno);
        return abandon();
    }
    building.path.clear();
    stepDone();
    QString old;
    if (!putInPlace(R, folder, parent, kind, &old, report, &report.error)) {
        // The old package stays; the user's files that went into the new one go back.
        retire(R, folder, kind, report);
        report.notCopied.clear();
        report.outcome = PackageReport::Outcome::Failed;
        return report;
    }
    // The user's files that only now moved out of the old package are recorded on the disk.
    const qsizetype keptBefore = report.kept.size();
    if (!old.isEmpty()) retire(old, folder, kind, report);
    if (report.kept.size() != keptBefore) syncFolder(folder);

    // The documents as they now lie in the package, the old one gone: what the next save
    // compares its sources with.
    DocumentDigests kept(digestsPath(kind));
    for (const auto& [rel, digest] : writer.placed()) kept.remember(withSlash(folder) + rel, digest);
    kept.save();
    QHash<QString, QStringList> copies;
    for (const auto& [url, rel] : writer.copied()) copies[url] << withSlash(folder) + rel;
    sourceCopies(kind) = copies;

    updateWorkList(W, writer.workUrls(), writer.workNames());
    PackageFolder = F;
    KindPackageSource(kind) = folder;
    report.outcome = PackageReport::Outcome::Built;
    return report;
}

PackageReport BuildPackage(const QString& previousPath, const QString& savedPath,
                           const ApplicationCopyWriter& writeCopy) {
    PackageReport report;
    // No failure of the package step goes past the save that wrote the file.
    try {
        report = buildPackageFolder(previousPath, savedPath, writeCopy);
    } catch (...) {
        bool memory = false;
        try {
            throw;
        } catch (const std::bad_alloc&) {
            memory = true;
        } catch (...) {
        }
        report = PackageReport{};
        report.folder = packageFolderFor(savedPath, state().CurrentKind);
        report.outcome = PackageReport::Outcome::Failed;
        report.error = withoutSlash(report.folder) + QStringLiteral("：") +
                       (memory ? QStringLiteral("内存不足") : QStringLiteral("系统资源不足"));
    }
    report.kept.removeDuplicates();
    // A text copy saved inside its package has the save's lock beside it: the program's own.
    if (!report.folder.isEmpty() && inside(savedPath, withoutSlash(report.folder))) {
        const QString lock = QFileInfo(savedPath).fileName() + QStringLiteral(".lock");
        report.kept.removeIf([&](const QString& rel) { return fs::sameName(rel, lock); });
    }
    return report;
}

QStringList packageFiles(const QString& folder, int kind, QStringList* others) {
    QStringList files;
    const QString dir = withoutSlash(folder);
    const QDir root(dir);
    walkPackage(
        dir, programEntries(dir, kind),
        [&](const QString& path, bool isDir) {
            if (isDir) return;
            if (isPlainFile(path))
                files << root.relativeFilePath(path);
            else if (others)
                *others << root.relativeFilePath(path);
        },
        [&](const QString&, const QString& rel) {
            if (others) *others << rel;
        });
    files.sort();
    if (others) others->sort();
    return files;
}

void reportPackage(const PackageReport& report, const QString& saved) {
    using O = PackageReport::Outcome;
    const bool built = report.outcome == O::Built;
    const QString choose = QStringLiteral("可在申报材料管理中点“...”重新选择文件，或点“清除附件”去掉该附件");
    const auto joined = [](const QString& a, const QString& b) {
        return a.isEmpty() || b.isEmpty() ? a + b : a + QStringLiteral("\n\n") + b;
    };
    const QString keptNote = built && !report.keptCopies.isEmpty()
        ? QStringLiteral("以下附件的原文件已不存在或无法读取，已保留报盘文件夹中原有的附件：\n") +
              report.keptCopies.join(u'\n') + u'\n' + choose + u'。'
        : QString();
    // One result message: success only where the package holds every listed document.
    if (built && !report.notCopied.isEmpty())
        dialogs().message(QStringLiteral("提示"),
                          joined(QStringLiteral("报盘文件已保存，但报盘附件包缺少附件。\n以下附件未能复制到报盘文件夹：\n") +
                                     report.notCopied.join(u'\n') + u'\n' + choose + QStringLiteral("，然后再保存。"),
                                 keptNote),
                          MsgIcon::Exclamation);
    else if (report.outcome != O::Failed && !joined(saved, keptNote).isEmpty())
        dialogs().info(joined(saved, keptNote));
    if (!report.leftOver.isEmpty())
        dialogs().error(QStringLiteral("旧的报盘文件夹未能删除，请手工删除：\n") + report.leftOver.join(u'\n'));
    switch (report.outcome) {
    case O::FolderClash:
        dialogs().info(QStringLiteral("已存在同名文件夹，未生成报盘附件包。"));
        return;
    case O::ListMissing:
        dialogs().error(QStringLiteral("附件清单丢失，未更新报盘附件包。"));
        return;
    case O::Failed: {
        // The file itself was saved: one message says both, without an error number.
        QString why = report.error;
        why.remove(QRegularExpression(QStringLiteral("（错误代码 \\d+）")));
        dialogs().error(QStringLiteral("报盘文件已保存，但报盘附件包未能更新，原报盘文件夹保持不变：\n") + why);
        return;
    }
    default:
        break;
    }
    if (report.outcome == O::Built && !report.renamed.isEmpty())
        dialogs().info(QStringLiteral("附件清单中有重名的材料，已改名为：\n") + report.renamed.join(u'\n'));
    if (!report.kept.isEmpty()) {
        constexpr qsizetype kShown = 20;
        QStringList names = report.kept.mid(0, kShown);
        if (report.kept.size() > kShown) names << QStringLiteral("……（共 %1 个）").arg(report.kept.size());
        dialogs().info(QStringLiteral("报盘文件夹中保留了以下非本程序生成的文件：\n") + names.join(u'\n'));
    }

}

} // namespace mf
