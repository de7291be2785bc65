// Whether a region's ring is simple: no edge crosses, touches or overlaps another except
// where two neighbouring edges share their corner. The predicates are exact, so a corner
// lying on an edge is found whatever the coordinates; the edges are compared only with the
// edges that share a cell of a grid laid over the ring, so the test stays fast at tens of
// thousands of points.
#include "gridgraph/regions.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace mf {

namespace {

struct Pt {
    double x, y;
    bool operator==(const Pt& o) const { return x == o.x && y == o.y; }
};

// Error-free transformations of one sum, difference and product of two doubles.
inline void twoSum(double a, double b, double& s, double& e) {
    s = a + b;
    const double bv = s - a, av = s - bv;
    e = (a - av) + (b - bv);
}
inline void twoDiff(double a, double b, double& d, double& e) {
    d = a - b;
    const double bv = a - d, av = d + bv;
    e = (a - av) + (bv - b);
}
inline void twoProduct(double a, double b, double& p, double& e) {
    p = a * b;
    e = std::fma(a, b, -p);
}

// The exact sign of the sum of terms (a non-overlapping expansion is grown term by term).
int exactSign(const double* terms, int count) {
    double h[32];
    int m = 0;
    for (int k = 0; k < count; ++k) {
        double q = terms[k];
        for (int i = 0; i < m; ++i) {
            double s, t;
            twoSum(q, h[i], s, t);
            h[i] = t;
            q = s;
        }
        h[m++] = q;
    }
    for (int i = m - 1; i >= 0; --i)
        if (h[i] != 0) return h[i] > 0 ? 1 : -1;
    return 0;
}

// Sign of the turn a -> b -> c: 1 left, -1 right, 0 on one line; exact.
int orient(const Pt& a, const Pt& b, const Pt& c) {
    const double left = (a.x - c.x) * (b.y - c.y), right = (a.y - c.y) * (b.x - c.x);
    const double det = left - right;
    const double bound = 3.3306690738754716e-16 * (std::fabs(left) + std::fabs(right));
    if (det > bound) return 1;
    if (-det > bound) return -1;
    double acx, acxe, bcy, bcye, acy, acye, bcx, bcxe;
    twoDiff(a.x, c.x, acx, acxe);
    twoDiff(b.y, c.y, bcy, bcye);
    twoDiff(a.y, c.y, acy, acye);
    twoDiff(b.x, c.x, bcx, bcxe);
    double t[16];
    const double l1[2] = {acx, acxe}, l2[2] = {bcy, bcye}, r1[2] = {acy, acye}, r2[2] = {bcx, bcxe};
    int k = 0;
    for (double u : l1)
        for (double v : l2) {
            twoProduct(u, v, t[k], t[k + 1]);
            k += 2;
        }
    for (double u : r1)
        for (double v : r2) {
            twoProduct(-u, v, t[k], t[k + 1]);
            k += 2;
        }
    return exactSign(t, k);
}

// p, on the line through a and b, lies on the closed segment a-b.
bool within(const Pt& a, const Pt& b, const Pt& p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// The closed segments a-b and c-d have a point in common.
bool segmentsMeet(const Pt& a, const Pt& b, const Pt& c, const Pt& d) {
    const int o1 = orient(a, b, c), o2 = orient(a, b, d);
    if (o1 * o2 > 0) return false;
    const int o3 = orient(c, d, a), o4 = orient(c, d, b);
    if (o3 * o4 > 0) return false;
    if (o1 != 0 && o2 != 0 && o3 != 0 && o4 != 0) return true;
    return (o1 == 0 && within(a, b, c)) || (o2 == 0 && within(a, b, d)) || (o3 == 0 && within(c, d, a)) ||
           (o4 == 0 && within(c, d, b));
}

int sign(double v) { return (v > 0) - (v < 0); }

// The ring turns back on itself at b: a, b and c on one line with a and c on the same side.
bool turnsBack(const Pt& a, const Pt& b, const Pt& c) {
    if (orient(a, b, c) != 0) return false;
    return sign(a.x - b.x) * sign(c.x - b.x) > 0 || sign(a.y - b.y) * sign(c.y - b.y) > 0;
}

// Two edges that are not neighbours meet somewhere. The edges are put into the cells of a
// grid of about one cell per edge that they pass through (with a small margin, so that a
// point on a cell border lands in both cells); only edges sharing a cell are compared.
bool farEdgesMeet(const std::vector<Pt>& p) {
    const int n = int(p.size());
    double minX = p[0].x, maxX = p[0].x, minY = p[0].y, maxY = p[0].y;
    for (const Pt& q : p) {
        minX = std::min(minX, q.x);
        maxX = std::max(maxX, q.x);
        minY = std::min(minY, q.y);
        maxY = std::max(maxY, q.y);
    }
    const double w = maxX - minX, h = maxY - minY;
    double cell = std::sqrt(w * h / n);
    if (!(cell > 0)) cell = std::max(w, h) / n;
    if (!(cell > 0)) return true;   // every point the same: no ring at all
    const int cols = int(std::min(w / cell, 2.0 * n)) + 1, rows = int(std::min(h / cell, 2.0 * n)) + 1;
    const double margin = cell * 1e-6;
    auto colOf = [&](double x) { return std::clamp(int(std::floor((x - minX) / cell)), 0, cols - 1); };
    auto rowOf = [&](double y) { return std::clamp(int(std::floor((y - minY) / cell)), 0, rows - 1); };

    std::vector<std::pair<qint64, int>> entries;   // (cell, edge)
    entries.reserve(size_t(n) * 3);
    for (int e = 0; e < n; ++e) {
        const Pt& a = p[size_t(e)];
        const Pt& b = p[size_t((e + 1) % n)];
        const double x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
        const double y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
        const int r0 = rowOf(y0 - margin), r1 = rowOf(y1 + margin);
        for (int r = r0; r <= r1; ++r) {
            // The edge's x within this row of cells.
            double lo = x0, hi = x1;
            if (a.y != b.y && r0 != r1) {
                const double ya = std::max(y0, minY + r * cell), yb = std::min(y1, minY + (r + 1) * cell);
                const double xa = a.x + (ya - a.y) * (b.x - a.x) / (b.y - a.y);
                const double xb = a.x + (yb - a.y) * (b.x - a.x) / (b.y - a.y);
                lo = std::max(x0, std::min(xa, xb));
                hi = std::min(x1, std::max(xa, xb));
            }
            for (int c = colOf(lo - margin), c1 = colOf(hi + margin); c <= c1; ++c)
                entries.emplace_back(qint64(r) * cols + c, e);
        }
    }
    std::sort(entries.begin(), entries.end());
    for (size_t i = 0; i < entries.size();) {
        size_t j = i;
        while (j < entries.size() && entries[j].first == entries[i].first) ++j;
        for (size_t u = i; u < j; ++u) {
            const int e = entries[u].second;
            for (size_t v = u + 1; v < j; ++v) {
                const int f = entries[v].second;
                if (f == e || f == (e + 1) % n || e == (f + 1) % n) continue;
                if (segmentsMeet(p[size_t(e)], p[size_t((e + 1) % n)], p[size_t(f)], p[size_t((f + 1) % n)]))
                    return true;
            }
        }
        i = j;
    }
    return false;
}

} // namespace

bool boundaryCrossesItself(const RegionPoints& points) {
    // The ring without repeated points: a point typed twice in a row, or the first point
    // typed again at the end, is the same ring. Relative to the first point, so that the
    // cells of the grid are not lost in the digits of large coordinates.
    const qsizetype count = std::min(points.X.size(), points.Y.size());
    if (count == 0) return false;
    std::vector<Pt> p;
    p.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        const Pt q{points.X[i] - points.X[0], points.Y[i] - points.Y[0]};
        if (!std::isfinite(q.x) || !std::isfinite(q.y)) return true;
        if (p.empty() || !(q == p.back())) p.push_back(q);
    }
    while (p.size() > 1 && p.back() == p.front()) p.pop_back();
    // Fewer than three corners enclose nothing: the ring runs back along itself.
    if (p.size() < 3) return true;

    // A corner visited twice: the ring touches itself there (a ring entered twice, a
    // figure of eight).
    std::vector<Pt> sorted = p;
    std::sort(sorted.begin(), sorted.end(), [](const Pt& a, const Pt& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) return true;

    // Neighbouring edges that overlap: the ring turns back along the edge it came by.
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i)
        if (turnsBack(p[(i + n - 1) % n], p[i], p[(i + 1) % n])) return true;
    if (n == 3) return false;

    return farEdgesMeet(p);
}

} // namespace mf
