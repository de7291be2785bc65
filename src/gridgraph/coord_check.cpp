#include "gridgraph/coord_check.h"

#include "gridgraph/geo.h"
#include "gridgraph/messages.h"
#include "platform/dialogs.h"
#include "platform/vb.h"

namespace mf {

using namespace gridmsg;

namespace {

// A packed angle the projection can take: its degrees fit the 16-bit conversion.
bool packedAngleUsable(const QString& text) { return geo::Deg_To_Rad(vb::val(text)).has_value(); }

bool minutesAndSecondsValid(const QString& text) {
    const auto a = geo::splitPacked(vb::val(text));
    return a && a->minutes < 60 && a->seconds < 60;
}

// A coordinate or elevation as a number: digits with at most one point, in plain form (an
// exponent is no way to write a corner point, "6.0E1" would pass as 60°).
bool plainNumber(const QString& text) {
    return vb::isNumeric(text) && !text.contains(u'e', Qt::CaseInsensitive);
}

// A point number the text file would read as something else: "标高" ends a region there,
// and a "," would shift every later field.
bool reservedPointNumber(const QString& text) {
    return vb::trim(text) == QStringLiteral("标高") || text.contains(u',');
}

// What 计算's range tests refuse in a corner whose coordinates are numbers: the message of
// the first fault, or "" when the corner can be placed. type: 0 plane, else geographic.
QString rangeFault(const QString& c2, const QString& c3, int type) {
    if (type == 0) {
        const double x = vb::val(c2), y = vb::val(c3);
        if (!(x >= 1000000 && x <= 10000000))
            return kXRange;
        if (!(y >= 10000000 && y <= 100000000))
            return kYRange;
        return {};
    }
    // A negative packed angle is out of range (its minutes would count the wrong way).
    const double lon = geo::Get_Divi_Degree(vb::trim(c2));
    const double lat = geo::Get_Divi_Degree(vb::trim(c3));
    if (vb::val(c2) < 0 || !(lon >= 70 && lon <= 140) || !packedAngleUsable(c2))
        return kLonRange;
    if (vb::val(c3) < 0 || !(lat >= 0 && lat <= 55) || !packedAngleUsable(c3))
        return kLatRange;
    // 116.7500 is no angle: minutes and seconds count to 59.
    if (!minutesAndSecondsValid(c2))
        return kLonMinSec;
    if (!minutesAndSecondsValid(c3))
        return kLatMinSec;
    return {};
}

} // namespace

CheckResult CheckCoordGrid(CoordGrid& grid, int mode, int type, Dialogs& dialogs) {
    if (mode != 1 && mode != 2)
        mode = 0;
    CheckResult res;
    auto error = [&](const QString& text) {
        dialogs.message(kTitleError, text, MsgIcon::Exclamation, MsgButtons::Ok);
        return res;
    };
    auto warnStops = [&](const QString& text) {
        return dialogs.message(kTitleWarning, text, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes;
    };
    int pointsInRegion = 0;
    bool havePrev = false;
    double prevX = -1, prevY = -1;

    if (mode != 2 && grid.rows() < 3)
        return error(kIncomplete);

    for (int r = 1; r <= grid.lastDataRow(); ++r) {
        const QString c1 = grid.cell(r, 1);
        if (c1.isEmpty())
            return error(rowText(r, kPointNoMissing));
        if (vb::trim(c1) == QLatin1String("*")) {
            if (pointsInRegion < 3)
                return error(rowText(r, kFewPoints));
            if (vb::trim(grid.cell(r, 5)).isEmpty())
                grid.setCell(r, 5, QStringLiteral("1"));
            const QString natureText = grid.cell(r, 5);
            const auto nature = vb::isNumeric(natureText) ? vb::toInt16(vb::val(natureText)) : std::nullopt;
            if (!nature || *nature < -1 || *nature > 1)
                return error(rowText(r, kBadNature));
            const bool fromNum = plainNumber(grid.cell(r, 2));
            const bool toNum = plainNumber(grid.cell(r, 3));
            if (fromNum && toNum) {
                if (vb::val(grid.cell(r, 3)) >= vb::val(grid.cell(r, 2)) && mode == 0)
                    return error(rowText(r, kElevOrder));
            } else if (mode != 1) {
                if (warnStops(rowText(r, kElevIncomplete)))
                    return res;
            }
            if (res.regionCount >= kMaxRegions)
                return error(kTooManyRegions);
            havePrev = false;
            ++res.regionCount;
            pointsInRegion = 0;
            continue;
        }
        if (vb::byteLength(c1) > 8)
            return error(rowText(r, kPointNoLong));
        if (reservedPointNumber(c1))
            return error(rowText(r, kPointNoReserved));
        const QString c2 = grid.cell(r, 2), c3 = grid.cell(r, 3);
        // A corner without both coordinates is never saved (it would reopen as 0), nor
        // one whose coordinates are no numbers (计算 would refuse what the file holds).
        if (mode == 2 && (vb::trim(c2).isEmpty() || vb::trim(c3).isEmpty()))
            return error(rowText(r, kCoordIncomplete));
        if (!plainNumber(c2) || !plainNumber(c3))
            return error(rowText(r, kCoordMissing));
        if (const QString fault = rangeFault(c2, c3, type); !fault.isEmpty()) {
            if (mode != 2)
                return error(rowText(r, fault));
            // A save may keep a corner 计算 cannot place, as typed, when the user says so.
            if (dialogs.message(kTitleWarning, rowText(r, fault) + kSaveAnyway, MsgIcon::Question,
                                MsgButtons::YesNoDefaultNo) != MsgAnswer::Yes)
                return res;
        }
        ++pointsInRegion;
        if (mode == 2 || type != 0)
            continue;
        const double x = vb::val(c2), y = vb::val(c3);
        if (havePrev) {
            const double d = geo::PointDistance(x, y, prevX, prevY);
            if (d > 5000 && warnStops(rowText(r, kTooFar)))
                return res;
            if (d == 0 && warnStops(rowText(r, kSamePoint)))
                return res;
        }
        havePrev = true;
        prevX = x;
        prevY = y;
    }
    if (grid.rows() >= 3 && grid.isEndRow(grid.lastDataRow())) {
        res.ok = true;
    } else if (mode == 2) {
        res.ok = true;
    } else {
        return error(kNoEndMarker);
    }
    return res;
}

} // namespace mf
