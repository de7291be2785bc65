// The mining-area page: coordinate system, plot, compute button and the figure boxes.
#include "core/field_access.h"
#include "core/text_submission.h"
#include "field_fixture.h"
#include "forms/ui/mining_area_page.h"
#include "platform/print_target.h"
#include "printing/page_walker.h"
#include "printing/ui/editor_printable_form.h"

#include <QComboBox>
#include <QPushButton>

using namespace mf;
using namespace mf::test;

namespace {

class MiningAreaTest : public FieldTest {
protected:
    // One block of four plane points from elevation 1200 down to 350.5.
    static QString planeBoundary() {
        return "1,4,1,3000000,38000000,2,3000100,38000000,3,3000100,38000100,4,3000000,38000100,"
               "1200,350.5,,1,";
    }
    static QPushButton* button(EditorWindow& e, const char* name) {
        return qobject_cast<QPushButton*>(e.control(name));
    }
    static QComboBox* areaCom(EditorWindow& e) { return qobject_cast<QComboBox*>(e.control("AREACOM")); }
};

} // namespace

TEST_F(MiningAreaTest, ComputeFillsDepthsAreaAndFee) {
    auto e = open(1);
    grid_->zb = planeBoundary();
    grid_->nextArea = " 1.234";
    emit grid_->EnableStatus(true);
    ASSERT_TRUE(button(*e, "CALCOM")->isEnabled());
    unmark(1);
    button(*e, "CALCOM")->click();
    EXPECT_EQ(txt(*e, 18), "1200");
    EXPECT_EQ(txt(*e, 19), "350.5");
    EXPECT_EQ(txt(*e, 20), " 1.234");
    EXPECT_EQ(exist(*e, 0), "1200");
    EXPECT_EQ(exist(*e, 1), "350.5");
    EXPECT_EQ(exist(*e, 2), " 1.234");
    EXPECT_EQ(exist(*e, 3), "1.5");
    EXPECT_TRUE(changed(1));

    // Again with the same grid: no field changes, so the form is not marked.
    unmark(1);
    e->miningArea()->CALCOM_Click();
    EXPECT_FALSE(changed(1));

    // A new area moves the figure box and the fee, whatever the box held.
    grid_->nextArea = " 3.500";
    e->miningArea()->CALCOM_Click();
    EXPECT_EQ(exist(*e, 2), " 3.500");
    EXPECT_EQ(exist(*e, 3), "4");
}

TEST_F(MiningAreaTest, AFailedAreaCheckClearsTheAreaAndTheFeeButNotTheDepths) {
    auto e = open(1);
    grid_->zb = planeBoundary();
    grid_->nextArea = " 2.000";
    e->miningArea()->CALCOM_Click();
    ASSERT_EQ(exist(*e, 3), "2");
    // The grid changes into one whose check fails: the old area and fee belong to another
    // grid and are emptied; the depths stay until a calculation passes.
    grid_->zb = "1,4,1,3000000,38000000,2,3000100,38000000,3,3000100,38000100,4,3000000,38000100,900,0,,1,";
    grid_->checkPasses = false;
    e->miningArea()->CALCOM_Click();
    EXPECT_EQ(txt(*e, 18), "1200");
    EXPECT_EQ(txt(*e, 19), "350.5");
    EXPECT_EQ(exist(*e, 1), "350.5");
    EXPECT_EQ(txt(*e, 20), "");
    EXPECT_EQ(exist(*e, 2), "");
    EXPECT_EQ(exist(*e, 3), "");

    // Before any successful computation a failed check leaves area and fee empty.
    auto f = open(2);
    grid_->zb = planeBoundary();
    grid_->checkPasses = false;
    grid_->area.clear();
    unmark(2);
    f->miningArea()->CALCOM_Click();
    EXPECT_EQ(txt(*f, 22), "");
    EXPECT_EQ(exist(*f, 2), "");
    EXPECT_EQ(exist(*f, 3), "");
    EXPECT_EQ(txt(*f, 19), "");
    EXPECT_FALSE(changed(2));
}

