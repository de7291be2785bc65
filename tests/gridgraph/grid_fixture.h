#pragma once
// Grids made from rows of text, and a fixed text measurer for plot scenes.
#include "gridgraph/coord_grid.h"
#include "gridgraph/plot_scene.h"

#include <QStringList>
#include <initializer_list>

namespace mf::test {

// Rows of columns 1..5; the entry row is added.
inline CoordGrid makeGrid(std::initializer_list<QStringList> rows) {
    CoordGrid g;
    g.setRows(int(rows.size()) + 2);
    int r = 1;
    for (const QStringList& row : rows) {
        g.setCell(r, 0, QString::number(r));
        for (int c = 0; c < row.size() && c < 5; ++c)
            g.setCell(r, c + 1, row[c]);
        ++r;
    }
    return g;
}

// A 1000 m plane square starting at (x, y), closed with an end row.
inline QList<QStringList> squareRows(double x, double y, double side, const QString& from = "100",
                                     const QString& to = "50", const QString& nature = "1", const QString& id = "A1") {
    auto f = [](double v) { return QString::number(v, 'f', 2); };
    return {{"1", f(x), f(y)}, {"2", f(x + side), f(y)}, {"3", f(x + side), f(y + side)}, {"4", f(x), f(y + side)},
            {"*", from, to, id, nature}};
}

inline CoordGrid gridOf(const QList<QStringList>& rows) {
    CoordGrid g;
    g.setRows(int(rows.size()) + 2);
    for (int r = 1; r <= rows.size(); ++r) {
        g.setCell(r, 0, QString::number(r));
        for (int c = 0; c < rows[r - 1].size() && c < 5; ++c)
            g.setCell(r, c + 1, rows[r - 1][c]);
    }
    return g;
}

class FixedMeasurer : public plot::TextMeasurer {
public:
    QSizeF size(const QString& t) const override { return QSizeF(6.0 * t.size(), 12); }
};

} // namespace mf::test
