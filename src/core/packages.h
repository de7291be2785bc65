#pragma once
// What the save and open commands need of the submission package beside a saved file.
// These read only what the commands need; building and checking the package's documents
// is the attachment handling's business.
#include <QString>

namespace mf {

// Steers the package builder for the change form (kind 2); set only by ReadApplyType.
extern quint8 ApplyType;

// Builds, refreshes or removes the package folder beside a file just saved. Nothing yet.
void BuildPackage(const QString& savedPath);

// The base name (without extension) of the application copy a package list names: the
// second attribute of its root element `offer`. A list that cannot be loaded shows
// "XML文件不存在" and gives "" (*listLoaded false); a name that is not a single plain file
// name gives "". The list itself is never written.
QString ResolvePackageXml(const QString& packageListPath, bool* listLoaded = nullptr);

// Reads a submission text file up to the first line holding "申请类型" and maps the
// number after its first "=": 0 (or none) and 2 give ApplyType 2, 3 gives 6, 4 gives 5;
// anything else, a line without "=", no such line or an unreadable file leave it as it is.
void ReadApplyType(const QString& textPath);

// The folder of a path with its trailing "/"; "" when the path holds no "/".
QString DirOfPath(const QString& path);

} // namespace mf
