#include "core/ui/commands.h"

#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/exchange_xml.h"
#include "core/field_access.h"
#include "core/field_match.h"
#include "core/kind_file.h"
#include "attachments/attachment_list.h"
#include "attachments/package_builder.h"
#include "attachments/package_files.h"
#include "attachments/package_reader.h"
#include "attachments/submission_save.h"
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

#include <QDateTime>
#include <QHash>
#include <QSet>
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

// The package list of a loaded file's own package of the kind; "" when it has none.
QString ownPackageList(const QString& file, int kind) {
    const QString folder = packageFolderFor(file, kind);
    if (folder.isEmpty() || !isPackageFolder(folder, kind)) return QString();
    return fs::findInDir(folder, kPackageListName);
}

// Once a file is loaded into the editor of the kind, the kind's working attachment list
// becomes the list of that file's package, checked now (after any save that the load's
// question made), or the kind's template when the file has no package: nothing of the
// former application's documents stays with the new file. A package list that can no
// longer be read leaves no working list, so that a save leaves that package alone.
void bindWorkingList(int kind, const QString& list) {
    if (list.isEmpty()) {
        RestartWorkXml(kind);
        return;
    }
    bool listLoaded = false;
    QByteArray resolved;
    ResolvePackageXml(list, &resolved, &listLoaded);
    if (listLoaded) {
        adoptList(kind, list, resolved);
    } else {
        DeleteWorkXml(kind);
        KindPackageSource(kind).clear();
    }
}

// The kind's work is newer than what its package holds: the form counts as changed, so the
// next save brings the package up to date.
void markChanged(TabMain* main, int kind) {
    state().KindChanged[kind] = true;
    main->SetToolbarButtonState(QStringLiteral("SAVE"), true);
}

// One application of a package as the question before opening shows it: its file and the
// values read from it.
struct Application {
    QString path;
    bool read = false;                // read as a submission file of the kind
    QHash<QString, QString> values;   // by field name; the boundary and check boxes by keys of their own
    QString value(std::initializer_list<const char*> names) const {
        for (const char* n : names)
            if (values.contains(QString::fromUtf8(n))) return values.value(QString::fromUtf8(n));
        return QString();
    }
};

// Boxes of a reader that only looks: the load that follows shows them.
class QuietDialogs : public Dialogs {
public:
    QuietDialogs() : shown_(installedDialogs()) { setDialogs(this); }
    ~QuietDialogs() override { setDialogs(shown_); }
    MsgAnswer message(const QString&, const QString&, MsgIcon, MsgButtons) override { return MsgAnswer::No; }
    FileDialogResult openFile(const FileDialogRequest&) override { return {}; }
    FileDialogResult saveFile(const FileDialogRequest&) override { return {}; }

private:
    Dialogs* shown_;
};

Application readApplication(const QString& path, int kind) {
    Application a;
    a.path = path;
    if (!isPlainFile(path)) return a;
    const QuietDialogs quiet;
    FormValues v;
    const Dictionary& dict = dictionary();
    const bool ok = hasExtension(path, "xml") ? ReadExchangeXml(path, dict.xmlNameMap(kind), &v)
                                              : ReadTextSubmission(path, dict.textKeyMap(kind), &v);
    a.read = ok && v.kind == kind;
    for (const FieldValue& f : v.fields) a.values.insert(f.fieldName, f.value);
    // A boundary without points is written as "0," in a text file and left out of an XML file.
    if (v.boundary && *v.boundary != QStringLiteral("0,")) a.values.insert(QStringLiteral(":boundary"), *v.boundary);
    if (v.checkTogether) a.values.insert(QStringLiteral(":together"), *v.checkTogether ? QStringLiteral("1") : QString());
    if (v.changeTypes) a.values.insert(QStringLiteral(":changes"), *v.changeTypes);
    return a;
}

// True when both files hold the same application: the same bytes for two text files, the
// same values for an exchange XML file and the package's text copy.
bool sameApplication(const Application& a, const Application& b) {
    if (!hasExtension(a.path, "xml") && !hasExtension(b.path, "xml")) return sameContent(a.path, b.path);
    QSet<QString> keys;
    for (const Application* x : {&a, &b})
        for (auto it = x->values.cbegin(); it != x->values.cend(); ++it) keys.insert(it.key());
    for (const QString& k : std::as_const(keys))
        if (a.values.value(k) != b.values.value(k)) return false;
    return true;
}

