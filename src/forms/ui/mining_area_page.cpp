#include "forms/ui/mining_area_page.h"

#include "core/boundary_walkers.h"
#include "forms/field_rules.h"
#include "forms/ui/field_widgets.h"
#include "gridgraph/ui/grid_graph_widget.h"
#include "platform/dialogs.h"
#include "platform/vb.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace mf {

MiningAreaPage::MiningAreaPage(const AreaSpec& table, Controls controls, QObject* parent)
    : QObject(parent), table_(table), c_(std::move(controls)) {
    connect(c_.areaCom, qOverload<int>(&QComboBox::activated), this, [this](int) { AREACOM_Click(); });
    connect(c_.grphCom, &QPushButton::clicked, this, [this] { GRPHCOM_Click(); });
    connect(c_.calCom, &QPushButton::clicked, this, [this] { CALCOM_Click(); });
    // The control's events run at once, inside the control's own work, like its events.
    connect(c_.grid, &GridGraphWidget::ZBChanged, this, [this] { Grid_Graph1_ZBChanged(); }, Qt::DirectConnection);
    connect(c_.grid, &GridGraphWidget::EnableStatus, this, [this](bool f) { Grid_Graph1_EnableStatus(f); },
            Qt::DirectConnection);
    connect(c_.grid, &GridGraphWidget::SetZBType, this, [this](int t) { Grid_Graph1_SetZBType(t); },
            Qt::DirectConnection);
    connect(c_.grid, &GridGraphWidget::FrameZB, this, [this] { Grid_Graph1_FrameZB(); }, Qt::DirectConnection);
}

void MiningAreaPage::setup() {
    {
        const QSignalBlocker block(c_.areaCom);
        c_.areaCom->clear();
        c_.areaCom->addItem(QStringLiteral("直角坐标"));
        c_.areaCom->addItem(QStringLiteral("经纬坐标"));
    }
    setAreaComIndex(0);
    c_.grid->setZB_Type(0);
    c_.grid->setZB_String(QString());
    c_.grid->init_grid_graph();
    Grid_Graph1_EnableStatus(false);
}

void MiningAreaPage::setAreaComIndex(int index) {
    {
        const QSignalBlocker block(c_.areaCom);
        c_.areaCom->setCurrentIndex(index);
    }
    AREACOM_Click();
}

void MiningAreaPage::AREACOM_Click() {
    c_.grid->setZB_Type(qint16(c_.areaCom->currentIndex()));
    c_.grid->Coor_Select();
}

void MiningAreaPage::GRPHCOM_Click() {
    c_.frame->setVisible(false);
    c_.grphCom->setVisible(false);
    c_.areaCom->setVisible(false);
    // On a failed check the control stays on its table and raises FrameZB.
    c_.grid->Graph_Draw(0);
}

namespace {

// True when a fee text is the fee figure, by its text or its value.
bool sameFee(const QString& held, const QString& fee) {
    return vb::trim(held) == fee || (vb::isNumeric(held) && vb::val(held) == vb::val(fee));
}

} // namespace

void MiningAreaPage::CALCOM_Click() {
    const QString oldArea = c_.area->text();
    c_.grid->Area_Calc();
    // A failed calculation empties the area and a fee derived from it: what they held belongs
    // to another grid, and no stale figure may be saved or printed. A typed fee is the
    // user's and stays, as do the depths.
    if (!c_.grid->AreaCalcPassed()) {
        c_.area->setText(QString());
        if (c_.storedFee && sameFee(c_.storedFee->text(), usageFeeText(oldArea)))
            c_.storedFee->setText(QString());
        ComputeAreaFields();
        return;
    }
    const ElevationRange r = GetElevationRange(c_.grid->ZB_String());
    c_.upper->setText(elevationText(r.FromElevation));
    c_.lower->setText(elevationText(r.ToElevation));
    const QString area = c_.grid->Area_Size();
    c_.area->setText(area);
    // Where the fee is stored, it follows the new area. A fee that is not the one the
    // previous area gave was typed by someone: it is replaced only when the user says so.
    // The second page shows the stored fee.
    if (c_.storedFee) {
        const QString fee = usageFeeText(area);
        const QString held = c_.storedFee->text();
        if (!sameFee(held, fee)) {
            const bool derived = vb::trim(held).isEmpty() || sameFee(held, usageFeeText(oldArea));
            if (derived ||
                dialogs().askYesNoDefaultNo(
                    QStringLiteral("采矿权使用费填写为%1千元/年，按矿区面积%2平方公里计算应为%3千元/年，是否替换为计算结果？")
                        .arg(vb::trim(held), vb::trim(area), fee)))
                c_.storedFee->setText(fee);
        }
    }
    ComputeAreaFields();
}

void MiningAreaPage::ComputeAreaFields() {
    setExist(0, c_.upper->text());
    setExist(1, c_.lower->text());
    const QString area = c_.area->text();
    setExist(2, area);
    if (!table_.hasFee) return;
    if (c_.storedFee)
        setExist(3, c_.storedFee->text());
    else
        setExist(3, area.isEmpty() ? QString() : usageFeeText(area));
}

void MiningAreaPage::Grid_Graph1_ZBChanged() {
    if (c_.markChanged) c_.markChanged();
}

void MiningAreaPage::Grid_Graph1_EnableStatus(bool flag) {
    c_.calCom->setEnabled(flag);
    c_.areaCom->setEnabled(!flag);
    c_.grphCom->setEnabled(flag);
}

void MiningAreaPage::Grid_Graph1_SetZBType(int type) { setAreaComIndex(type); }

void MiningAreaPage::Grid_Graph1_FrameZB() {
    c_.frame->setVisible(true);
    c_.grphCom->setVisible(true);
    c_.areaCom->setVisible(true);
    c_.frame->raise();
    c_.grphCom->raise();
    c_.areaCom->raise();
}

void MiningAreaPage::setExist(int i, const QString& text) {
    if (i >= 0 && i < 4 && c_.exist[i]) c_.exist[i]->setText(text);
}

} // namespace mf
