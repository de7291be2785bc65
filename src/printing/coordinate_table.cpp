#include "printing/coordinate_table.h"

#include "core/boundary_walkers.h"
#include "platform/dialogs.h"
#include "platform/print_target.h"
#include "platform/text_layout.h"
#include "platform/vb.h"
#include "printing/print_geometry.h"

#include <QStringList>
#include <cmath>

namespace mf {

QString FormatDegMinSec(const QString& value) {
    const double d = vb::val(value);
    if (value.isEmpty() || d == 0) return QStringLiteral("   °  ′  ″");
    // The digits of the number as written: minutes and seconds are the first four decimals,
    // hundredths of a second the next two. A number in another form is written out first.
    QString text = vb::trim(value);
    qsizetype i = 0;
    const bool negative = d < 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    const qsizetype intStart = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80) ++i;
    QString whole = text.mid(intStart, i - intStart), decimals;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype f = ++i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80) ++i;
        decimals = text.mid(f, i - f);
    }
    if (i < text.size() && QStringLiteral("eEdD").contains(text[i])) {
        const QString fixed = QString::number(std::fabs(d), 'f', 8);
        whole = fixed.section(u'.', 0, 0);
        decimals = fixed.section(u'.', 1);
        while (decimals.size() > 4 && decimals.endsWith(u'0')) decimals.chop(1);
    }
    while (decimals.size() < 4) decimals += u'0';
    qint64 degrees = whole.toLongLong();
    int minutes = decimals.left(2).toInt();
    const int seconds = decimals.mid(2, 2).toInt();
    const QString sign = negative ? QStringLiteral("-") : QString();
    if (decimals.size() == 4)
        return QStringLiteral("%1%2°%3′%4″").arg(sign).arg(degrees).arg(minutes, 2, 10, QLatin1Char('0')).arg(seconds, 2, 10, QLatin1Char('0'));

    // Hundredths, rounded on the digits after them; a second rounded up to 60 carries.
    const QString h = decimals.mid(4, 2).leftJustified(2, u'0');
    int hundredths = seconds * 100 + h.toInt();
    const bool below60 = hundredths < 6000;
    if (decimals.size() > 6 && decimals.at(6) >= u'5') ++hundredths;
    if (below60 && hundredths >= 6000) {
        hundredths -= 6000;
        if (++minutes == 60) {
            minutes = 0;
            ++degrees;
        }
    }
    return QStringLiteral("%1%2°%3′%4.%5″")
        .arg(sign)
        .arg(degrees)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(hundredths / 100, 2, 10, QLatin1Char('0'))
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString FormatCoordinateList(const QString& boundary) {
    const QString s = StripCrLf(boundary);
    if (!s.contains(QLatin1Char(','))) return {};
    QStringList fields = s.split(QLatin1Char(','));
    fields.removeLast();   // the text after the last comma is no complete field
    for (QString& f : fields) f = vb::trim(f);
    const QString crlf = QStringLiteral("\r\n");
    auto plain = [](const QString& v) { return vb::val(v) >= 1000 ? v : FormatDegMinSec(v); };

    QString lines;
    int count = 0;
    int i = 1;   // the number of blocks is not used: blocks run until the string ends
    while (i < fields.size()) {
        bool ok = false;
        const int n = fields[i].toInt(&ok);
        if (!ok || n <= 0) return {};
        if (i + 1 + 3 * qint64(n) + 4 > fields.size()) return {};
        ++i;
        QString block = fields[i + 3 * n + 2] + crlf;   // ore-body id
        for (int p = 0; p < n; ++p, i += 3)
            block += fields[i] + QLatin1Char(',') + plain(fields[i + 1]) + QLatin1Char(',') + plain(fields[i + 2]) + crlf;
        block += QStringLiteral("标高: 从") + fields[i] + QStringLiteral("米至") + fields[i + 1] + QStringLiteral("米") + crlf;
        block += crlf;
        i += 4;
        lines += block;
        count += n + 3;
    }
    return QString::number(count) + crlf + lines;
}

