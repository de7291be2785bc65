#pragma once
// Where a form page lands on paper: enlarged by PrintScaleX and PrintScaleY, moved 800
// twips right and 1200 twips down. Plus the small text helpers of the printouts.
#include <QString>

namespace mf {

// PrintScaleX × x + 800 and PrintScaleY × y + 1200, rounded halves to even.
int MapPrintX(int x);
int MapPrintY(int y);
// A box width or height on paper (no offset).
int ScalePrintWidth(int width);
int ScalePrintHeight(int height);

// Rounds halves to even.
int roundTwips(double v);

// s without any space or tab.
QString StripBlanks(const QString& s);

// A date the user typed, as "YYYY年M月D日"; the text unchanged when it is no date.
QString printDateText(const QString& s);

} // namespace mf
