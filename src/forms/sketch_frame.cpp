#include "forms/sketch_frame.h"

#include "platform/vb.h"

namespace mf {

namespace {
// One "(a,b)" pair from the start of t; the rest after ")" goes back in t.
bool takePair(QString& t, int& a, int& b) {
    const int open = t.indexOf(QLatin1Char('('));
    const int comma = t.indexOf(QLatin1Char(','));
    const int close = t.indexOf(QLatin1Char(')'));
    if (open < 0 || comma < 0 || close < 0 || !(open < comma && comma < close)) return false;
    const auto x = vb::toInt32(vb::val(t.mid(open + 1, comma - open - 1)));
    const auto y = vb::toInt32(vb::val(t.mid(comma + 1, close - comma - 1)));
    if (!x || !y) return false;
    a = *x;
    b = *y;
    t = t.mid(close + 1);
    return true;
}
} // namespace

std::optional<SketchFrame> parseSketchFrame(const QString& tag) {
    QString t = tag;
    SketchFrame f;
    if (!takePair(t, f.x1, f.y1) || !takePair(t, f.x2, f.y2)) return std::nullopt;
    return f;
}

} // namespace mf
