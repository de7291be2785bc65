#include "attachments/submission_save.h"

#include "attachments/package_builder.h"
#include "attachments/package_zip.h"
#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/field_access.h"
#include "core/field_match.h"
#include "core/form_access.h"
#include "core/kind_file.h"
#include "core/shell.h"
#include "core/text_submission.h"
#include "core/validation.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/save_lock.h"

#include <QFileInfo>

namespace mf {

namespace {

const QString kOverwriteExisting = QStringLiteral("文件已经存在，是否覆盖？");

// Asks for a file through the save dialog; the command's extension is added when missing.
// Empty when the user cancels or declines to overwrite.
// With previous (the kind's file before a save), the question names the documents of the
// package that go with the file replaced.
QString chooseTarget(const QString& filter, const char* ext, const QString& title = QStringLiteral("保存"),
                     const QString* previous = nullptr) {
    FileDialogRequest req;
    req.title = title;
    req.filters = {filter};
    const FileDialogResult r = dialogs().saveFile(req);
    if (!r.accepted || r.path.isEmpty()) return QString();
    QString path = r.path;
    if (!fs::sameName(fs::extension(path), QString::fromLatin1(ext))) path += u'.' + QString::fromLatin1(ext);
    const QString note = previous ? replacedPackageNote(*previous, path) : QString();
    if (QFileInfo::exists(path) && !dialogs().askYesNo(kOverwriteExisting + note)) return QString();
    return path;
}

} // namespace

bool packageLeftStale(const PackageReport& report) {
    using O = PackageReport::Outcome;
    return report.outcome == O::Failed || report.outcome == O::ListMissing || report.outcome == O::FolderClash ||
           (report.outcome == O::Built && !report.notCopied.isEmpty());
}

bool SaveSubmission(FormAccess* form, int askForFileName, PackageReport* package) {
    AppState& st = state();
    const int kind = st.CurrentKind;
    if (!isKind(kind) || !form) return false;

    QString target;
    const QString current = st.KindFilePath[kind];
    if (!current.isEmpty() && fs::sameName(fs::extension(current), QStringLiteral("txt")) &&
        fs::fileExists(current) && askForFileName == 0) {
        if (dialogs().askYesNo(QStringLiteral("是否覆盖当前文件内容？"))) target = current;
    } else if (current.isEmpty()) {
        st.PendingFile.clear();
    }
    const QString oldPath = current;
    if (target.isEmpty()) {
        target = chooseTarget(QStringLiteral("报盘文本文件(*.txt)"), "txt", QStringLiteral("保存"), &oldPath);
        if (target.isEmpty()) return false;
    }
    st.PendingFile = target;

    if (!ValidateCurrentForm(form)) {
        st.PendingFile.clear();
        return false;
    }
    if (const QString none = kindWithoutFields(kind); !none.isEmpty()) {
        st.PendingFile.clear();
        dialogs().error(none + QStringLiteral("，不能保存"));
        return false;
    }
    if (!confirmDroppingUnknownKeys(kind, st.PendingFile) || !confirmLeavingOutFields(*form)) {
        st.PendingFile.clear();
        return false;
    }
    // Another program saving the same file is waited for; a change it made to the kind's
    // file since this program read or wrote it is replaced only when the user says so.
    auto lock = lockForSave(kind, st.PendingFile);
    if (!lock) {
        st.PendingFile.clear();
        return false;
    }
    const FormValues values = collectFormValues(*form);
    QString reason;
    if (!WriteTextSubmission(st.PendingFile, values, dictionary().textKeyMap(kind), &reason)) {
        st.PendingFile.clear();
        dialogs().error(QStringLiteral("文件保存失败：") + reason);
        return false;
    }

    const PackageReport report = BuildPackage(oldPath, st.PendingFile);
    setKindFile(kind, st.PendingFile);
    st.KindUnknownKeys[kind].clear();
    lock.reset();
    shell().setFileText(st.KindFilePath[kind]);
    st.PendingFile.clear();
    // A package that was not brought up to date keeps the form marked changed.
    st.KindChanged[kind] = packageLeftStale(report);
    shell().SetToolbarButtonState(QStringLiteral("SAVE"), st.KindChanged[kind]);
    reportPackage(report);
    if (package) *package = report;
    return true;
}

void PackSubmission(FormAccess* form) {
    AppState& st = state();
    const int kind = st.CurrentKind;
    if (!isKind(kind)) return;
    if (st.KindFilePath[kind].isEmpty()) {
        dialogs().info(QStringLiteral("请先保存，然后再进行打包操作"));
        return;
    }
    PackageReport report;
    if (!SaveSubmission(form, 1, &report)) return;
    // The package could not be brought up to date or lacks a listed document: its message
    // was shown, nothing is zipped.
    if (packageLeftStale(report)) return;

    const QString folder = packageFolderFor(st.KindFilePath[kind], kind);
    if (folder.isEmpty() || !isPackageFolder(folder, kind)) {
        dialogs().info(QStringLiteral("当前申请没有附件包，无法打包。"));
        return;
    }
    const QString zip = chooseTarget(QStringLiteral("报盘打包文件(*.zip)"), "zip", QStringLiteral("选择报盘打包文件"));
    if (zip.isEmpty()) return;
    // No save of the file changes its package while it is zipped.
    const SaveLock lock(st.KindFilePath[kind]);
    if (!lock.acquired()) {
        dialogs().error(lock.message());
        return;
    }
    if (!isPackageFolder(folder, kind)) {
        dialogs().info(QStringLiteral("当前申请没有附件包，无法打包。"));
        return;
    }
    const QString remembered = shell().activityText();
    // Only what the package's list names goes to the authority.
    QStringList others, links;
    const QStringList files = packageFiles(folder, kind, &others);
    const QString lockName = QFileInfo(st.KindFilePath[kind]).fileName() + QStringLiteral(".lock");
    others.removeIf([&](const QString& rel) {
        return fs::sameName(rel, lockName) || QFileInfo(folder + rel) == QFileInfo(zip);
    });
    QString error;
    // The window keeps painting and shows the progress while the zip runs on a worker.
    const bool zipped = shell().runBusy(QStringLiteral("正在打包：") + zip, [&](const std::function<void(int)>& progress) {
        return zipFiles(folder, files, zip, &links, &error, progress);
    });
    shell().setActivityText(remembered);
    if (!zipped) {
        dialogs().error(QStringLiteral("打包失败！\n") + error);
        return;
    }
    QString text = QStringLiteral("打包完成：") + zip;
    if (!others.isEmpty()) text += QStringLiteral("\n以下文件不是报盘材料，未打包：\n") + others.join(u'\n');
    if (!links.isEmpty()) text += QStringLiteral("\n以下符号链接未打包：\n") + links.join(u'\n');
    dialogs().info(text);
}

} // namespace mf
