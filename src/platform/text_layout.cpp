#include "platform/text_layout.h"

#include "platform/print_target.h"

#include <algorithm>

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

WholeChars::WholeChars(const QString& text) : text_(text), finder_(QTextBoundaryFinder::Grapheme, text) {}

int WholeChars::next(int i) const {
    if (i >= text_.size()) return int(text_.size());
    finder_.setPosition(i);
    const qsizetype end = finder_.toNextBoundary();
    return end < 0 ? int(text_.size()) : int(end);
}

int WholeChars::prev(int i) const {
    if (i <= 0) return 0;
    finder_.setPosition(i);
    return int(std::max<qsizetype>(0, finder_.toPreviousBoundary()));
}

QStringList WholeChars::split(const QString& text) {
    const WholeChars chars(text);
    QStringList out;
    for (int i = 0; i < text.size(); i = chars.next(i)) out << text.mid(i, chars.next(i) - i);
    return out;
}

int lineBreakBefore(const WholeChars& chars, int lineStart, int i) {
    const QString& text = chars.text();
    if (i <= lineStart || i >= text.size()) return i;
    for (int b = i; b > lineStart; b = chars.prev(b)) {
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

    const WholeChars chars(text);
    QStringList lines;
    int start = 0;
    while (start < text.size()) {
        int end = chars.next(start);
        while (end < text.size() && t.textWidth(text.mid(start, chars.next(end) - start)) <= width)
            end = chars.next(end);
        if (end < text.size()) {
            const int b = lineBreakBefore(chars, start, end);
            // The moved word must fit a line of its own.
            if (b > start && t.textWidth(text.mid(b, chars.next(end) - b)) <= width) end = b;
        }
        lines << text.mid(start, end - start);
        start = end;
    }
    const int room = std::max(1, int(height / t.textHeight(QStringLiteral("字"))));
    if (lines.size() > room) {
        lines = lines.mid(0, room);
        QString& last = lines.last();
        const QString ellipsis = QStringLiteral("…");
        const WholeChars lastChars(last);
        int keep = int(last.size());
        while (keep > 0 && t.textWidth(last.left(keep) + ellipsis) > width) keep = lastChars.prev(keep);
        last.truncate(keep);
        last += ellipsis;
    }
    return lines;
}

} // namespace mf
