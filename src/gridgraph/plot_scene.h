#pragma once
// The mining-area plot as a display list in device pixels: the plan view (rings of corner
// points, north up on screen) and the block view (prisms between the two elevations,
// turned and tilted). The screen and the printer replay the same list with a QPainter.
#include "gridgraph/regions.h"

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace mf::plot {

struct Item {
    enum Kind { Line, Circle, Text, Polygon, Polyline };
    Kind kind = Line;
    QPolygonF points;       // Line: 2 points; Circle: the centre; Text: the top-left corner
    double radius = 0;
    QString text;
    QColor pen;
    std::optional<QColor> brush;   // none: transparent
};

struct Scene {
    QSizeF size;
    std::vector<Item> items;
};

struct Options {
    bool planView = true;       // ZOption2(0)
    bool drawIds = true;        // ZCHK1(0)
    bool drawPoints = true;     // ZCHK1(1)
    bool transparent = true;    // ZCHK2
    int scalePercent = 100;
    int tilt = 5;               // degrees
    int rotation = 0;           // half degrees
};

// The surface drawn on: its size in device pixels; on a printer surface the plan view keeps
// one scale on both axes and is centred on the page.
struct Surface {
    double width = 0;
    double height = 0;
    bool printer = false;
};

// The block view's scales, kept until the next block view.
struct Members {
    float ScaleX = 0, ScaleY = 0, ScreenH = 0;
    double WorldWidth = 0, WorldHeight = 0, WorldXMin = 0, WorldYMin = 0, PlotCentre = 0;
};

// The fill colour persists from one drawing to the next (the plan view's circles use what
// the last block view left, black at first).
struct SurfaceState {
    QColor fill = Qt::black;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual QSizeF size(const QString& text) const = 0;
};

// DrawRegionPlot. Empty optional when nothing may be drawn and the old drawing stays: no
// regions, a region list out of step with them. A degenerate extent (no width in the
// block view, a single point in the plan view) gives an empty scene.
std::optional<Scene> buildScene(const std::vector<Region>& regions, int regionCount, const RegionListModel& list,
                                const Options& opt, const Surface& surface, const TextMeasurer& measure,
                                SurfaceState& state, Members& members);

// rotate2d: turns (x, y) about (xo, yo) by beta radians.
void rotate2d(double& x, double& y, double beta, double xo, double yo);
// The tilted elevation of a point at depth (northing) and elevation.
double TiltX(double depth, float elevation, double centreDepth, double centreElevation, int tilt);
// World point of the block view to device pixels.
void Tran_Real_To_Screen_XY(const Members& m, qint32& x, qint32& y);

// Replays a scene on any paint device.
void paintScene(QPainter& p, const Scene& scene);

} // namespace mf::plot
