#pragma once
// The coordinate control `Grid_Graph` without widgets: its state, public members and the
// four events as hooks. The widget adds the table, the cell editors and the plot view and
// fills in the view hooks; tests drive the core alone.
#include "gridgraph/coord_grid.h"
#include "gridgraph/plot_scene.h"
#include "gridgraph/regions.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace mf {

class GridGraphCore {
public:
    struct Hooks {
        // The control's events.
        std::function<void()> ZBChanged;
        std::function<void(bool)> EnableStatus;
        std::function<void(int&)> SetZBType;   // a handler may change the type
        std::function<void()> FrameZB;
        // View hooks of the widget.
        std::function<void()> commitEditor;   // commits an open cell editor, no advance
        std::function<void()> gridReset;      // grid content or shape changed wholesale
        std::function<void(bool)> showPlot;   // true: plot view, false: table view
        std::function<void()> resetView;      // rotation/tilt bars to 0/5, option frames
        std::function<void()> listRebuilt;    // the region list was refilled
        std::function<void()> redraw;         // DrawRegionPlot on the surface
        std::function<void()> initControls;   // zoom list, editors hidden, plot cleared
        std::function<void(bool)> busy;       // true before a long computation, false after
    };

    GridGraphCore();
    Hooks& hooks() { return hooks_; }

    // Public members.
    QString ZB_String();
    // False when the string was refused with a message ("" is stored then).
    bool setZB_String(const QString& s);
    int ZB_Type() const { return CoordType; }
    void setZB_Type(int t) { CoordType = t; }
    void init_grid_graph();
    void Graph_Draw(int flg);
    void Area_Calc();
    bool AreaCalcPassed() const { return areaCalcPassed_; }
    void Coor_Select();
    void Check_ZB(int flg);
    bool CheckZB() const { return CheckVerdict; }
    QString Area_Size() const { return AreaText; }
    void COORCOM();

    // Used by the grid editing.
    void RaiseEnableStatus();
    // GridChanged := True and ZBChanged.
    void markGridChanged();
    // SetZBType with the given type (CoordType follows what a handler leaves in it).
    void raiseSetZBType(int type);

    // The plot on a surface; the last scene stays when nothing may be drawn.
    const std::optional<plot::Scene>& drawRegionPlot(const plot::Surface& surface, const plot::TextMeasurer& m);
    const std::optional<plot::Scene>& lastScene() const { return scene_; }
    void requestRedraw();

    CoordGrid& grid() { return grid_; }
    const CoordGrid& grid() const { return grid_; }
    bool plotVisible() const { return plotVisible_; }
    void setPlotVisible(bool v);

    // State of the control.
    std::vector<Region> Regions;
    RegionListModel list;
    QString StoredText;
    int RegionCount = 0;
    int CoordType = 0;
    QString AreaText;
    bool CheckVerdict = false;
    bool areaCalcPassed_ = false;
    bool GridChanged = false;
    bool ViewResetPending = true;
    plot::Options plotOptions;   // view, ticks, ScalePercent, Tilt, Rotation
    plot::Members members;
    plot::SurfaceState surfaceState;

private:
    bool check(int mode);
    void commitEditor();
    // BuildRegions on the grid, with busy raised around it.
    void buildRegions();

    Hooks hooks_;
    CoordGrid grid_;
    bool plotVisible_ = false;
    std::optional<plot::Scene> scene_;
};

} // namespace mf
