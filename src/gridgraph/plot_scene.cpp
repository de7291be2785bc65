#include "gridgraph/plot_scene.h"

#include "gridgraph/geo.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace mf::plot {

namespace {

// To the nearest whole number, halves to even; a value beyond 32 bits (an elevation of
// 8e9, say) saturates instead of overflowing the conversion.
qint32 clng(double v) {
    const double r = std::nearbyint(v);
    if (!(r > -2147483648.0))
        return r != r ? 0 : std::numeric_limits<qint32>::min();
    if (r > 2147483647.0)
        return std::numeric_limits<qint32>::max();
    return qint32(r);
}

struct Box {
    double eMin = 0, eMax = 0, nMin = 0, nMax = 0;
    bool any = false;
    void add(double e, double n) {
        if (!any) {
            eMin = eMax = e;
            nMin = nMax = n;
            any = true;
            return;
        }
        eMin = std::min(eMin, e);
        eMax = std::max(eMax, e);
        nMin = std::min(nMin, n);
        nMax = std::max(nMax, n);
    }
};

Item line(QPointF a, QPointF b, QColor pen) {
    Item it;
    it.kind = Item::Line;
    it.points << a << b;
    it.pen = pen;
    return it;
}

} // namespace

void rotate2d(double& x, double& y, double beta, double xo, double yo) {
    const double dx = x - xo, dy = y - yo;
    x = dx * std::cos(beta) + dy * std::sin(beta) + xo;
    y = -dx * std::sin(beta) + dy * std::cos(beta) + yo;
}

double TiltX(double depth, float elevation, double centreDepth, double centreElevation, int tilt) {
    double d = depth, e = double(elevation);
    rotate2d(d, e, -tilt * geo::kPi / 180, centreDepth, centreElevation);
    return e;
}

void Tran_Real_To_Screen_XY(const Members& m, qint32& x, qint32& y) {
    x = clng((x - m.WorldXMin) * double(m.ScaleX));
    y = clng(double(m.ScreenH) - (y - m.WorldYMin) * double(m.ScaleY));
}

