#pragma once
// Packed angles DDD.MMSS and the Gauss-Krueger forward projection on the Krasovsky
// ellipsoid in 6-degree zones.
#include <QString>

#include <optional>

namespace mf::geo {

// The truncated pi the projection formulas are calibrated with.
constexpr double kPi = 3.141592653;

// DDD.MMSS text to decimal degrees: minutes and seconds are the first four decimals
// ("115.3" reads as 115.3000), later digits are ignored; "" gives 0.
double Get_Divi_Degree(const QString& text);

// A DDD.MMSS number split into its fields (six decimals: seconds with hundredths).
struct PackedAngle {
    int degrees = 0;
    int minutes = 0;
    double seconds = 0;
};
// Empty when the degrees or minutes do not fit a 16-bit integer.
std::optional<PackedAngle> splitPacked(double x);

// DDD.MMSS number (two more decimals give hundredths of a second) to decimal degrees.
// Empty when the degrees do not fit a 16-bit integer.
std::optional<double> Deg_To_Rad(double x);

// The zone of a longitude: floor(L/6)+1.
int zoneOf(double lonDeg);

struct PlanePoint {
    double x = 0;   // northing, metres
    double y = 0;   // easting with the zone number times 1e6 added
    int zone = 0;
};

// Projects (longitude, latitude in decimal degrees). zone 0 takes the point's own zone;
// another zone projects into that zone (for a boundary spanning two zones).
PlanePoint Degree_To_Coor(double lonDeg, double latDeg, int zone = 0);

// Distance of two plane points in metres.
double PointDistance(double x1, double y1, double x2, double y2);

} // namespace mf::geo
