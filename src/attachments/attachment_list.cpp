#include "attachments/attachment_list.h"

#include "attachments/list_document.h"
#include "attachments/package_builder.h"
#include "attachments/package_files.h"
#include "core/app_state.h"
#include "core/shell.h"
#include "core/work_lists.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/vb.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <vector>

namespace mf {

namespace {

const QString kAppTitle = QStringLiteral("岩契录件");

void reportMissingList() { dialogs().message(kAppTitle, QStringLiteral("XML文件不存在"), MsgIcon::None); }

// Opens the working copy of CurrentKind; shows "XML文件不存在" when it cannot.
bool openList(ListDocument& doc) {
    const QString path = workListPath(state().CurrentKind);
    if (path.isEmpty() || !doc.load(path)) {
        reportMissingList();
        return false;
    }
    return true;
}

void markChanged() {
    const int k = state().CurrentKind;
    if (isKind(k)) state().KindChanged[k] = true;
    shell().SetToolbarButtonState(QStringLiteral("SAVE"), true);
}

// Writes the working copy; a list that could not be written says why and leaves the form
// as it was.
bool commit(const ListDocument& doc) {
    QString reason;
    if (!doc.save(workListPath(state().CurrentKind), &reason)) {
        dialogs().error(QStringLiteral("文件保存失败：") + reason);
        return false;
    }
    markChanged();
    return true;
}

} // namespace

QString templatePath(int kind) {
    if (!isKind(kind)) return QString();
    const QString dir = state().DataPath + QStringLiteral("/xmlmb");
    const QString name = kindMarker(kind) + QStringLiteral(".xml");
    const QString found = fs::findInDir(dir, name);
    return found.isEmpty() ? dir + QLatin1Char('/') + name : found;
}

QString workListPath(int kind) {
    const QString canonical = workXmlPath(kind);
    if (canonical.isEmpty()) return canonical;
    // A list written by another program may carry another case of the extension.
    const QFileInfo info(canonical);
    const QString found = fs::findInDir(info.absolutePath(), info.fileName());
    return found.isEmpty() ? canonical : found;
}

bool EnsureWorkXml(QString* error) {
    const int k = state().CurrentKind;
    if (!isKind(k) || state().KindTempDir[k].isEmpty()) return false;
    fs::makeDirPath(state().KindTempDir[k]);
    const QString work = workListPath(k);
    if (QFileInfo::exists(work)) return true;
    // A list started from the template belongs to no package.
    KindPackageSource(k).clear();
    // A new file of our own, not the template's permissions: an installed read-only
    // template must not give a working list that refuses every change.
    return copyFileAtomic(templatePath(k), work, error);
}

bool RestartWorkXml(int kind) {
    if (!isKind(kind) || state().KindTempDir[kind].isEmpty()) return false;
    KindPackageSource(kind).clear();
    // A working list that is the template already stays as it is.
    const QString work = workListPath(kind);
    QFile current(work), tmpl(templatePath(kind));
    if (isPlainFile(work) && current.open(QIODevice::ReadOnly) && tmpl.open(QIODevice::ReadOnly) &&
        current.size() == tmpl.size() && current.readAll() == tmpl.readAll())
        return true;
    current.close();
    QFile::remove(work);
    DeleteWorkXml(kind);
    fs::makeDirPath(state().KindTempDir[kind]);
    return copyFileAtomic(templatePath(kind), workXmlPath(kind));
}

bool loadMaterials(QList<AttachmentMaterial>* out) {
    out->clear();
    QString why;
    if (!fs::fileExists(workListPath(state().CurrentKind)) && !EnsureWorkXml(&why) && !why.isEmpty() &&
        fs::fileExists(templatePath(state().CurrentKind))) {
        // The work area cannot be written: said now, before a document seems attached.
        dialogs().error(QStringLiteral("文件保存失败：") + why);
        return false;
    }
    ListDocument doc;
    if (!openList(doc)) return false;
    for (const pugi::xpath_node& m : doc.materials()) {
        const pugi::xml_node n = m.node();
        out->append({QString::fromUtf8(n.attribute("fjid").value()), nodeText(n, ".//fjxh"), nodeText(n, ".//fjmc"),
                     nodeText(n, ".//dzjs"), nodeText(n, ".//fjms")});
    }
    return true;
}

bool ShowAttachmentDescription(const QString& fjid, QString* description) {
    ListDocument doc;
    if (!openList(doc)) return false;
    const pugi::xml_node m = findMaterial(doc, fjid);
    if (!m) return false;
    *description = nodeText(m, ".//fjms");
    return true;
}

bool loadFileEntries(const QString& fjid, QList<AttachmentFile>* out) {
    out->clear();
    ListDocument doc;
    if (!openList(doc)) return false;
    for (const pugi::xpath_node& f : fileEntries(findMaterial(doc, fjid))) {
        const pugi::xml_node n = f.node();
        out->append({nodeText(n, ".//fileXh"), nodeText(n, ".//fileName"), nodeText(n, ".//fileTitle"),
                      nodeText(n, ".//fileUrl")});
    }
    return true;
}

bool GetFileUrlByXh(const QString& fjid, const QString& fileXh, QString* url) {
    ListDocument doc;
    if (!openList(doc)) return false;
    const pugi::xml_node e = findEntry(findMaterial(doc, fjid), fileXh);
    if (!e) return false;
    *url = nodeText(e, ".//fileUrl");
    return true;
}

int RecountElectronicFiles(const QString& fjid) {
    ListDocument doc;
    if (!openList(doc)) return 0;
    const pugi::xml_node m = findMaterial(doc, fjid);
    int count = 0;
    for (const pugi::xpath_node& f : fileEntries(m))
        if (!nodeText(f.node(), ".//fileUrl").isEmpty()) ++count;
    setNodeText(m, ".//dzjs", QString::number(count));
    commit(doc);
    return count;
}

bool HasElectronicFiles() {
    ListDocument doc;
    if (!openList(doc)) return false;
    const pugi::xml_node o = doc.offer();
    if (!o) return false;
    for (const pugi::xpath_node& d : o.select_nodes(".//attachments//attachment//dzjs"))
        if (vb::val(QString::fromUtf8(d.node().text().get())) > 0) return true;
    return false;
}

bool SetFileUrl(const QString& fjid, const QString& fileXh, const QString& path) {
    ListDocument doc;
    if (!openList(doc)) return false;
    setNodeText(findEntry(findMaterial(doc, fjid), fileXh), ".//fileUrl", path);
    return commit(doc);
}

void SetFileTitle(const QString& fjid, const QString& fileXh, const QString& title) {
    ListDocument doc;
    if (!openList(doc)) return;
    setNodeText(findEntry(findMaterial(doc, fjid), fileXh), ".//fileTitle", title);
    commit(doc);
}

void AppendFileEntry(const QString& fjid, const QString& n, const QString& fileName, const QString& fileTitle) {
    ListDocument doc;
    if (!openList(doc)) return;
    pugi::xml_node m = findMaterial(doc, fjid);
    if (m) {
        pugi::xml_node list = m.select_node(".//fileList").node();
        // A material without a list gets one, so that the row the window shows is kept.
        if (!list) list = m.append_child("fileList");
        pugi::xml_node file = list.append_child("file");
        auto add = [&](const char* name, const char* title, const QString& text) {
            pugi::xml_node c = file.append_child(name);
            c.append_attribute("title") = title;
            if (!text.isEmpty()) c.text().set(text.toUtf8().constData());
        };
        add("fileXh", "文件序号", n);
        add("fileName", "文件标准文件名", fileName);
        add("fileTitle", "文件标题", fileTitle);
        add("fileUrl", "文件路径", QString());
    }
    commit(doc);
}

void RemoveFileEntry(const QString& fjid, const QString& number) {
    ListDocument doc;
    if (!openList(doc)) return;
    const QByteArray id = fjid.toUtf8();
    const double removed = vb::val(number);
    // Entries are removed after the walk over every material of that id: an entry may hold
    // others, even a material of the same id, which the walk still reaches.
    std::vector<pugi::xml_node> gone;
    for (const pugi::xpath_node& mn : doc.materials()) {
        pugi::xml_node m = mn.node();
        if (id != m.attribute("fjid").value()) continue;
        pugi::xml_node list = m.select_node(".//fileList").node();
        if (!list) continue;
        for (const pugi::xpath_node& fn : list.select_nodes(".//file")) {
            pugi::xml_node f = fn.node();
            const QString k = nodeText(f, ".//fileXh");
            if (k == number) {
                gone.push_back(f);
                continue;
            }
            const double v = vb::val(k);
            // A number that is no row of the grid keeps its text.
            const std::optional<qint32> n = vb::toInt32(v < removed ? v : v - 1);
            const QString renumbered = n ? QString::number(*n) : k;
            setNodeText(f, ".//fileXh", renumbered);
            setNodeText(f, ".//fileName", kAddedDocumentName + renumbered);
            setNodeText(f, ".//fileTitle", kAddedDocumentName + renumbered);
        }
    }
    auto insideGone = [&gone](pugi::xml_node f) {
        for (pugi::xml_node a = f.parent(); a; a = a.parent())
            if (std::find(gone.begin(), gone.end(), a) != gone.end()) return true;
        return false;
    };
    std::vector<pugi::xml_node> outermost;
    for (const pugi::xml_node& f : gone)
        if (!insideGone(f) && std::find(outermost.begin(), outermost.end(), f) == outermost.end()) outermost.push_back(f);
    for (pugi::xml_node f : outermost) f.parent().remove_child(f);
    commit(doc);
}

} // namespace mf
