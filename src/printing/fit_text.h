#pragma once
// Lays a text out in a box with the target's current font: breaks lines where a character
// no longer fits (where Chinese typesetting allows a break) and lowers the font size in steps of 0.5 point until the lines fit the
// height, never below 1 point.
#include <QString>

namespace mf {

class PrintTarget;

// hAlign: 0 left, 1 right, 2 centre. vAlign: 0 top, 1 bottom, 2 centre.
// text comes back with its breaks (CR LF kept, CR at a wrap and after the last character);
// offsetX and offsetY get the alignment offsets added; fontSize receives the size the text
// fits at, which is also left set on the target. Returns the number of lines. The text
// must not be empty.
int FitTextToBox(PrintTarget& target, int boxWidth, int boxHeight, int& offsetX, int& offsetY, QString& text,
                 int hAlign, int vAlign, double& fontSize);

// The lines of a fitted text: split at CR LF or CR, the CR after the last character dropped.
QStringList fittedLines(const QString& text);

} // namespace mf
