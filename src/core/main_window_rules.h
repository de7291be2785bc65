#pragma once
// Rules of the main window that need no widgets.
#include <QDate>
#include <QList>
#include <QPoint>
#include <QString>

namespace mf {

// Background picture by screen width in pixels: "ckq-1.jpg" up to 1000, "ckq-2.jpg" up to
// 1200, "ckq-3.jpg" up to 1400, "ckq-4.jpg" wider.
QString backgroundPictureName(int screenWidthPixels);

// Width of the progress bar in twips for an inner window width in twips.
int progressBarWidth(int innerWidthTwips);

// Status panel 3: "2026年12月9日".
QString statusDateText(const QDate& date);

// The cascade of the "WIN" command: kinds in the order they are brought to the front
// (5, 4, 6, 3, 2, 1; kind 7 is never moved) with their positions in twips.
struct CascadePlacement {
    int kind;
    QPoint topLeftTwips;
};
QList<CascadePlacement> cascadePlacements(const bool kindOpen[8]);

// Where a newly opened editor lies, in twips, given the number of other open editors.
QPoint editorOpeningOffset(int otherOpenForms);

} // namespace mf
