#include "core/boundary_walkers.h"

#include "platform/vb.h"

#include <cmath>

namespace mf {

namespace {

// Packed DDD.MMSS (seconds may carry decimals) as seconds of arc.
double packedToSeconds(double v) {
    const double sign = v < 0 ? -1 : 1;
    const double av = std::fabs(v);
    const double deg = std::floor(av);
    // Round away the binary noise of the decimal digits before taking minutes and seconds.
    const double minutesPart = std::round((av - deg) * 100 * 1e6) / 1e6;
    const double minutes = std::floor(minutesPart);
    const double seconds = (minutesPart - minutes) * 100;
    return sign * (deg * 3600 + minutes * 60 + seconds);
}

struct SketchEntry {
    double a = 0;
    double b = 0;
    QString label;
    bool separator = false;
};

} // namespace

QString StripCrLf(const QString& s) {
    QString r = s;
    r.remove(u'\r');
    r.remove(u'\n');
    return r;
}

bool boundaryStringWellFormed(const QString& input) {
    const QString s = StripCrLf(input);
    if (vb::trim(s).isEmpty())
        return true;
    const QStringList f = s.split(u',');
    // f.last() is what follows the last comma: empty in a string written whole.
    qsizetype i = 1;   // the block count is not compared with the blocks
    const qsizetype commaFields = f.size() - 1;
    while (i < commaFields) {
        const QString nText = vb::trim(f.at(i));
        if (!vb::isNumeric(nText))
            return false;
        const double n = vb::val(nText);
        if (n != std::floor(n) || n < 1 || n > 32767)
            return false;
        i += 1 + 3 * qsizetype(n);
        // Three trailer fields with their commas; the fourth with its comma or at the end.
        if (i + 3 > commaFields)
            return false;
        i += 3;
        if (i == commaFields)
            return true;   // the last nature without its comma
        ++i;
    }
    return i == commaFields && vb::trim(f.last()).isEmpty();
}

int NextCsvField(const QString& s, int pos, QString& field) {
    if (pos > s.size())
        return -1;
    const qsizetype start = pos < 1 ? 0 : pos - 1;
    const qsizetype c = s.indexOf(u',', start);
    if (c < 0) {
        field.clear();
        return -1;
    }
    field = s.mid(start, c - start);
    return int(c) + 2;
}

QString ElevationPairsText(const QString& s) {
    QString field;
    int pos = NextCsvField(s, 1, field);
    if (pos < 0)
        return {};
    const int blocks = vb::toInt16(vb::val(field)).value_or(0);
    if (blocks <= 0)
        return {};
    QString pairs;
    int read = 0;
    for (int b = 0; b < blocks; ++b) {
        pos = NextCsvField(s, pos, field);
        if (pos < 0)
            break;
        const double n = vb::val(field);
        if (n < 0 || n > s.size())
            break;
        for (int i = 0; i < 3 * int(n) && pos > 0; ++i)
            pos = NextCsvField(s, pos, field);
        QString from, to;
        if (pos > 0)
            pos = NextCsvField(s, pos, from);
        if (pos > 0)
            pos = NextCsvField(s, pos, to);
        for (int i = 0; i < 2 && pos > 0; ++i)
            pos = NextCsvField(s, pos, field);
        if (pos < 0)
            break;   // a block cut short is left out
        pairs += vb::trim(from) + u',' + vb::trim(to) + u',';
        ++read;
    }
    return QString::number(read) + u',' + pairs;
}

ElevationRange GetElevationRange(const QString& s) {
    ElevationRange r;
    const QString t = ElevationPairsText(s);
    if (t.isEmpty())
        return r;
    QString field;
    int pos = NextCsvField(t, 1, field);
    const int k = int(vb::val(field));
    QString from, to;
    const int next = k < 1 ? -1 : NextCsvField(t, pos, from);
    if (next < 0 || NextCsvField(t, next, to) < 0)
        return r;
    r.FromElevation = float(vb::val(from));
    r.ToElevation = float(vb::val(to));
    for (int i = 0; i < k && pos > 0; ++i) {
        pos = NextCsvField(t, pos, from);
        if (pos > 0)
            pos = NextCsvField(t, pos, to);
        if (pos < 0)
            break;
        const float e1 = float(vb::val(from));
        const float e2 = float(vb::val(to));
        if (e1 > r.FromElevation)
            r.FromElevation = e1;
        if (e2 < r.ToElevation)
            r.ToElevation = e2;
    }
    return r;
}

int CoordinateKind(double a, double b) {
    if (a > 1e6 && a < 1e7 && b > 1e7 && b < 1e8)
        return 2;
    if (a > 70 && a < 140 && b > 0 && b < 55)
        return 1;
    return 0;
}

bool BuildSketchPoints(const QString& input, SketchPointSet& out) {
    const QString s = StripCrLf(input);
    if (!s.contains(u','))
        return false;
    QString field;
    int pos = NextCsvField(s, 1, field);   // R: blocks are read until the string ends
    QList<SketchEntry> entries;
    bool havePoint = false;
    double minA = 0, minB = 0;
    while (pos > 0 && s.indexOf(u',', pos - 1) >= 0) {
        pos = NextCsvField(s, pos, field);
        const auto n = vb::toInt16(vb::val(vb::trim(field)));
        if (!n || *n <= 0)
            return false;
        const qsizetype first = entries.size();
        for (int i = 0; i < *n; ++i) {
            QString label, x, y;
            pos = NextCsvField(s, pos, label);
            if (pos > 0)
                pos = NextCsvField(s, pos, x);
            if (pos > 0)
                pos = NextCsvField(s, pos, y);
            if (pos < 0)
                return false;
            SketchEntry e{vb::val(x), vb::val(y), vb::trim(label)};
            if (!havePoint) {
                minA = e.a;
                minB = e.b;
                havePoint = true;
            } else {
                minA = std::min(minA, e.a);
                minB = std::min(minB, e.b);
            }
            entries.append(e);
        }
        const SketchEntry f = entries.at(first);
        const SketchEntry& l = entries.last();
        if (std::fabs(f.a - l.a) > 0.00001 || std::fabs(f.b - l.b) > 0.00001)
            entries.append(f);
        entries.append(SketchEntry{-1, -1, QString(), true});
        for (int i = 0; i < 3; ++i) {
            pos = NextCsvField(s, pos, field);
            if (pos < 0)
                return false;
        }
        pos = NextCsvField(s, pos, field);   // nature; the string may end without its comma
    }
    if (entries.isEmpty())
        return false;

    const int kind = CoordinateKind(minA, minB);
    double originA = minA, originB = minB;
    double eastScale = 1;
    if (kind == 1) {
        // Minutes and seconds are base 60: scale seconds of arc, not the packed digits.
        bool firstPoint = true;
        double maxB = 0;
        for (const SketchEntry& e : entries) {
            if (e.separator)
                continue;
            const double sa = packedToSeconds(e.a), sb = packedToSeconds(e.b);
            originA = firstPoint ? sa : std::min(originA, sa);
            originB = firstPoint ? sb : std::min(originB, sb);
            maxB = firstPoint ? sb : std::max(maxB, sb);
            firstPoint = false;
        }
        // A second of longitude is shorter than a second of latitude by the cosine of the
        // latitude (on the Krasovsky ellipsoid, as the plot projects it): the sketch keeps
        // the shape the plot shows.
        constexpr double e2 = 0.00669342162296594;
        const double phi = (originB + maxB) / 2 / 3600 * M_PI / 180;
        eastScale = std::cos(phi) * (1 - e2 * std::sin(phi) * std::sin(phi)) / (1 - e2);
    }
    SketchPointSet result;
    for (const SketchEntry& e : entries) {
        if (e.separator) {
            result.SketchX.append(-1);
            result.SketchY.append(-1);
            result.SketchLabels.append(QString());
            continue;
        }
        double x, y;
        if (kind == 1) {
            x = (packedToSeconds(e.a) - originA) * eastScale * 100;
            y = (packedToSeconds(e.b) - originB) * 100;
        } else {
            x = (e.b - originB) * 100;
            y = (e.a - originA) * 100;
        }
        const auto xi = vb::toInt32(x);
        const auto yi = vb::toInt32(y);
        if (!xi || !yi)
            return false;
        result.SketchX.append(*xi);
        result.SketchY.append(*yi);
        result.SketchLabels.append(e.label);
    }
    out = std::move(result);
    return true;
}

} // namespace mf
