#pragma once
#include <QIcon>
#include <QImage>
#include <QString>

namespace mf {
// The program's own toolbar icon for a button key: its picture in the strip drawn at build
// time into iconDir, or drawn now when the strip is missing. Qt derives the greyed form
// shown while a button is unavailable.
QIcon toolbarIcon(const QString& key, const QString& iconDir);

// The icon's picture, 64x64: a rounded square in the button's colour with its glyph.
QImage drawToolbarIcon(const QString& key);

// Every key's picture side by side in the order of toolbarIconKeys(), 64 pixels high, and
// below each its 32-pixel copy the toolbar shows, so no start-up scales them: the file
// "toolbar.png" of the icon folder, read once instead of a file per button.
QImage drawToolbarStrip();
QString toolbarStripName();

// The keys that have their own picture.
QStringList toolbarIconKeys();
} // namespace mf
