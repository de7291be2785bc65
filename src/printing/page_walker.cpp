#include "printing/page_walker.h"

#include "core/app_state.h"
#include "platform/dialogs.h"
#include "platform/print_target.h"
#include "platform/text_layout.h"
#include "platform/vb.h"
#include "printing/boundary_sketch.h"
#include "printing/fit_text.h"
#include "printing/print_directives.h"
#include "printing/print_geometry.h"
#include "printing/printable_form.h"

#include <QStringList>

namespace mf {

namespace {

constexpr double kScreenToPrintFont = 1.143;

// The control's box on its page, with the M adjustments applied to a copy.
struct Box {
    int left, top, width, height;
};

Box adjustedBox(const DesignControl& c, const PrintDirectives& d) {
    Box b{c.rect.left.value, c.rect.top.value, c.rect.width.value, c.rect.height.value};
    if (d.hasTop) b.top += d.top, b.height -= d.top;
    if (d.hasBottom) b.height += d.bottom;
    if (d.hasLeft) b.left += d.left, b.width -= d.left;
    if (d.hasRight) b.width += d.right;
    return b;
}

Box designBox(const DesignControl& c) {
    return Box{c.rect.left.value, c.rect.top.value, c.rect.width.value, c.rect.height.value};
}

// Line breaks as CR LF, whatever the control gave.
QString crlf(QString s) {
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return s;
}

void bottomLine(PrintTarget& t, const Box& b, int extra = 0) {
    const int y = MapPrintY(b.top + b.height);
    t.drawLine(MapPrintX(b.left), y, MapPrintX(b.left + b.width + extra), y);
}

void setTextFont(PrintTarget& t, const DesignControl& c, const PrintDirectives& d) {
    const bool isLabel = c.type == ControlType::Label;
    QString name = c.font.name;
    double size = c.font.size * kScreenToPrintFont;
    bool bold = c.font.bold;
    if (isLabel && !d.hasFontItem()) name = QStringLiteral("仿宋_GB2312");
    if (d.hasFontName) name = d.fontName;
    if (d.hasFontSize) size = d.fontSize;
    if (d.hasBold) bold = isLabel ? true : !c.font.bold;
    t.setFont(name, size, bold);
}

void setButtonFont(PrintTarget& t, const DesignControl& c, const PrintDirectives& d) {
    t.setFont(d.hasFontName ? d.fontName : QStringLiteral("宋体"), d.hasFontSize ? d.fontSize : c.font.size,
              d.hasBold ? !c.font.bold : false);
}

// Fits text into the enlarged box and prints it; several lines one TextHeight("中") apart.
void fittedPrint(PrintTarget& t, const Box& b, QString text, int hAlign, int vAlign, bool onePiece) {
    const int W = ScalePrintWidth(b.width), H = ScalePrintHeight(b.height);
    if (W <= 0 || H <= 0 || text.isEmpty()) return;
    int dx = 0, dy = 0;
    double size = 0;
    const int lines = FitTextToBox(t, W, H, dx, dy, text, hAlign, vAlign, size);
    t.setFontSize(size);
    const int x0 = MapPrintX(b.left) + dx, y0 = MapPrintY(b.top) + dy;
    const QStringList parts = fittedLines(text);
    if (lines <= 1 || onePiece) {
        if (onePiece) {
            // A combo prints its text in one piece; its lines are printed from x0 downwards.
            const double step = t.textHeight(QStringLiteral("中"));
            for (int i = 0; i < parts.size(); ++i) t.drawText(x0, roundTwips(y0 + i * step), parts[i]);
        } else {
            t.drawText(x0, y0, parts.join(QString()));
        }
        return;
    }
    const double step = t.textHeight(QStringLiteral("中"));
    const double firstWidth = t.textWidth(parts.value(0));
    for (int i = 0; i < parts.size(); ++i) {
        int x = x0;
        if (i > 0 && hAlign == 2) x = roundTwips(x0 + (firstWidth - t.textWidth(parts[i])) / 2);
        t.drawText(x, roundTwips(y0 + i * step), parts[i]);
    }
}

void spacedPrint(PrintTarget& t, const Box& b, const QString& text) {
    const QStringList chars = WholeChars::split(StripBlanks(text));
    const int n = int(chars.size());
    if (n == 0) return;
    const double c = t.textHeight(QStringLiteral("中"));
    // One character prints at the left edge.
    const int pitch = n > 1 ? roundTwips(c + (double(state().PrintScaleX) * b.width - n * c) / (n - 1)) : 0;
    const int dy = roundTwips((double(state().PrintScaleY) * b.height - c) / 2);
    for (int i = 0; i < n; ++i) t.drawText(MapPrintX(b.left) + i * pitch, MapPrintY(b.top) + dy, chars[i]);
}

int hAlignOf(const DesignControl& c) { return int(c.align); }

void printTextBox(PrintTarget& t, const DesignControl& c, const LiveControl& live, const PrintDirectives& d) {
    setTextFont(t, c, d);
    QString text = vb::rtrim(crlf(live.text));
    if (d.date) text = printDateText(text);
    if (d.blank) text.clear();
    const Box b = adjustedBox(c, d);
    if (!d.spaced) {
        if (live.visible && !text.isEmpty()) fittedPrint(t, b, text, hAlignOf(c), c.scrollBars == 2 ? 0 : 2, false);
    } else {
        spacedPrint(t, b, text);
    }
    if (d.lineX)
        bottomLine(t, b);
    else if (d.lineXL)
        bottomLine(t, b, 500);
}

bool isPureRed(const QColor& c) { return c.isValid() && c.red() == 255 && c.green() == 0 && c.blue() == 0; }

void printLabel(PrintTarget& t, const DesignControl& c, const LiveControl& live, const PrintDirectives& d) {
    if (live.text.isEmpty()) return;
    setTextFont(t, c, d);
    QString text = crlf(live.text);
    const QString trimmed = vb::trim(text);
    static const QStringList units = {QStringLiteral("万吨/年"), QStringLiteral("亿立方米/年"),
                                      QStringLiteral("万立方米/年"), QStringLiteral("股份制")};
    if (units.contains(trimmed)) text = trimmed;
    if (d.date) text = printDateText(text);
    const Box b = adjustedBox(c, d);
    if (!d.spaced)
        fittedPrint(t, b, text, hAlignOf(c), 2, false);
    else
        spacedPrint(t, b, d.date ? printDateText(trimmed) : trimmed);
    const QString bare = StripBlanks(live.text);
    if (isPureRed(c.foreColor) && bare != QStringLiteral("地质调查") && bare != QStringLiteral("年度报告"))
        bottomLine(t, b);
    if (d.lineX) bottomLine(t, designBox(c));
}

void printCombo(PrintTarget& t, const DesignControl& c, const LiveControl& live, const PrintDirectives& d) {
    setButtonFont(t, c, d);
    QString text = vb::trim(live.text);
    if (d.afterBlank) {
        const int sp = int(text.indexOf(QLatin1Char(' ')));
        if (sp >= 0) text = vb::trim(text.mid(sp + 1));
    }
    fittedPrint(t, adjustedBox(c, d), crlf(text), 0, 2, true);
}

void printButton(PrintTarget& t, const DesignControl& c, const LiveControl& live, const PrintDirectives& d) {
    setButtonFont(t, c, d);
    QString mark;
    if (c.type == ControlType::OptionButton)
        mark = live.value == 1 ? QStringLiteral("(√)") : QStringLiteral("(  )");
    else
        mark = live.value == 1 ? QStringLiteral("[√]") : QStringLiteral("[  ]");
    t.drawText(MapPrintX(c.rect.left.value) + 100, MapPrintY(c.rect.top.value), mark + live.text);
}

void drawShapeOrLineAt(PrintTarget& t, const DesignControl& c);

void drawShapeOrLine(PrintTarget& t, const DesignControl& c) {
    // A frame the design draws thicker (the outer frame of a table page) prints at a point.
    const int width = t.drawWidth();
    if (c.lineWidth > 1) t.setDrawWidth(kOnePointDrawWidth);
    drawShapeOrLineAt(t, c);
    t.setDrawWidth(width);
}

void drawShapeOrLineAt(PrintTarget& t, const DesignControl& c) {
    if (c.type == ControlType::Line) {
        t.drawLine(MapPrintX(c.x1.value), MapPrintY(c.y1.value), MapPrintX(c.x2.value), MapPrintY(c.y2.value));
        return;
    }
    const int l = c.rect.left.value, tp = c.rect.top.value;
    const int r = l + c.rect.width.value, bt = tp + c.rect.height.value;
    t.drawLine(MapPrintX(l), MapPrintY(tp), MapPrintX(r), MapPrintY(tp));    // top
    t.drawLine(MapPrintX(l), MapPrintY(tp), MapPrintX(l), MapPrintY(bt));    // left
    t.drawLine(MapPrintX(l), MapPrintY(bt), MapPrintX(r), MapPrintY(bt));    // bottom
    t.drawLine(MapPrintX(r), MapPrintY(tp), MapPrintX(r), MapPrintY(bt));    // right
}

} // namespace

void PrintContainerPage(PrintTarget& target, PrintableForm& form, const QString& containerName, int pageIndex,
                        BoundarySketch* sketch) {
    if (state().PrinterCount == 0) {
        dialogs().message(QStringLiteral("提示"), QStringLiteral("未安装打印机！"), MsgIcon::Information);
        return;
    }
    // The form's pages are the container array "Picture1".
    const bool pageArray = containerName.compare(QLatin1String("picture1"), Qt::CaseInsensitive) == 0;
    const FormDesign& design = form.design();
    auto onPage = [&](const DesignControl& c) { return pageArray && c.page == pageIndex && c.container.isEmpty(); };

    target.drawText(0, 0, QString());   // opens the page
    const int savedWidth = target.drawWidth();
    target.setDrawWidth(2);

    for (const DesignControl& c : design.controls) {
        if (!onPage(c) || c.tag.isEmpty()) continue;
        const PrintDirectives d = parsePrintDirectives(c.tag);
        const LiveControl live = form.live(c);
        if (!live.visible && !d.printHidden) continue;
        switch (c.type) {
        case ControlType::TextBox: printTextBox(target, c, live, d); break;
        case ControlType::Label: printLabel(target, c, live, d); break;
        case ControlType::ComboBox: printCombo(target, c, live, d); break;
        case ControlType::OptionButton:
        case ControlType::CheckBox: printButton(target, c, live, d); break;
        default: break;
        }
    }
    for (const DesignControl& c : design.controls)
        if (onPage(c) && (c.type == ControlType::Line || c.type == ControlType::Shape)) drawShapeOrLine(target, c);

    if (sketch) DrawBoundarySketch(target, 2, *sketch);
    target.endDoc();
    target.setDrawWidth(savedWidth);
}

} // namespace mf
