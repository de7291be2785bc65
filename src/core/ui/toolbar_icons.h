#pragma once
#include <QIcon>
#include <QImage>
#include <QString>

namespace mf {
// The program's own toolbar icon for a button key: the picture drawn at build time into
// iconDir ("<key>.png"), or drawn now when that file is missing. Qt derives the greyed
// form shown while a button is unavailable.
QIcon toolbarIcon(const QString& key, const QString& iconDir);

// The icon's picture, 64x64: a rounded square in the button's colour with its glyph.
QImage drawToolbarIcon(const QString& key);

// The keys that have their own picture.
QStringList toolbarIconKeys();
} // namespace mf