// On the change form the fee is a stored field, set by every computation (asking before a typed
// fee is replaced) and, where it is the fee of the area, emptied by a failed one;
// the second page shows it, and what prints is what the file holds.
TEST_F(MiningAreaTest, ChangeFormsFeeOnPaperIsTheStoredFee) {
    struct Step {
        const char* area;   // computed by 计 算 ("": the check fails); nullptr: the fee is typed
        const char* typed;
        const char* stored;   // ChTXT(21), the file's 采矿权使用费
        std::optional<MsgAnswer> asked = std::nullopt;   // the replace question and its answer
    };
    const Step steps[] = {
        {" 0.290", nullptr, "0.5"},   // empty: the computation fills it
        {" 0.539", nullptr, "1"},     // a corner moved: the fee follows
        {" 3.500", nullptr, "4"},
        {nullptr, "7", "7"},          // typed: kept
        {" 0.600", nullptr, "7", MsgAnswer::No},
        {" 0.539", nullptr, "1", MsgAnswer::Yes},
        {"", nullptr, ""},            // failed: area and fee emptied together
        {" 3.500", nullptr, "4"},
        {nullptr, "", ""},            // emptied: the paper shows none either
        {" 0.600", nullptr, "1"},
        {nullptr, "7", "7"},
        {"", nullptr, "7"},           // failed: a typed fee stays, and the next area asks
        {" 0.600", nullptr, "7", MsgAnswer::No},
    };
    state().PrinterCount = 1;
    state().PrintScaleX = 1.5f;
    state().PrintScaleY = 1.9f;
    auto e = open(2);
    FakeGrid* grid = grid_;
    grid->zb = planeBoundary();
    for (const Step& s : steps) {
        dialogs_.clear();
        if (s.asked) dialogs_.answer(*s.asked);
        if (s.area) {
            grid->checkPasses = *s.area;
            grid->nextArea = s.area;
            e->miningArea()->CALCOM_Click();
            EXPECT_EQ(txt(*e, 22), s.area);
            EXPECT_EQ(exist(*e, 2), s.area);
        } else {
            type(*e, 21, s.typed);
        }
        EXPECT_EQ(txt(*e, 21), s.stored) << s.stored;
        EXPECT_EQ(exist(*e, 3), s.stored) << s.stored;
        const QString q = QStringLiteral("采矿权使用费填写为7千元/年，按矿区面积%1平方公里计算应为1千元/年，是否替换为计算结果？");
        EXPECT_EQ(dialogs_.messageTexts(), s.asked ? QStringList{q.arg(QString(s.area).trimmed())} : QStringList{});
        if (s.asked) EXPECT_EQ(dialogs_.lastMessage().buttons, MsgButtons::YesNoDefaultNo);

        const QString path = work_.path() + "/fee.txt";
        ASSERT_TRUE(WriteTextSubmission(path, collectFormValues(*e), dictionary().textKeyMap(2)));
        auto f = open(2);
        state().PendingFile = path;
        ASSERT_TRUE(f->Form_Activate());
        EXPECT_EQ(exist(*f, 3), s.stored) << s.stored;
        RecordingTarget paper;
        EditorPrintableForm printable(*f);
        PrintContainerPage(paper, printable, "Picture1", 3, nullptr);
        QStringList printed;
        for (const RecordingTarget::Call& c : paper.texts()) printed << c.text;
        // The fee box prints the stored fee and no other figure of its own.
        EXPECT_EQ(printed.contains(s.stored), !QString(s.stored).isEmpty()) << printed.join('|').toStdString();
        for (const char* fee : {"0.5", "1", "4", "7"}) {
            if (QString(fee) != s.stored) {
                EXPECT_FALSE(printed.contains(fee)) << fee << " " << s.stored;
            }
        }
    }

    // The delineation form has no fee at all.
    auto five = open(5);
    grid_->zb = planeBoundary();
    grid_->nextArea = " 0.600";
    five->miningArea()->CALCOM_Click();
    EXPECT_EQ(txt(*five, 20), " 0.600");
    EXPECT_EQ(exist(*five, 2), " 0.600");
    EXPECT_EQ(five->indexes(ControlArray::ExistTXT).size(), 3);
}

