#pragma once
// The frame of the boundary sketch, kept in the sketch page's Tag as "(x1,y1)-(x2,y2)"
// in page twips.
#include <QRect>
#include <QString>
#include <optional>

namespace mf {

struct SketchFrame {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const SketchFrame&) const = default;
};

// Reads the two parenthesised pairs; each number is the leading number of its text,
// rounded halves to even (an empty or non-numeric text gives 0). Empty unless both pairs
// have "(", "," and ")" in that order.
std::optional<SketchFrame> parseSketchFrame(const QString& tag);

} // namespace mf
