#pragma once
// The colour gradient of the editor pages: 80 bands from a start colour towards an end
// colour, stacked from top to bottom (vertical) or side by side.
#include <QColor>
#include <QList>
#include <QRect>

namespace mf {

struct GradientBand {
    QRect rect;     // in the box's own units
    QColor colour;
};

// The bands PaintPageBackground draws on a box of the given size. The running colour is
// single precision and advances one step before each band, so the last band lies one step
// beyond the end colour; roundings go halves to even.
QList<GradientBand> PaintPageBackground(int width, int height, QColor start, QColor end, bool vertical);

} // namespace mf
