#pragma once
// The coordinate control `Grid_Graph1` as the mining-area page hosts it: the members of
// GridGraphAccess plus its four events as signals (connected directly, so they run at
// once like the control's events).
#include "core/grid_graph_access.h"

#include <QWidget>

class QPlainTextEdit;

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

// A minimal control that holds the boundary string and the coordinate type and shows the
// stored boundary read-only. Its checks pass and it raises no events.
class SimpleGridGraph : public GridGraphWidget {
    Q_OBJECT
public:
    explicit SimpleGridGraph(QWidget* parent = nullptr);

    QString ZB_String() override { return zb_; }
    void setZB_String(const QString& s) override;
    qint16 ZB_Type() const override { return type_; }
    void setZB_Type(qint16 type) override { type_ = type; }
    void init_grid_graph() override;
    void Coor_Select() override {}
    void Check_ZB(qint16) override { verdict_ = true; }
    bool CheckZB() const override { return verdict_; }
    void Area_Calc() override {}
    QString Area_Size() const override { return areaSize_; }
    void Graph_Draw(qint16) override {}

private:
    QString zb_;
    qint16 type_ = 0;
    bool verdict_ = true;
    QString areaSize_;
    QPlainTextEdit* view_ = nullptr;
};

} // namespace mf
