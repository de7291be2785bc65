// The plot's display list: guard, world box, plan and block view, the printed plan to scale
// and the degenerate plots that draw nothing.
#include "gridgraph/plot_scene.h"
#include "grid_fixture.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;
using namespace mf::plot;

namespace {

struct Plot {
    std::vector<Region> regions;
    RegionListModel list;
    Options opt;
    SurfaceState state;
    Members members;
    std::optional<Scene> build(Surface s = {253, 253, false}) {
        return buildScene(regions, int(regions.size()), list, opt, s, FixedMeasurer(), state, members);
    }
};

Plot plotOf(const QList<QStringList>& rows) {
    CoordGrid g = gridOf(rows);
    Plot p;
    p.regions = BuildRegions(g, 0);
    p.list.fill(p.regions);
    return p;
}

std::vector<Item> ofKind(const Scene& s, Item::Kind k) {
    std::vector<Item> v;
    for (const Item& i : s.items)
        if (i.kind == k)
            v.push_back(i);
    return v;
}

} // namespace

TEST(PlotScene, GuardKeepsTheOldDrawing) {
    Plot p = plotOf(squareRows(3000000, 40000000, 1000));
    p.list.clear();   // list out of step with the regions
    EXPECT_FALSE(p.build().has_value());
    Plot none;
    EXPECT_FALSE(none.build().has_value());
}

TEST(PlotScene, PlanViewNorthUpWithLabelsAndCircles) {
    Plot p = plotOf(squareRows(3000000, 40000000, 1000));
    const auto s = p.build();
    ASSERT_TRUE(s);
    const auto lines = ofKind(*s, Item::Line);
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(ofKind(*s, Item::Circle).size(), 4u);
    EXPECT_EQ(ofKind(*s, Item::Text).size(), 5u);   // four numbers and the id
    // Point 1 (south-west) lies left and below point 3 (north-east); margins of 1/8.
    const QPointF p1 = lines[0].points[0];
    EXPECT_NEAR(p1.x(), 253 * 0.1, 0.01);
    EXPECT_NEAR(p1.y(), 253 * 0.9, 0.01);
    EXPECT_NEAR(ofKind(*s, Item::Circle)[0].radius, 253.0 / 200, 1e-9);
    p.opt.drawPoints = false;
    p.opt.drawIds = false;
    const auto bare = p.build();
    EXPECT_EQ(ofKind(*bare, Item::Text).size(), 0u);
    EXPECT_EQ(ofKind(*bare, Item::Circle).size(), 0u);
}

TEST(PlotScene, UntickedRegionsStillSizeTheBox) {
    Plot p = plotOf(squareRows(3000000, 40000000, 1000) + squareRows(3005000, 40005000, 1000));
    const auto both = p.build();
    p.list.toggle(1);
    const auto one = p.build();
    EXPECT_EQ(ofKind(*one, Item::Line).size(), 4u);
    EXPECT_EQ(ofKind(*one, Item::Line)[0].points, ofKind(*both, Item::Line)[0].points);
}

TEST(PlotScene, PrintedPlanIsUprightToScaleAndCentred) {
    // 2000 m east by 1000 m north; point 3 is the north-east corner.
    const QList<QStringList> rows = {{"1", "3000000", "40000000"}, {"2", "3001000", "40000000"},
                                     {"3", "3001000", "40002000"}, {"4", "3000000", "40002000"},
                                     {"*", "100", "50", "A1", "1"}};
    Plot p = plotOf(rows);
    const double W = 1000, H = 1400;
    const auto s = p.build({W, H, true});
    const auto lines = ofKind(*s, Item::Line);
    ASSERT_EQ(lines.size(), 4u);
    double l = W, r = 0, t = H, b = 0;
    for (const Item& i : lines)
        for (const QPointF& q : i.points)
            l = std::min(l, q.x()), r = std::max(r, q.x()), t = std::min(t, q.y()), b = std::max(b, q.y());
    const QPointF ne = lines[2].points[0];   // point 3
    EXPECT_DOUBLE_EQ(ne.x(), r);   // east to the right
    EXPECT_DOUBLE_EQ(ne.y(), t);   // north at the top
    EXPECT_NEAR((r - l) / (b - t), 2.0, 0.02);
    EXPECT_NEAR((l + r) / 2, W / 2, 0.01);
    EXPECT_NEAR((t + b) / 2, H / 2, 0.01);
    // Corner numbers and circles sit on the drawn corners.
    const auto circles = ofKind(*s, Item::Circle);
    EXPECT_EQ(circles[2].points[0], ne);
    p.opt.scalePercent = 200;
    EXPECT_NEAR(ofKind(*p.build({W, H, true}), Item::Circle)[0].radius, 1000.0 / 400, 1e-9);
}

