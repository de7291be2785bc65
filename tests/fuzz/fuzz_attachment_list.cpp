// Fuzzes the attachment-list reader with arbitrary list bytes: first as the list of a
// package being opened, then as the kind's working list under the operations of the
// attachment window, and last as the list a save packages. Whatever loads must save into a
// list that loads again the same, opening must never write into the package nor keep a
// path that is not a document of the package, no operation may leave an unreadable list,
// and building a package must touch nothing outside its own folder.
#include "fuzz_common.h"

#include "attachments/attachment_list.h"
#include "attachments/list_document.h"
#include "attachments/package_builder.h"
#include "attachments/package_files.h"
#include "attachments/package_reader.h"
#include "core/app_state.h"
#include "core/work_lists.h"
#include "platform/fs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

using namespace mf;

namespace {

class CountingDialogs : public Dialogs {
public:
    int messages = 0;
    int missingList = 0;
    MsgAnswer message(const QString&, const QString& text, MsgIcon, MsgButtons) override {
        ++messages;
        if (text == QStringLiteral("XML文件不存在")) ++missingList;
        return MsgAnswer::No;
    }
    FileDialogResult openFile(const FileDialogRequest&) override { return {}; }
    FileDialogResult saveFile(const FileDialogRequest&) override { return {}; }
};

CountingDialogs& counting() {
    static CountingDialogs d;
    return d;
}

bool put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file and folder below dir with its content, to see that nothing changed.
QByteArray snapshot(const QString& dir) {
    QByteArray out;
    QStringList names;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) names << it.next();
    names.sort();
    for (const QString& n : names) {
        out += n.toUtf8() + '\0';
        if (QFileInfo(n).isFile()) out += get(n) + '\0';
    }
    return out;
}

struct Fixture {
    QString base, package, packageList, saved, work;
    QByteArray packageBefore;

