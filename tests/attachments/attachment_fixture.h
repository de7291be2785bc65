#pragma once
// A work area for one kind's attachment list in a temporary folder, with scripted dialogs
// and a shell that records the save button.
#include "attachments/attachment_list.h"
#include "attachments/list_document.h"
#include "attachments/package_builder.h"
#include "core/app_state.h"
#include "core/shell.h"
#include "core/work_lists.h"
#include "platform/scripted_dialogs.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mf::test {

class RecordingShell : public Shell {
public:
    QStringList calls;
    void SetToolbarButtonState(const QString& key, bool available) override {
        calls << key + (available ? QStringLiteral("=on") : QStringLiteral("=off"));
    }
    bool toolbarButtonAvailable(const QString&) const override { return true; }
    void setActivityText(const QString&) override {}
    void setFileText(const QString& t) override { fileText = t; }
    void setKindButtonPressed(int, bool) override {}
    bool saveForQuestion(int) override { return false; }
    QString fileText;
};

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool putBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A list of two materials: 营业执照 (A1) with entries 1 and 2, and 其他材料 (A9) with none.
inline QByteArray twoMaterialList(const QString& url1 = QString(), const QString& url2 = QString(),
                                  const QString& dzjs = QStringLiteral("0")) {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<offer type=\"VORELXL\" name=\"采矿权申请登记书\"><attachments>"
               "<attachment fjid=\"A1\"><fjxh>1</fjxh><fjmc>营业执照</fjmc><dzjs>%3</dzjs><fjms>执照说明</fjms><fileList>"
               "<file><fileXh title=\"文件序号\">1</fileXh><fileName title=\"文件标准文件名\">营业执照1</fileName>"
               "<fileTitle title=\"文件标题\">执照正本</fileTitle><fileUrl title=\"文件路径\">%1</fileUrl></file>"
               "<file><fileXh title=\"文件序号\">2</fileXh><fileName title=\"文件标准文件名\">营业执照2</fileName>"
               "<fileTitle title=\"文件标题\">执照副本</fileTitle><fileUrl title=\"文件路径\">%2</fileUrl></file>"
               "</fileList></attachment>"
               "<attachment fjid=\"A9\"><fjxh>2</fjxh><fjmc>其他材料</fjmc><dzjs>0</dzjs><fjms>其他</fjms><fileList/></attachment>"
               "</attachments></offer>\n")
        .arg(url1.toHtmlEscaped(), url2.toHtmlEscaped(), dzjs)
        .toUtf8();
}

class AttachmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        state().reset();
        state().DataPath = binDir();
        state().CurrentKind = 1;
        for (int k = 1; k <= kKindCount; ++k) {
            state().KindMarker[k] = kindMarker(k);
            state().KindTempDir[k] = dir_.path() + QStringLiteral("/tempZip/") + kindMarker(k) + u'/';
        }
        for (int k = 0; k <= kKindCount; ++k) KindPackageSource(k).clear();
        PackageFolder.clear();
        dialogs_.install();
        setShell(&shell_);
    }
    void TearDown() override {
        setShell(nullptr);
        state().reset();
    }
    QString path(const QString& rel) const { return dir_.path() + u'/' + rel; }
    // Installs a list as the working copy of CurrentKind.
    void useList(const QByteArray& bytes) { ASSERT_TRUE(putBytes(workXmlPath(state().CurrentKind), bytes)); }
    QString workList() const { return QString::fromUtf8(readBytes(workXmlPath(state().CurrentKind))); }
    // The first entry's field of a material in a list file.
    static QString entryField(const QString& listPath, const QString& fjid, const QString& xh, const char* field) {
        ListDocument doc;
        if (!doc.load(listPath)) return QStringLiteral("<unreadable>");
        return nodeText(findEntry(findMaterial(doc, fjid), xh), field);
    }

    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;
    RecordingShell shell_;
};

} // namespace mf::test
