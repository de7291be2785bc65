#pragma once
// Zips a package folder. Entry names are relative to the folder, stored as GBK bytes
// without the UTF-8 flag (what Chinese Windows tools read) together with the Unicode path
// extra field 0x7075 that holds the UTF-8 name; deflate level 6, folders 0755, files 0644.
// The archive is streamed once into a hidden temporary file beside the target and renamed
// over it (its mode 0666 less the umask); it never contains itself. Temporary archives a
// killed zip into the same target left are removed first.
// Symbolic links are not followed: they are left out and their names given in *links.
// The folder is given as an absolute path; a relative one is refused.
// *error gets the reason in Chinese. `progress`, when given, is called with the percent
// written so far (from the thread the zip runs on).
#include <QString>
#include <QStringList>
#include <functional>

namespace mf {

bool zipFolder(const QString& folder, const QString& zipPath, QStringList* links = nullptr,
               QString* error = nullptr, const std::function<void(int)>& progress = {});

// Zips only the given files of the folder (relative to it, "/" between the parts) with
// the folders that hold them.
bool zipFiles(const QString& folder, const QStringList& files, const QString& zipPath, QStringList* links = nullptr,
              QString* error = nullptr, const std::function<void(int)>& progress = {});

} // namespace mf
