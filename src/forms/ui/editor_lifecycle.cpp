// The editor's load, its activation (which reads a pending file into the fields), the save
// question and closing.
#include "forms/ui/editor_window.h"

#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/field_access.h"
#include "core/field_match.h"
#include "core/kind_file.h"
#include "core/main_window_rules.h"
#include "core/shell.h"
#include "core/work_lists.h"
#include "forms/ui/field_widgets.h"
#include "forms/ui/mining_area_page.h"
#include "forms/ui/reserve_labels.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/twips.h"

#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QTabBar>

namespace mf {

namespace {

// Status panel texts while a file is read and while the form is edited.
struct StatusTexts {
    const char* loading;
    const char* editing;
};
const StatusTexts kStatus[] = {
    {"", ""},
    {"提取采矿权申请登记数据...", "编辑采矿权申请登记书..."},
    {"提取采矿权变更申请登记数据...", "编辑采矿权变更申请登记书..."},
    {"提取采矿权延续申请登记数据...", "编辑采矿权延续申请登记书..."},
    {"提取采矿权注销申请登记数据...", "编辑采矿权注销申请登记书..."},
    {"提取划定矿区范围申请登记数据...", "编辑采矿权划定矿区范围申请登记书..."},
    {"提取采矿权转让登记数据...", "编辑采矿权转让登记书..."},
    {"提取矿产资源开发利用年度报告书数据...", "编辑矿产资源开发利用年度报告书..."},
};

} // namespace

void EditorWindow::Form_Load() {
    AppState& st = state();
    setProperty("HelpContextID", profile_.helpContextId);
    st.KindOpen[kind_] = true;
    const int n = CountOtherOpenForms();
    st.CurrentKind = kind_;
    ClearFormFields(*this);
    st.KindChanged[kind_] = false;
    shell().SetToolbarButtonState(QStringLiteral("SAVE"), false);
    shell().SetToolbarButtonState(QStringLiteral("annex"), true);
    shell().SetToolbarButtonState(QStringLiteral("PRINT"), true);
    shell().SetToolbarButtonState(QStringLiteral("WIN"), true);
    if (sub_) {
        const QPoint off = editorOpeningOffset(n);
        sub_->move(toPixels(Twips(off.x())), toPixels(Twips(off.y())));
        fitIntoWorkArea();
    }
    currentPage_ = 0;
    RegionTreeLoaded = false;
    MineralTreeLoaded = false;
    AuthorityTreeLoaded = false;
    SetupFieldControls();
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(0);
    }
    ShowCurrentPage();
    // Fields a save cannot write under the dictionary in use are named once as the form opens.
    if (const QString notice = fieldsWithoutKeyNotice(*this); !notice.isEmpty())
        dialogs().message(QStringLiteral("提示"), notice, MsgIcon::Exclamation);
}

bool EditorWindow::Form_Activate() {
    AppState& st = state();
    st.CurrentKind = kind_;
    bool loaded = false;
    if (!st.PendingFile.isEmpty()) {
        const QString path = st.PendingFile;
        // A Yes whose save does not complete abandons the load, so the changes stay.
        if (settleChanges()) {
            shell().setActivityText(QString::fromUtf8(kStatus[kind_].loading));
            ClearFormFields(*this);
            resetDataLabels();
            const Dictionary& dict = dictionary();
            // What the file holds before it is read: a later save asks before replacing a change
            // another program makes from here on.
            const QByteArray stamp = fs::fileFingerprint(path);
            loading_ = true;
            bool lossy = false;
            const int rc = ReadSubmissionFile(path, *this, dict.textKeyMap(kind_), dict.xmlNameMap(kind_),
                                              [&dict](const QString& code) { return dict.GetMineralName(code); },
                                              &lossy, &st.KindUnknownKeys[kind_]);
            loading_ = false;
            if (rc == -1) {
                setKindFile(kind_, path, stamp);
                loaded = true;
                // The figure boxes are not stored: rebuild them from the page-4 fields.
                if (area_) area_->ComputeAreaFields();
                selectTab(0);
            } else {
                dialogs().error(QStringLiteral("文件格式不正确,提取数据不完整..."));
                // The form no longer holds that file: a later save must ask for a name.
                setKindFile(kind_, QString());
            }
            if (reserve_) reserve_->UpdateMineralScaleLabels(true);
            // A value wider than its box shows its beginning, as after Home.
            for (const auto* map : {&chTxt_, &existTxt_})
                for (const auto& [i, f] : *map)
                    if (!f->isMemo()) f->caretToStart();
            // Filling the fields ran their handlers; the freshly loaded form is unchanged,
            // unless the file held what it could not keep: saving it again is then the
            // user's choice.
            st.KindChanged[kind_] = rc == -1 && lossy;
        }
        st.PendingFile.clear();
        shell().SetToolbarButtonState(QStringLiteral("PRINT"), true);
        shell().SetToolbarButtonState(QStringLiteral("WIN"), true);
    }
    shell().SetToolbarButtonState(QStringLiteral("SAVE"), st.KindChanged[kind_]);
    shell().setActivityText(QString::fromUtf8(kStatus[kind_].editing));
    shell().setFileText(st.KindFilePath[kind_]);
    shell().setKindButtonPressed(kind_, true);
    shell().SetToolbarButtonState(QStringLiteral("annex"), true);
    return loaded;
}

bool EditorWindow::settleChanges() {
    AppState& st = state();
    if (!st.KindChanged[kind_]) return true;
    st.CurrentKind = kind_;
    const QString q = QStringLiteral("[") + caption() + QStringLiteral("]已经发生改变,保存吗?");
    if (dialogs().askYesNoRequired(q)) return shell().saveForQuestion(kind_);
    // 否: the changes are given up; what replaces them is the caller's.
    st.KindChanged[kind_] = false;
    return true;
}

bool EditorWindow::Form_Unload() {
    AppState& st = state();
    st.CurrentKind = kind_;
    if (!settleChanges()) return false;
    // The working attachment list goes only after the save, so a Yes keeps the package.
    DeleteWorkXml(kind_);
    shell().setKindButtonPressed(kind_, false);
    setKindFile(kind_, QString());
    st.KindOpen[kind_] = false;
    bool other = false;
    for (int k = 1; k <= kKindCount; ++k)
        if (k != kind_ && st.KindOpen[k]) other = true;
    if (!other) {
        st.CurrentKind = 0;
        shell().setActivityText(QStringLiteral("待命..."));
        shell().setFileText(QString());
        shell().SetToolbarButtonState(QStringLiteral("SAVE"), false);
        shell().SetToolbarButtonState(QStringLiteral("PRINT"), false);
        shell().SetToolbarButtonState(QStringLiteral("WIN"), false);
        shell().SetToolbarButtonState(QStringLiteral("annex"), false);
    }
    return true;
}

} // namespace mf
