#include "core/page_background.h"

#include <cmath>

namespace mf {

namespace {
int roundEven(double x) { return int(std::nearbyint(x)); }  // default rounding: halves to even
int component(float v) {
    const int c = roundEven(v);
    return c > 255 ? 255 : c;
}
} // namespace

QList<GradientBand> PaintPageBackground(int width, int height, QColor start, QColor end, bool vertical) {
    constexpr int kBands = 80;
    const int scale = vertical ? height : width;
    const int thickness = roundEven(double(scale) / kBands + 1);
    float r = float(start.red()), g = float(start.green()), b = float(start.blue());
    const float stepR = float(end.red() - start.red()) / 79.0f;
    const float stepG = float(end.green() - start.green()) / 79.0f;
    const float stepB = float(end.blue() - start.blue()) / 79.0f;
    QList<GradientBand> bands;
    bands.reserve(kBands);
    int nearEdge = 0;
    for (int i = 0; i < kBands; ++i) {
        r += stepR;
        g += stepG;
        b += stepB;
        if (r < 0) r = 0;
        if (g < 0) g = 0;
        if (b < 0) b = 0;
        const QRect rect = vertical ? QRect(0, nearEdge, width, thickness) : QRect(nearEdge, 0, thickness, height);
        bands.append({rect, QColor(component(r), component(g), component(b))});
        nearEdge += thickness;
    }
    return bands;
}

} // namespace mf