// When the file beside a package and the package's copy differ: which of the two to open.
// The question names both with their times, applicants and mine names; its default (是)
// opens the file the user chose. True when the chosen one is to be opened.
bool askOpenChosen(const Application& beside, const Application& copy, bool besideChosen) {
    const QDateTime tb = QFileInfo(beside.path).lastModified(), tc = QFileInfo(copy.path).lastModified();
    auto line = [](const Application& a, const QDateTime& t, bool newer) {
        return QDir::toNativeSeparators(a.path) + QStringLiteral("（修改于 ") +
               t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + (newer ? QStringLiteral("，较新）") : QStringLiteral("）")) +
               QStringLiteral("\n    申请人：") + a.value({"申请人", "转让申请人"}) + QStringLiteral("　矿山名称：") +
               a.value({"矿山名称", "矿区名称"}) + u'\n';
    };
    const Application& chosen = besideChosen ? beside : copy;
    const Application& other = besideChosen ? copy : beside;
    const QString text = QStringLiteral("[") + QFileInfo(beside.path).fileName() +
                         QStringLiteral("] 与报盘包中的申请文件不同：\n") + line(beside, tb, tb > tc) +
                         line(copy, tc, tc > tb) + QStringLiteral("是否打开所选的文件 ") +
                         QDir::toNativeSeparators(chosen.path) + QStringLiteral("？\n选“否”则打开 ") +
                         QDir::toNativeSeparators(other.path) +
                         QStringLiteral("。\n打开的文件带报盘包中的附件，另一个文件不作改动。");
    return dialogs().askYesNoRequired(text);
}

// The package steps: p is the package list, given the path the user chose.
void openPackage(TabMain* main, const QString& given, const QString& list) {
    AppState& st = state();
    bool listLoaded = false;
    const QString name = PackageTextName(list, &listLoaded);
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
    st.PendingFile.clear();
    if (!isKind(kind)) return;
    // Unsaved changes of the kind's editor come first: their save may rewrite this package
    // and the file beside it, and what is loaded is decided on the files as they are after it.
    if (!main->settleChanges(kind)) return;

    // The application file beside the folder (X.txt, else X.xml) becomes the kind's file when
    // it holds the package's application, so that the next save rewrites it and rebuilds the
    // same package; where there is none, the package's copy is put there (not on a read-only
    // file or medium). When the two differ, the user says which one to open (the one she
    // chose by default): that one gets the package's documents and counts as changed, the
    // other is not touched. Nothing is written when the load did not happen.
    const QFileInfo folderInfo(folder);
    const QString stem = folderInfo.absolutePath() + QLatin1Char('/') + folderInfo.fileName();
    QString beside = fs::findInDir(folderInfo.absolutePath(), folderInfo.fileName() + QStringLiteral(".txt"));
    if (beside.isEmpty()) beside = fs::findInDir(folderInfo.absolutePath(), folderInfo.fileName() + QStringLiteral(".xml"));
    if (beside.isEmpty()) beside = stem + QStringLiteral(".txt");
    const bool writable = QFileInfo(given).isWritable();
    const bool besideFile = entryExists(beside) && !isPlainDir(beside);
    const Application other = besideFile ? readApplication(beside, kind) : Application{};
    Application copy;
    copy.path = src;
    if (other.read) copy = readApplication(src, kind);
    const bool same = other.read && sameApplication(other, copy);
    const bool besideChosen = QFileInfo(given) == QFileInfo(beside);
    bool loadBeside = same && (writable || besideChosen);
    const bool asked = other.read && copy.read && !same;
    if (asked) loadBeside = askOpenChosen(other, copy, besideChosen) == besideChosen;
    if (!handToEditor(main, kind, loadBeside ? beside : src)) return;

    QString loadPath = loadBeside ? beside : src;
    if (!loadBeside && !besideFile && writable && copyFileAtomic(src, beside)) {
        loadPath = beside;
        setKindFile(kind, beside);
        main->setFileText(beside);
    }

    if (kind == 2) ReadApplyType(hasExtension(loadPath, "xml") ? src : loadPath);
    bindWorkingList(kind, list);
    if (asked) markChanged(main, kind);
}

