#pragma once
// File rules of the package folder: names taken from a list must be single plain path
// components, no symbolic link inside a package is ever followed, documents are copied
// streaming into files created afresh.
#include <QString>

namespace mf {

// Non-empty, not "." or "..", no "/", "\", ":", control characters, no trailing "." or blank.
bool isSafeComponent(const QString& name);

// The entry itself, links not followed: a regular file / a folder (a link to one is neither).
bool isPlainFile(const QString& path);
bool isPlainDir(const QString& path);
// True when something (a link included) stands at the path.
bool entryExists(const QString& path);

// A name looked up in a folder ignoring case, or the folder and the name as given.
QString entryPath(const QString& dir, const QString& name);

enum class CopyFault { None, Source, Target };

// Copies src into the new file dst (mode 0644) in the kernel, or 1 MiB at a time. dst must not exist and is
// never reached through a link; a src that is a link is refused unless followSourceLink.
// Nothing is synced: the caller syncs the folder it built. A failed copy leaves no dst.
// *error gets the reason in Chinese, naming the file.
CopyFault copyStreaming(const QString& src, const QString& dst, bool followSourceLink, QString* error = nullptr);

// Flushes every file and folder below dir (links not followed) to the disk. Done once after
// a whole folder was written, so the journal commits once rather than once per file.
bool syncTree(const QString& dir, QString* error = nullptr);

} // namespace mf
