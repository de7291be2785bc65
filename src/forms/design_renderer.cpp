#include "forms/design_renderer.h"

#include "platform/fonts.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace mf {

namespace {

// Geometry of a design control in device coordinates.
struct Mapper {
    double s;
    QRectF rect(const TwipsRect& r) const {
        return QRectF(r.left.value * s, r.top.value * s, r.width.value * s, r.height.value * s);
    }
    QPointF point(Twips x, Twips y) const { return QPointF(x.value * s, y.value * s); }
    double len(int twips) const { return twips * s; }
};

Qt::Alignment textAlignment(const DesignControl& c, bool top) {
    Qt::Alignment a = top ? Qt::AlignTop : Qt::AlignVCenter;
    switch (c.align) {
    case HAlign::Right: return a | Qt::AlignRight;
    case HAlign::Center: return a | Qt::AlignHCenter;
    case HAlign::Left: break;
    }
    return a | Qt::AlignLeft;
}

QString shownText(const DesignControl& c, const RenderOptions& o) {
    if (o.value) {
        const QString v = o.value(c);
        if (!v.isNull())
            return v;
    }
    return c.caption;
}

void drawText(QPainter& p, const QRectF& box, const DesignControl& c, const QString& text,
              double s, bool top, const QColor& color) {
    if (text.isEmpty())
        return;
    p.save();
    p.setClipRect(box.adjusted(-1, -1, 1, 1));
    p.setFont(designFont(c.font, s));
    p.setPen(color);
    p.drawText(box, int(textAlignment(c, top)) | Qt::TextWordWrap, text);
    p.restore();
}

void drawName(QPainter& p, const QRectF& box, const DesignControl& c, double s) {
    p.save();
    p.setClipRect(box);
    QFont f = designFont(FontSpec{QStringLiteral("宋体"), 7.5, false}, s);
    p.setFont(f);
    p.setPen(QColor(150, 150, 190));
    p.drawText(box.adjusted(2, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, c.displayName());
    p.restore();
}

QColor fore(const DesignControl& c) { return c.foreColor.isValid() ? c.foreColor : QColor(Qt::black); }

void drawBox(QPainter& p, const QRectF& r, const DesignControl& c, const QColor& fill) {
    p.save();
    p.setPen(c.borderStyle ? QPen(QColor(120, 120, 120), 1) : Qt::NoPen);
    p.setBrush(c.backColor.isValid() ? c.backColor : fill);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void renderControl(QPainter& p, const DesignControl& c, const QRectF& r, const Mapper& m,
                   const FormDesign& d, const RenderOptions& o) {
    const double pad = m.len(45);
    switch (c.type) {
    case ControlType::Label: {
        if (!c.transparent && c.backColor.isValid())
            p.fillRect(r, c.backColor);
        // A label tall enough for several lines starts at its top, as on screen.
        const bool tall = r.height() >= 2 * QFontMetricsF(designFont(c.font, m.s)).height();
        drawText(p, r, c, shownText(c, o), m.s, tall, fore(c));
        break;
    }
    case ControlType::TextBox: {
        drawBox(p, r, c, Qt::white);
        const QString t = shownText(c, o);
        drawText(p, r.adjusted(pad, 0, -pad, 0), c, t, m.s, c.multiLine, fore(c));
        if (t.isEmpty() && o.showNames)
            drawName(p, r, c, m.s);
        break;
    }
    case ControlType::ComboBox: {
        drawBox(p, r, c, Qt::white);
        const double bw = std::min(m.len(255), r.width() / 3);
        const QRectF button(r.right() - bw, r.top(), bw, r.height());
        p.fillRect(button.adjusted(1, 1, -1, -1), QColor(225, 225, 225));
        QPainterPath arrow;
        const QPointF c0 = button.center();
        const double a = bw / 5;
        arrow.moveTo(c0.x() - a, c0.y() - a / 2);
        arrow.lineTo(c0.x() + a, c0.y() - a / 2);
        arrow.lineTo(c0.x(), c0.y() + a / 2);
        arrow.closeSubpath();
        p.fillPath(arrow, Qt::black);
        const QRectF textBox = r.adjusted(pad, 0, -bw - pad, 0);
        const QString t = shownText(c, o);
        drawText(p, textBox, c, t, m.s, false, fore(c));
        if (t.isEmpty() && o.showNames)
            drawName(p, textBox, c, m.s);
        break;
    }
    case ControlType::CheckBox:
    case ControlType::OptionButton: {
        const double box = std::min(m.len(195), r.height());
        const QRectF mark(r.left(), r.center().y() - box / 2, box, box);
        p.save();
        p.setPen(QPen(QColor(80, 80, 80), 1));
        p.setBrush(Qt::white);
        if (c.type == ControlType::CheckBox)
            p.drawRect(mark);
        else
            p.drawEllipse(mark);
        const QString v = o.value ? o.value(c) : QString();
        if (v == QLatin1String("1") || v == QLatin1String("True")) {
            p.setPen(QPen(Qt::black, std::max(1.0, box / 8)));
            p.drawLine(QPointF(mark.left() + box * 0.2, mark.center().y()),
                       QPointF(mark.left() + box * 0.45, mark.bottom() - box * 0.2));
            p.drawLine(QPointF(mark.left() + box * 0.45, mark.bottom() - box * 0.2),
                       QPointF(mark.right() - box * 0.15, mark.top() + box * 0.2));
        }
        p.restore();
        drawText(p, r.adjusted(box + pad, 0, 0, 0), c, c.caption, m.s, false, fore(c));
        break;
    }
    case ControlType::CommandButton:
        p.save();
        p.setPen(QPen(QColor(110, 110, 110), 1));
        p.setBrush(QColor(230, 230, 230));
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        p.restore();
        {
            DesignControl centred = c;   // button captions are always centred
            centred.align = HAlign::Center;
            drawText(p, r, centred, c.caption, m.s, false, c.enabled ? fore(c) : QColor(150, 150, 150));
        }
        break;
    case ControlType::Frame: {
        p.save();
        p.setPen(QPen(QColor(140, 140, 140), 1));
        p.setBrush(Qt::NoBrush);
        const double top = c.caption.isEmpty() ? 0 : m.len(90);
        p.drawRect(r.adjusted(0.5, top + 0.5, -0.5, -0.5));
        p.restore();
        if (!c.caption.isEmpty()) {
            QFont f = designFont(c.font, m.s);
            const QFontMetricsF fm(f);
            const QRectF cap(r.left() + m.len(90), r.top(), fm.horizontalAdvance(c.caption) + 4,
                             fm.height());
            p.fillRect(cap, Qt::white);
            drawText(p, cap, c, c.caption, m.s, true, fore(c));
        }
        break;
    }
    case ControlType::Line:
        p.save();
        p.setPen(QPen(fore(c), std::max(1.0, c.lineWidth * m.s * kTwipsPerPixel)));
        {
            const TwipsRect a = d.absoluteRect(c);
            const Twips dx = a.left - c.rect.left, dy = a.top - c.rect.top;
            p.drawLine(m.point(c.x1 + dx, c.y1 + dy), m.point(c.x2 + dx, c.y2 + dy));
        }
        p.restore();
        break;
    case ControlType::Shape:
        p.save();
        p.setPen(QPen(fore(c), std::max(1.0, c.lineWidth * m.s * kTwipsPerPixel)));
        p.setBrush(c.backColor.isValid() ? QBrush(c.backColor) : QBrush(Qt::NoBrush));
        p.drawRect(r);
        p.restore();
        break;
    case ControlType::Image:
    case ControlType::PictureBox:
        p.save();
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
        p.restore();
        if (o.showNames)
            drawName(p, r, c, m.s);
        break;
    case ControlType::TreeView:
    case ControlType::ListBox:
        drawBox(p, r, c, Qt::white);
        if (o.showNames)
            drawName(p, r, c, m.s);
        break;
    case ControlType::GridGraph: {
        drawBox(p, r, c, Qt::white);
        p.save();
        p.setClipRect(r);
        p.setPen(QPen(QColor(200, 200, 200), 1));
        const double row = m.len(285);
        const double col = r.width() / 5;
        for (double y = r.top() + row; y < r.bottom(); y += row)
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        for (int i = 1; i < 5; ++i)
            p.drawLine(QPointF(r.left() + i * col, r.top()), QPointF(r.left() + i * col, r.bottom()));
        p.fillRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 2, row - 1), QColor(235, 235, 235));
        p.restore();
        if (o.showNames)
            drawName(p, QRectF(r.left(), r.top(), r.width(), row), c, m.s);
        break;
    }
    }
}

bool shown(const FormDesign& d, const DesignControl& c, const RenderOptions& o) {
    if (o.drawHidden)
        return true;
    // A control is shown when it and every frame it lies in are visible.
    const DesignControl* cur = &c;
    for (int depth = 0; cur && depth < 16; ++depth) {
        if (!cur->visible)
            return false;
        cur = cur->container.isEmpty() ? nullptr : d.find(cur->container, -1);
    }
    return true;
}

} // namespace

