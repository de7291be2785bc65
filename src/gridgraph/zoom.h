#pragma once
// The plot zoom: the percentages of the zoom list and the scroll-bar set-up for a picture
// that overhangs its window.
#include <QStringList>

namespace mf::zoom {

QStringList zoomItems();   // "100%" .. "800%"
// CInt(Val(first three characters)).
int percentOf(const QString& item);

struct ScrollBar {
    int min = 1;
    int max = 1;
    int value = 1;
    int large = 1;
    int small = 1;
};
// The bar after the picture's overhang became d (same unit as the bar), keeping the
// relative position of the old bar.
ScrollBar zoomScroll(const ScrollBar& old, double d);

} // namespace mf::zoom
