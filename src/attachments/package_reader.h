#pragma once
// Opening a package again: its list is checked against the documents in the folder, and
// becomes the kind's working attachment list. The package itself is never written.
#include <QByteArray>
#include <QString>

namespace mf {

// Steers the package builder for the change form (kind 2); 0 at start, set only by
// ReadApplyType and never reset.
extern quint8 ApplyType;

// Checks the package list at packageListPath: every "Local:\\" entry whose document is
// missing from the folder (folder of the list, material name, file name), and every entry
// naming a document outside the package, is reported ("附件：" name " 不存在。请重新选择！")
// and emptied; each material's count is set to the documents that remain. The corrected
// list goes to *resolvedList; the file is not written. Returns the base name of the
// application's text copy (the second attribute of `offer`), "" when it is no plain file
// name. A list that cannot be loaded shows "XML文件不存在", gives "" and *listLoaded false.
QString ResolvePackageXml(const QString& packageListPath, QByteArray* resolvedList = nullptr,
                          bool* listLoaded = nullptr);

// The base name of the application's text copy that the package list names, as
// ResolvePackageXml gives it, without checking the documents (nothing is reported but a list
// that cannot be loaded: "XML文件不存在", *listLoaded false).
QString PackageTextName(const QString& packageListPath, bool* listLoaded = nullptr);

// Makes a resolved package list the kind's working attachment list, its documents found in
// the package folder. False with a reason (in *error) when the working list could not be
// written; it is then as it was.
bool adoptPackageList(int kind, const QString& packageFolder, const QByteArray& resolvedList,
                      QString* error = nullptr);

// Reads a submission text file up to the first line holding "申请类型" and maps the number
// after its first "=": 0 (or none) and 2 give ApplyType 2, 3 gives 6, 4 gives 5; anything
// else, a line without "=", no such line or an unreadable file leave it as it is.
void ReadApplyType(const QString& textPath);

// The text after the last separator, or the whole text when there is none.
QString TextAfterLast(const QString& text, const QString& separator);
// The folder of a path with its trailing "/"; "" when the path holds no "/".
QString DirOfPath(const QString& path);

} // namespace mf
