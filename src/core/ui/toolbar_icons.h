#pragma once
#include <QIcon>
#include <QString>

namespace mf {
// The program's own toolbar icon for a button key, drawn at run time; Qt derives the
// greyed form shown while a button is unavailable.
QIcon toolbarIcon(const QString& key);
} // namespace mf
