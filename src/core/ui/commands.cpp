#include "core/ui/commands.h"

#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/exchange_xml.h"
#include "core/field_access.h"
#include "attachments/package_builder.h"
#include "attachments/package_files.h"
#include "attachments/package_reader.h"
#include "attachments/ui/frm_fjgl.h"
#include "core/text_submission.h"
#include "core/ui/main_window.h"
#include "platform/ui/printer_setup.h"
#include "platform/ui/program_printer.h"
#include "printing/ui/editor_printable_form.h"
#include "printing/ui/frm_print_select.h"
#include "printing/ui/qt_printer.h"
#include "core/validation.h"
#include "core/work_lists.h"
#include "forms/ui/editor_window.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/pdf_file.h"
#include "platform/save_lock.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QPushButton>

namespace mf::commands {

namespace {

const QString kAppTitle = QStringLiteral("岩契录件");
const QString kReadError = QStringLiteral("文件格式不正确,提取数据不完整...");

bool hasExtension(const QString& path, const char* ext) {
    return fs::sameName(fs::extension(path), QString::fromLatin1(ext));
}

// True when both are plain files (not links) with the same bytes.
bool sameContent(const QString& a, const QString& b) {
    if (!isPlainFile(a) || !isPlainFile(b) || QFileInfo(a).size() != QFileInfo(b).size()) return false;
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly)) return false;
    while (!fa.atEnd()) {
        const QByteArray x = fa.read(1 << 20), y = fb.read(1 << 20);
        if (x != y || x.isEmpty()) return x == y;
    }
    return fb.atEnd();
}

// Hands a file whose kind is settled to the editor of that kind, which loads it at once.
int handToEditor(TabMain* main, int kind, const QString& path) {
    state().PendingFile = path;
    const bool loaded = main->loadPendingFile(kind);
    state().PendingFile.clear();
    return loaded ? kind : 0;
}

// The checked list becomes the working attachment list of the kind; the package itself is
// not written.
void adoptList(int kind, const QString& list, const QByteArray& resolved) {
    QString reason;
    if (!adoptPackageList(kind, DirOfPath(list), resolved, &reason) && !reason.isEmpty())
        dialogs().error(QStringLiteral("文件保存失败：") + reason);
}

// The package steps: p is the package list, given the path the user chose.
void openPackage(TabMain* main, const QString& given, const QString& list) {
    AppState& st = state();
    bool listLoaded = false;
    QByteArray resolved;
    const QString name = ResolvePackageXml(list, &resolved, &listLoaded);
    if (!listLoaded) return;  // "XML文件不存在" has been shown

    QString folder = DirOfPath(list);
    folder.chop(1);
    // A linked text copy counts as missing: no link inside a package is followed.
    const QString src = name.isEmpty() ? QString() : fs::findInDir(folder, name + QStringLiteral(".txt"));
    if (src.isEmpty() || !isPlainFile(src) || !fs::fileExists(src)) {
        dialogs().error(kReadError);
        return;
    }

    // The kind is settled on the package's own copy before anything is written.
    st.PendingFile = src;
    const int kind = ReadTextFileKind(src);
    if (!isKind(kind)) {
        st.PendingFile.clear();
        return;
    }

    if (!handToEditor(main, kind, src)) return;

    // Once loaded, the application text file beside the folder takes the package's copy
    // and becomes the kind's file, so that the next save rewrites it and rebuilds the same
    // package. A different file already there is replaced only when the user says so;
    // otherwise, or where it cannot be written (a read-only file or medium), the kind's
    // file stays the copy inside the package. Nothing is written when the load did not happen.
    const QFileInfo folderInfo(folder);
    const QString besideName = folderInfo.fileName() + QStringLiteral(".txt");
    QString beside = fs::findInDir(folderInfo.absolutePath(), besideName);
    if (beside.isEmpty()) beside = folderInfo.absolutePath() + QLatin1Char('/') + besideName;
    QString loadPath = src;
    bool replace = QFileInfo(given).isWritable();
    if (replace && entryExists(beside) && !isPlainDir(beside) && !sameContent(beside, src))
        replace = dialogs().askYesNo(QStringLiteral("[") + QFileInfo(beside).fileName() +
                                     QStringLiteral("] 已存在且与报盘包中的申请文件不同，是否用报盘包中的文件替换？"));
    if (replace && copyFileAtomic(src, beside)) {
        loadPath = beside;
        st.KindFilePath[kind] = beside;
        main->setFileText(beside);
    }

    if (kind == 2) ReadApplyType(loadPath);
    adoptList(kind, list, resolved);
}

