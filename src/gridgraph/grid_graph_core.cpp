#include "gridgraph/grid_graph_core.h"

#include "gridgraph/boundary_string.h"
#include "gridgraph/coord_check.h"
#include "gridgraph/messages.h"
#include "platform/dialogs.h"

namespace mf {

using namespace gridmsg;

GridGraphCore::GridGraphCore() {
    const QString heads[CoordGrid::kCols] = {kHeadNo, kHeadPoint, kHeadX, kHeadY, kHeadId, kHeadNature};
    for (int c = 0; c < CoordGrid::kCols; ++c)
        grid_.setCell(0, c, heads[c]);
}

void GridGraphCore::commitEditor() {
    if (hooks_.commitEditor)
        hooks_.commitEditor();
}

QString GridGraphCore::ZB_String() {
    commitEditor();
    StoredText = GridToZBString(grid_);
    return StoredText;
}

bool GridGraphCore::setZB_String(const QString& s) {
    QString error;
    StoredText = Get_XY_Area(s, &error);
    if (error.isEmpty())
        return true;
    dialogs().message(kAppTitle, error, MsgIcon::None, MsgButtons::Ok);
    return false;
}

void GridGraphCore::init_grid_graph() {
    plotOptions.rotation = 0;
    plotOptions.tilt = 5;
    GridChanged = false;
    ViewResetPending = true;
    RegionCount = 0;
    plotOptions.scalePercent = 100;
    grid_.reset();
    const QString heads[CoordGrid::kCols] = {kHeadNo, kHeadPoint, kHeadX, kHeadY, kHeadId, kHeadNature};
    for (int c = 0; c < CoordGrid::kCols; ++c)
        grid_.setCell(0, c, heads[c]);
    list.clear();
    scene_.reset();
    if (hooks_.initControls)
        hooks_.initControls();
    // A stored string that was read back (comma form, no line feed) is converted first.
    QString text = StoredText;
    if (!text.contains(u'\n') && text.contains(u','))
        text = Get_XY_Area(text);
    std::optional<int> type;
    if (!text.isEmpty())
        type = LoadGridFromLineText(grid_, text);
    if (hooks_.gridReset)
        hooks_.gridReset();
    // An emptied grid keeps the type it was given, and the container's combo shows it, so
    // a file without corner points opens in the same kind whichever way it was stored.
    raiseSetZBType(type.value_or(CoordType));
    // Also after emptying the grid, so the container's buttons follow an emptied grid.
    RaiseEnableStatus();
    // The plot is redrawn only from corner points: an emptied grid would fail the check
    // ("坐标数据不完整...") on every load, which clears the form first.
    if (plotVisible_) {
        if (grid_.rows() < 3)
            COORCOM();
        else
            Graph_Draw(1);
    }
}

bool GridGraphCore::check(int mode) {
    commitEditor();
    const CheckResult r = CheckCoordGrid(grid_, mode, CoordType, dialogs());
    RegionCount = r.regionCount;
    if (hooks_.gridReset)
        hooks_.gridReset();   // empty natures may have become "1"
    return r.ok;
}

void GridGraphCore::Check_ZB(int flg) { CheckVerdict = check(flg); }

void GridGraphCore::Graph_Draw(int flg) {
    if (!check(flg)) {
        COORCOM();
        return;
    }
    if (ViewResetPending || GridChanged) {
        plotOptions.rotation = 0;
        plotOptions.tilt = 5;
        if (hooks_.resetView)
            hooks_.resetView();
        buildRegions();
        list.fill(Regions);
        if (hooks_.listRebuilt)
            hooks_.listRebuilt();
        setPlotVisible(true);
        requestRedraw();
    }
    setPlotVisible(true);
    ViewResetPending = false;
    GridChanged = false;
}

void GridGraphCore::buildRegions() {
    if (hooks_.busy)
        hooks_.busy(true);
    Regions = BuildRegions(grid_, CoordType);
    RegionCount = int(Regions.size());
    if (hooks_.busy)
        hooks_.busy(false);
}

void GridGraphCore::Area_Calc() {
    // A failed calculation leaves no area behind: the last one belongs to another grid.
    areaCalcPassed_ = false;
    AreaText.clear();
    if (!check(1))
        return;
    buildRegions();
    // A bow-tie has no area the shoelace could give (it gives the difference of its lobes).
    for (size_t i = 0; i < Regions.size(); ++i) {
        if (Regions[i].SelfCrossing) {
            dialogs().message(kTitleError, selfCrossing(int(i) + 1), MsgIcon::Exclamation, MsgButtons::Ok);
            return;
        }
    }
    areaCalcPassed_ = true;
    AreaText = areaText(Regions);
}

void GridGraphCore::Coor_Select() {
    grid_.setCell(0, 2, CoordType == 0 ? kHeadX : kHeadLon);
    grid_.setCell(0, 3, CoordType == 0 ? kHeadY : kHeadLat);
    if (hooks_.gridReset)
        hooks_.gridReset();
}

void GridGraphCore::COORCOM() {
    setPlotVisible(false);
    if (hooks_.FrameZB)
        hooks_.FrameZB();
}

void GridGraphCore::setPlotVisible(bool v) {
    plotVisible_ = v;
    if (hooks_.showPlot)
        hooks_.showPlot(v);
}

void GridGraphCore::RaiseEnableStatus() {
    if (hooks_.EnableStatus)
        hooks_.EnableStatus(grid_.rows() >= 3);
}

void GridGraphCore::markGridChanged() {
    GridChanged = true;
    if (hooks_.ZBChanged)
        hooks_.ZBChanged();
}

void GridGraphCore::raiseSetZBType(int type) {
    CoordType = type;
    if (hooks_.SetZBType)
        hooks_.SetZBType(CoordType);
}

void GridGraphCore::requestRedraw() {
    if (hooks_.redraw)
        hooks_.redraw();
}

const std::optional<plot::Scene>& GridGraphCore::drawRegionPlot(const plot::Surface& surface,
                                                                const plot::TextMeasurer& m) {
    auto s = plot::buildScene(Regions, RegionCount, list, plotOptions, surface, m, surfaceState, members);
    if (s)
        scene_ = std::move(s);
    return scene_;
}

} // namespace mf
