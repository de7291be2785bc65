#pragma once
// The grid `Area_Flex` on screen: a table model over CoordGrid (row 0 is the horizontal
// header, column 0 the vertical header) and a view that hands keys, double-clicks, right
// clicks and typed text to the control.
#include "gridgraph/coord_grid.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

namespace mf {

class CoordGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CoordGridModel(CoordGrid& grid, QObject* parent = nullptr) : QAbstractTableModel(parent), g_(grid) {}
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : g_.rows() - 1; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : CoordGrid::kCols - 1; }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    // After the grid changed: a reset when the row count changed, else a repaint.
    void refresh();

private:
    CoordGrid& g_;
    int shownRows_ = -1;
};

class CoordTableView : public QTableView {
    Q_OBJECT
public:
    explicit CoordTableView(QWidget* parent = nullptr);

    std::function<bool(QKeyEvent*)> onKey;           // true: handled
    std::function<void(const QString&)> onText;      // typed text (keys and input method)
    std::function<void()> onDoubleClick;
    std::function<void()> onRightClick;
    std::function<void()> onFocusIn;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
};

} // namespace mf
