#pragma once
// Geometry of the form designs is kept in twips; one conversion to pixels and points.
#include <QRect>
#include <QRectF>

namespace mf {

struct Twips {
    int value = 0;
    constexpr Twips() = default;
    constexpr explicit Twips(int v) : value(v) {}
    constexpr bool operator==(const Twips&) const = default;
    constexpr auto operator<=>(const Twips&) const = default;
    constexpr Twips operator+(Twips o) const { return Twips(value + o.value); }
    constexpr Twips operator-(Twips o) const { return Twips(value - o.value); }
};

constexpr int kTwipsPerPixel = 15;   // 96 logical dpi
constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPoint = 20;

constexpr int toPixels(Twips t) { return t.value / kTwipsPerPixel; }
constexpr Twips fromPixels(int px) { return Twips(px * kTwipsPerPixel); }
// Device units of a paint device with the given resolution.
constexpr double toDevice(Twips t, double dpi) { return t.value * dpi / kTwipsPerInch; }

struct TwipsRect {
    Twips left, top, width, height;
    constexpr bool operator==(const TwipsRect&) const = default;
    QRect toPixels() const {
        return QRect(mf::toPixels(left), mf::toPixels(top), mf::toPixels(width), mf::toPixels(height));
    }
    QRectF toDevice(double dpi) const {
        return QRectF(mf::toDevice(left, dpi), mf::toDevice(top, dpi), mf::toDevice(width, dpi),
                      mf::toDevice(height, dpi));
    }
    bool contains(const TwipsRect& o) const {
        return o.left >= left && o.top >= top && o.left + o.width <= left + width &&
               o.top + o.height <= top + height;
    }
};

} // namespace mf
