#pragma once
// A started main window with scripted dialogs and a folder for the files the tests save
// and open, plus helpers that fill a form as a user would and read all of it back.
#include "core/app_state.h"
#include "core/field_access.h"
#include "core/grid_graph_access.h"
#include "core/ui/commands.h"
#include "core/ui/main_window.h"
#include "core/ui/startup.h"
#include "core/validation.h"
#include "forms/ui/editor_window.h"
#include "platform/scripted_dialogs.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mf::test {

// Records status panel 1 while a save dialog is open.
class RecordingDialogs : public ScriptedDialogs {
public:
    TabMain* main = nullptr;
    QStringList activityDuringSave;
    FileDialogResult saveFile(const FileDialogRequest& request) override {
        if (main) activityDuringSave.append(main->activityText());
        return ScriptedDialogs::saveFile(request);
    }
};

inline QString kindConfirmation(int kind) {
    static const char* const names[] = {"", "采矿新立", "采矿变更", "采矿延续", "采矿注销",
                                        "划定矿区范围", "采矿转让", "采矿年检"};
    return QStringLiteral("此文件为【") + QString::fromUtf8(names[kind]) + QStringLiteral("】申请内容,确认吗?");
}

// A boundary of one block in plane coordinates.
inline QString oneBlockBoundary() {
    return QStringLiteral("1,4,1,3800000,38500000,2,3800100,38500000,3,3800100,38500100,"
                          "4,3800000,38500100,500,200,矿体1,1,");
}

// Fills every data field with a value that passes the checks, as typing would.
inline void typeInto(EditorWindow* e) {
    const int kind = e->kind();
    for (int i : e->indexes(ControlArray::ChTXT)) {
        QString v = QStringLiteral("内容%1").arg(i);
        for (const CheckedField& f : validatedDateFields(kind))
            if (f.index == i) v = QStringLiteral("2010-3-%1").arg(1 + i % 28);
        for (const CheckedField& f : validatedNumberFields(kind))
            if (f.index == i) v = QStringLiteral("%1.5").arg(100 + i);
        e->setText(ControlArray::ChTXT, i, v);
    }
    for (int i : e->indexes(ControlArray::ChMEMO))
        e->setText(ControlArray::ChMEMO, i, QStringLiteral("说明%1第一行\n第二行=值").arg(i));
    for (int i : e->indexes(ControlArray::ChCBO)) {
        const QStringList items = e->comboItems(i);
        if (e->fieldName(ControlArray::ChCBO, i) == kMainMineralField)
            e->setText(ControlArray::ChCBO, i, QStringLiteral("11001 煤"));  // as the mineral picker leaves it
        else if (!items.isEmpty())
            e->setComboCurrentIndex(i, items.size() > 1 ? 1 : 0);
        else
            e->setText(ControlArray::ChCBO, i, QStringLiteral("自填%1").arg(i));
    }
    if (e->hasCheckTogether()) e->setCheckTogether(true);
    for (int i = 0; i < e->changeTypeCount(); ++i) e->setChangeType(i, i % 2 == 0);
    if (GridGraphAccess* g = e->gridGraph()) {
        g->setZB_String(oneBlockBoundary());
        g->init_grid_graph();
    }
}

// Everything a save writes, as text, for comparing a form before and after a round trip.
inline QStringList snapshot(EditorWindow* e) {
    const FormValues v = collectFormValues(*e);
    QStringList out;
    for (const FieldValue& f : v.fields) out << f.fieldName + QStringLiteral("=") + f.value;
    if (v.checkTogether) out << QStringLiteral("together=%1").arg(*v.checkTogether);
    if (v.changeTypes) out << QStringLiteral("types=") + *v.changeTypes;
    if (v.boundary) out << QStringLiteral("boundary=") + *v.boundary;
    return out;
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        state().reset();
        dialogs_.install();
        main_ = Main(binDir(), binDir());
        ASSERT_TRUE(main_) << dialogs_.messageTexts().join("; ").toStdString();
        dialogs_.main = main_.get();
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override {
        // Unsaved test forms close without their questions.
        for (int k = 1; k <= kKindCount; ++k) state().KindChanged[k] = false;
        dialogs_.main = nullptr;
        if (main_) main_->close();
        main_.reset();
        state().reset();
    }

    QString path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }
    EditorWindow* open(int kind) {
        main_->Toolbar_ButtonClick(kindToolbarKey(kind));
        return main_->editor(kind);
    }
    // Saves the current form through the toolbar's menu into a new file.
    void saveAs(const char* menuKey, const QString& file) {
        dialogs_.chooseFile(file);
        main_->Toolbar_ButtonMenuClick(QString::fromLatin1(menuKey));
    }
    // Opens a file through the open command and confirms its kind.
    void openConfirmed(const QString& file) {
        dialogs_.answer(MsgAnswer::Yes);
        commands::OpenSubmissionFile(main_.get(), file);
    }
    bool closeEditor(int kind) {
        EditorWindow* e = main_->editor(kind);
        if (!e || !e->subWindow()->close()) return false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }

    RecordingDialogs dialogs_;
    std::unique_ptr<TabMain> main_;
    QTemporaryDir dir_;
};

} // namespace mf::test
