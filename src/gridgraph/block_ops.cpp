#include "gridgraph/block_ops.h"

#include "gridgraph/messages.h"
#include "platform/vb.h"

#include <QRegularExpression>
#include <QStringList>

namespace mf::blockops {

using namespace gridmsg;

namespace {

constexpr int kCols = CoordGrid::kCols;

bool wholeRows(const CoordGrid& g) { return g.left() == 1 && g.right() == kCols - 1; }

// The fields of one pasted line: split at ","; the last field is cut at its first CR.
QStringList lineFields(const QString& line) {
    QStringList f = line.split(u',');
    QString& last = f.last();
    const qsizetype cr = last.indexOf(u'\r');
    if (cr >= 0)
        last.truncate(cr);
    return f;
}

// The first line from `from` on that holds more than blanks, or -1: lines a paste leaves
// out are worth a word only when they hold something.
qsizetype firstFilledLine(const QStringList& lines, qsizetype from) {
    for (qsizetype k = from; k < lines.size(); ++k)
        if (!lines[k].trimmed().isEmpty())
            return k;
    return -1;
}

bool numericPoint(const CoordGrid& g, int r) {
    return !g.isEndRow(r) && vb::isNumeric(g.cell(r, 2)) && vb::isNumeric(g.cell(r, 3));
}

} // namespace

CopyResult copyBlock(const CoordGrid& g) {
    CopyResult res;
    if (g.row_ == g.rows() - 1 || g.rowSel_ == g.rows() - 1) {
        res.error = kBlockOnEntryRow;
        return res;
    }
    if (g.right() >= 4 && !wholeRows(g)) {
        res.error = kCopyColumns;
        return res;
    }
    QString t = QStringLiteral("STACOL=") + QString::number(g.left()) + QStringLiteral(";ENDCOL=") +
                QString::number(g.right()) + QStringLiteral(";ROWS=") + QString::number(g.bottom() - g.top() + 1) +
                QStringLiteral("\r\n");
    for (int r = g.top(); r <= g.bottom(); ++r) {
        for (int c = g.left(); c <= g.right(); ++c) {
            QString cell = g.cell(r, c);
            cell.replace(u',', QStringLiteral("，"));
            cell.remove(u'\r');
            cell.remove(u'\n');
            t += cell.isEmpty() ? QStringLiteral(" ") : cell;
            t += c < g.right() ? QStringLiteral(",") : QStringLiteral("\r\n");
        }
    }
    res.block = t;
    return res;
}

PasteResult paste(CoordGrid& g, const QString& clipboard) {
    PasteResult res;
    int pastedRows = 0;   // rows inserted (a column block overwrites only)
    QString t = vb::trim(clipboard);
    if (t.isEmpty()) {
        res.error = kNothingToPaste;
        return res;
    }
    // Lines that end in CR alone (as some programs copy them) read as CR LF.
    if (t.contains(u'\r')) {
        static const QRegularExpression loneCr(QStringLiteral("\r(?!\n)"));
        t.replace(loneCr, QStringLiteral("\r\n"));
    }
    if (!t.endsWith(u'\n') && !t.endsWith(u'\r'))
        t += u'\n';
    if (!t.contains(u'\n'))
        return res;
    QString h = t.left(t.indexOf(u'\n'));
    bool columnBlock = false;
    int staCol = 1;
    int firstLine = 1;   // the clipboard line that lines[0] is, for the messages
    if (h.contains(QLatin1String("STACOL="))) {
        t = t.mid(t.indexOf(u'\n') + 1);
        firstLine = 2;
        auto readField = [&](QString& text, int& out) {
            const qsizetype eq = text.indexOf(u'='), semi = text.indexOf(u';');
            if (eq < 0 || semi <= eq)
                return false;
            const auto v = vb::toInt16(vb::val(text.mid(eq + 1, semi - eq - 1)));
            if (!v)
                return false;
            out = *v;
            text = text.mid(semi + 1);
            return true;
        };
        int endCol = 0;
        if (!readField(h, staCol) || !readField(h, endCol)) {
            res.error = kBadClipboard;
            res.exclamation = true;
            return res;
        }
        columnBlock = endCol != kCols - 1 || staCol != 1;
    }
    // The lines up to the last line feed (one pass: the text is not cut for each line).
    QStringList lines;
    for (qsizetype pos = 0, lf; (lf = t.indexOf(u'\n', pos)) >= 0; pos = lf + 1)
        lines << t.mid(pos, lf - pos);

    if (columnBlock) {
        if (g.col_ != staCol) {
            res.error = kWrongStartColumn;
            return res;
        }
        int r = g.row_;
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const QString& line = lines[k];
            if (r > g.rows() - 2) {
                // Lines beyond the last data row are not written: say which, if any counts.
                if (const qsizetype left = firstFilledLine(lines, k); left >= 0) {
                    (res.changed ? res.notice : res.error) = pastedUpTo(firstLine + int(left), kBeyondLastRow);
                    res.exclamation = true;
                }
                break;
            }
            res.changed = true;
            const QStringList f = lineFields(line);
            int c = staCol;
            for (const QString& v : f) {
                if (c >= kCols || c < 1)
                    break;
                g.setCell(r, c, vb::trim(v));
                ++c;
            }
            ++r;
        }
        pastedRows = r - g.row_;
        if (!res.changed)
            return res;   // a header without lines writes nothing
    } else {
        // Parse first: only the lines before the first line without a comma are inserted.
        std::vector<CoordGrid::Row> rows;
        QString stopped;   // where and why the paste ends before the clipboard text does
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const QString& line = lines[k];
            if (!line.contains(u',')) {
                // A blank line between two regions or a spreadsheet's tab-separated copy:
                // what follows is not pasted, and the user is told so.
                if (firstFilledLine(lines, k) >= 0)
                    stopped = pastedUpTo(firstLine + int(k), kNotCommaData);
                break;
            }
            const QStringList f = lineFields(line);
            CoordGrid::Row row;
            for (int j = 0; j < f.size() && j + 1 < kCols; ++j) {
                const QString v = vb::trim(f[j]);
                row[size_t(j + 1)] = (v == QLatin1String("*") || v == QStringLiteral("标高")) ? QStringLiteral("*") : v;
            }
            rows.push_back(row);
        }
        if (rows.empty()) {   // nothing to insert: the grid stays as it was
            res.error = stopped;
            res.exclamation = true;
            return res;
        }
        // A selected block is replaced by the pasted lines (the entry row is kept).
        const int top = g.top();
        int replaced = 0;
        if (g.col_ != g.colSel_ || g.row_ != g.rowSel_) {
            const int bottom = g.bottom() == g.rows() - 1 ? g.bottom() - 1 : g.bottom();
            replaced = std::max(0, bottom - top + 1);
        }
        res.error = gridmsg::rowsBeyondGrid(qsizetype(g.rows()) - 2 - replaced + qsizetype(rows.size()));
        if (!res.error.isEmpty()) {
            res.exclamation = true;
            return res;
        }
        if (replaced > 0) {
            g.removeRows(top, replaced);
            g.setCurrent(top, 1);
        }
        const int r0 = std::clamp(g.row_, 1, g.rows() - 1);
        g.insertRows(r0, int(rows.size()));
        for (size_t k = 0; k < rows.size(); ++k)
            for (int c = 1; c < kCols; ++c)
                g.setCell(r0 + int(k), c, rows[k][size_t(c)]);
        g.setCurrent(r0, g.col_);
        res.changed = true;
        res.notice = stopped;
        res.exclamation = true;
        pastedRows = int(rows.size());
    }
    g.renumber();
    if (g.rows() != 2)
        res.detectedType = detectType(g, g.row_, g.row_ + std::max(pastedRows, 1) - 1);
    return res;
}

