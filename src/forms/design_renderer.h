#pragma once
// Draws one page of a form design with QPainter: labels, field boxes with optional values,
// check boxes, buttons, lines, shapes and frames. Used by the preview tool and reusable on
// any paint device.
#include "forms/form_design.h"

#include <QFont>
#include <QImage>
#include <functional>

class QPainter;

namespace mf {

struct RenderOptions {
    // Device pixels per twip: 1/15 gives the screen size at 96 dpi.
    double pixelsPerTwip = 1.0 / kTwipsPerPixel;
    // Text shown in a data control (text box, combo box; "1" ticks a check box). When not
    // set, or when it returns a null string, the control's design caption is shown.
    std::function<QString(const DesignControl&)> value;
    bool drawHidden = false;      // also draw controls whose design is hidden
    bool showNames = false;       // write the control name into empty boxes (preview)
    bool drawBackground = true;   // fill the page white first
};

// The Qt font of a design font at the given scale (pixel size from points: 1 pt = 20 twips).
QFont designFont(const FontSpec& font, double pixelsPerTwip);

// Draws page `page` of the design at the painter's origin. Nothing is drawn for a page the
// design lacks.
void renderDesignPage(QPainter& painter, const FormDesign& design, int page,
                      const RenderOptions& options = {});

// Renders a page into a new image sized to the page. A null image for a missing page.
QImage renderDesignPageImage(const FormDesign& design, int page, const RenderOptions& options = {});

} // namespace mf
