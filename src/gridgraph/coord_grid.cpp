#include "gridgraph/coord_grid.h"

#include "platform/vb.h"

#include <algorithm>

namespace mf {

CoordGrid::CoordGrid() { reset(); }

void CoordGrid::reset() {
    setRows(1);
    setRows(2);
    setCurrent(1, 1);
}

void CoordGrid::setRows(int n) {
    n = std::max(1, n);
    rows_.resize(size_t(n));
}

QString CoordGrid::cell(int r, int c) const {
    if (r < 0 || r >= rows() || c < 0 || c >= kCols)
        return {};
    return rows_[size_t(r)][size_t(c)];
}

void CoordGrid::setCell(int r, int c, const QString& text) {
    if (r < 0 || r >= rows() || c < 0 || c >= kCols)
        return;
    rows_[size_t(r)][size_t(c)] = text;
}

bool CoordGrid::isEndRow(int r) const { return vb::trim(cell(r, 1)) == QLatin1String("*"); }

void CoordGrid::insertRows(int r, int n) {
    if (n <= 0)
        return;
    r = std::clamp(r, 1, rows());
    rows_.insert(rows_.begin() + r, size_t(n), Row{});
}

void CoordGrid::removeRows(int r, int n) {
    if (n <= 0 || r < 1 || r >= rows())
        return;
    n = std::min(n, rows() - r);
    // Column 0 keeps its place; columns 1..5 move up.
    for (int i = r; i + n < rows(); ++i)
        for (int c = 1; c < kCols; ++c)
            rows_[size_t(i)][size_t(c)] = rows_[size_t(i + n)][size_t(c)];
    setRows(rows() - n);
    rows_.back() = Row{};
}

void CoordGrid::renumber() {
    for (int r = 1; r <= lastDataRow(); ++r)
        rows_[size_t(r)][0] = QString::number(r);
}

void CoordGrid::clampSelection() {
    auto cr = [this](int r) { return std::clamp(r, 1, std::max(1, rows() - 1)); };
    auto cc = [](int c) { return std::clamp(c, 1, kCols - 1); };
    row_ = cr(row_);
    rowSel_ = cr(rowSel_);
    col_ = cc(col_);
    colSel_ = cc(colSel_);
}

} // namespace mf
