#include "attachments/package_reader.h"

#include "attachments/attachment_list.h"
#include "attachments/list_document.h"
#include "attachments/package_builder.h"
#include "attachments/package_files.h"
#include "core/app_state.h"
#include "core/work_lists.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/text_file.h"
#include "platform/vb.h"

namespace mf {

quint8 ApplyType = 0;

namespace {
const QString kAppTitle = QStringLiteral("岩契录件");
}

namespace {

bool loadPackageList(ListDocument& doc, const QString& packageListPath, bool* listLoaded) {
    if (listLoaded) *listLoaded = false;
    if (!isPlainFile(packageListPath) || !doc.load(packageListPath)) {
        dialogs().message(kAppTitle, QStringLiteral("XML文件不存在"), MsgIcon::None);
        return false;
    }
    if (listLoaded) *listLoaded = true;
    return true;
}

QString textNameOf(const ListDocument& doc) {
    const QString name = QString::fromUtf8(doc.offer().first_attribute().next_attribute().value());
    return isSafeComponent(name) ? name : QString();
}

} // namespace

QString PackageTextName(const QString& packageListPath, bool* listLoaded) {
    ListDocument doc;
    return loadPackageList(doc, packageListPath, listLoaded) ? textNameOf(doc) : QString();
}

QString ResolvePackageXml(const QString& packageListPath, QByteArray* resolvedList, bool* listLoaded) {
    ListDocument doc;
    if (!loadPackageList(doc, packageListPath, listLoaded)) return QString();

    const QString folder = DirOfPath(packageListPath);
    for (const pugi::xpath_node& mn : doc.materials()) {
        const pugi::xml_node m = mn.node();
        const QString fjmc = nodeText(m, ".//fjmc");
        // Links are never followed: a linked material folder or document counts as missing.
        const QString D = isSafeComponent(fjmc) ? entryPath(folder, fjmc) : QString();
        const bool folderPresent = !D.isEmpty() && isPlainDir(D);
        int count = 0;
        for (const pugi::xpath_node& fn : fileEntries(m)) {
            const pugi::xml_node f = fn.node();
            const QString url = nodeText(f, ".//fileUrl");
            if (url.isEmpty()) continue;
            QString shown = url;
            QString found;
            if (url.startsWith(kLocalPrefix)) {
                shown = url.mid(kLocalPrefix.size());
                if (folderPresent && isSafeComponent(shown)) found = entryPath(D, shown);
                if (!isPlainFile(found)) found.clear();
            }
            if (!found.isEmpty()) {
                ++count;
                continue;
            }
            dialogs().message(kAppTitle, QStringLiteral("附件：") + shown + QStringLiteral(" 不存在。请重新选择！"),
                              MsgIcon::None);
            setNodeText(f, ".//fileUrl", QString());
        }
        setNodeText(m, ".//dzjs", QString::number(count));
    }
    if (resolvedList) *resolvedList = doc.bytes();
    return textNameOf(doc);
}

bool adoptPackageList(int kind, const QString& packageFolder, const QByteArray& resolvedList,
                      QString* error) {
    const QString work = workXmlPath(kind);
    if (work.isEmpty()) return false;
    fs::makeDirPath(state().KindTempDir[kind]);
    if (!writeFileAtomic(work, resolvedList, error)) return false;
    KindPackageSource(kind) = packageFolder;
    return true;
}

void ReadApplyType(const QString& textPath) {
    const TextReadResult r = readTextLines(textPath);
    if (!r.ok) return;
    for (const QString& line : r.lines) {
        if (!line.contains(QStringLiteral("申请类型"))) continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) return;
        const double v = vb::val(line.mid(eq + 1));
        if (v == 0 || v == 2)
            ApplyType = 2;
        else if (v == 3)
            ApplyType = 6;
        else if (v == 4)
            ApplyType = 5;
        return;
    }
}

QString TextAfterLast(const QString& text, const QString& separator) {
    const qsizetype p = separator.isEmpty() ? -1 : text.lastIndexOf(separator);
    return p < 0 ? text : text.mid(p + separator.size());
}

QString DirOfPath(const QString& path) {
    return path.left(path.size() - TextAfterLast(path, QStringLiteral("/")).size());
}

} // namespace mf
