#include "forms/ui/editor_page.h"

#include "core/page_background.h"
#include "platform/twips.h"

#include <QPainter>

namespace mf {

EditorPage::EditorPage(const FormDesign& design, int index, QWidget* parent)
    : QWidget(parent), design_(design), index_(index) {
    setObjectName(QStringLiteral("Picture1_%1").arg(index));
    setAutoFillBackground(false);
}

void EditorPage::setGradient(QColor start, QColor end, bool vertical) {
    gradient_ = Gradient{start, end, vertical};
    update();
}

void EditorPage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    // Everything below is drawn in page twips.
    p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    const int wTw = width() * kTwipsPerPixel;
    const int hTw = height() * kTwipsPerPixel;
    if (gradient_) {
        for (const GradientBand& band : PaintPageBackground(wTw, hTw, gradient_->start, gradient_->end, gradient_->vertical))
            p.fillRect(band.rect, band.colour);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const DesignControl* c : design_.controlsOnPage(index_)) {
        if (!c->visible || !c->container.isEmpty()) continue;
        const QColor colour = c->foreColor.isValid() ? c->foreColor : QColor(Qt::black);
        QPen pen(colour, c->lineWidth * kTwipsPerPixel);
        pen.setCosmetic(false);
        if (c->type == ControlType::Line) {
            p.setPen(pen);
            p.drawLine(QPoint(c->x1.value, c->y1.value), QPoint(c->x2.value, c->y2.value));
        } else if (c->type == ControlType::Shape) {
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            const TwipsRect& r = c->rect;
            p.drawRect(QRect(r.left.value, r.top.value, r.width.value, r.height.value));
        }
    }
    if (paintExtra) paintExtra(p);
}

} // namespace mf