// X.xml beside its package folder X: the XML itself is loaded (the package's text copy never
// replaces it) and the package's checked list becomes the working list, so that the next
// save rebuilds the package from its own documents. A list that cannot be read stops the
// open, as for a text file. When the XML and the package's copy hold different
// applications, the user says which one to open (the XML by default); that one gets the
// package's documents and counts as changed.
void openXmlWithPackage(TabMain* main, const QString& xml, const QString& list) {
    AppState& st = state();
    bool listLoaded = false;
    PackageTextName(list, &listLoaded);
    if (!listLoaded) return;  // "XML文件不存在" has been shown
    if (!fs::fileExists(xml)) {
        dialogs().error(kReadError);
        return;
    }
    st.PendingFile = xml;
    const int kind = GetXmlFileKind(xml);
    st.PendingFile.clear();
    if (!isKind(kind) || !main->settleChanges(kind)) return;
    // A folder that is no package of the loaded kind is left alone by every save.
    const QString own = ownPackageList(xml, kind);
    const QString copy = own.isEmpty() ? QString() : fs::findInDir(DirOfPath(own), KindTextFileName(kind));
    const Application x = own.isEmpty() ? Application{} : readApplication(xml, kind);
    const Application c = x.read ? readApplication(copy, kind) : Application{};
    const bool asked = x.read && c.read && !sameApplication(x, c);
    const bool loadXml = !asked || askOpenChosen(x, c, true);
    if (!handToEditor(main, kind, loadXml ? xml : copy)) return;
    bindWorkingList(kind, own);
    if (own.isEmpty()) return;
    if (kind == 2) ReadApplyType(copy);
    if (asked) markChanged(main, kind);
}

} // namespace

bool saveKind(TabMain* main, int kind, SaveFormat format) {
    if (!main || !isKind(kind)) return false;
    EditorWindow* form = main->editor(kind);
    if (!form || !ValidateCurrentForm(form)) return false;

    AppState& st = state();
    // A kind the dictionary holds no field of would be saved empty.
    if (const QString none = kindWithoutFields(kind); !none.isEmpty()) {
        dialogs().error(none + QStringLiteral("，不能保存"));
        return false;
    }
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
        if (QFileInfo::exists(path) &&
            !dialogs().askYesNo(QStringLiteral("文件已经存在,是否覆盖?") + replacedPackageNote(current, path)))
            return false;
        st.PendingFile = path;
    }

    // Keys of that file the dictionary does not know, and fields of the form it gives no key,
    // go only when the user says so; 否 keeps the file as it is and the form changed.
    if (!confirmDroppingUnknownKeys(kind, st.PendingFile) || !confirmLeavingOutFields(*form)) {
        st.PendingFile.clear();
        return false;
    }

    // Another program saving the same file is waited for; the file and its package are then
    // written by this save alone. A change that program made to the kind's file since this
    // one read or wrote it is replaced only when the user says so.
    auto lock = lockForSave(kind, st.PendingFile);
    if (!lock) {
        st.PendingFile.clear();
        main->setActivityText(remembered);
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
    setKindFile(kind, st.PendingFile);
    st.KindUnknownKeys[kind].clear();
    lock.reset();
    main->setFileText(st.KindFilePath[kind]);
    st.PendingFile.clear();
    // A package that was not brought up to date keeps the form marked changed.
    st.KindChanged[kind] = packageLeftStale(package);
    main->SetToolbarButtonState(QStringLiteral("SAVE"), st.KindChanged[kind]);
    // A package that could not be updated or lacks a document says in its one message that the
    // file was saved; a plain success is shown only where the package is whole.
    reportPackage(package, QStringLiteral("报盘文件保存成功..."));
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
    if (hasExtension(p, "txt") || hasExtension(p, "xml")) {
        // A package of the file can only have come from the save that the load's question made.
        if (const int kind = LoadFileIntoForm(main, p)) bindWorkingList(kind, ownPackageList(p, kind));
    }
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
