#include "printing/fit_text.h"

#include "platform/print_target.h"
#include "platform/text_layout.h"
#include "printing/print_geometry.h"

#include <QStringList>

namespace mf {

namespace {

constexpr double kMinFontSize = 1.0;

struct Layout {
    QString out;
    int lines = 0;
    bool tooWide = false;   // a single character is wider than the box at this size
    bool tooTall = false;   // the lines so far already overflow the box
};

// Lays text out in lines of at most W, a whole character at a time. Above the smallest
// size a layout that cannot fit stops early: the size is lowered and the text laid out
// again anyway, so a long text does not cost a full layout at every size.
Layout layOut(PrintTarget& t, const QString& text, int W, int H, double lineHeight, bool atFloor) {
    Layout r;
    auto overflows = [&] { return !atFloor && r.lines * lineHeight > H; };
    const WholeChars chars(text);
    QString line;
    double lineWidth = 0;
    const int n = int(text.size());
    int i = 0;
    int lineStart = 0;   // index in text of the current line's first character
    while (i < n) {
        if (i < n - 1 && text.at(i) == QLatin1Char('\r')) {
            if (text.at(i + 1) == QLatin1Char('\n')) {
                r.out += QStringLiteral("\r\n");
                ++r.lines;
                line.clear();
                lineWidth = 0;
                i += 2;
                lineStart = i;
                if (overflows()) {
                    r.tooTall = true;
                    return r;
                }
            } else {
                ++i;   // a CR without LF is dropped
            }
            continue;
        }
        const int next = chars.next(i);
        const QString ch = text.mid(i, next - i);
        const bool last = next == n;
        const double chWidth = t.textWidth(ch);
        if (ch != QLatin1String(" ") && chWidth > W && !atFloor) {
            r.tooWide = true;
            return r;
        }
        // A character that does not fit an empty line is placed anyway (only at the
        // smallest size, or a blank wider than the box).
        if (lineWidth + chWidth <= W || line.isEmpty()) {
            line += ch;
            r.out += ch;
            lineWidth = t.textWidth(line);
            i = next;
            if (last) r.out += QLatin1Char('\r');
            if (lineWidth > W) {
                ++r.lines;
                line.clear();
                lineWidth = 0;
                lineStart = i;
            }
        } else {
            // Break where Chinese typesetting allows: the end of the line moves down with
            // ch when it fits a line of its own.
            const int b = lineBreakBefore(chars, lineStart, i);
            const QString moved = text.mid(b, i - b);
            const bool carry = b > lineStart && line.endsWith(moved) && t.textWidth(moved + ch) <= W;
            if (carry) r.out.chop(moved.size());
            r.out += QLatin1Char('\r');
            ++r.lines;
            line = carry ? moved : QString();
            r.out += line;
            lineWidth = carry ? t.textWidth(line) : 0;
            lineStart = carry ? b : i;
        }
        if (overflows()) {
            r.tooTall = true;
            return r;
        }
    }
    if (!line.isEmpty() || (n > 0 && text.endsWith(QStringLiteral("\r\n")))) ++r.lines;
    return r;
}

} // namespace

QStringList fittedLines(const QString& text) {
    QString t = text;
    if (t.endsWith(QLatin1Char('\r'))) t.chop(1);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    return t.split(QLatin1Char('\r'));
}

int FitTextToBox(PrintTarget& target, int boxWidth, int boxHeight, int& offsetX, int& offsetY, QString& text,
                 int hAlign, int vAlign, double& fontSize) {
    double size = target.fontSize();
    Layout r;
    for (;;) {
        const double h = target.textHeight(QStringLiteral("字"));
        r = layOut(target, text, boxWidth, boxHeight, h, size <= kMinFontSize);
        if (r.tooWide || r.tooTall) {
            size = std::max(kMinFontSize, size - 0.5);
            target.setFontSize(size);
            continue;
        }
        if (r.lines * h > boxHeight && size > kMinFontSize) {
            size = std::max(kMinFontSize, size - 0.5);
            target.setFontSize(size);
            continue;
        }
        break;
    }
    text = r.out;
    fontSize = size;

    const QString first = fittedLines(text).value(0);
    const double firstWidth = target.textWidth(first);
    const double cell = target.textHeight(QStringLiteral("中"));
    switch (hAlign) {
    case 0: offsetX += 20; break;
    case 1: offsetX += roundTwips(boxWidth - firstWidth - 20); break;
    case 2: offsetX += roundTwips((boxWidth - firstWidth) / 2); break;
    default: break;
    }
    switch (vAlign) {
    case 0: offsetY += 20; break;
    case 1: offsetY += roundTwips(boxHeight - r.lines * cell - 20); break;
    case 2: offsetY += roundTwips((boxHeight - r.lines * cell) / 2); break;
    default: break;
    }
    return r.lines;
}

} // namespace mf