QFont designFont(const FontSpec& font, double pixelsPerTwip) {
    installFontSubstitutions();
    QFont f(font.name);
    f.setPixelSize(std::max(1, int(std::lround(font.size * kTwipsPerPoint * pixelsPerTwip))));
    f.setBold(font.bold);
    return f;
}

void renderDesignPage(QPainter& painter, const FormDesign& design, int page,
                      const RenderOptions& options) {
    const DesignPage* pg = design.page(page);
    if (!pg)
        return;
    const Mapper m{options.pixelsPerTwip};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (options.drawBackground)
        painter.fillRect(m.rect(TwipsRect{Twips(0), Twips(0), pg->width, pg->height}), Qt::white);
    // Frames first so that their children lie on top, then the rest in form order.
    for (int pass = 0; pass < 2; ++pass) {
        for (const DesignControl* c : design.controlsOnPage(page)) {
            if ((c->type == ControlType::Frame) != (pass == 0) || !shown(design, *c, options))
                continue;
            renderControl(painter, *c, m.rect(design.absoluteRect(*c)), m, design, options);
        }
    }
    painter.restore();
}

QImage renderDesignPageImage(const FormDesign& design, int page, const RenderOptions& options) {
    const DesignPage* pg = design.page(page);
    if (!pg)
        return {};
    const QSize size(int(std::ceil(pg->width.value * options.pixelsPerTwip)),
                     int(std::ceil(pg->height.value * options.pixelsPerTwip)));
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    renderDesignPage(p, design, page, options);
    p.end();
    return img;
}

} // namespace mf
