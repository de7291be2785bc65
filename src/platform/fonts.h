#pragma once
// Maps the Windows font names the form designs use (宋体, 黑体, 仿宋_GB2312, 楷体_GB2312)
// to the Chinese fonts installed on Debian, on screen and on paper alike. Installed fonts
// are found by any of their family names: Qt lists a font under its localized name when
// the desktop's language has one (WenQuanYi Zen Hei is "文泉驿正黑" under zh_CN).

#include <QString>
#include <QStringList>

namespace mf {

// Idempotent; only installed families are used.
void installFontSubstitutions();

// The families standing in for a design font name, best first, as Qt names them under the
// current locale; empty for a name that is no Chinese design font.
QStringList fontSubstitutes(const QString& designFont);

// The name under which Qt lists the installed font that has family among its names
// (English or localized); empty when no such font is installed.
QString installedFamily(const QString& family);

} // namespace mf
