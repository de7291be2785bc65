#pragma once
// The submission package beside a saved application: a folder named like the file without
// its extension, holding the application's text copy, the attachment list "VOREL.xck",
// one subfolder per material with its documents, and the material list "材料清单.txt".
#include <QString>
#include <QStringList>
#include <functional>

namespace mf {

inline const QString kPackageListName = QStringLiteral("VOREL.xck");
inline const QString kMaterialListName = QStringLiteral("材料清单.txt");

// The folder (with its trailing "/") of the last package built; "" before the first.
extern QString PackageFolder;

// The name of the application's text copy inside a package of the kind ("" outside 1-7).
QString KindTextFileName(int kind);

// The folder that holds the documents of the kind's "Local:\\" entries: the package that
// was opened into the kind, or the one last built for it. Empty when none.
QString& KindPackageSource(int kind);

struct PackageReport {
    enum class Outcome {
        Nothing,     // no base name, no kind: nothing built or removed
        Built,       // the folder was built or refreshed
        Removed,     // no list or no documents: the kind's package folder is gone (or was none)
        FolderClash, // a folder of that name that is not a package: left alone
        ListUnreadable,
    };
    Outcome outcome = Outcome::Nothing;
    QString folder;          // the package folder, with its trailing "/"
    QStringList notCopied;   // documents that could not be put into the package
};

// The package folder (with its trailing "/") a saved file of the kind gets: beside it, named
// like it without the extension; the package itself for its own text copy. "" when the
// file name has no extension.
QString packageFolderFor(const QString& savedPath, int kind);
// True when the folder holds "VOREL.xck" (any case).
bool holdsPackageList(const QString& folder);

// Writes the application's text copy at the given path; true when written.
using ApplicationCopyWriter = std::function<bool(const QString& path)>;

// Builds, refreshes or removes the package folder of CurrentKind beside savedPath, right
// after the save wrote it. previousPath is the kind's file before this save. When the saved
// file is no submission text file, writeCopy writes the text copy the package holds.
// A folder is removed only when it holds "VOREL.xck".
PackageReport BuildPackage(const QString& previousPath, const QString& savedPath,
                           const ApplicationCopyWriter& writeCopy = {});

// Shows what the save's user must know of the build: a folder of the package's name that
// is not a package, documents that could not be packaged.
void reportPackage(const PackageReport& report);

// Writes the material list at listPath from the package list at packageListPath: the line
// "上报材料清单：", then "n、" and the file name of each document present in the package.
// False after "XML文件不存在" or when the file could not be written.
bool WriteMaterialList(const QString& listPath, const QString& packageListPath);

} // namespace mf