std::optional<Scene> buildScene(const std::vector<Region>& regions, int regionCount, const RegionListModel& list,
                                const Options& opt, const Surface& surface, const TextMeasurer& measure,
                                SurfaceState& state, Members& members) {
    if (regionCount == 0 || regionCount != list.listRows() - 1 || int(regions.size()) != regionCount)
        return std::nullopt;
    Scene scene;
    scene.size = QSizeF(surface.width, surface.height);

    // World box of every region, ticked or not; a label anchor per region.
    Box box;
    std::vector<QPointF> anchors;
    bool haveElev = false;
    double zMin = regions.front().ElevFrom, zMax = regions.front().ElevFrom;
    for (const Region& g : regions) {
        if (g.ElevFrom != g.ElevTo) {
            const double lo = std::min(g.ElevFrom, g.ElevTo), hi = std::max(g.ElevFrom, g.ElevTo);
            zMin = haveElev ? std::min(zMin, lo) : lo;
            zMax = haveElev ? std::max(zMax, hi) : hi;
            haveElev = true;
        }
        Box own;
        for (int k = 0; k < g.PointCount && k < g.Points.X.size(); ++k) {
            box.add(g.Points.Y[k], g.Points.X[k]);
            own.add(g.Points.Y[k], g.Points.X[k]);
        }
        anchors.emplace_back((own.eMax - own.eMin) / 2 + own.eMin, (own.nMax - own.nMin) / 2 + own.nMin);
    }
    if (!box.any)
        return scene;
    const double centreY = (box.eMax - box.eMin) / 2 + box.eMin;
    const double centreX = (box.nMax - box.nMin) / 2 + box.nMin;
    const double WE = box.eMax - box.eMin;
    const double WN = box.nMax - box.nMin;

    if (opt.planView) {
        if (WE <= 0 && WN <= 0)
            return scene;
        double eMin = box.eMin, eMax = box.eMax, nMin = box.nMin, nMax = box.nMax;
        if (WE > WN) {
            eMin -= WE / 8;
            eMax += WE / 8;
            nMin -= (WE - WN) / 2 + WE / 8;
            nMax += (WE - WN) / 2 + WE / 8;
        } else {
            nMin -= WN / 8;
            nMax += WN / 8;
            eMin -= (WN - WE) / 2 + WN / 8;
            eMax += (WN - WE) / 2 + WN / 8;
        }
        const double L = eMax - eMin;
        const double W = surface.width, H = surface.height;
        // Paper: one scale on both axes, the square box centred on the printable area, so
        // the plan a user hands in is true to shape. Screen: the box fills the picture.
        const double s = std::min(W, H) / L;
        const double sx = surface.printer ? s : W / L, sy = surface.printer ? s : H / (nMax - nMin);
        const double x0 = surface.printer ? (W - L * s) / 2 : 0, y0 = surface.printer ? (H - L * s) / 2 : 0;
        auto map = [&](double e, double n) { return QPointF(x0 + (e - eMin) * sx, y0 + (nMax - n) * sy); };
        const double radius = L / (2.0 * std::max(1, opt.scalePercent)) * sx;
        for (int i = 0; i < regionCount; ++i) {
            if (!list.regionTicked(i))
                continue;
            const Region& g = regions[size_t(i)];
            const QColor c = g.Color;
            if (opt.drawIds && !g.OreBodyId.isEmpty()) {
                const QSizeF ts = measure.size(g.OreBodyId);
                Item t;
                t.kind = Item::Text;
                t.points << map(anchors[size_t(i)].x(), anchors[size_t(i)].y()) - QPointF(ts.width() / 2, ts.height() / 2);
                t.text = g.OreBodyId;
                t.pen = c;
                scene.items.push_back(t);
            }
            const int n = std::min<int>(g.PointCount, int(g.Points.X.size()));
            auto corner = [&](int k) {
                if (!opt.drawPoints)
                    return;
                const QPointF p = map(g.Points.Y[k], g.Points.X[k]);
                Item t;
                t.kind = Item::Text;
                t.points << p;
                t.text = g.Points.PointNo.value(k);
                t.pen = c;
                scene.items.push_back(t);
                Item circ;
                circ.kind = Item::Circle;
                circ.points << p;
                circ.radius = radius;
                circ.pen = c;
                circ.brush = state.fill;
                scene.items.push_back(circ);
            };
            if (n == 0)
                continue;
            corner(0);
            for (int j = 1; j < n; ++j) {
                scene.items.push_back(
                    line(map(g.Points.Y[j - 1], g.Points.X[j - 1]), map(g.Points.Y[j], g.Points.X[j]), c));
                corner(j);
            }
            scene.items.push_back(line(map(g.Points.Y[n - 1], g.Points.X[n - 1]), map(g.Points.Y[0], g.Points.X[0]), c));
        }
        return scene;
    }

    // Block view.
    if (WE <= 0)
        return scene;
    const double H = zMax - zMin;
    double eMin = box.eMin - WE / 8, eMax = box.eMax + WE / 8;
    if (WE > H) {
        zMin -= (WE - H) / 2 + WE / 8;
        zMax += (WE - H) / 2 + WE / 8;
    } else {
        zMin -= 1.5 * H;
        zMax += 1.5 * H;
    }
    Members m;
    m.WorldWidth = eMax - eMin;
    m.WorldHeight = zMax - zMin;
    m.WorldXMin = eMin;
    m.WorldYMin = zMin;
    m.PlotCentre = m.WorldHeight / 2 + m.WorldYMin;
    m.ScaleX = float(surface.width / (WE / 8 + m.WorldWidth));
    m.ScaleY = float(surface.height / (1.5 * H + m.WorldHeight));
    m.ScreenH = float(surface.width - surface.width / 10);
    members = m;
    const float k = 50.0f / float(list.listRows());
    const double beta = opt.rotation * 0.5 * geo::kPi / 180;

    for (int r = 0; r < list.count(); ++r) {
        const RegionListRow& row = list.row(r);
        const int i = row.index;
        if (i < 0 || i >= int(regions.size()) || !row.ticked)
            continue;
        const Region& g = regions[size_t(i)];
        const int n = std::min<int>(g.PointCount, int(g.Points.X.size()));
        if (n == 0)
            continue;
        std::vector<double> A(static_cast<size_t>(n)), B(static_cast<size_t>(n));
        for (int p = 0; p < n; ++p) {
            A[size_t(p)] = g.Points.Y[p];
            B[size_t(p)] = g.Points.X[p];
            rotate2d(A[size_t(p)], B[size_t(p)], beta, centreY, centreX);
        }
        double maxA = 0, minA = 900000000;
        int maxI = 0, minI = 0;
        for (int p = 0; p < n; ++p) {
            if (A[size_t(p)] >= maxA) {
                maxA = A[size_t(p)];
                maxI = p;
            }
            if (A[size_t(p)] <= minA) {
                minA = A[size_t(p)];
                minI = p;
            }
        }
        const int a = std::min(maxI, minI), b = std::max(maxI, minI);
        std::vector<int> c1, c2;
        for (int p = a; p <= b; ++p)
            c1.push_back(p);
        for (int p = a; p >= 0; --p)
            c2.push_back(p);
        for (int p = n - 1; p >= b; --p)
            c2.push_back(p);
        bool c1Front;
        if (b - a == 1) {
            if (a >= 1)
                c1Front = B[size_t(a - 1)] >= B[size_t(a)];
            else
                c1Front = b + 1 < n ? B[size_t(b + 1)] >= B[size_t(b)] : true;
        } else {
            double all = 0, chain = 0;
            for (int p = 0; p < n; ++p)
                all += B[size_t(p)];
            for (int p : c1)
                chain += B[size_t(p)];
            c1Front = chain / double(c1.size()) < all / n;
        }
        const std::vector<int>& front = c1Front ? c1 : c2;
        const std::vector<int>& back = c1Front ? c2 : c1;
        auto dev = [&](int p, float z) {
            qint32 x = clng(A[size_t(p)]);
            qint32 y = clng(TiltX(B[size_t(p)], z, centreX, m.PlotCentre, opt.tilt));
            Tran_Real_To_Screen_XY(m, x, y);
            return QPointF(x, y);
        };
        auto band = [&](const std::vector<int>& chain) {
            QPolygonF poly;
            for (int p : chain)
                poly << dev(p, g.ElevFrom);
            for (auto it = chain.rbegin(); it != chain.rend(); ++it)
                poly << dev(*it, g.ElevTo);
            poly << poly.first();
            return poly;
        };
        const QPolygonF fb = band(front), bb = band(back);
        QPolygonF cap;
        for (int p = 0; p < n; ++p)
            cap << dev(p, g.ElevFrom);
        cap << cap.first();

        const int grey = std::clamp(int(std::nearbyint(200 - i * double(k))), 0, 255);
        const QColor fill(grey, grey, grey);
        auto brush = [&](QColor c) { return opt.transparent ? std::optional<QColor>() : std::optional<QColor>(c); };
        auto polygon = [&](const QPolygonF& pts, std::optional<QColor> br) {
            Item it;
            it.kind = Item::Polygon;
            it.points = pts;
            it.pen = g.Color;
            it.brush = br;
            scene.items.push_back(it);
        };
        const int ub = int(bb.size()) - 1;
        for (int t = 0; t <= int(std::nearbyint(ub / 2.0 - 2)); ++t)
            polygon(QPolygonF() << bb[t] << bb[ub - t - 1] << bb[ub - t - 2] << bb[t + 1] << bb[t], brush(fill));
        polygon(fb, brush(fill));
        const int uf = int(fb.size()) - 1;
        for (int t = 0; t <= int(std::nearbyint(uf / 2.0 - 2)); ++t) {
            Item it;
            it.kind = Item::Polyline;
            it.points << fb[t] << fb[uf - t - 1];
            it.pen = g.Color;
            scene.items.push_back(it);
        }
        state.fill = g.Color;
        polygon(cap, brush(g.Color));
    }
    return scene;
}

void paintScene(QPainter& p, const Scene& scene) {
    p.save();
    // One pixel of the device, but never thinner than half a point: a printer's pixel is a
    // hairline on paper.
    const double width = p.device() ? std::max(1.0, p.device()->logicalDpiX() / 144.0) : 1.0;
    for (const Item& it : scene.items) {
        QPen pen(it.pen);
        pen.setCosmetic(true);
        pen.setWidthF(width);
        p.setPen(pen);
        p.setBrush(it.brush ? QBrush(*it.brush) : QBrush(Qt::NoBrush));
        switch (it.kind) {
        case Item::Line:
            p.drawLine(it.points.value(0), it.points.value(1));
            break;
        case Item::Circle:
            p.drawEllipse(it.points.value(0), it.radius, it.radius);
            break;
        case Item::Text: {
            const QFontMetricsF fm(p.font());
            p.drawText(it.points.value(0) + QPointF(0, fm.ascent()), it.text);
            break;
        }
        case Item::Polygon:
            p.drawPolygon(it.points, Qt::OddEvenFill);
            break;
        case Item::Polyline:
            p.drawPolyline(it.points);
            break;
        }
    }
    p.restore();
}

} // namespace mf::plot
