#include "gridgraph/cell_edit.h"

#include "platform/vb.h"

#include <cmath>

namespace mf::celledit {

namespace {
const QString kLonMask = QStringLiteral("   °  ′  ″");
const QString kLatMask = QStringLiteral("  °  ′  ″");
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
    const int width = int(mask.size()) - 7;
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
    const auto f = vb::roundEven((x - d) * 10000, 0, 10000);
    if (!f)
        return std::nullopt;
    const qint64 m = *f / 100, s = *f - 100 * m;
    const QString digits = QString::number(qint64(d));
    if (digits.size() > width || m > 99)
        return std::nullopt;
    return QString(width - digits.size(), u' ') + digits + u'°' + QStringLiteral("%1").arg(m, 2, 10, QChar(u'0')) +
           u'′' + QStringLiteral("%1").arg(s, 2, 10, QChar(u'0')) + u'″';
}

QString ztrim(const QString& text, bool geoCell, int col) {
    if (!geoCell)
        return vb::trim(text);
    const qsizetype p = text.indexOf(u'°');
    if (p < 0 || text == emptyMask(col))
        return {};
    QString r = vb::formatGeneral(vb::val(text.left(p)));
    const QString afterDeg = text.mid(p + 1);
    const qsizetype pm = afterDeg.indexOf(u'′');
    if (pm >= 0) {
        r += u'.' + QStringLiteral("%1").arg(qint64(vb::val(afterDeg.left(pm))), 2, 10, QChar(u'0'));
        const QString afterMin = afterDeg.mid(pm + 1);
        const qsizetype ps = afterMin.indexOf(u'″');
        if (ps >= 0)
            r += QStringLiteral("%1").arg(qint64(vb::val(afterMin.left(ps))), 2, 10, QChar(u'0'));
    }
    return r;
}

std::optional<QString> maskWithFirstChar(QChar c, int col) {
    if (c < u'0' || c > u'9')
        return std::nullopt;
    const QString mask = emptyMask(col);
    return QString(c) + mask.mid(1);
}

std::optional<std::pair<QString, int>> maskDotJump(const QString& text, int caret) {
    const qsizetype deg = text.indexOf(u'°');
    if (deg < 0)
        return std::nullopt;
    const int p = int(deg) + 1;   // 1-based position of the "°"
    if (caret >= p)
        return std::nullopt;
    // The degree digits typed so far, right-aligned in the degree field.
    const QString typed = text.left(caret);
    const QString out = QString(p - caret - 1, u' ') + typed + text.mid(deg);
    return std::make_pair(out, p);
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
