// The mining-area page of kind 1 with the real coordinate control: typed corner points,
// the compute and plot buttons, the control's events, and a save and load of the boundary
// through the submission text file.
#include "core/field_access.h"
#include "core/text_submission.h"
#include "forms_ui/field_fixture.h"
#include "forms/ui/mining_area_page.h"
#include "gridgraph/ui/coord_table.h"
#include "gridgraph/ui/grid_graph.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

using namespace mf;
using namespace mf::test;

namespace {

class RealGridTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        EditorWindow::setGridGraphFactory(nullptr);   // the editor creates the real control
    }
    static GridGraph* real(EditorWindow& e) { return qobject_cast<GridGraph*>(e.gridGraphWidget()); }
    static QPushButton* button(EditorWindow& e, const char* name) {
        return qobject_cast<QPushButton*>(e.control(name));
    }
    static QComboBox* areaCom(EditorWindow& e) { return qobject_cast<QComboBox*>(e.control("AREACOM")); }
    static void typeRow(GridGraph& g, const QStringList& cells) {
        for (const QString& cell : cells) {
            for (QChar c : cell) {
                QWidget* target = g.editorVisible() ? static_cast<QWidget*>(g.activeEditor()) : static_cast<QWidget*>(g.table());
                QKeyEvent k(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
                QApplication::sendEvent(target, &k);
            }
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(g.editorVisible() ? static_cast<QWidget*>(g.activeEditor()) : static_cast<QWidget*>(g.table()), &enter);
        }
    }
};

} // namespace

TEST_F(RealGridTest, TypedPointsComputePlotAndRoundTrip) {
    auto e = open(1);
    GridGraph* g = real(*e);
    ASSERT_NE(g, nullptr);
    EXPECT_FALSE(button(*e, "CALCOM")->isEnabled());
    EXPECT_TRUE(areaCom(*e)->isEnabled());
    unmark(1);

    typeRow(*g, {"1", "3000000", "40000000"});
    // The editor's opening raised EnableStatus: with a data row the buttons are available.
    EXPECT_TRUE(button(*e, "CALCOM")->isEnabled());
    EXPECT_FALSE(areaCom(*e)->isEnabled());
    EXPECT_TRUE(changed(1));   // ZBChanged marked the application
    typeRow(*g, {"2", "3001000", "40000000"});
    typeRow(*g, {"3", "3001000", "40001000"});
    typeRow(*g, {"4", "3000000", "40001000"});
    typeRow(*g, {"*", "1200", "350.5", "A1", "1"});
    if (g->editorVisible()) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(g->activeEditor(), &esc);
    }
    EXPECT_EQ(g->ZB_String(), "1,4,1,3000000,40000000,2,3001000,40000000,3,3001000,40001000,4,3000000,40001000,"
                              "1200,350.5,A1,1,");

    // Compute: depths and the area, without any check having run before.
    EXPECT_FALSE(g->CheckZB());
    button(*e, "CALCOM")->click();
    EXPECT_EQ(txt(*e, 18), "1200");
    EXPECT_EQ(txt(*e, 19), "350.5");
    EXPECT_EQ(txt(*e, 20), " 1.000");

    // Plot: the control shows its plot; "坐 标" brings the page's buttons back.
    button(*e, "GRPHCOM")->click();
    EXPECT_TRUE(g->plotShown());
    g->COORCOM();
    EXPECT_FALSE(g->plotShown());

    // Save and load through the submission text file.
    e->setText(ControlArray::ChTXT, 0, "甲公司");
    const QString path = work_.path() + "/grid.txt";
    ASSERT_TRUE(WriteTextSubmission(path, collectFormValues(*e), dictionary().textKeyMap(1)));
    const QString saved = g->ZB_String();
    state().KindOpen[1] = false;
    e.reset();

    auto f = open(1);
    state().PendingFile = path;
    ASSERT_TRUE(f->Form_Activate());
    GridGraph* h = real(*f);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->ZB_String(), saved);   // as typed, not reformatted
    EXPECT_EQ(h->core().grid().lastDataRow(), 5);
    EXPECT_EQ(areaCom(*f)->currentText(), "直角坐标");
    EXPECT_TRUE(button(*f, "CALCOM")->isEnabled());
    EXPECT_FALSE(saved.isEmpty());
}

TEST_F(RealGridTest, GeographicLoadSetsTheTypeCombo) {
    auto e = open(1);
    e->setText(ControlArray::ChTXT, 0, "甲公司");
    GridGraph* g = real(*e);
    g->setZB_String("1,3,1,116.3000,39.5000,2,116.3100,39.5000,3,116.3100,39.5100,1200,350,,1,");
    g->init_grid_graph();
    EXPECT_EQ(areaCom(*e)->currentText(), "经纬坐标");
    EXPECT_EQ(g->core().grid().cell(0, 2), "经度(起标高)");
    g->Area_Calc();
    EXPECT_FALSE(g->Area_Size().isEmpty());
}
