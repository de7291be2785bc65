#include "core/main_window_rules.h"

namespace mf {

QString backgroundPictureName(int w) {
    if (w <= 1000) return QStringLiteral("ckq-1.jpg");
    if (w <= 1200) return QStringLiteral("ckq-2.jpg");
    if (w <= 1400) return QStringLiteral("ckq-3.jpg");
    return QStringLiteral("ckq-4.jpg");
}

int progressBarWidth(int innerWidthTwips) {
    if (innerWidthTwips < 8000) return 1000;
    const int w = innerWidthTwips - 7800;
    return w > 3000 ? 3000 : w;
}

QString statusDateText(const QDate& d) {
    return QStringLiteral("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
}

QList<CascadePlacement> cascadePlacements(const bool kindOpen[8]) {
    static const int order[] = {5, 4, 6, 3, 2, 1};
    QList<CascadePlacement> out;
    int step = 0;
    for (int kind : order) {
        if (!kindOpen[kind]) continue;
        out.append({kind, QPoint(step * 400, step * 400)});
        ++step;
    }
    return out;
}

QPoint editorOpeningOffset(int n) { return QPoint(n * 450, n * 250); }

} // namespace mf
