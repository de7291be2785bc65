#include "attachments/package_builder.h"

#include "attachments/attachment_list.h"
#include "attachments/list_document.h"
#include "attachments/package_files.h"
#include "core/app_state.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/text_file.h"
#include "platform/vb.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <array>

namespace mf {

QString PackageFolder;

namespace {

const QString kAppTitle = QStringLiteral("岩契录件");

QString withSlash(QString dir) {
    if (!dir.endsWith(u'/')) dir += u'/';
    return dir;
}
QString withoutSlash(QString dir) {
    while (dir.size() > 1 && dir.endsWith(u'/')) dir.chop(1);
    return dir;
}

} // namespace

bool holdsPackageList(const QString& folder) {
    const QString list = fs::findInDir(withoutSlash(folder), kPackageListName);
    return !list.isEmpty() && QFileInfo(list).isFile();
}

// A file saved inside a package as the package's own text copy belongs to that package.
QString packageFolderFor(const QString& savedPath, int kind) {
    const QFileInfo info(savedPath);
    const QString dir = info.absolutePath();
    if (fs::sameName(info.fileName(), KindTextFileName(kind)) && holdsPackageList(dir)) return withSlash(dir);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0) return QString();
    return withSlash(dir) + name.left(dot) + u'/';
}

namespace {

// Removes the kind's package folder; only a folder that holds its list is one.
void removePackage(const QString& folder) {
    const QFileInfo info(withoutSlash(folder));
    if (!info.isDir() || info.isSymLink() || !holdsPackageList(folder)) return;
    fs::deleteDirTree(withoutSlash(folder));
}

QString oldBase(const QString& previousPath) {
    const QFileInfo info(previousPath);
    const qsizetype dot = info.fileName().lastIndexOf(u'.');
    if (previousPath.isEmpty() || dot <= 0) return QString();
    return withSlash(info.absolutePath()) + info.fileName().left(dot) + u'/';
}

} // namespace

QString KindTextFileName(int kind) { return kindPackageTextName(kind); }

QString& KindPackageSource(int kind) {
    static std::array<QString, kKindCount + 1> sources;
    return sources[isKind(kind) ? kind : 0];
}

