#pragma once
// What the two files of the package builder share: path helpers, the walk that tells the
// program's entries of a package folder from the user's, and the hidden sibling folders
// through which a package is put in place (package_swap.cpp).
#include "attachments/package_builder.h"
#include "attachments/package_files.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace mf::package_internal {

QString withSlash(QString dir);
QString withoutSlash(QString dir);
QString cleanDir(const QString& dir);
QByteArray native(const QString& p);
bool inside(const QString& path, const QString& folder);
QStringList folderEntries(const QString& dir);

// Hidden siblings of a package folder X: ".X.build-*" while a new package is written,
// ".X.ready-*" once it is complete (and, after the swap, the old package on its way out),
// ".X.removed-*" for a package being removed.
inline const QString kBuildTag = QStringLiteral(".build-");
inline const QString kReadyTag = QStringLiteral(".ready-");
inline const QString kRemovedTag = QStringLiteral(".removed-");

inline constexpr int kRandomPart = 6;

// The hidden siblings and putting a package in place, in package_swap.cpp, where each is
// described.
QString hiddenPrefix(const QString& stem, const QString& tag);
QString unusedHidden(const QString& parent, const QString& stem, const QString& tag);
QString makeHidden(const QString& parent, const QString& stem, const QString& tag, QString* error);
QString describeStep(const QString& folder, int err);
bool renameEntry(const QString& from, const QString& to, unsigned flags);
void stepDone();
bool putInPlace(const QString& R, const QString& folder, const QString& parent, int kind, QString* old,
                PackageReport& report, QString* error);
void retire(const QString& old, const QString& dest, int kind, PackageReport& report);
void cleanLeftovers(const QString& parent, const QString& stem, const QString& folder, int kind,
                    const QString& reference, PackageReport& report);

// The entries the program wrote into a package folder, read from the folder's own list, each
// by the exact name it has in the folder: the exact name the list gives, or where that is
// missing the one entry whose name differs from it only in case. Every other entry, a case
// variant of a listed name included, is the user's.
struct ProgramEntries {
    QString list;                              // the list's name in the folder
    QSet<QString> top;                         // files at the top
    QHash<QString, QSet<QString>> materials;   // material folder -> its documents
};

ProgramEntries programEntries(const QString& folder, int kind);

// Walks a package folder: what the program wrote goes to onOwn (a material folder after its
// documents), everything else to onForeign with its path relative to the folder.
template <typename Own, typename Foreign>
void walkPackage(const QString& folder, const ProgramEntries& pe, Own onOwn, Foreign onForeign) {
    QString list;
    for (const QString& name : folderEntries(folder)) {
        const QString path = withSlash(folder) + name;
        const bool dir = isPlainDir(path);
        if (pe.top.contains(name) && !dir) {
            // The list goes last: as long as it is there, it tells what else is the program's.
            if (name == pe.list && list.isEmpty())
                list = path;
            else
                onOwn(path, false);
        } else if (pe.materials.contains(name)) {
            if (!dir) {
                onOwn(path, false);  // a link where a material folder belongs
                continue;
            }
            const QSet<QString> docs = pe.materials.value(name);
            for (const QString& sub : folderEntries(path)) {
                const QString subPath = withSlash(path) + sub;
                if (docs.contains(sub) && !isPlainDir(subPath))
                    onOwn(subPath, false);
                else
                    onForeign(subPath, name + u'/' + sub);
            }
            onOwn(path, true);
        } else {
            onForeign(path, name);
        }
    }
    if (!list.isEmpty()) onOwn(list, false);
}

} // namespace mf::package_internal
