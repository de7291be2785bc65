#pragma once
// The attachment window's own save and pack commands, free of widgets.
namespace mf {

class FormAccess;
struct PackageReport;

// True when a save's package was not brought up to date (it could not be written, its list
// was missing, or a folder of its name is no package) or lacks a listed document: the kind
// stays marked changed, as its documents are not all saved with the file.
bool packageLeftStale(const PackageReport& report);

// Saves the form of CurrentKind as a submission text file and builds its package. The
// kind's current .txt file is offered first ("是否覆盖当前文件内容？") unless
// askForFileName is 1; otherwise the save dialog asks. No success message. True when saved;
// *package tells what became of the package.
bool SaveSubmission(FormAccess* form, int askForFileName, PackageReport* package = nullptr);

// "打包": saves with the dialog, then zips the package folder of the kind's current file
// into a file the user names ("选择报盘打包文件"). A cancelled or failed save, or a package
// that could not be brought up to date or lacks a listed document, stops before the zip. Success says "打包完成：" and
// the zip's path.
void PackSubmission(FormAccess* form);

} // namespace mf
