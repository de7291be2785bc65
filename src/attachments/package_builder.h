#pragma once
// The submission package beside a saved application: a folder named like the file without
// its extension, holding the application's text copy, the attachment list "VOREL.xck",
// one subfolder per material with its documents, and the material list "材料清单.txt".
//
// A package is built as a whole in a hidden sibling folder and swapped in by rename, so the
// folder is always either the old package or the new one. The program removes only what it
// wrote there; everything else in the folder stays.
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
        Nothing,     // no base name, no kind, or nothing to build or remove
        Built,       // the new package is in place
        Removed,     // no documents: the program's files of the package are gone
        FolderClash, // a folder of that name that is not a package: left alone
        ListMissing, // no readable working list: the package was left as it was
        Failed,      // the new package could not be written: the old one is unchanged
    };
    Outcome outcome = Outcome::Nothing;
    QString folder;          // the package folder, with its trailing "/"
    QStringList notCopied;   // documents that could not be put into the package
    QStringList keptCopies;  // documents kept from the package, their source unreadable: "name（原文件：path）"
    QStringList kept;        // entries of the folder the program did not write
    QStringList renamed;     // new names of materials whose name an earlier one had
    QString error;           // why the package could not be written (Failed)
    QStringList leftOver;    // old packages (hidden folders) that could not be removed, with the reason
};

// The package folder (with its trailing "/") a saved file of the kind gets: beside it, named
// like it without the extension; for the text copy inside the kind's own package, that
// package. "" when the file name has no extension.
QString packageFolderFor(const QString& savedPath, int kind);
// True when the folder is a package of the kind: a folder (not a link) holding "VOREL.xck"
// and the kind's text copy as plain files (names in any case).
bool isPackageFolder(const QString& folder, int kind);

// Writes the application's text copy at the given path; true when written, else false with
// the reason ("<file>：<why>") in *error.
using ApplicationCopyWriter = std::function<bool(const QString& path, QString* error)>;

// Builds, refreshes or removes the package folder of CurrentKind beside savedPath, right
// after the save wrote it. previousPath is the kind's file before this save. When the saved
// file is no submission text file, writeCopy writes the text copy the package holds.
PackageReport BuildPackage(const QString& previousPath, const QString& savedPath,
                           const ApplicationCopyWriter& writeCopy = {});

// The note the question before a save over target adds when target's package belongs to
// the application being replaced rather than to the kind's working list (a new form, or a
// list that came with another file): that package's documents go with the old application.
// "" when there is nothing to add. previousPath: the kind's file before the save.
QString replacedPackageNote(const QString& previousPath, const QString& target);

// Before a file is opened: what a save of it that was killed while putting its package in
// place left is put right, the newest complete package taking the package folder's place.
// The caller holds the file's save lock.
void RecoverPackage(const QString& filePath);
// True when hidden folders of such a save stand beside the file.
bool HasPackageLeftovers(const QString& filePath);

// The files of the package folder that its list names, relative to it and sorted: the text
// copy, "VOREL.xck", "材料清单.txt" and the listed documents. Every other entry (a file of
// the user's, a link) goes to *others.
QStringList packageFiles(const QString& folder, int kind, QStringList* others = nullptr);

// For tests: flagged renames fail as on a file system that does not know the flags; a
// function called after each step of putting a package in place.
void failFlaggedRenamesForTesting(bool fail);
void setPackageStepHookForTesting(std::function<void()> hook);

// Shows what the save's user must know of the build: a folder of the package's name that
// is not a package, a missing list, a package that could not be written, documents that
// could not be packaged or were kept from the package, files of the folder that are not the
// program's. saved: the caller's success message; it comes first, with the documents kept
// from the package, and is left out where the package lacks a listed document or could not
// be written, whose one message says the file was saved.
void reportPackage(const PackageReport& report, const QString& saved = QString());

} // namespace mf