// X.xml beside its package folder X: the XML itself is loaded (the package's text copy never
// replaces it) and the package's checked list becomes the working list, so that the next
// save rebuilds the package from its own documents. A list that cannot be read stops the
// open, as for a text file.
void openXmlWithPackage(TabMain* main, const QString& xml, const QString& list) {
    bool listLoaded = false;
    QByteArray resolved;
    ResolvePackageXml(list, &resolved, &listLoaded);
    if (!listLoaded) return;  // "XML文件不存在" has been shown
    const int kind = LoadFileIntoForm(main, xml);
    // A folder that is no package of the loaded kind is left alone by every save.
    if (!kind || !isPackageFolder(DirOfPath(list), kind)) return;
    if (kind == 2) ReadApplyType(DirOfPath(list) + KindTextFileName(kind));
    adoptList(kind, list, resolved);
}

} // namespace

bool saveKind(TabMain* main, int kind, SaveFormat format) {
    if (!main || !isKind(kind)) return false;
    EditorWindow* form = main->editor(kind);
    if (!form || !ValidateCurrentForm(form)) return false;

    AppState& st = state();
    const bool text = format == SaveFormat::Text;
    const char* type = text ? "txt" : "xml";
    const QString remembered = main->activityText();

    // A file left for an editor's activation is never the target.
    st.PendingFile.clear();
    const QString current = st.KindFilePath[kind];
    if (!current.isEmpty() && fs::fileExists(current) && hasExtension(current, type)) {
        if (dialogs().askYesNo(QStringLiteral("是否覆盖当前文件内容?"))) st.PendingFile = current;
    }
    if (st.PendingFile.isEmpty()) {
        FileDialogRequest req;
        req.title = QStringLiteral("保存");
        req.filters = {text ? QStringLiteral("报盘文本文件(*.txt)") : QStringLiteral("交换标准文件(*.xml)")};
        main->setActivityText(QStringLiteral("形成岩勘录件文件..."));
        const FileDialogResult r = dialogs().saveFile(req);
        main->setActivityText(remembered);
        if (!r.accepted || r.path.isEmpty()) return false;
        QString path = r.path;
        // The file always carries the command's extension, so it can be opened again and
        // its package folder never collides with it.
        if (!hasExtension(path, type)) path += QLatin1Char('.') + QString::fromLatin1(type);
        // A folder of that name is never offered for overwriting.
        if (const QString refusal = targetRefusal(path); !refusal.isEmpty()) {
            dialogs().error(QStringLiteral("文件保存失败：") + refusal);
            return false;
        }
        if (QFileInfo::exists(path) && !dialogs().askYesNo(QStringLiteral("文件已经存在,是否覆盖?")))
            return false;
        st.PendingFile = path;
    }

    // Another program saving the same file is waited for; the file and its package are then
    // written by this save alone.
    auto lock = std::make_unique<SaveLock>(st.PendingFile);
    if (!lock->acquired()) {
        st.PendingFile.clear();
        main->setActivityText(remembered);
        dialogs().error(lock->message());
        return false;
    }
    const FormValues values = collectFormValues(*form);
    const Dictionary& dict = dictionary();
    QString reason;
    const bool written = text ? WriteTextSubmission(st.PendingFile, values, dict.textKeyMap(kind), &reason)
                              : WriteExchangeXml(st.PendingFile, values, dict.xmlNameMap(kind), &reason);
    if (!written) {
        st.PendingFile.clear();
        main->setActivityText(remembered);
        dialogs().error(QStringLiteral("文件保存失败：") + reason);
        return false;
    }

    // The package always holds a submission text file, also after an XML save.
    ApplicationCopyWriter textCopy;
    if (!text)
        textCopy = [&values, &dict, kind](const QString& copy, QString* why) {
            return WriteTextSubmission(copy, values, dict.textKeyMap(kind), why);
        };
    const PackageReport package = BuildPackage(current, st.PendingFile, textCopy);
    lock.reset();
    st.KindFilePath[kind] = st.PendingFile;
    main->setFileText(st.KindFilePath[kind]);
    st.PendingFile.clear();
    // A package that could not be updated keeps the form marked changed: its copy is stale.
    st.KindChanged[kind] = package.outcome == PackageReport::Outcome::Failed;
    main->SetToolbarButtonState(QStringLiteral("SAVE"), st.KindChanged[kind]);
    // A package that could not be updated says in its one message that the file was saved.
    if (package.outcome != PackageReport::Outcome::Failed) dialogs().info(QStringLiteral("报盘文件保存成功..."));
    reportPackage(package);
    return true;
}

