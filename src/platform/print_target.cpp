#include "platform/print_target.h"

#include "platform/fonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <cmath>

namespace mf {

int CmToTwips(float cm) { return int(std::nearbyint(double(cm) * 1440.0 / 2.54)); }

// ---- PagedDeviceTarget ----

PagedDeviceTarget::PagedDeviceTarget(QPagedPaintDevice* device, bool jobPerPage)
    : device_(device), jobPerPage_(jobPerPage) {
    installFontSubstitutions();
}

PagedDeviceTarget::~PagedDeviceTarget() { finish(); }

int PagedDeviceTarget::pageWidth() const {
    return int(std::nearbyint(device_->pageLayout().fullRect(QPageLayout::Millimeter).width() * 1440 / 25.4));
}

int PagedDeviceTarget::pageHeight() const {
    return int(std::nearbyint(device_->pageLayout().fullRect(QPageLayout::Millimeter).height() * 1440 / 25.4));
}

double PagedDeviceTarget::dev(int twips) const { return twips * device_->logicalDpiX() / 1440.0; }

QFont PagedDeviceTarget::deviceFont() const {
    QFont f(fontName_);
    f.setPointSizeF(fontSize_ > 0 ? fontSize_ : 1);
    f.setBold(fontBold_);
    return f;
}

void PagedDeviceTarget::setFont(const QString& name, double size, bool bold) {
    fontName_ = name;
    fontSize_ = size;
    fontBold_ = bold;
    metrics_.reset();
    if (painter_.isActive()) painter_.setFont(deviceFont());
}

const QFontMetricsF& PagedDeviceTarget::metrics() {
    if (!metrics_) metrics_.emplace(deviceFont(), device_);
    return *metrics_;
}

double PagedDeviceTarget::textWidth(const QString& s) {
    return metrics().horizontalAdvance(s) * 1440.0 / device_->logicalDpiX();
}

double PagedDeviceTarget::textHeight(const QString&) {
    return metrics().height() * 1440.0 / device_->logicalDpiY();
}

void PagedDeviceTarget::openPage() {
    if (!painter_.isActive()) {
        if (!painter_.begin(device_)) throw PrintError("the printer cannot start a page");
        pageEnded_ = false;
        ++pages_;
    } else if (pageEnded_) {
        if (!device_->newPage()) throw PrintError("the printer cannot start a page");
        pageEnded_ = false;
        ++pages_;
    }
    pageOpen_ = true;
}

void PagedDeviceTarget::drawText(int x, int y, const QString& s) {
    openPage();
    if (s.isEmpty()) return;
    painter_.setFont(deviceFont());
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(dev(x), dev(y) + metrics().ascent()), s);
}

void PagedDeviceTarget::drawLine(int x1, int y1, int x2, int y2) {
    openPage();
    // Printer pixels of a 600 dpi printer, never thinner than half a point (a rule of the
    // paper forms; thinner ones print faint).
    const double dpi = device_->logicalDpiX();
    QPen pen(Qt::black, std::max({1.0, drawWidth_ * dpi / 600.0, dpi / 144.0}));
    pen.setCapStyle(Qt::SquareCap);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(dev(x1), dev(y1)), QPointF(dev(x2), dev(y2)));
}

void PagedDeviceTarget::endDoc() {
    if (!pageOpen_) return;
    pageOpen_ = false;
    if (jobPerPage_)
        painter_.end();
    else
        pageEnded_ = true;
}

void PagedDeviceTarget::endRun() {
    pageOpen_ = false;
    pageEnded_ = false;
    if (painter_.isActive() && !painter_.end()) throw PrintError("the printer cannot end the document");
}

void PagedDeviceTarget::finish() {
    if (painter_.isActive()) painter_.end();
    pageOpen_ = false;
    pageEnded_ = false;
}

// ---- PainterTarget ----

PainterTarget::PainterTarget(QPainter& painter, int pageWidth, int pageHeight, QColor colour)
    : painter_(painter), width_(pageWidth), height_(pageHeight), colour_(colour) {}

