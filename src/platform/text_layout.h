#pragma once
// Line breaking by the rules of Chinese typesetting, and the fitting of a text into one
// cell of a printed table.
#include <QString>
#include <QStringList>

namespace mf {

class PrintTarget;

// Where a line that has no room left for text[i] should end, counting from lineStart:
// never inside a run of digits or Latin letters, never before a closing mark ("，。；：、）》"
// and their kin), never after an opening one ("（《" ...). i when no such place exists.
int lineBreakBefore(const QString& text, int lineStart, int i);

// The lines of text in a cell of width by height twips: the font size of the target goes
// down in steps of 0.5 point, not below minSize, until the text fits on one line; at
// minSize it is wrapped into as many lines as the height holds (at least one) and the last
// line kept is cut with "…". The font is left at the size used.
QStringList fitCell(PrintTarget& t, const QString& text, int width, int height, double minSize);

// The smallest sizes a printed table cell shrinks to before its text wraps or is cut.
constexpr double kMinCellFontSize = 6;

} // namespace mf