TEST(PlotScene, BlockViewFlatAndUpright) {
    Plot p = plotOf(squareRows(3000000, 40000000, 1000, "100", "50"));
    p.opt.planView = false;
    p.opt.tilt = 0;
    p.opt.transparent = false;
    const auto s = p.build();
    ASSERT_TRUE(s);
    // WE > H: the widened box is square, 1.25 × WE.
    EXPECT_NEAR(p.members.WorldWidth, 1250, 1e-6);
    EXPECT_NEAR(p.members.WorldHeight, 1250, 1e-6);
    const auto polys = ofKind(*s, Item::Polygon);
    ASSERT_FALSE(polys.empty());
    // The cap collapses onto one horizontal line at the upper elevation.
    const Item& cap = polys.back();
    EXPECT_EQ(cap.brush, QColor(255, 0, 0));
    for (const QPointF& pt : cap.points)
        EXPECT_EQ(pt.y(), cap.points[0].y());
    // Faces are filled with the grey of the region's index.
    EXPECT_EQ(polys.front().brush, QColor(200, 200, 200));
    // The front face spans the region's full easting.
    double lo = 1e9, hi = -1e9;
    for (const QPointF& pt : polys[polys.size() - 2].points) {
        lo = std::min(lo, pt.x());
        hi = std::max(hi, pt.x());
    }
    EXPECT_NEAR(hi - lo, 1000 * double(p.members.ScaleX), 1.0);
    p.opt.transparent = true;
    EXPECT_FALSE(ofKind(*p.build(), Item::Polygon).front().brush.has_value());
}

TEST(PlotScene, BlockViewNarrowDeepBoxIsFourTimesTheHeight) {
    Plot p = plotOf(squareRows(3000000, 40000000, 100, "1000", "0"));
    p.opt.planView = false;
    ASSERT_TRUE(p.build());
    EXPECT_NEAR(p.members.WorldHeight, 4000, 1e-6);
}

TEST(PlotScene, EqualElevationsDoNotWidenTheRange) {
    Plot a = plotOf(squareRows(3000000, 40000000, 1000, "100", "50"));
    Plot b = plotOf(squareRows(3000000, 40000000, 1000, "100", "50") + squareRows(3000000, 40000000, 1000, "900", "900"));
    a.opt.planView = b.opt.planView = false;
    a.build();
    b.build();
    EXPECT_DOUBLE_EQ(a.members.WorldYMin, b.members.WorldYMin);
    EXPECT_DOUBLE_EQ(a.members.WorldHeight, b.members.WorldHeight);
}

TEST(PlotScene, MovedRowIsDrawnLastWithItsOwnGrey) {
    Plot p = plotOf(squareRows(3000000, 40000000, 1000) + squareRows(3000500, 40000500, 1000));
    p.opt.planView = false;
    p.opt.transparent = false;
    p.list.moveToBottom(0);
    const auto polys = ofKind(*p.build(), Item::Polygon);
    EXPECT_EQ(polys.back().pen, p.regions[0].Color);   // region 0's cap comes last
    // Region 0's faces keep the grey of index 0; region 1's: CInt(200 - 1 × 50/3) = 183.
    EXPECT_EQ(polys.front().brush, QColor(183, 183, 183));
    EXPECT_EQ(polys[polys.size() - 2].brush, QColor(200, 200, 200));
}

TEST(PlotScene, DegeneratePlotsDrawNothing) {
    // All corners on one spot: no extent in either view.
    Plot p = plotOf({{"1", "3000000", "40000000"}, {"2", "3000000", "40000000"}, {"3", "3000000", "40000000"},
                     {"*", "50", "50", "", "1"}});
    auto s = p.build();
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->items.empty());
    p.opt.planView = false;
    EXPECT_TRUE(p.build()->items.empty());
    // One easting only: the block view has no width.
    Plot q = plotOf({{"1", "3000000", "40000000"}, {"2", "3000100", "40000000"}, {"3", "3000200", "40000000"},
                     {"*", "50", "50", "", "1"}});
    EXPECT_FALSE(q.build()->items.empty());   // plan view: a line
    q.opt.planView = false;
    EXPECT_TRUE(q.build()->items.empty());
}

TEST(PlotScene, ReplaysOnAnImage) {
    Plot p = plotOf(squareRows(3000000, 40000000, 1000));
    const auto s = p.build({200, 200, false});
    QImage img(200, 200, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    paintScene(painter, *s);
    painter.end();
    int red = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            red += img.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_GT(red, 400);
}

TEST(PlotScene, RotateAndTilt) {
    double x = 1, y = 0;
    rotate2d(x, y, 3.141592653 / 2, 0, 0);
    EXPECT_NEAR(x, 0, 1e-8);
    EXPECT_NEAR(y, -1, 1e-8);
    EXPECT_DOUBLE_EQ(TiltX(10, 5.0f, 0, 0, 0), 5);
    EXPECT_NEAR(TiltX(10, 0.0f, 0, 0, 90), 10, 1e-8);   // further north comes out higher
}

TEST(PlotScene, AnElevationOfAnySizeDrawsInsideTheIntegerRange) {
    // Elevations of 8e9 or 1e300 put screen positions beyond 32 bits (or make them NaN):
    // they saturate instead of overflowing the conversion.
    for (const char* from : {"8000000000", "-8000000000", "1e300"}) {
        Plot p = plotOf(squareRows(3000000, 40000000, 1000, from, "0") + squareRows(3000000, 40000000, 100, "100", "50"));
        for (bool plan : {true, false}) {
            p.opt.planView = plan;
            for (const Surface& surface : {Surface{253, 253, false}, Surface{6000, 6000, true}}) {
                const auto s = p.build(surface);
                ASSERT_TRUE(s) << from;
                for (const Item& i : s->items)
                    for (const QPointF& pt : i.points)
                        EXPECT_TRUE(std::isfinite(pt.x()) && std::isfinite(pt.y())) << from;
            }
        }
    }
}
