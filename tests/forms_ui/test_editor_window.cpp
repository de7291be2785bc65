#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/field_access.h"
#include "core/shell.h"
#include "core/work_lists.h"
#include "forms/ui/editor_page.h"
#include "forms/ui/editor_window.h"
#include "forms/ui/field_widgets.h"
#include "field_fixture.h"
#include "platform/scripted_dialogs.h"
#include "test_support.h"

#include <QFile>
#include <QHash>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;

namespace {

// The editor fixture with the kinds' work folders laid out.
class EditorTest : public test::FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        for (int k = 1; k <= kKindCount; ++k) {
            state().KindMarker[k] = kindMarker(k);
            state().KindTempDir[k] = work_.path() + "/" + kindMarker(k) + "/";
            QDir().mkpath(state().KindTempDir[k]);
        }
    }
};

} // namespace

TEST_F(EditorTest, EveryKindBuildsItsPagesAndStartsOnTheCover) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        auto e = open(kind);
        const KindProfile& p = e->profile();
        EXPECT_EQ(e->tabStrip()->count(), p.pageCount()) << kind;
        EXPECT_EQ(e->CurrentPage(), 0);
        EXPECT_FALSE(e->page(0)->isHidden());
        for (int i = 1; i < p.pageCount(); ++i) EXPECT_TRUE(e->page(i)->isHidden()) << kind << i;
        EXPECT_EQ(e->page(p.pageCount()), nullptr);  // no page beyond the last
        EXPECT_EQ(e->property("HelpContextID").toInt(), p.helpContextId);
        EXPECT_TRUE(state().KindOpen[kind]);
        EXPECT_EQ(state().CurrentKind, kind);
        EXPECT_FALSE(state().KindChanged[kind]);
        EXPECT_EQ(e->gridGraph() != nullptr, kindHasMiningArea(kind)) << kind;
        state().KindOpen[kind] = false;
    }
}

TEST_F(EditorTest, TabKeysSwitchPagesAndUnknownKeysKeepThePage) {
    auto e = open(3);
    e->TabStrip1_Click("first");
    EXPECT_EQ(e->CurrentPage(), 2);
    EXPECT_FALSE(e->page(2)->isHidden());
    e->TabStrip1_Click("second");  // a three-page form has no second page
    EXPECT_EQ(e->CurrentPage(), 2);
    e->TabStrip1_Click("Head");    // keys compare exactly
    EXPECT_EQ(e->CurrentPage(), 2);
    e->TabStrip1_Click("head");
    EXPECT_EQ(e->CurrentPage(), 0);
}

TEST_F(EditorTest, FieldAccessFindsControlsByFieldName) {
    auto e = open(1);
    const auto ref = FindControlByFieldName(*e, "采深上限");
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->array, ControlArray::ChTXT);
    EXPECT_EQ(ref->index, 18);
    e->setText(ControlArray::ChTXT, 0, "某某矿业有限公司");
    EXPECT_EQ(e->text(ControlArray::ChTXT, 0), "某某矿业有限公司");
    EXPECT_EQ(e->control("ChTXT(0)")->toolTip(), e->fieldName(ControlArray::ChTXT, 0));
    auto six = open(6);
    EXPECT_TRUE(six->indexes(ControlArray::ChMEMO).isEmpty());
    EXPECT_TRUE(six->indexes(ControlArray::ExistTXT).isEmpty());
    EXPECT_EQ(six->changeTypeCount(), 0);
    auto two = open(2);
    EXPECT_EQ(two->changeTypeCount(), 5);
}

TEST_F(EditorTest, EveryEditOfEveryDataFieldMarksTheKindChanged) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        auto e = open(kind);
        for (ControlArray a : {ControlArray::ChTXT, ControlArray::ChMEMO, ControlArray::ChCBO}) {
            for (int i : e->indexes(a)) {
                state().KindChanged[kind] = false;
                shell_.buttons["SAVE"] = false;
                e->setText(a, i, "1");
                EXPECT_TRUE(state().KindChanged[kind]) << kind << " " << int(a) << " " << i;
                EXPECT_TRUE(shell_.buttons["SAVE"]);
            }
        }
        if (e->hasCheckTogether()) {
            state().KindChanged[kind] = false;
            e->setCheckTogether(true);
            EXPECT_TRUE(state().KindChanged[kind]) << kind;
        }
        for (int i = 0; i < e->changeTypeCount(); ++i) {
            state().KindChanged[kind] = false;
            e->setChangeType(i, true);
            EXPECT_TRUE(state().KindChanged[kind]) << kind << " CbCHK " << i;
        }
        state().KindOpen[kind] = false;
    }
}

