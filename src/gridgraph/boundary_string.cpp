#include "gridgraph/boundary_string.h"

#include "gridgraph/messages.h"
#include "platform/vb.h"

namespace mf {

namespace {

// A cell as one field of the string: trimmed, no CR/LF, no ASCII comma.
QString field(const QString& cell) {
    QString f = vb::trim(cell);
    f.remove(u'\r');
    f.remove(u'\n');
    f.replace(u',', QStringLiteral("，"));
    return f;
}

// Reads fields by index over a string without line breaks.
struct Cursor {
    const QString& s;
    qsizetype pos = 0;
    bool hasComma() const { return s.indexOf(u',', pos) >= 0; }
    // The field up to the next comma (dropped with it); empty optional when none follows.
    std::optional<QString> next() {
        const qsizetype c = s.indexOf(u',', pos);
        if (c < 0)
            return std::nullopt;
        QString f = s.mid(pos, c - pos);
        pos = c + 1;
        return f;
    }
    QString rest() {
        QString r = s.mid(pos);
        pos = s.size();
        return r;
    }
};

// A stored field as the cell shows it: trimmed, every other character kept, so a number
// stays as stored and text that is no number (or nothing) stays for the check to refuse;
// save, reopen, save writes the same bytes.
QString storedText(const QString& field) {
    QString f = field;
    f.remove(u'\r');
    return vb::trim(f);
}

} // namespace

QString GridToZBString(CoordGrid& grid) {
    if (grid.rows() < 3)
        return {};
    QString result, region;
    int points = 0, regions = 0;
    for (int r = 1; r <= grid.lastDataRow(); ++r) {
        if (grid.isEndRow(r)) {
            if (vb::trim(grid.cell(r, 5)).isEmpty())
                grid.setCell(r, 5, QStringLiteral("1"));
            region += field(grid.cell(r, 2)) + u',' + field(grid.cell(r, 3)) + u',' + field(grid.cell(r, 4)) + u',' +
                      field(grid.cell(r, 5)) + u',';
            ++regions;
            result += QString::number(points) + u',' + region;
            points = 0;
            region.clear();
        } else {
            region += field(grid.cell(r, 1)) + u',' + field(grid.cell(r, 2)) + u',' + field(grid.cell(r, 3)) + u',';
            ++points;
        }
    }
    if (!grid.isEndRow(grid.lastDataRow())) {
        region += QStringLiteral(",,,,");
        ++regions;
        result += QString::number(points) + u',' + region;
    }
    return QString::number(regions) + u',' + result;
}

QString Get_XY_Area(const QString& input, QString* error) {
    QString s = input;
    s.remove(u'\r');
    s.remove(u'\n');
    Cursor cur{s};
    if (!cur.next())
        return {};   // no comma at all
    QString body;
    int lines = 0;
    while (cur.hasComma()) {
        const QString nText = vb::trim(*cur.next());
        const auto n = vb::toInt16(vb::val(nText));
        if (!n) {
            if (error)
                *error = gridmsg::kCoordError + QStringLiteral("6\n\r溢出");
            return {};
        }
        if (*n <= 0)
            return {};   // a region without points, as 0 (a negative count would load one)
        for (int i = 0; i < *n; ++i) {
            for (int k = 0; k < 3; ++k) {
                const auto f = cur.next();
                if (!f)
                    return {};
                body += vb::trim(*f) + u',';
            }
            ++lines;
            body += QStringLiteral("\r\n");
        }
        QString trailer[4];
        for (int k = 0; k < 3; ++k) {
            const auto f = cur.next();
            if (!f)
                return {};
            trailer[k] = vb::trim(*f);
        }
        bool last = false;
        if (const auto f = cur.next()) {
            trailer[3] = vb::trim(*f);
            last = !cur.hasComma();
        } else {
            trailer[3] = vb::trim(cur.rest());
            last = true;
        }
        const bool open = last && trailer[0].isEmpty() && trailer[1].isEmpty() && trailer[2].isEmpty() &&
                          trailer[3].isEmpty();
        if (!open) {
            body += QStringLiteral("*,") + trailer[0] + u',' + trailer[1] + u',' + trailer[2] + u',' + trailer[3] +
                    QStringLiteral("\r\n");
            ++lines;
        }
        if (last)
            break;
    }
    if (lines > CoordGrid::kMaxDataRows) {
        if (error)
            *error = gridmsg::tooManyLines(lines, CoordGrid::kMaxDataRows);
        return {};
    }
    return QString::number(lines) + QStringLiteral("\r\n") + body;
}

std::optional<int> LoadGridFromLineText(CoordGrid& grid, const QString& text) {
    qsizetype lf = text.indexOf(u'\n');
    if (lf < 0)
        return std::nullopt;
    const int lineCount = int(text.count(u'\n'));
    int c = vb::toInt16(vb::val(text.left(lf))).value_or(0);
    c = std::clamp(c, 0, lineCount);   // never more rows than the text has lines
    grid.setRows(c + 2);
    qsizetype pos = lf + 1;
    int r = 1;
    while (r <= c) {
        lf = text.indexOf(u'\n', pos);
        if (lf < 0)
            break;
        const QString line = text.mid(pos, lf - pos);
        pos = lf + 1;
        if (vb::trim(line).isEmpty() || vb::trim(line) == QLatin1String("\r"))
            break;
        Cursor cur{line};
        const auto first = cur.next();
        const QString c1 = vb::trim(first ? *first : line);
        if (c1 == QLatin1String("*")) {
            grid.setCell(r, 0, QString::number(r));
            grid.setCell(r, 1, c1);
            const QString f2 = cur.next().value_or(QString());
            const QString f3 = cur.next().value_or(QString());
            const QString f4 = cur.next().value_or(QString());
            grid.setCell(r, 2, storedText(f2));
            grid.setCell(r, 3, storedText(f3));
            grid.setCell(r, 4, storedText(f4));
            grid.setCell(r, 5, storedText(cur.rest()));
        } else {
            if (!first)
                break;
            const auto f2 = cur.next();
            if (!f2)
                break;
            grid.setCell(r, 0, QString::number(r));
            grid.setCell(r, 1, c1);
            grid.setCell(r, 2, storedText(*f2));
            const auto f3 = cur.next();
            grid.setCell(r, 3, storedText(f3 ? *f3 : cur.rest()));
        }
        ++r;
    }
    // The first corner point whose coordinates are numbers tells the kind (row 1 in a
    // boundary that passed the check); text or empty cells say nothing, and a boundary
    // without such a point is plane, as a new form.
    int first = 1;
    while (first <= grid.lastDataRow() &&
           (grid.isEndRow(first) || !vb::isNumeric(grid.cell(first, 2)) || !vb::isNumeric(grid.cell(first, 3))))
        ++first;
    int type = 0;
    if (first <= grid.lastDataRow() && vb::val(grid.cell(first, 2)) < 1000 && vb::val(grid.cell(first, 3)) < 1000) {
        type = 1;
        grid.setCell(0, 2, gridmsg::kHeadLon);
        grid.setCell(0, 3, gridmsg::kHeadLat);
    } else {
        grid.setCell(0, 2, gridmsg::kHeadX);
        grid.setCell(0, 3, gridmsg::kHeadY);
    }
    return type;
}

} // namespace mf
