// Whether a region's ring is simple: no edge crosses, touches or overlaps another except
// where two neighbouring edges share their corner. The predicates are exact, so a corner
// lying on an edge is found whatever the coordinates; a sweep compares each edge only with
// its neighbours in the sweep's order, so the test takes n log n for n corners.
#include "gridgraph/regions.h"

#include <algorithm>
#include <cmath>
#include <set>
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

bool lexLess(const Pt& a, const Pt& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); }

// Two edges that are not neighbours meet somewhere: a sweep over the corners in the order
// of x (then y) keeps the edges it crosses ordered from below to above and compares only
// edges that become neighbours in that order (Shamos and Hoey). A corner visited twice is
// found first; no two neighbouring edges overlap, which the caller has made sure of.
bool farEdgesMeet(const std::vector<Pt>& p) {
    const int n = int(p.size());
    struct Edge {
        Pt l, r;   // l before r in the order of the sweep
    };
    std::vector<Edge> edges(static_cast<size_t>(n));
    for (int e = 0; e < n; ++e) {
        const Pt& a = p[size_t(e)];
        const Pt& b = p[size_t((e + 1) % n)];
        edges[size_t(e)] = lexLess(a, b) ? Edge{a, b} : Edge{b, a};
    }
    auto neighbours = [n](int e, int f) { return f == (e + 1) % n || e == (f + 1) % n; };
    auto meet = [&](int e, int f) {
        return e != f && !neighbours(e, f) &&
               segmentsMeet(edges[size_t(e)].l, edges[size_t(e)].r, edges[size_t(f)].l, edges[size_t(f)].r);
    };

    // A corner met inside an edge while ordering: the ring touches itself there.
    bool touched = false;
    // Whether edge a lies below edge b where the sweep stands (the later left end of the
    // two): a point left of an edge, as the edge runs along the sweep, lies above it.
    auto below = [&](int ia, int ib) {
        if (ia == ib) return false;
        const Edge& a = edges[size_t(ia)];
        const Edge& b = edges[size_t(ib)];
        if (a.l == b.l) return orient(a.l, a.r, b.r) > 0;
        if (lexLess(a.l, b.l)) {
            const int o = orient(a.l, a.r, b.l);
            if (o == 0) touched = true;
            return o > 0;
        }
        const int o = orient(b.l, b.r, a.l);
        if (o == 0) touched = true;
        return o < 0;
    };
    std::set<int, decltype(below)> sweep(below);
    std::vector<std::set<int, decltype(below)>::iterator> at(static_cast<size_t>(n));

    // Events: every edge's left end (1) and right end (0); at one point the edges that end
    // there leave before the edges that start there come in.
    struct Event {
        Pt q;
        int start;
        int edge;
    };
    std::vector<Event> events;
    events.reserve(size_t(2 * n));
    for (int e = 0; e < n; ++e) {
        events.push_back({edges[size_t(e)].l, 1, e});
        events.push_back({edges[size_t(e)].r, 0, e});
    }
    std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        if (!(a.q == b.q)) return lexLess(a.q, b.q);
        return a.start < b.start;
    });
    // A corner is the end of two edges; a point that ends more is a corner visited twice,
    // where the ring touches itself (a ring entered twice, a figure of eight).
    for (size_t i = 2; i < events.size(); ++i)
        if (events[i].q == events[i - 2].q) return true;
    for (const Event& ev : events) {
        if (ev.start) {
            const auto it = sweep.insert(ev.edge).first;
            if (touched) return true;
            at[size_t(ev.edge)] = it;
            if (it != sweep.begin() && meet(ev.edge, *std::prev(it))) return true;
            if (std::next(it) != sweep.end() && meet(ev.edge, *std::next(it))) return true;
        } else {
            const auto it = at[size_t(ev.edge)];
            if (it != sweep.begin() && std::next(it) != sweep.end() && meet(*std::prev(it), *std::next(it)))
                return true;
            sweep.erase(it);
        }
    }
    return false;
}

} // namespace

bool boundaryCrossesItself(const RegionPoints& points) {
    // The ring without repeated points: a point typed twice in a row, or the first point
    // typed again at the end, is the same ring. The coordinates are taken as they are (the
    // predicates are exact; a shifted copy would be rounded).
    const qsizetype count = std::min(points.X.size(), points.Y.size());
    if (count == 0) return false;
    std::vector<Pt> p;
    p.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        const Pt q{points.X[i], points.Y[i]};
        if (!std::isfinite(q.x) || !std::isfinite(q.y)) return true;
        if (p.empty() || !(q == p.back())) p.push_back(q);
    }
    while (p.size() > 1 && p.back() == p.front()) p.pop_back();
    // Fewer than three corners enclose nothing: the ring runs back along itself.
    if (p.size() < 3) return true;

    // Neighbouring edges that overlap: the ring turns back along the edge it came by.
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i)
        if (turnsBack(p[(i + n - 1) % n], p[i], p[(i + 1) % n])) return true;
    if (n == 3) return false;

    return farEdgesMeet(p);
}

} // namespace mf
