#pragma once
// Line breaking by the rules of Chinese typesetting, and the fitting of a text into one
// cell of a printed table.
#include <QString>
#include <QStringList>
#include <QTextBoundaryFinder>

namespace mf {

class PrintTarget;

// Steps through a text by whole characters (grapheme clusters): where a printout breaks,
// spaces or shortens a text, a surrogate pair or a letter with its marks is never cut.
class WholeChars {
public:
    explicit WholeChars(const QString& text);
    const QString& text() const { return text_; }
    // The end of the character that starts at i; the text's size from its end on.
    int next(int i) const;
    // The start of the character that ends at i; 0 from the start back.
    int prev(int i) const;
    // The characters of text, in order.
    static QStringList split(const QString& text);

private:
    QString text_;
    mutable QTextBoundaryFinder finder_;
};

// Where a line that has no room left for the character at i should end, counting from
// lineStart: never inside a character, a run of digits or Latin letters, never before a
// closing mark ("，。；：、）》" and their kin), never after an opening one ("（《" ...). i when
// no such place exists.
int lineBreakBefore(const WholeChars& chars, int lineStart, int i);

// The lines of text in a cell of width by height twips: the font size of the target goes
// down in steps of 0.5 point, not below minSize, until the text fits on one line; at
// minSize it is wrapped into as many lines as the height holds (at least one) and the last
// line kept is cut with "…". The font is left at the size used.
QStringList fitCell(PrintTarget& t, const QString& text, int width, int height, double minSize);

// The smallest sizes a printed table cell shrinks to before its text wraps or is cut.
constexpr double kMinCellFontSize = 6;

} // namespace mf
