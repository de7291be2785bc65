#pragma once
// The mining-area page of kinds 1, 2 and 5: the coordinate-system combo, the plot and
// compute buttons, the reactions to the coordinate control's events, and the figure boxes
// of the second page rebuilt from the page's depth and area fields.
#include "forms/field_tables.h"

#include <QObject>
#include <functional>

class QComboBox;
class QPushButton;

namespace mf {

class GridGraphWidget;
class TextField;

class MiningAreaPage : public QObject {
    Q_OBJECT
public:
    struct Controls {
        GridGraphWidget* grid = nullptr;   // Grid_Graph1
        QComboBox* areaCom = nullptr;      // AREACOM
        QPushButton* grphCom = nullptr;    // GRPHCOM "图 形"
        QPushButton* calCom = nullptr;     // CALCOM "计 算"
        QWidget* frame = nullptr;          // ZFRAME2
        TextField* upper = nullptr;        // page-4 采深上限
        TextField* lower = nullptr;        // page-4 采深下限
        TextField* area = nullptr;         // page-4 矿区面积
        TextField* exist[4] = {};          // ExistTXT(0..3) of the second page
        TextField* storedFee = nullptr;    // the page-4 采矿权使用费 (kind 2)
        std::function<void()> markChanged;
    };
    MiningAreaPage(const AreaSpec& table, Controls controls, QObject* parent = nullptr);

    const Controls& controls() const { return c_; }

    // The page's part of the field set-up: "直角坐标"/"经纬坐标", an empty plane grid,
    // the buttons as for an empty grid.
    void setup();

    // Handlers.
    void AREACOM_Click();
    void GRPHCOM_Click();
    void CALCOM_Click();
    void Grid_Graph1_ZBChanged();
    void Grid_Graph1_EnableStatus(bool flag);
    void Grid_Graph1_SetZBType(int type);
    void Grid_Graph1_FrameZB();

    // Copies the depths and the area into the figure boxes, with the usage fee where the
    // form has one: the stored fee where the form stores one, else the fee of the area
    // (ComputeAreaFields; SyncRangeFields on kind 5). The boxes print, so they show only
    // what the file holds or what follows from it.
    void ComputeAreaFields();

    // AREACOM.ListIndex := index, which runs AREACOM_Click.
    void setAreaComIndex(int index);

private:
    void setExist(int i, const QString& text);

    AreaSpec table_;
    Controls c_;
};

} // namespace mf
