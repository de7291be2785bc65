#include "printing/boundary_sketch.h"

#include "platform/print_target.h"
#include "printing/print_geometry.h"

#include <algorithm>

namespace mf {

bool MapPointListToPaper(const QString& boundary, const QString& pageTag, BoundarySketch& sketch) {
    sketch = BoundarySketch{};
    if (!BuildSketchPoints(boundary, sketch.points)) return false;
    if (const auto f = parseSketchFrame(pageTag)) {
        sketch.frame = SketchFrame{MapPrintX(f->x1), MapPrintY(f->y1), MapPrintX(f->x2), MapPrintY(f->y2)};
        sketch.framed = true;
    }
    return true;
}

bool PrepareScreenSketch(const QString& boundary, const QString& pageTag, BoundarySketch& sketch) {
    sketch = BoundarySketch{};
    if (!BuildSketchPoints(boundary, sketch.points)) return false;
    const auto f = parseSketchFrame(pageTag);
    if (!f) return false;
    sketch.frame = *f;
    sketch.framed = true;
    return true;
}

QList<QLine> sketchLines(const SketchPointSet& pts, SketchFrame& frame) {
    QList<QLine> out;
    qint64 maxX = 0, maxY = 0, minX = 9999999, minY = 9999999;
    bool any = false;
    for (int i = 0; i < pts.count(); ++i) {
        if (pts.SketchX[i] == -1) continue;
        any = true;
        maxX = std::max<qint64>(maxX, pts.SketchX[i]);
        maxY = std::max<qint64>(maxY, pts.SketchY[i]);
        minX = std::min<qint64>(minX, pts.SketchX[i]);
        minY = std::min<qint64>(minY, pts.SketchY[i]);
    }
    if (!any) return out;
    const double dx = double(maxX - minX), dy = double(maxY - minY);

    // Shrink by a sixteenth on every side.
    double w = frame.x2 - frame.x1, h = frame.y2 - frame.y1;
    frame.x1 = roundTwips(frame.x1 + w / 16);
    frame.x2 = roundTwips(frame.x2 - w / 16);
    frame.y1 = roundTwips(frame.y1 + h / 16);
    frame.y2 = roundTwips(frame.y2 - h / 16);
    w = frame.x2 - frame.x1;
    h = frame.y2 - frame.y1;
    if (w <= 0 || h <= 0 || (dx <= 0 && dy <= 0)) return out;

    float s;
    if (dy / h >= dx / w) {
        s = float(dy / h);
        const double pad = (w - dx / s) / 2;
        frame.x1 = roundTwips(frame.x1 + pad);
        frame.x2 = roundTwips(frame.x2 - pad);
    } else {
        s = float(dx / w);
        const double pad = (h - dy / s) / 2;
        frame.y1 = roundTwips(frame.y1 + pad);
        frame.y2 = roundTwips(frame.y2 - pad);
    }

    bool penDown = false;
    QPoint pen;
    for (int i = 0; i < pts.count(); ++i) {
        if (pts.SketchX[i] == -1 || pts.SketchY[i] == -1) {
            penDown = false;
            continue;
        }
        const QPoint p(roundTwips((pts.SketchX[i] - minX) / double(s) + frame.x1),
                       roundTwips((dy - (pts.SketchY[i] - minY)) / double(s) + frame.y1));
        if (penDown) out.append(QLine(pen, p));
        pen = p;
        penDown = true;
    }
    return out;
}

void DrawBoundarySketch(PrintTarget& target, int mode, BoundarySketch& sketch) {
    (void)mode;   // the screen page is repainted from scratch, paper is never cleared
    if (!sketch.framed) return;
    for (const QLine& l : sketchLines(sketch.points, sketch.frame)) target.drawLine(l.x1(), l.y1(), l.x2(), l.y2());
}

} // namespace mf
