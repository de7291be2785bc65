#include "gridgraph/zoom.h"

#include "platform/vb.h"

namespace mf::zoom {

QStringList zoomItems() {
    return {QStringLiteral("100%"), QStringLiteral("150%"), QStringLiteral("200%"), QStringLiteral("250%"),
            QStringLiteral("300%"), QStringLiteral("400%"), QStringLiteral("500%"), QStringLiteral("600%"),
            QStringLiteral("700%"), QStringLiteral("800%")};
}

int percentOf(const QString& item) { return int(vb::toInt16(vb::val(item.left(3))).value_or(100)); }

ScrollBar zoomScroll(const ScrollBar& old, double d) {
    ScrollBar b;
    if (d <= 0)
        return b;
    const float r = float(old.value) / float(old.max + 1);
    b.max = int(vb::toInt32(d).value_or(1));
    const float mr = float(b.max) * r;
    b.value = mr < 1 ? 1 : int(vb::toInt32(mr).value_or(1));
    b.large = int(vb::toInt32(b.max / 10.0).value_or(1));
    b.small = int(vb::toInt32(b.max / 40.0).value_or(1));
    return b;
}

} // namespace mf::zoom
