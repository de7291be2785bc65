#include "gridgraph/cell_edit.h"

#include "gridgraph/messages.h"
#include "platform/vb.h"

#include <cmath>

namespace mf::celledit {

namespace {
// Degrees, minutes, seconds and hundredths of a second in fixed positions.
const QString kLonMask = QStringLiteral("   °  ′  .  ″");
const QString kLatMask = QStringLiteral("  °  ′  .  ″");
constexpr int kFixedWidth = 10;   // the mask less its degree positions

QString twoDigits(qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); }

// Minutes or seconds as the mask shows them. By position a blank is a 0, so "3 " is 30 (as
// "98.3" in a file is 98°30′) and " 3" is 03; as typed, the field's digits are its value, so
// "3 " and " 3" are both 03.
QString fieldValue(QString field, bool asTyped) {
    if (asTyped)
        field.remove(u' ');
    else
        field.replace(u' ', u'0');
    return twoDigits(qint64(vb::val(field)));
}
} // namespace

QString emptyMask(int col) { return col == 2 ? kLonMask : kLatMask; }
bool isEmptyMask(const QString& s) { return s == kLonMask || s == kLatMask; }

bool isEditable(const CoordGrid& g, int r, int c) {
    if (r < 1 || r >= g.rows() || c < 1 || c >= CoordGrid::kCols)
        return false;
    return c < 4 || g.cell(r, 1) == QLatin1String("*");
}

bool isGeoPointCell(const CoordGrid& g, int r, int c, int coordType) {
    return coordType == 1 && (c == 2 || c == 3) && g.cell(r, 1) != QLatin1String("*");
}

std::optional<QString> CellToMaskText(const QString& value, int col) {
    const QString mask = emptyMask(col);
    const int width = int(mask.size()) - kFixedWidth;
    // Text that is no number (a pasted "116°30′", say) would open as the empty mask and be
    // lost on the commit: it is edited as plain text instead.
    if (!value.isEmpty() && !vb::trim(value).isEmpty() && !vb::isNumeric(value))
        return std::nullopt;
    const double x = vb::val(value);
    if (value.isEmpty() || x == 0)
        return mask;
    if (x < 0)
        return std::nullopt;
    const double d = std::trunc(x);
    // Minutes, seconds and hundredths of a second; a value finer than that is edited as
    // plain text, so the commit cannot round it away.
    const double scaled = (x - d) * 1000000;
    const auto f = vb::roundEven(scaled, 0, 1000000);
    if (!f || std::abs(scaled - double(*f)) > 1e-3)
        return std::nullopt;
    const qint64 m = *f / 10000, s = *f / 100 % 100, h = *f % 100;
    const QString digits = QString::number(qint64(d));
    if (digits.size() > width || m > 99)
        return std::nullopt;
    // The hundredths show when the stored text has them (also as "00").
    const qsizetype point = value.indexOf(u'.');
    const bool hundredths = h != 0 || (point >= 0 && vb::trim(value).size() - point - 1 > 4);
    return QString(width - digits.size(), u' ') + digits + u'°' + twoDigits(m) + u'′' + twoDigits(s) + u'.' +
           (hundredths ? twoDigits(h) : QStringLiteral("  ")) + u'″';
}

QString ztrim(const QString& text, bool geoCell, int col, bool fieldsAsTyped) {
    if (!geoCell)
        return vb::trim(text);
    const qsizetype p = text.indexOf(u'°');
    if (p < 0 || text == emptyMask(col))
        return {};
    QString r = vb::formatGeneral(vb::val(text.left(p)));
    const QString afterDeg = text.mid(p + 1);
    const qsizetype pm = afterDeg.indexOf(u'′');
    if (pm >= 0) {
        r += u'.' + fieldValue(afterDeg.left(pm), fieldsAsTyped);
        const QString afterMin = afterDeg.mid(pm + 1);
        const qsizetype ps = afterMin.indexOf(u'″');
        if (ps >= 0) {
            const QString sec = afterMin.left(ps);
            const qsizetype pp = sec.indexOf(u'.');
            r += fieldValue(pp < 0 ? sec : sec.left(pp), fieldsAsTyped);
            // Hundredths of a second by position: "5 " is 50, " 5" is 05.
            QString h = pp < 0 ? QString() : sec.mid(pp + 1);
            if (!vb::trim(h).isEmpty())
                r += h.replace(u' ', u'0');
        }
    }
    return r;
}

std::optional<QString> maskWithFirstChar(QChar c, int col) {
    if (c < u'0' || c > u'9')
        return std::nullopt;
    const QString mask = emptyMask(col);
    return QString(c) + mask.mid(1);
}

std::optional<std::pair<QString, int>> maskFieldJump(const QString& text, int caret, QChar key) {
    // "." or a blank ends the field the caret is in: the digits typed so far are
    // right-aligned in it (minutes and seconds zero-padded, so the field shows the value it
    // is stored as) and the caret goes to the next field (degrees, minutes, seconds).
    // Only a "." ends the seconds, starting the hundredths. At the start of a field (the
    // mask has just moved on by itself) the key ends the field before, which is done.
    const qsizetype deg = text.indexOf(u'°');
    const qsizetype min = deg < 0 ? -1 : text.indexOf(u'′', deg);
    const qsizetype point = min < 0 ? -1 : text.indexOf(u'.', min);
    if (point < 0 || caret < 0 || caret > text.size())
        return std::nullopt;
    const bool dot = key == u'.' || key == u'。' || key == u'．';
    qsizetype start = 0, end = deg;
    if (caret > point)
        return std::nullopt;   // the hundredths: the last field
    if (caret > min) {
        if (!dot)
            return std::nullopt;
        start = min + 1;
        end = point;
    } else if (caret > deg) {
        start = deg + 1;
        end = min;
    }
    if (caret <= start)
        return std::nullopt;
    QString typed = text.mid(start, caret - start);
    const QChar pad = start == 0 ? u' ' : u'0';
    if (start > 0)
        typed.replace(u' ', u'0');
    const QString out = text.left(start) + QString(end - caret, pad) + typed + text.mid(end);
    return std::make_pair(out, int(end) + 1);
}

bool isFieldKey(QChar key) {
    return key == u'.' || key == u'。' || key == u'．' || key == u' ' || key == u'\u3000';
}

std::pair<int, int> nextCell(const CoordGrid& g, int r, int c) {
    const bool endRow = g.isEndRow(r);
    if (c == 1)
        return {r, 2};
    if (!endRow)
        return c == 2 ? std::make_pair(r, 3) : std::make_pair(r + 1, 1);
    if (c < 5)
        return {r, c + 1};
    return {r + 1, 1};
}

CommitResult commitCell(CoordGrid& g, int r, int c, const QString& s) {
    CommitResult res;
    if (r < 1 || r >= g.rows() || c < 1 || c >= CoordGrid::kCols)
        return res;
    if (r - 1 == g.lastDataRow()) {
        if (s.isEmpty() || s == g.cell(r, c) || isEmptyMask(s))
            return res;
        if (r == g.rows() - 1) {
            res.error = gridmsg::rowsBeyondGrid(g.lastDataRow() + 1);
            if (!res.error.isEmpty())
                return res;
            g.setRows(g.rows() + 1);
            res.rowAdded = true;
        }
        g.setCell(r, c, s);
        g.setCell(r, 0, QString::number(r));
        res.changed = true;
        return res;
    }
    if (s != g.cell(r, c)) {
        g.setCell(r, c, s);
        res.changed = true;
    }
    return res;
}

} // namespace mf::celledit
