#pragma once
// The attachment window's own save and pack commands, free of widgets.
namespace mf {

class FormAccess;

// Saves the form of CurrentKind as a submission text file and builds its package. The
// kind's current .txt file is offered first ("是否覆盖当前文件内容？") unless
// askForFileName is 1; otherwise the save dialog asks. No success message. True when saved.
bool SaveSubmission(FormAccess* form, int askForFileName);

// "打包": saves with the dialog, then zips the package folder of the kind's current file
// into a file the user names.
void PackSubmission(FormAccess* form);

} // namespace mf
