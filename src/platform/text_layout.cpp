#include "platform/text_layout.h"

#include "platform/print_target.h"

namespace mf {

namespace {

bool inRun(QChar c) { return c.unicode() < 0x80 && (c.isLetterOrNumber() || QStringLiteral("./-_%").contains(c)); }

bool noLineStart(QChar c) { return QStringLiteral("，。；：、）》！？”’」』】〉〕〗…,.;:!?)]").contains(c); }

bool noLineEnd(QChar c) { return QStringLiteral("（《“‘「『【〈〔〖([").contains(c); }

// A run of digits and Latin letters with its inner points, slashes and dashes ("14/56",
// "ZK-3.5") counts as one word; a point, slash or dash at its edge does not join it.
bool insideWord(const QString& text, int i) {
    const QChar a = text.at(i - 1), b = text.at(i);
    if (!inRun(a) || !inRun(b)) return false;
    return a.isLetterOrNumber() || b.isLetterOrNumber();
}

} // namespace

int lineBreakBefore(const QString& text, int lineStart, int i) {
    if (i <= lineStart || i >= text.size()) return i;
    for (int b = i; b > lineStart; --b) {
        if (noLineStart(text.at(b)) || noLineEnd(text.at(b - 1)) || insideWord(text, b)) continue;
        return b;
    }
    return i;
}

QStringList fitCell(PrintTarget& t, const QString& text, int width, int height, double minSize) {
    if (text.isEmpty() || width <= 0) return {text};
    double size = t.fontSize();
    while (t.textWidth(text) > width && size - 0.5 >= minSize) {
        size -= 0.5;
        t.setFontSize(size);
    }
    if (t.textWidth(text) <= width) return {text};

    QStringList lines;
    int start = 0;
    while (start < text.size()) {
        int end = start + 1;
        while (end < text.size() && t.textWidth(text.mid(start, end + 1 - start)) <= width) ++end;
        if (end < text.size()) {
            const int b = lineBreakBefore(text, start, end);
            // The moved word must fit a line of its own.
            if (b > start && t.textWidth(text.mid(b, end + 1 - b)) <= width) end = b;
        }
        lines << text.mid(start, end - start);
        start = end;
    }
    const int room = std::max(1, int(height / t.textHeight(QStringLiteral("字"))));
    if (lines.size() > room) {
        lines = lines.mid(0, room);
        QString& last = lines.last();
        const QString ellipsis = QStringLiteral("…");
        while (!last.isEmpty() && t.textWidth(last + ellipsis) > width) last.chop(1);
        last += ellipsis;
    }
    return lines;
}

} // namespace mf