QFont PainterTarget::font() const {
    QFont f(fontName_);
    // One twip is one unit of the painter: a point is 20 of them.
    f.setPixelSize(std::max(1, int(std::lround(fontSize_ * 20))));
    f.setBold(fontBold_);
    return f;
}

void PainterTarget::setFont(const QString& name, double size, bool bold) {
    fontName_ = name;
    fontSize_ = size;
    fontBold_ = bold;
}

double PainterTarget::textWidth(const QString& s) { return QFontMetricsF(font()).horizontalAdvance(s); }
double PainterTarget::textHeight(const QString&) { return QFontMetricsF(font()).height(); }

void PainterTarget::drawText(int x, int y, const QString& s) {
    if (s.isEmpty()) return;
    const QFont f = font();
    painter_.setFont(f);
    painter_.setPen(colour_);
    painter_.drawText(QPointF(x, y + QFontMetricsF(f).ascent()), s);
}

void PainterTarget::drawLine(int x1, int y1, int x2, int y2) {
    // The drawing width counts screen pixels of 15 twips.
    painter_.setPen(QPen(colour_, std::max(1, drawWidth_) * 15));
    painter_.drawLine(QPoint(x1, y1), QPoint(x2, y2));
}

// ---- RecordingTarget ----

RecordingTarget::Call RecordingTarget::make(Op op) const {
    Call c;
    c.op = op;
    c.font = fontName_;
    c.size = fontSize_;
    c.bold = fontBold_;
    c.drawWidth = drawWidth_;
    return c;
}

void RecordingTarget::setFont(const QString& name, double size, bool bold) {
    fontName_ = name;
    fontSize_ = size;
    fontBold_ = bold;
}

double RecordingTarget::textWidth(const QString& s) {
    double w = 0;
    for (const char32_t ch : s.toUcs4()) w += fontSize_ * (ch >= 0x2E80 ? 20 : 10);   // a pair is one character
    return w;
}

double RecordingTarget::textHeight(const QString&) { return fontSize_ * 23; }

void RecordingTarget::drawText(int x, int y, const QString& s) {
    Call c = make(Op::Text);
    c.x = x;
    c.y = y;
    c.text = s;
    calls_.append(c);
}

void RecordingTarget::drawLine(int x1, int y1, int x2, int y2) {
    Call c = make(Op::Line);
    c.x = x1;
    c.y = y1;
    c.x2 = x2;
    c.y2 = y2;
    calls_.append(c);
}

void RecordingTarget::endDoc() { calls_.append(make(Op::EndDoc)); }

bool RecordingTarget::printedAny() const {
    for (const Call& c : calls_)
        if (c.op != Op::EndDoc) return true;
    return false;
}

QList<RecordingTarget::Call> RecordingTarget::texts() const {
    QList<Call> out;
    for (const Call& c : calls_)
        if (c.op == Op::Text && !c.text.isEmpty()) out.append(c);
    return out;
}

QList<RecordingTarget::Call> RecordingTarget::lines() const {
    QList<Call> out;
    for (const Call& c : calls_)
        if (c.op == Op::Line) out.append(c);
    return out;
}

int RecordingTarget::jobs() const {
    int n = 0;
    for (const Call& c : calls_) n += c.op == Op::EndDoc;
    return n;
}

QList<RecordingTarget::Call> RecordingTarget::job(int index) const {
    QList<Call> out;
    int n = 0;
    for (const Call& c : calls_) {
        if (c.op == Op::EndDoc) {
            if (n++ == index) break;
            continue;
        }
        if (n == index) out.append(c);
    }
    return out;
}

RecordingTarget::Call RecordingTarget::findText(const QString& s) const {
    for (const Call& c : calls_)
        if (c.op == Op::Text && c.text == s) return c;
    Call none;
    none.op = Op::EndDoc;
    return none;
}

} // namespace mf
