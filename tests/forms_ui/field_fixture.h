#pragma once
// An editor with a recording main window, scripted dialogs, the shipped dictionary and a
// coordinate control whose checks and area a test decides.
#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/shell.h"
#include "forms/ui/editor_window.h"
#include "forms/ui/field_widgets.h"
#include "gridgraph/ui/grid_graph_widget.h"
#include "platform/scripted_dialogs.h"
#include "test_support.h"

#include <QDir>
#include <QHash>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace mf::test {

// Records what an editor asks of the main window.
class RecordingShell : public Shell {
public:
    void SetToolbarButtonState(const QString& key, bool available) override { buttons[key] = available; }
    bool toolbarButtonAvailable(const QString& key) const override { return buttons.value(key, true); }
    void setActivityText(const QString& t) override { activity = t; }
    void setFileText(const QString& t) override { file = t; }
    void setKindButtonPressed(int kind, bool pressed) override { pressedKind[kind] = pressed; }
    bool saveForQuestion(int kind) override {
        savedKinds << kind;
        if (saveSucceeds) state().KindChanged[kind] = false;
        return saveSucceeds;
    }
    QHash<QString, bool> buttons;
    QString activity, file;
    QHash<int, bool> pressedKind;
    QList<int> savedKinds;
    bool saveSucceeds = true;
};

// The coordinate control's members and events as the page uses them.
class FakeGrid : public GridGraphWidget {
public:
    using GridGraphWidget::GridGraphWidget;
    QString ZB_String() override { return zb; }
    bool setZB_String(const QString& s) override {
        zb = s.contains(u',') ? s : QString();
        return true;
    }
    qint16 ZB_Type() const override { return type; }
    void setZB_Type(qint16 t) override { type = t; }
    void init_grid_graph() override {
        if (!zb.isEmpty()) {
            type = zb.contains(QLatin1String("116.")) ? 1 : 0;   // geographic test data
            emit SetZBType(type);
        }
        emit EnableStatus(!zb.isEmpty());
    }
    void Coor_Select() override { ++coorSelects; }
    void Check_ZB(qint16) override { verdict = checkPasses; }
    bool CheckZB() const override { return verdict; }
    // Like the control, the area calculation checks on its own and leaves CheckZB alone.
    void Area_Calc() override {
        areaPassed = checkPasses;
        if (areaPassed) area = nextArea;
    }
    QString Area_Size() const override { return area; }
    bool AreaCalcPassed() const override { return areaPassed; }
    void Graph_Draw(qint16) override {
        verdict = checkPasses;
        if (!verdict) emit FrameZB();
    }

    QString zb;
    qint16 type = 0;
    bool checkPasses = true;
    bool verdict = true;
    bool areaPassed = false;
    QString area;
    QString nextArea;
    int coorSelects = 0;
};

class FieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        state().reset();
        dialogs_.install();
        setShell(&shell_);
        ASSERT_TRUE(dictionary().isOpen() || OpenDictionary(binDir()));
        EditorWindow::setGridGraphFactory([this](QWidget* parent) {
            grid_ = new FakeGrid(parent);
            return grid_;
        });
    }
    void TearDown() override {
        EditorWindow::setGridGraphFactory(nullptr);
        setShell(nullptr);
        state().reset();
    }
    std::unique_ptr<EditorWindow> open(int kind) {
        auto e = std::make_unique<EditorWindow>(kind);
        e->Form_Load();
        return e;
    }
    bool changed(int kind) const { return state().KindChanged[kind]; }
    void unmark(int kind) {
        state().KindChanged[kind] = false;
        shell_.buttons["SAVE"] = false;
    }
    static QString label(EditorWindow& e, const QString& name) {
        auto* l = qobject_cast<QLabel*>(e.control(name));
        return l ? l->text() : QStringLiteral("<no label>");
    }
    static QString txt(EditorWindow& e, int i) { return e.text(ControlArray::ChTXT, i); }
    static QString exist(EditorWindow& e, int i) { return e.text(ControlArray::ExistTXT, i); }
    // What a user's typing into a text box does.
    static void type(EditorWindow& e, int i, const QString& text) {
        auto* line = qobject_cast<QLineEdit*>(e.textField(ControlArray::ChTXT, i)->widget());
        line->setText(text);
        emit line->textEdited(text);
    }
    // What a user's typing into the main-mineral combo does.
    static void typeMineral(EditorWindow& e, const QString& text) {
        QLineEdit* line = e.combo(2)->lineEdit();
        line->setText(text);
        emit line->textEdited(text);
    }

    QTemporaryDir work_;
    ScriptedDialogs dialogs_;
    RecordingShell shell_;
    FakeGrid* grid_ = nullptr;
};

} // namespace mf::test
