#pragma once
// What the core and the editors need of the boundary-coordinate control `Grid_Graph1`.
// The widget implements it; logic and tests talk to this interface only.
//
// The control also raises four events (ZBChanged, EnableStatus(flag), SetZBType(type),
// FrameZB); the widget publishes them as Qt signals, the editors connect to those directly.
#include <QString>

namespace mf {

class GridGraphAccess {
public:
    virtual ~GridGraphAccess() = default;

    // The boundary string of the current grid rows: each field followed by ",", "" when the
    // grid holds no data row. Reading changes nothing in the grid.
    virtual QString ZB_String() = 0;
    // Stores a boundary string; the grid shows it after init_grid_graph(). A text without
    // a comma (or one that cannot be converted) is stored as "". False when the string was
    // refused with a message (too many points for the grid): then "" is stored as well.
    virtual bool setZB_String(const QString& s) = 0;

    // 0 plane coordinates in metres, 1 geographic coordinates as DDD.MMSS.
    virtual qint16 ZB_Type() const = 0;
    virtual void setZB_Type(qint16 type) = 0;

    // Re-initialises the control and loads the stored boundary string.
    virtual void init_grid_graph() = 0;
    // Sets the captions of the two coordinate columns from ZB_Type.
    virtual void Coor_Select() = 0;

    // Checks the corner points (0 full, 1 area, 2 lenient before a save); reports problems
    // by its own message boxes and keeps the verdict for CheckZB().
    virtual void Check_ZB(qint16 mode) = 0;
    virtual bool CheckZB() const = 0;

    // Area check; on success Area_Size() becomes " " + the total in km² ("0.000").
    virtual void Area_Calc() = 0;
    virtual QString Area_Size() const = 0;
    // True when the last Area_Calc passed its check and set Area_Size from this grid.
    // (CheckZB keeps the verdict of the last Check_ZB only.)
    virtual bool AreaCalcPassed() const = 0;

    // Checks in the given mode and shows the plot when the check passes.
    virtual void Graph_Draw(qint16 mode) = 0;
};

} // namespace mf