std::optional<int> detectType(const CoordGrid& g, int first, int last) {
    // The first point row of the pasted ones whose coordinates are numbers decides: a header
    // ("点号,X坐标,Y坐标") or other text says nothing of the kind.
    int r = first;
    while (r <= last && r < g.rows() - 1 && !numericPoint(g, r))
        ++r;
    if (r > last || r >= g.rows() - 1)
        return std::nullopt;
    const double x = vb::val(g.cell(r, 2)), y = vb::val(g.cell(r, 3));
    return (x > 1000000 && x < 10000000 && y > 10000000 && y < 100000000) ? 0 : 1;
}

QString insertRow(CoordGrid& g) {
    if (g.row_ > g.lastDataRow())
        return kCannotInsertHere;
    if (g.row_ != g.rowSel_)
        return kInsertMultiRow;
    if (QString refused = gridmsg::rowsBeyondGrid(g.rows() - 1); !refused.isEmpty())
        return refused;
    g.insertRows(g.row_, 1);
    g.renumber();
    return {};
}

DeletePlan planDelete(const CoordGrid& g, bool del) {
    DeletePlan p;
    const int entry = g.rows() - 1;
    if (g.row_ == entry && g.rowSel_ == entry) {
        p.error = kDeleteEntryRow;
        return p;
    }
    if (del && std::abs(g.col_ - g.colSel_) != kCols - 2) {
        p.silent = true;
        return p;
    }
    int bottom = g.bottom();
    if (bottom == entry)
        --bottom;
    p.top = g.top();
    p.count = bottom - p.top + 1;
    p.question = p.count == 1 ? kDeleteOne : deleteMany(g.row_ > g.rowSel_, p.count);
    return p;
}

void deleteRows(CoordGrid& g, const DeletePlan& p) {
    if (p.count <= 0)
        return;
    const int bottom = p.top + p.count - 1;
    int current;
    if (bottom != g.rows() - 2)
        current = p.top;
    else
        current = p.top - 1 < 1 ? 1 : p.top - 1;
    g.removeRows(p.top, p.count);
    g.setCurrent(current, 1);
}

} // namespace mf::blockops
