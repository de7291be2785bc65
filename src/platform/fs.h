#pragma once
// File and folder helpers.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mf::fs {

// True when the path names a regular file that can be opened for reading.
bool fileExists(const QString& path);

// Creates every missing folder along the path (a trailing "/" is ignored). True when the
// folder exists afterwards; callers that need not know may ignore the result.
bool makeDirPath(const QString& path);

// Folders that deleteDirTree refuses to delete, besides "", "/" and the home folder
// (the program data folder, set at start-up).
void addProtectedDir(const QString& path);

// Deletes a folder with everything below it, never following symbolic links (a link is
// removed, not what it points to); read-only and hidden entries go too. Refuses "", "/",
// the home folder, protected folders and every folder above one of these.
// Returns false with a reason when something could not be removed or the folder is refused;
// what was removed before stays removed.
bool deleteDirTree(const QString& dir, QString* error = nullptr);

// Looks a name up in a folder: the exact spelling first, then the one entry equal to it
// ignoring case (none when several differ only in case). The name is a single path
// component. Returns the full path of the entry found, or the empty text.
QString findInDir(const QString& dir, const QString& name);

// Extension of a path without the point, as written: the text after the last "." when it
// follows the last "/"; "" otherwise.
QString extension(const QString& path);
// Equality of names and extensions without regard to case.
bool sameName(const QString& a, const QString& b);

// What a file holds, as a digest of its bytes, so that a later look can tell whether it was
// changed meanwhile. Empty when there is no regular file to read.
QByteArray fileFingerprint(const QString& path);

} // namespace mf::fs