namespace {

// The degree, minute and second signs of the Chinese fonts are full-width and leave a gap
// after each number; they print in a Latin font, narrow and close to their digits.
const QString kSignFont = QStringLiteral("DejaVu Serif");

bool isSign(QChar c) { return c == QChar(0x00B0) || c == QChar(0x2032) || c == QChar(0x2033); }

void drawRow(PrintTarget& t, int x, int y, const QString& row) {
    const QString font = t.fontName();
    const double size = t.fontSize();
    double at = x;
    if (row.isEmpty()) t.drawText(x, y, row);
    for (int i = 0; i < row.size();) {
        int j = i;
        const bool sign = isSign(row.at(i));
        while (j < row.size() && isSign(row.at(j)) == sign) ++j;
        const QString run = row.mid(i, j - i);
        t.setFont(sign ? kSignFont : font, size, false);
        t.drawText(roundTwips(at), y, run);
        at += t.textWidth(run);
        i = j;
    }
    t.setFont(font, size, false);
}

} // namespace

void PrintCoordinateTable(PrintTarget& t, const QString& boundary, const QString& mineName, int kind) {
    const QString list = boundary.isEmpty() ? QString() : FormatCoordinateList(boundary);
    QStringList rows = list.split(QStringLiteral("\r\n"));
    const int n = rows.isEmpty() ? 0 : rows.first().toInt();
    if (list.isEmpty() || n <= 0) {
        dialogs().message(QStringLiteral("错误"), QStringLiteral("坐标不完成,无法打印区域坐标表..."), MsgIcon::Information);
        return;
    }
    rows = rows.mid(1, n);

    const QString title = kind == 5 ? QStringLiteral("划定矿区范围坐标表") : QStringLiteral("采矿申请登记矿区范围坐标表");
    const int left = CmToTwips(2.0f), right = CmToTwips(18.2f);
    const int top = CmToTwips(4.1f), bottom = CmToTwips(26.5f);
    const int group = roundTwips((right - left) / 3.0);
    const int titleY = CmToTwips(2.2f), nameY = CmToTwips(3.3f);
    const int headY = top + CmToTwips(0.2f), firstRowY = top + CmToTwips(0.75f);
    const int pitch = CmToTwips(0.54f), footY = bottom + CmToTwips(0.9f);
    constexpr int kRows = 40, kPerPage = 3 * kRows;
    const int pages = std::max(1, (n + kPerPage - 1) / kPerPage);
    const QString song = QStringLiteral("宋体");
    auto centred = [&](const QString& s) { return roundTwips(left + (right - left - t.textWidth(s)) / 2); };

    int next = 0;
    for (int p = 1; p <= pages; ++p) {
        t.setFont(song, 24, true);
        t.drawText(centred(title), titleY, title);
        // A long name shrinks, then wraps, inside the frame's width above the frame.
        t.setFont(song, 15, false);
        const QStringList name = fitCell(t, mineName, right - left, top - nameY, 8);
        const double nameStep = t.textHeight(QStringLiteral("字"));
        for (int i = 0; i < name.size(); ++i) t.drawText(centred(name[i]), roundTwips(nameY + i * nameStep), name[i]);
        t.drawLine(left, top, left, bottom);
        t.drawLine(left, top, right, top);
        t.drawLine(left, bottom, right, bottom);
        t.drawLine(right, top, right, bottom);
        t.setFont(song, 10.5, false);
        for (int g = 0; g < 3; ++g)
            t.drawText(left + CmToTwips(0.5f) + g * group, headY, QStringLiteral("点号   X坐标  Y坐标"));
        // A row too long for its column group (a long ore-body id) shrinks, then wraps
        // within its row, and is cut with "…" only at the smallest size.
        const int rowWidth = group - CmToTwips(0.25f) - 40;
        for (int k = 0; k < kPerPage && next < n; ++k, ++next) {
            t.setFont(song, 8.25, false);
            const QStringList lines = fitCell(t, rows.value(next), rowWidth, pitch, kMinCellFontSize);
            const double step = t.textHeight(QStringLiteral("字"));
            const int x = left + CmToTwips(0.25f) + (k / kRows) * group, y = firstRowY + (k % kRows) * pitch;
            for (int l = 0; l < lines.size(); ++l) drawRow(t, x, roundTwips(y + l * step), lines[l]);
        }
        t.setFont(song, 8.25, false);
        const int footX = centred(QStringLiteral("共   页  第   页"));
        t.drawText(footX, footY, QStringLiteral("共 %1 页  第 %2 页").arg(pages).arg(p));
        t.endDoc();
    }
}

} // namespace mf