TEST_F(MiningAreaTest, FigureBoxesFollowThePageFourFields) {
    auto e = open(1);
    type(*e, 20, "2.3");
    EXPECT_EQ(exist(*e, 2), "2.3");
    EXPECT_EQ(exist(*e, 3), "2.5");
    type(*e, 20, "");   // no area in the file: none on paper, and no fee
    EXPECT_EQ(exist(*e, 2), "");
    EXPECT_EQ(exist(*e, 3), "");
    e->textField(ControlArray::ChTXT, 18)->setText("500");
    e->setText(ControlArray::ExistTXT, 0, "手改");
    type(*e, 0, "申请人");   // an unrelated field refreshes the depth boxes
    EXPECT_EQ(exist(*e, 0), "500");
}

TEST_F(MiningAreaTest, ControlEventsDriveTheButtonsAndTheCombo) {
    auto e = open(5);
    MiningAreaPage& page = *e->miningArea();
    page.Grid_Graph1_EnableStatus(true);
    EXPECT_TRUE(button(*e, "CALCOM")->isEnabled());
    EXPECT_TRUE(button(*e, "GRPHCOM")->isEnabled());
    EXPECT_FALSE(areaCom(*e)->isEnabled());
    page.Grid_Graph1_EnableStatus(false);
    EXPECT_FALSE(button(*e, "CALCOM")->isEnabled());
    EXPECT_TRUE(areaCom(*e)->isEnabled());

    const int selects = grid_->coorSelects;
    emit grid_->SetZBType(1);
    EXPECT_EQ(areaCom(*e)->currentText(), "经纬坐标");
    EXPECT_EQ(grid_->ZB_Type(), 1);
    EXPECT_EQ(grid_->coorSelects, selects + 1);

    unmark(5);
    emit grid_->ZBChanged();
    EXPECT_TRUE(changed(5));
    EXPECT_TRUE(shell_.buttons["SAVE"]);
}

TEST_F(MiningAreaTest, PlotOnAnInvalidGridEndsInTheTableView) {
    auto e = open(1);
    grid_->zb = planeBoundary();
    grid_->checkPasses = false;
    e->miningArea()->GRPHCOM_Click();
    for (const char* name : {"ZFRAME2", "GRPHCOM", "AREACOM"}) EXPECT_FALSE(e->control(name)->isHidden()) << name;
    grid_->checkPasses = true;
    e->miningArea()->GRPHCOM_Click();
    for (const char* name : {"ZFRAME2", "GRPHCOM", "AREACOM"}) EXPECT_TRUE(e->control(name)->isHidden()) << name;
    emit grid_->FrameZB();   // back from the plot
    for (const char* name : {"ZFRAME2", "GRPHCOM", "AREACOM"}) EXPECT_FALSE(e->control(name)->isHidden()) << name;
}

TEST_F(MiningAreaTest, LoadingGeographicDataSetsTheComboAndDisablesIt) {
    auto e = open(1);
    e->setText(ControlArray::ChTXT, 0, "甲公司");
    grid_->zb = "1,3,1,116.3000,39.5000,2,116.3100,39.5000,3,116.3100,39.5100,1200,350,,1,";
    const QString path = work_.path() + "/geo.txt";
    ASSERT_TRUE(WriteTextSubmission(path, collectFormValues(*e), dictionary().textKeyMap(1)));
    state().KindOpen[1] = false;
    e.reset();

    auto f = open(1);
    state().PendingFile = path;
    ASSERT_TRUE(f->Form_Activate());
    EXPECT_EQ(areaCom(*f)->currentText(), "经纬坐标");
    EXPECT_FALSE(areaCom(*f)->isEnabled());
    EXPECT_TRUE(button(*f, "CALCOM")->isEnabled());
    EXPECT_FALSE(changed(1));
}

TEST_F(MiningAreaTest, ComputedFigureBoxesTakeNoTyping) {
    for (int kind : {1, 2, 5, 7}) {
        auto e = open(kind);
        for (int i : e->indexes(ControlArray::ExistTXT)) {
            auto* line = qobject_cast<QLineEdit*>(e->textField(ControlArray::ExistTXT, i)->widget());
            ASSERT_TRUE(line);
            // Copied or computed: what is typed there would never reach the file.
            EXPECT_TRUE(line->isReadOnly()) << kind << " ExistTXT " << i;
        }
        state().KindOpen[kind] = false;
    }
}
