// The control's public members and events, without widgets.
#include "gridgraph/grid_graph_core.h"
#include "grid_fixture.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;

namespace {

const QString kSquare = "1,4,1,3000000.00,40000000.00,2,3001000.00,40000000.00,3,3001000.00,40001000.00,"
                        "4,3000000.00,40001000.00,100,50,A1,1,";

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs.install();
        auto& h = core.hooks();
        h.ZBChanged = [this] { events << "ZBChanged"; };
        h.EnableStatus = [this](bool f) { events << QString("EnableStatus(%1)").arg(f); };
        h.SetZBType = [this](int& t) { events << QString("SetZBType(%1)").arg(t); };
        h.FrameZB = [this] { events << "FrameZB"; };
        h.redraw = [this] { core.drawRegionPlot({253, 253, false}, FixedMeasurer()); };
    }
    ScriptedDialogs dialogs;
    GridGraphCore core;
    QStringList events;
};

} // namespace

TEST_F(CoreTest, InitWithEmptyStoredTextEmptiesTheGridAndSaysSo) {
    core.setZB_String(kSquare);
    core.init_grid_graph();
    events.clear();
    core.setZB_String("");
    core.init_grid_graph();
    EXPECT_EQ(core.grid().rows(), 2);
    EXPECT_EQ(core.grid().lastDataRow(), 0);
    // The empty grid keeps its type and the container learns it, and that it holds no rows.
    EXPECT_EQ(events, QStringList({"SetZBType(0)", "EnableStatus(0)"}));
    EXPECT_EQ(core.ZB_String(), "");
    EXPECT_EQ(core.StoredText, "");
    EXPECT_EQ(core.grid().cell(0, 2), "X_坐标(起标高)");
}

TEST_F(CoreTest, LoadRaisesSetZBTypeThenEnableStatus) {
    core.setZB_String(kSquare);
    core.init_grid_graph();
    EXPECT_EQ(events, QStringList({"SetZBType(0)", "EnableStatus(1)"}));
    EXPECT_EQ(core.ZB_String(), kSquare);
}

TEST_F(CoreTest, SetZBTypeHandlerCanChangeTheType) {
    core.hooks().SetZBType = [](int& t) { t = 1; };
    core.setZB_String(kSquare);
    core.init_grid_graph();
    EXPECT_EQ(core.ZB_Type(), 1);
}

TEST_F(CoreTest, InitAfterAReadKeepsTheGrid) {
    core.setZB_String(kSquare);
    core.init_grid_graph();
    const QString zb = core.ZB_String();   // StoredText now holds the comma form
    core.init_grid_graph();
    EXPECT_EQ(core.ZB_String(), zb);
    EXPECT_EQ(core.grid().lastDataRow(), 5);
}

TEST_F(CoreTest, ReadingCommitsAnOpenEditorFirst) {
    core.init_grid_graph();
    core.hooks().commitEditor = [this] { core.grid().setCell(1, 1, "late"); core.grid().setRows(3); };
    EXPECT_TRUE(core.ZB_String().contains("late"));
}

TEST_F(CoreTest, CheckVerdictOnlyFromCheckZB) {
    core.init_grid_graph();
    core.Check_ZB(2);
    EXPECT_TRUE(core.CheckZB());
    core.Area_Calc();   // fails on the empty grid, CheckZB untouched
    EXPECT_TRUE(core.CheckZB());
    EXPECT_FALSE(core.AreaCalcPassed());
    EXPECT_EQ(core.Area_Size(), "");
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"坐标数据不完整..."});
    core.Check_ZB(0);
    EXPECT_FALSE(core.CheckZB());
}

