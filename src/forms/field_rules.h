#pragma once
// Rules of the editors' dependent fields, free of widgets: the region name of a code, the
// mineral code of the main-mineral text, the mineral search, the usage fee of an area,
// depth texts and where the pop-up pickers are placed.
#include "core/dictionary.h"
#include "platform/twips.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace mf {

// The full name of a region code typed into a region field: looked up only for exactly
// six ASCII digits; the empty text for anything else (a typed text never reaches a query
// unless it is a code).
QString regionNameForField(const QString& text, const Dictionary& dict = dictionary());

// The mineral code chosen in 开采主矿种: the leading number of the text written back as
// plain decimal text, when that has exactly five characters; empty otherwise.
std::optional<QString> chosenMineralCode(const QString& comboText);

// The code the reserve look-ups use: the first five characters of the combo text.
QString mineralCodeOf(const QString& comboText);

// A typed main-mineral text starts a name search when it does not begin with a number
// and is not blank.
bool qualifiesForMineralSearch(const QString& text);

// Entries "code name" of every mineral whose name contains the text (as typed, blanks
// included, case-sensitive; 黏 and 粘 count as one character), in the order of the list.
QStringList mineralMatches(const QString& text, const QList<MineralRow>& minerals);

// A number that is a multiple of one half as Format "0.#" without a trailing point:
// 1.5 gives "1.5", 2 gives "2".
QString formatHalf(double x);

// The mining-right usage fee of an area text: its value raised to the next half unit.
// " 1.234" gives "1.5", "2.000" gives "2", "3.500" gives "4", "" gives "0".
QString usageFeeText(const QString& areaText);

// An elevation in the general number form of a single: 1200 gives "1200", 350.5 "350.5".
QString elevationText(float elevation);

// Where a region tree drops: from the caption label's left edge to the button's left
// edge, 3400 high, 20 below the button (or its lower edge on the button's upper edge when
// it opens upwards). A width below one pixel and a top above the page are clamped.
TwipsRect regionTreeRect(const TwipsRect& label, const TwipsRect& button, bool opensUp);
inline constexpr Twips kRegionTreeHeight{3400};

// The mineral tree (2500 x 2500) and the match list (2500 x 2000) directly under the combo.
TwipsRect mineralTreeRect(const TwipsRect& combo);
TwipsRect mineralListRect(const TwipsRect& combo);

// The reserve-unit list below its button, its right edge 50 twips right of the button's.
TwipsRect reserveListRect(const TwipsRect& button, Twips listWidth, Twips listHeight);

} // namespace mf