    Fixture() {
        base = fuzz::makeScratchFolder("fuzz_attach_");
        package = base + QStringLiteral("/in/pkg/");
        packageList = package + QStringLiteral("VOREL.xck");
        saved = base + QStringLiteral("/out/x.txt");
        state().reset();
        state().DataPath = base;
        state().CurrentKind = 1;
        for (int k = 1; k <= kKindCount; ++k) {
            state().KindMarker[k] = kindMarker(k);
            state().KindTempDir[k] = base + QStringLiteral("/tempZip/") + kindMarker(k) + u'/';
        }
        work = workXmlPath(1);
        put(package + QStringLiteral("营业执照/营业执照1.jpg"), "jpg");
        put(package + QStringLiteral("其他材料/其他新增材料1.pdf"), "pdf");
        put(package + QStringLiteral("采矿权申请登记书.txt"), "text");
        put(base + QStringLiteral("/in/outside.jpg"), "outside");
        put(base + QStringLiteral("/secret.jpg"), "secret");
        packageBefore = snapshot(package);
    }
    ~Fixture() { QDir(base).removeRecursively(); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// Resolving a list and resolving its result again: the second pass finds nothing to
// report and changes nothing.
QByteArray resolve(const Fixture& fx, const QByteArray& list, QString* name) {
    if (!put(fx.packageList, list)) fuzz::fail("cannot write the package list");
    QByteArray resolved;
    bool loaded = false;
    *name = ResolvePackageXml(fx.packageList, &resolved, &loaded);
    if (!loaded) fuzz::fail("a list that loads was refused on opening");
    if (get(fx.packageList) != list) fuzz::fail("opening wrote into the package");
    return resolved;
}

void checkResolved(const Fixture& fx, const QByteArray& resolved) {
    ListDocument doc;
    if (!doc.loadBytes(resolved)) fuzz::fail("resolved list does not load");
    for (const pugi::xpath_node& m : doc.materials()) {
        const QString fjmc = nodeText(m.node(), ".//fjmc");
        for (const pugi::xpath_node& f : fileEntries(m.node())) {
            const QString url = nodeText(f.node(), ".//fileUrl");
            if (url.isEmpty()) continue;
            if (!url.startsWith(kLocalPrefix)) fuzz::fail("an opened list keeps a path outside the package");
            const QString rel = url.mid(kLocalPrefix.size());
            if (!isSafeComponent(rel)) fuzz::fail("an opened list keeps an unsafe name");
            if (!isSafeComponent(fjmc)) fuzz::fail("an opened list keeps a document of an unsafe material");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fixture& fx = fixture();
    setDialogs(&counting());
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // The reader and writer: a list that loads saves into one that loads to the same.
    if (!put(fx.packageList, bytes)) fuzz::fail("cannot write the package list");
    ListDocument first;
    if (!first.load(fx.packageList)) return 0;
    const QByteArray once = first.bytes();
    ListDocument second;
    if (!second.loadBytes(once)) fuzz::fail("a saved list does not load again");
    if (second.bytes() != once) fuzz::fail("saving a loaded list changes it");

    // Opening it as a package list.
    QString name;
    const QByteArray resolved = resolve(fx, bytes, &name);
    if (!name.isEmpty() && !isSafeComponent(name)) fuzz::fail("unsafe application copy name");
    checkResolved(fx, resolved);
    counting().messages = 0;
    QString again;
    if (resolve(fx, resolved, &again) != resolved) fuzz::fail("resolving twice differs");
    if (counting().messages != 0) fuzz::fail("resolving a resolved list reports something");
    if (again != name) fuzz::fail("resolving twice names another copy");
    QFile::remove(fx.packageList);

    // The resolved list as the kind's working list, under the window's operations.
    QDir(state().KindTempDir[1]).removeRecursively();
    if (!adoptPackageList(1, fx.package, resolved)) fuzz::fail("cannot adopt the list");
    counting().missingList = 0;
    QList<AttachmentMaterial> materials;
    loadMaterials(&materials);
    int visited = 0;
    for (const AttachmentMaterial& m : std::as_const(materials)) {
        if (++visited > 8) break;
        QString text;
        ShowAttachmentDescription(m.fjid, &text);
        QList<AttachmentFile> files;
        loadFileEntries(m.fjid, &files);
        for (const AttachmentFile& f : std::as_const(files).mid(0, 4)) GetFileUrlByXh(m.fjid, f.fileXh, &text);
        if (!files.isEmpty()) {
            SetFileTitle(m.fjid, files.first().fileXh, QStringLiteral("标题<&>\"'"));
            SetFileUrl(m.fjid, files.first().fileXh, fx.base + QStringLiteral("/in/outside.jpg"));
        }
        RecountElectronicFiles(m.fjid);
        AppendFileEntry(m.fjid, QString::number(files.size() + 1), QStringLiteral("其他新增材料9"),
                        QStringLiteral("其他新增材料9"));
        RemoveFileEntry(m.fjid, QStringLiteral("1"));
    }
    HasElectronicFiles();
    if (counting().missingList != 0) fuzz::fail("an operation left an unreadable working list");
    ListDocument working;
    if (!working.load(fx.work)) fuzz::fail("working list unreadable after the operations");

    // A save packages the working list: only its own folder changes.
    put(fx.saved, "text");
    const QByteArray inBefore = snapshot(fx.base + QStringLiteral("/in"));
    const QByteArray secretBefore = get(fx.base + QStringLiteral("/secret.jpg"));
    QStringList named;   // files a save says it left where they were
    for (const PackageReport& r : {BuildPackage(QString(), fx.saved), BuildPackage(fx.package + "采矿权申请登记书.txt", fx.saved)})
        named << r.kept << r.leftOver;
    if (snapshot(fx.base + QStringLiteral("/in")) != inBefore) fuzz::fail("a save changed another folder");
    if (get(fx.base + QStringLiteral("/secret.jpg")) != secretBefore) fuzz::fail("a save changed a file outside");
    const QStringList outEntries = QDir(fx.base + QStringLiteral("/out")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& e : outEntries)
        // An old package stays beside the new one only for a user's file the save names in it.
        if (e != QStringLiteral("x.txt") && e != QStringLiteral("x") && !named.join(u'\n').contains(fx.base + "/out/" + e + u'/'))
            fuzz::fail("a save wrote beside its package without naming it");
    if (get(fx.saved) != "text") fuzz::fail("a save changed the saved file");
    QDir(fx.base + QStringLiteral("/out")).removeRecursively();
    KindPackageSource(1).clear();
    if (snapshot(fx.package) != fx.packageBefore) fuzz::fail("the opened package changed");
    return 0;
}
