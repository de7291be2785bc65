#pragma once
// The boundary sketch: an outline of the boundary blocks scaled into a frame, drawn on the
// sketch page on the screen and on paper.
#include "core/boundary_walkers.h"
#include "forms/sketch_frame.h"

#include <QLine>
#include <QList>

namespace mf {

class PrintTarget;

// The point set and the frame of one drawing, in twips of the target.
struct BoundarySketch {
    SketchPointSet points;
    SketchFrame frame;
    bool framed = false;   // both corners of the frame text were read
};

// Builds the point set of a boundary string and reads the frame from the sketch page's Tag,
// mapped to paper. True when the point set was built (the frame may still be missing, and
// then nothing is drawn).
bool MapPointListToPaper(const QString& boundary, const QString& pageTag, BoundarySketch& sketch);
// The same for the screen: the frame as written. True when there is something to draw.
bool PrepareScreenSketch(const QString& boundary, const QString& pageTag, BoundarySketch& sketch);

// The lines of the sketch; frame receives the shrunk and centred frame. Empty when the
// points have no extent or the frame no size.
QList<QLine> sketchLines(const SketchPointSet& points, SketchFrame& frame);

// Draws the sketch on target: mode 1 an editor page (being repainted, so already clear),
// mode 2 paper. Nothing is drawn without a frame.
void DrawBoundarySketch(PrintTarget& target, int mode, BoundarySketch& sketch);

} // namespace mf
