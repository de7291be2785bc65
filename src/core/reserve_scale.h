#pragma once
// Reserve units of a mineral and the scale (large, medium, small) of a reserve amount,
// from the dictionary table 储量规模词表.
#include "core/dictionary.h"

#include <QString>
#include <QStringList>

namespace mf {

// The unit list items of a mineral, "储量单位 说明" per row in table order. Empty, without
// a query, for a blank code; empty for a code that is not a number or has no rows.
// The list widget replaces its items with these.
QStringList FillReserveUnitList(const QString& code, const Dictionary& dict = dictionary());

// The unit (afterBlank false) or the description (afterBlank true) of a unit list item:
// the text before or after its first blank; the empty text when it has no blank.
QString SplitReserveUnitItem(const QString& item, bool afterBlank);

// "大型", "中型", "小型" or "" for an amount (its leading number) of a mineral and ore type,
// compared in single precision with the thresholds SST (large) and SSX (medium) of the
// row for the code and note. "" without a query for a blank code or an amount of 0.
QString ClassifyReserveScale(const QString& code, const QString& amount, const QString& note,
                             const Dictionary& dict = dictionary());

} // namespace mf
