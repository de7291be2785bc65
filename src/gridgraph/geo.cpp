#include "gridgraph/geo.h"

#include "platform/vb.h"

#include <cmath>

namespace mf::geo {

double Get_Divi_Degree(const QString& text) {
    if (text.isEmpty())
        return 0;
    const qsizetype dot = text.indexOf(u'.');
    if (dot < 0)
        return vb::val(text);
    QString decimals = text.mid(dot + 1);
    while (decimals.size() < 4)
        decimals += u'0';
    const double degrees = vb::val(text.left(dot));
    const double minutes = vb::val(decimals.left(2));
    const double seconds = vb::val(decimals.mid(2, 2));
    return degrees + minutes / 60 + seconds / 3600;
}

namespace {

// The split as the run time's Format takes it: the value rounded to six decimals (on its 15
// significant digits, halves away from zero) and read back field by field.
std::optional<PackedAngle> splitPackedText(double x) {
    const QString s = vb::formatFixed(x, 6);
    const qsizetype dot = s.indexOf(u'.');
    if (dot < 0)
        return std::nullopt;   // not a finite number
    const auto degrees = vb::toInt16(vb::val(s.left(dot)));
    const auto minutes = vb::toInt16(vb::val(s.mid(dot + 1, 2)));
    if (!degrees || !minutes)
        return std::nullopt;
    return PackedAngle{*degrees, *minutes, vb::val(s.mid(dot + 3)) / 100};
}

} // namespace

std::optional<PackedAngle> splitPacked(double x) {
    if (!std::isfinite(x))
        return std::nullopt;
    // The millionths of |x|, exactly as the sum of a product and its rounding error. Unless
    // their fraction lies near a half, where rounding the 15 significant digits first could
    // decide, the nearest whole number is the rounding of the text and the fields follow
    // arithmetically.
    const double ax = std::fabs(x);
    if (ax < 32768) {
        const double p = ax * 1e6;
        const double err = std::fma(ax, 1e6, -p);
        const double whole = std::floor(p);
        const double frac = (p - whole) + err;
        if (std::fabs(frac - 0.5) > 1e-4) {
            const qint64 n = qint64(whole) + (frac > 0.5 ? 1 : 0);
            const qint64 degrees = n / 1000000;
            if (degrees > 32767 + (x < 0 ? 1 : 0))
                return std::nullopt;
            return PackedAngle{int(x < 0 ? -degrees : degrees), int(n / 10000 % 100), double(n % 10000) / 100};
        }
    }
    return splitPackedText(x);
}

std::optional<double> Deg_To_Rad(double x) {
    if (!std::isfinite(x))
        return x;
    const auto a = splitPacked(x);
    if (!a)
        return std::nullopt;
    return a->degrees + a->minutes / 60.0 + a->seconds / 3600;
}

int zoneOf(double lonDeg) { return int(std::floor(lonDeg / 6)) + 1; }

PlanePoint Degree_To_Coor(double L, double B, int zone) {
    constexpr double a = 6378245.0;
    constexpr double e2 = 0.00669342162296594;
    constexpr double ep2 = 0.00673852541468348;
    constexpr double rho = 206264.806247096;
    if (zone == 0)
        zone = zoneOf(L);
    const double L0 = 6.0 * zone - 3;
    const double b = B * kPi / 180;
    // Powers by multiplication (pow costs more than the rest of the projection).
    const double bb = b * b, b3 = b * bb, b5 = b3 * bb, b7 = b5 * bb, b9 = b7 * bb, b11 = b9 * bb, b13 = b11 * bb,
                 b15 = b13 * bb, b17 = b15 * bb, b19 = b17 * bb, b21 = b19 * bb, b23 = b21 * bb;
    // Meridian arc, summed in the order the coefficients were calibrated with.
    double s = 1.194e-14 * b23 + b;
    s += 0.0033467108148 * b3;
    s -= 0.0006525414524 * b5;
    s -= 1.7470855373e-06 * b9;
    s -= 1.1874337523e-07 * b11;
    s -= 9.9717606e-10 * b15;
    s -= 8.57065e-12 * b17;
    s += 6.13149e-12 * b19;
    s -= 5.0626e-13 * b21;
    s += 5.5840246422e-05 * b7;
    s += 1.844260749e-08 * b13;
    const double X = 6335552.717 * s;

    const double l = (L - L0) * 3600;
    const double t = std::tan(b);
    const double sinb = std::sin(b), cosb = std::cos(b);
    const double eta2 = ep2 * cosb * cosb;
    const double N = a / std::sqrt(1 - e2 * sinb * sinb);
    const double t2 = t * t, t4 = t2 * t2;
    const double cos3 = cosb * cosb * cosb, cos5 = cos3 * cosb * cosb;
    const double l2 = l * l, l3 = l2 * l, l4 = l2 * l2, l5 = l4 * l, l6 = l3 * l3;
    const double rho2 = rho * rho, rho3 = rho2 * rho, rho4 = rho2 * rho2, rho5 = rho4 * rho, rho6 = rho3 * rho3;

    double x = X;
    x += N * sinb * cos3 * (5 - t2 + 9 * eta2 + 4 * eta2 * eta2) * l4 / (24 * rho4);
    x += N * sinb * cosb * l2 / (2 * rho2);
    x += N * sinb * cos5 * (61 - 58 * t2 + t4) * l6 / (720 * rho6);

    double y = N * cos3 * (1 - t2 + eta2) * l3 / (6 * rho3) + N * l * cosb / rho;
    y += N * cos5 * (5 - 18 * t2 + t4 + 14 * eta2 - 58 * t2 * eta2) * l5 / (120 * rho5);
    y += 500000;
    y += zone * 1000000.0;
    return {x, y, zone};
}

double PointDistance(double x1, double y1, double x2, double y2) {
    return std::fabs(std::sqrt((y2 - y1) * (y2 - y1) + (x2 - x1) * (x2 - x1)));
}

} // namespace mf::geo
