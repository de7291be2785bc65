#pragma once
// The coordinate control `Grid_Graph1` as the mining-area page hosts it: the members of
// GridGraphAccess plus its four events as signals (connected directly, so they run at
// once like the control's events).
#include "core/grid_graph_access.h"

#include <QWidget>

namespace mf {

class GridGraphWidget : public QWidget, public GridGraphAccess {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void ZBChanged();
    void EnableStatus(bool hasRows);
    void SetZBType(int type);
    void FrameZB();
};

} // namespace mf