TEST_F(CoreTest, AFailedAreaCalcLeavesNoArea) {
    const QString bowTie = "1,4,1,3000000,40000000,2,3001000,40001000,3,3001000,40000000,4,3000000,40001000,"
                           "100,50,A1,1,";
    for (const QString& failing : {kSquare.left(kSquare.size() - 2) + "5,", bowTie}) {
        core.setZB_String(kSquare);
        core.init_grid_graph();
        core.Area_Calc();
        EXPECT_EQ(core.Area_Size(), " 1.000");
        EXPECT_TRUE(core.AreaCalcPassed());
        core.setZB_String(failing);
        core.init_grid_graph();
        dialogs.clear();
        core.Area_Calc();
        EXPECT_EQ(core.Area_Size(), "");
        EXPECT_FALSE(core.AreaCalcPassed());
        EXPECT_EQ(dialogs.messageTexts().size(), 1);
    }
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"第1区域边界自相交,无法计算面积!"});
}

TEST_F(CoreTest, GraphDrawShowsThePlotAndKeepsTheViewWithoutChange) {
    core.setZB_String(kSquare);
    core.init_grid_graph();
    events.clear();
    core.Graph_Draw(0);
    EXPECT_TRUE(core.plotVisible());
    ASSERT_TRUE(core.lastScene());
    EXPECT_FALSE(core.lastScene()->items.empty());
    EXPECT_EQ(core.list.count(), 1);
    core.plotOptions.rotation = 6;
    core.plotOptions.tilt = 20;
    core.plotOptions.scalePercent = 300;
    core.COORCOM();
    EXPECT_EQ(events, QStringList{"FrameZB"});
    core.Graph_Draw(0);
    EXPECT_EQ(core.plotOptions.rotation, 6);
    EXPECT_EQ(core.plotOptions.tilt, 20);
    EXPECT_EQ(core.plotOptions.scalePercent, 300);
    core.markGridChanged();
    core.Graph_Draw(0);
    EXPECT_EQ(core.plotOptions.rotation, 0);
    EXPECT_EQ(core.plotOptions.tilt, 5);
}

// Loading a form empties the grid before it fills it: with the plot shown, neither step
// says anything; the plot is drawn from a loaded grid or the table comes back.
TEST_F(CoreTest, ReloadingWhileThePlotIsShownShowsNoMessage) {
    core.setZB_String(kSquare);
    core.init_grid_graph();
    core.Graph_Draw(0);
    ASSERT_TRUE(core.plotVisible());
    events.clear();
    core.setZB_String("");
    core.init_grid_graph();
    EXPECT_FALSE(core.plotVisible());
    EXPECT_TRUE(events.contains("FrameZB"));
    core.setZB_String(kSquare);
    core.init_grid_graph();
    core.Graph_Draw(0);
    core.setZB_String(kSquare);
    core.init_grid_graph();
    EXPECT_TRUE(core.plotVisible());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << dialogs.messageTexts().join("; ").toStdString();
}

TEST_F(CoreTest, FailingGraphDrawReturnsToTheTableWithFrameZB) {
    core.init_grid_graph();
    events.clear();
    core.Graph_Draw(0);
    EXPECT_FALSE(core.plotVisible());
    EXPECT_EQ(events, QStringList{"FrameZB"});
    // An empty grid passes mode 2 but draws nothing and never divides by zero.
    core.Graph_Draw(2);
    EXPECT_TRUE(core.plotVisible());
    EXPECT_FALSE(core.lastScene().has_value());
}

TEST_F(CoreTest, AssignmentsAndRelabelling) {
    core.setZB_String(kSquare);
    core.init_grid_graph();
    core.setZB_Type(1);
    core.Coor_Select();
    EXPECT_EQ(core.grid().cell(0, 2), "经度(起标高)");
    EXPECT_EQ(core.grid().cell(0, 3), "纬度(止标高)");
    EXPECT_EQ(core.grid().cell(1, 2), "3000000.00");
}

TEST_F(CoreTest, MalformedStringStoresNothing) {
    core.setZB_String("1,70000,1,2,3,");
    EXPECT_EQ(core.StoredText, "");
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].title, "岩契录件");
    core.init_grid_graph();
    EXPECT_EQ(core.grid().rows(), 2);
}