PackageReport BuildPackage(const QString& previousPath, const QString& savedPath,
                           const ApplicationCopyWriter& writeCopy) {
    PackageReport report;
    const int kind = state().CurrentKind;
    if (!isKind(kind) || savedPath.isEmpty()) return report;
    const QString F = packageFolderFor(savedPath, kind);
    if (F.isEmpty()) return report;
    report.folder = F;

    const QFileInfo folderInfo(withoutSlash(F));
    const bool isPackage = folderInfo.isDir() && !folderInfo.isSymLink() && holdsPackageList(F);
    const bool clash = folderInfo.exists() && !isPackage;

    const QString W = workListPath(kind);
    if (!fs::fileExists(W) || !HasElectronicFiles()) {
        if (!clash) removePackage(F);
        report.outcome = PackageReport::Outcome::Removed;
        return report;
    }
    if (clash) {
        report.outcome = PackageReport::Outcome::FolderClash;
        return report;
    }

    ListDocument doc;
    if (!doc.load(W)) {
        dialogs().message(kAppTitle, QStringLiteral("XML文件不存在"), MsgIcon::None);
        report.outcome = PackageReport::Outcome::ListUnreadable;
        return report;
    }
    fs::makeDirPath(F);

    // The application's text copy.
    // A package whose copy could not be refreshed would later be opened with the old
    // application, so a failure is reported like a document that was not packaged.
    const QString copy = entryPath(F, KindTextFileName(kind));
    bool copied = true;
    if (fs::sameName(fs::extension(savedPath), QStringLiteral("txt")) || !writeCopy) {
        if (fs::fileExists(savedPath)) copied = copyFileSafe(savedPath, copy);
    } else {
        copied = writeCopy(copy);
    }
    if (!copied) report.notCopied << QFileInfo(copy).fileName();

    // Where documents of "Local:\\" entries come from: the package they were opened from
    // (or last built into), else the package of the previous file.
    QStringList sources;
    if (!KindPackageSource(kind).isEmpty()) sources << withSlash(KindPackageSource(kind));
    if (savedPath != previousPath && !oldBase(previousPath).isEmpty()) sources << oldBase(previousPath);

    for (const pugi::xpath_node& mn : doc.materials()) {
        const pugi::xml_node m = mn.node();
        const QString fjmc = nodeText(m, ".//fjmc");
        const pugi::xpath_node_set entries = fileEntries(m);
        if (!isSafeComponent(fjmc)) {
            // A material name that would reach outside the package: nothing of it is packaged.
            for (const pugi::xpath_node& f : entries) {
                const QString url = nodeText(f.node(), ".//fileUrl");
                if (!url.isEmpty()) report.notCopied << QFileInfo(url).fileName();
            }
            continue;
        }
        const QString M = withSlash(entryPath(F, fjmc));
        // Documents the list still references stay where they are.
        QSet<QString> referenced;
        for (const pugi::xpath_node& f : entries) {
            const QString url = nodeText(f.node(), ".//fileUrl");
            if (url.startsWith(kLocalPrefix)) referenced.insert(url.mid(kLocalPrefix.size()).toLower());
        }
        bool packaged = false;
        for (const pugi::xpath_node& fn : entries) {
            const pugi::xml_node f = fn.node();
            const QString url = nodeText(f, ".//fileUrl");
            const QString name = nodeText(f, ".//fileName");
            if (url.startsWith(kLocalPrefix)) {
                const QString rel = url.mid(kLocalPrefix.size());
                if (!isSafeComponent(rel)) {
                    report.notCopied << rel;
                    continue;
                }
                const QString target = entryPath(M, rel);
                bool present = false;
                for (const QString& s : sources) {
                    const QString from = entryPath(withSlash(entryPath(s, fjmc)), rel);
                    if (!fs::fileExists(from)) continue;
                    fs::makeDirPath(M);
                    if ((present = copyFileSafe(from, target))) break;
                }
                if (!present) present = fs::fileExists(target);
                if (present)
                    packaged = true;
                else
                    report.notCopied << rel;
            } else if (url.isEmpty()) {
                if (isSafeComponent(name)) deleteStemFiles(M, name, referenced);
            } else if (fs::fileExists(url)) {
                const QString ext = fs::extension(url);
                const QString fileName = ext.isEmpty() ? name : name + u'.' + ext;
                if (!isSafeComponent(name) || referenced.contains(fileName.toLower())) {
                    report.notCopied << QFileInfo(url).fileName();
                    continue;
                }
                // The chosen file itself may be a copy in this folder: it is not deleted.
                QSet<QString> keep = referenced;
                if (samePlace(QFileInfo(url).absolutePath(), M)) keep.insert(QFileInfo(url).fileName().toLower());
                deleteStemFiles(M, name, keep);
                fs::makeDirPath(M);
                if (copyFileSafe(url, M + fileName)) {
                    setNodeText(f, ".//fileUrl", kLocalPrefix + fileName);
                    packaged = true;
                } else {
                    report.notCopied << QFileInfo(url).fileName();
                }
            } else {
                // A path that no longer names a file: it keeps its path and is not packaged.
                report.notCopied << QFileInfo(url).fileName();
            }
        }
        if (vb::val(nodeText(m, ".//dzjs")) == 0 && !packaged) {
            const QFileInfo mi(withoutSlash(M));
            if (mi.isDir() && !mi.isSymLink()) fs::deleteDirTree(withoutSlash(M));
        }
    }

    const QString list = entryPath(F, kPackageListName);
    if (!doc.save(list)) report.notCopied << QFileInfo(list).fileName();
    PackageFolder = F;
    KindPackageSource(kind) = F;
    const QString materialList = entryPath(F, kMaterialListName);
    if (!WriteMaterialList(materialList, list)) report.notCopied << QFileInfo(materialList).fileName();
    report.outcome = PackageReport::Outcome::Built;
    return report;
}

void reportPackage(const PackageReport& report) {
    if (report.outcome == PackageReport::Outcome::FolderClash) {
        dialogs().info(QStringLiteral("已存在同名文件夹，未生成报盘附件包。"));
    } else if (report.outcome == PackageReport::Outcome::Built && !report.notCopied.isEmpty()) {
        dialogs().info(QStringLiteral("以下附件未能复制到报盘文件夹：\n") + report.notCopied.join(u'\n'));
    }
}

bool WriteMaterialList(const QString& listPath, const QString& packageListPath) {
    ListDocument doc;
    if (!doc.load(packageListPath)) {
        dialogs().message(kAppTitle, QStringLiteral("XML文件不存在"), MsgIcon::None);
        return false;
    }
    const QString folder = QFileInfo(packageListPath).absolutePath();
    QStringList lines{QStringLiteral("上报材料清单：")};
    int n = 0;
    for (const pugi::xpath_node& mn : doc.materials()) {
        const QString fjmc = nodeText(mn.node(), ".//fjmc");
        for (const pugi::xpath_node& f : fileEntries(mn.node())) {
            const QString url = nodeText(f.node(), ".//fileUrl");
            if (!url.startsWith(kLocalPrefix)) continue;
            const QString rel = url.mid(kLocalPrefix.size());
            // Only documents the package really holds are listed.
            if (!isSafeComponent(fjmc) || !isSafeComponent(rel) ||
                !fs::fileExists(entryPath(withSlash(entryPath(folder, fjmc)), rel)))
                continue;
            lines << QString::number(++n) + QStringLiteral("、") + rel;
        }
    }
    return writeTextLines(listPath, lines);
}

} // namespace mf
