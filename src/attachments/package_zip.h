#pragma once
// Zips a package folder. Entry names are relative to the folder, stored as GBK bytes
// without the UTF-8 flag (what Chinese Windows tools read) together with the Unicode path
// extra field 0x7075 that holds the UTF-8 name. The archive is written under a temporary
// name and then renamed; it never contains itself.
#include <QString>

namespace mf {

bool zipFolder(const QString& folder, const QString& zipPath, QString* error = nullptr);

} // namespace mf