bool SaveText(TabMain* main) { return saveKind(main, state().CurrentKind, SaveFormat::Text); }
bool SaveXmlFile(TabMain* main) { return saveKind(main, state().CurrentKind, SaveFormat::Xml); }

bool SaveForClose(TabMain* main, int kind) {
    if (!isKind(kind)) return false;
    const bool xml = hasExtension(state().KindFilePath[kind], "xml");
    return saveKind(main, kind, xml ? SaveFormat::Xml : SaveFormat::Text);
}

int LoadFileIntoForm(TabMain* main, const QString& path) {
    AppState& st = state();
    if (!main) return 0;
    if (!fs::fileExists(path)) {
        // Gone since it was chosen, or not a readable file.
        dialogs().error(kReadError);
        return 0;
    }
    st.PendingFile = path;
    const int kind = hasExtension(path, "txt") ? ReadTextFileKind(path) : GetXmlFileKind(path);
    if (!isKind(kind)) {
        st.PendingFile.clear();
        return 0;
    }
    return handToEditor(main, kind, path);
}

void OpenSubmissionFile(TabMain* main, const QString& path) {
    if (!main || path.isEmpty()) return;
    // What a save killed while putting the file's package in place left is put right first.
    if ((hasExtension(path, "txt") || hasExtension(path, "xml")) && HasPackageLeftovers(path)) {
        const SaveLock lock(path);
        if (lock.acquired()) RecoverPackage(path);
    }
    QString p = path;
    auto packageList = [](const QString& folder) {
        const QString list = fs::findInDir(folder, QStringLiteral("VOREL.xck"));
        return isPlainFile(list) && isPlainDir(QDir::cleanPath(folder)) ? list : QString();
    };
    if (hasExtension(path, "txt")) {
        // X.txt beside its package folder X opens the package.
        const QString list = packageList(path.left(path.size() - 4));
        if (!list.isEmpty()) p = list;
    }
    if (hasExtension(path, "xml")) {
        // X.xml beside its package folder X opens with that package's list.
        const QString list = packageList(path.left(path.size() - 4));
        if (!list.isEmpty()) return openXmlWithPackage(main, path, list);
    }
    if (hasExtension(p, "txt")) {
        // A text file inside a package folder opens that package.
        const QString dir = DirOfPath(p);
        const QString list = dir.isEmpty() ? QString() : packageList(dir);
        if (!list.isEmpty()) p = list;
    }
    if (hasExtension(p, "txt") || hasExtension(p, "xml"))
        LoadFileIntoForm(main, p);
    else if (hasExtension(p, "xck"))
        openPackage(main, path, p);
    else
        dialogs().message(kAppTitle, QStringLiteral("系统不支持该类型文件，请重新选择！"), MsgIcon::None);
}

void showAttachments(QWidget* parent) {
    auto* main = qobject_cast<TabMain*>(parent);
    const int kind = state().CurrentKind;
    if (!main || !isKind(kind)) return;
    EditorWindow* form = main->editor(kind);
    if (!form) return;
    FrmFjgl window(form, parent);
    window.exec();
}

void printerSetup(QWidget* parent) {
    state().PrinterCount = countPrinters();
    showPrinterSetup(parent);
}

QString proposedPdfName(int kind, const QString& mineName) {
    QString stem = kindPackageTextName(kind);
    stem = stem.left(stem.lastIndexOf(u'.'));
    return pdfFileName(stem, mineName);
}

void showPrintDialog(QWidget* parent) {
    auto* main = qobject_cast<TabMain*>(parent);
    EditorWindow* editor = main ? main->editor(state().CurrentKind) : nullptr;
    if (!editor) return;
    EditorPrintableForm form(*editor);
    QtPrinterPaper paper(programPrinter());
    const QString pdfName = proposedPdfName(state().CurrentKind, form.mineName());
    FrmPrintSelect dlg(form, paper, [pdfName] { return makePrinterTarget(programPrinter(), pdfName); }, parent);
    dlg.exec();
}

} // namespace mf::commands
