#include "printing/print_geometry.h"

#include "core/app_state.h"
#include "platform/vb.h"

#include <QRegularExpression>
#include <cmath>

namespace mf {

int roundTwips(double v) { return int(std::nearbyint(v)); }

int MapPrintX(int x) { return roundTwips(double(state().PrintScaleX) * x + 800); }
int MapPrintY(int y) { return roundTwips(double(state().PrintScaleY) * y + 1200); }
int ScalePrintWidth(int width) { return roundTwips(double(state().PrintScaleX) * width); }
int ScalePrintHeight(int height) { return roundTwips(double(state().PrintScaleY) * height); }

QString StripBlanks(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (const QChar ch : s)
        if (ch != QLatin1Char(' ') && ch != QLatin1Char('\t')) out.append(ch);
    return out;
}

QString printDateText(const QString& s) {
    if (!vb::isDate(s)) return s;
    static const QRegularExpression numbers(QStringLiteral("\\d+"));
    QList<int> parts;
    for (auto it = numbers.globalMatch(s); it.hasNext() && parts.size() < 3;) parts.append(it.next().captured().toInt());
    if (parts.size() < 3) return s;
    return QStringLiteral("%1年%2月%3日").arg(parts[0], 4, 10, QLatin1Char('0')).arg(parts[1]).arg(parts[2]);
}

} // namespace mf
