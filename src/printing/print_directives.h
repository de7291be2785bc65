#pragma once
// The print directives of a control: its Tag, a list of items separated by ",".
#include <QString>

namespace mf {

struct PrintDirectives {
    bool date = false;         // D: the text as a date "YYYY年M月D日"
    bool spaced = false;       // F: letters spread across the box
    bool blank = false;        // P: a text box prints blank
    bool lineX = false;        // X: a line along the bottom edge
    bool lineXL = false;       // XL: the bottom line 500 form twips longer
    bool afterBlank = false;   // Y: a combo prints the text after its first blank
    bool hasFontName = false;  // ZN
    QString fontName;
    bool hasFontSize = false;  // ZS
    double fontSize = 0;
    bool hasBold = false;      // ZB
    bool hasTop = false, hasBottom = false, hasLeft = false, hasRight = false;  // MT MB ML MR
    int top = 0, bottom = 0, left = 0, right = 0;
    bool printHidden = false;  // [V]: printed also when hidden

    bool hasFontItem() const { return hasFontName || hasFontSize || hasBold; }
};

PrintDirectives parsePrintDirectives(const QString& tag);

} // namespace mf
