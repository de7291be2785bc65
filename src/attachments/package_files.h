#pragma once
// File rules of the package folder: names taken from a list must be single plain path
// components, copies go through a temporary name and never onto themselves.
#include <QSet>
#include <QString>

namespace mf {

// Non-empty, not "." or "..", no "/", "\", ":", control characters, no trailing "." or blank.
bool isSafeComponent(const QString& name);

// Copies src to dst through a temporary file. A copy onto the same file changes nothing and
// counts as done. False when src cannot be read or dst cannot be written.
bool copyFileSafe(const QString& src, const QString& dst);

// True when both paths name the same existing folder (or file).
bool samePlace(const QString& a, const QString& b);

// Deletes the files of dir named stem followed by "." and any extension (or stem alone),
// compared without regard to case, except those whose names are in keep (lower case).
void deleteStemFiles(const QString& dir, const QString& stem, const QSet<QString>& keep);

// A name looked up in a folder ignoring case, or the folder and the name as given.
QString entryPath(const QString& dir, const QString& name);

} // namespace mf