TEST_F(EditorTest, SettingTheSameTextAgainRunsNoHandler) {
    auto e = open(4);
    e->setText(ControlArray::ChTXT, 1, "甲矿");
    state().KindChanged[4] = false;
    e->setText(ControlArray::ChTXT, 1, "甲矿");
    EXPECT_FALSE(state().KindChanged[4]);
}

TEST_F(EditorTest, ActivationWithoutPendingFileFollowsTheKind) {
    auto e = open(3);
    state().KindFilePath[3] = "/data/a.txt";
    state().KindChanged[3] = true;
    shell_.buttons["PRINT"] = false;
    EXPECT_FALSE(e->Form_Activate());
    EXPECT_EQ(state().CurrentKind, 3);
    EXPECT_TRUE(shell_.buttons["SAVE"]);
    EXPECT_EQ(shell_.activity, "编辑采矿权延续申请登记书...");
    EXPECT_EQ(shell_.file, "/data/a.txt");
    EXPECT_TRUE(shell_.pressedKind[3]);
    EXPECT_TRUE(shell_.buttons["annex"]);
    EXPECT_FALSE(shell_.buttons["PRINT"]);  // left as it was
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(EditorTest, FailedReadShowsTheMessageAndForgetsTheFormerFile) {
    auto e = open(4);
    state().KindFilePath[4] = "/data/former.txt";
    state().PendingFile = work_.path() + "/missing.txt";
    EXPECT_FALSE(e->Form_Activate());
    EXPECT_EQ(dialogs_.lastMessage().text, "文件格式不正确,提取数据不完整...");
    EXPECT_EQ(dialogs_.lastMessage().title, "错误");
    EXPECT_TRUE(state().PendingFile.isEmpty());
    EXPECT_FALSE(state().KindChanged[4]);
    EXPECT_TRUE(state().KindFilePath[4].isEmpty());  // a later save asks for a name
    EXPECT_TRUE(shell_.buttons["PRINT"]);
    EXPECT_TRUE(shell_.buttons["WIN"]);
    EXPECT_FALSE(shell_.buttons["SAVE"]);
}

TEST_F(EditorTest, PendingFileIntoChangedFormAsksFirstAndAFailedYesSaveKeepsTheChanges) {
    auto e = open(4);
    e->setText(ControlArray::ChTXT, 1, "未保存的矿名");
    state().PendingFile = work_.path() + "/other.txt";
    dialogs_.answer(MsgAnswer::Yes);
    shell_.saveSucceeds = false;
    e->Form_Activate();
    ASSERT_GE(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.messages()[0].text, "[采矿权注销申请表]已经发生改变,保存吗?");
    EXPECT_EQ(e->text(ControlArray::ChTXT, 1), "未保存的矿名");  // load abandoned
    EXPECT_TRUE(state().PendingFile.isEmpty());
}

TEST_F(EditorTest, ClosingAsksSavesThenDropsTheWorkingList) {
    auto e = open(5);
    QFile list(workXmlPath(5));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("<offer/>");
    list.close();
    e->setText(ControlArray::ChTXT, 1, "矿区");

    // A Yes whose save fails cancels the close and keeps the list.
    shell_.saveSucceeds = false;
    dialogs_.answer(MsgAnswer::Yes);
    EXPECT_FALSE(e->Form_Unload());
    EXPECT_TRUE(state().KindOpen[5]);
    EXPECT_TRUE(QFile::exists(workXmlPath(5)));

    // A Yes whose save succeeds: saved while the list still existed, then the list goes.
    shell_.saveSucceeds = true;
    dialogs_.answer(MsgAnswer::Yes);
    EXPECT_TRUE(e->Form_Unload());
    EXPECT_EQ(shell_.savedKinds, (QList<int>{5, 5}));
    EXPECT_FALSE(QFile::exists(workXmlPath(5)));
    EXPECT_FALSE(state().KindOpen[5]);
    EXPECT_EQ(state().CurrentKind, 0);
    EXPECT_EQ(shell_.activity, "待命...");
    EXPECT_FALSE(shell_.buttons["annex"]);
}

TEST_F(EditorTest, ClosingOneOfTwoLeavesTheOtherAlone) {
    auto a = open(1);
    auto b = open(2);
    state().KindFilePath[1] = "/x/1.txt";
    state().KindFilePath[2] = "/x/2.txt";
    shell_.activity = "编辑采矿权变更申请登记书...";
    EXPECT_TRUE(a->Form_Unload());
    EXPECT_TRUE(state().KindFilePath[1].isEmpty());
    EXPECT_EQ(state().KindFilePath[2], "/x/2.txt");
    EXPECT_EQ(shell_.activity, "编辑采矿权变更申请登记书...");
    EXPECT_TRUE(dialogs_.messages().isEmpty());  // unchanged: no question
}
