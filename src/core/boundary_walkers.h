#pragma once
// Small walkers over the boundary string ZB_String: a flat list of fields, each followed
// by ",": the number of blocks R, then per block the number of points n, n triples
// (point number, X, Y) and four trailer fields (start elevation, end elevation, ore-body
// id, nature).
#include <QList>
#include <QString>
#include <QStringList>

namespace mf {

struct ElevationRange {
    float FromElevation = 0;  // highest start elevation of all blocks
    float ToElevation = 0;    // lowest end elevation of all blocks
};

// Points of the boundary sketch: per block its points, a copy of the first point when the
// ring is not closed, then a separator (x = -1, y = -1, label ""). Coordinates are
// relative to the smallest ones of all points.
struct SketchPointSet {
    QList<qint32> SketchX;       // east axis
    QList<qint32> SketchY;       // north axis
    QStringList SketchLabels;    // corner-point numbers
    int count() const { return int(SketchX.size()); }
};

// s without any CR or LF.
QString StripCrLf(const QString& s);

// Whether a stored boundary string can be read whole: the block count, then blocks of a
// point count from 1 to 32767, that many triples and four trailer fields (the last may lack
// its comma). An empty string holds no boundary and passes; a negative or missing point
// count, a short block or text after the last block do not.
bool boundaryStringWellFormed(const QString& s);

// The field from pos (1-based) up to the next comma, and the position after that comma;
// -1 when pos is beyond the end (field unchanged) or no comma follows (field emptied).
// A last field without a comma after it is not returned.
int NextCsvField(const QString& s, int pos, QString& field);

// R and the start and end elevation of each block, each followed by ","; "" when R is 0.
// A string cut short gives the blocks read completely.
QString ElevationPairsText(const QString& s);

// The highest start and lowest end elevation over all blocks; 0 and 0 without blocks.
ElevationRange GetElevationRange(const QString& s);

// 2: plane coordinates (10^6 < a < 10^7 and 10^7 < b < 10^8); 1: geographic DDD.MMSS
// (70 < a < 140 and 0 < b < 55); 0 otherwise.
int CoordinateKind(double a, double b);

// Builds the sketch points of a boundary string into out. False (out untouched) when the
// string has no comma, a block has no points, a field is missing or a value overflows.
// Geographic coordinates are converted to seconds before scaling, so a boundary across a
// minute or degree line keeps its shape, and east-west seconds are shortened by the
// cosine of the latitude, so the sketch shows the shape of the plot.
bool BuildSketchPoints(const QString& s, SketchPointSet& out);

} // namespace mf
