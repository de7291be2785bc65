#pragma once
// File rules of the package folder: names taken from a list must be single plain path
// components, no symbolic link inside a package is ever followed, documents are copied
// streaming into files created afresh.
#include <QByteArray>
#include <QHash>
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

// Copies src into the new file dst (mode 0666 less the umask) in the kernel, or 1 MiB at a time. dst must not exist and is
// never reached through a link; a src that is a link is refused unless followSourceLink.
// Nothing is synced: the caller syncs the folder it built. A failed copy leaves no dst.
// *error gets the reason in Chinese, naming the file.
CopyFault copyStreaming(const QString& src, const QString& dst, bool followSourceLink, QString* error = nullptr);

// Writes bytes into the new file path (mode 0666 less the umask) without syncing it: for
// a folder that is synced as a whole before anyone sees it. A failed write leaves no file.
bool writeNewFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// True when both are files with the same bytes (b not reached through a link).
bool sameFileBytes(const QString& a, const QString& b);

// What the program knows of the bytes of the documents it put into packages: a digest of
// each, kept in the kind's work area (never in a package), valid while the file is the same
// inode with the same size, modification and change time. Writing to a file moves its change
// time, which no program can set back.
class DocumentDigests {
public:
    using Digest = QByteArray;
    // Reads what file holds; "" keeps nothing beyond this object.
    explicit DocumentDigests(QString file = QString());
    // The digest of the file at path when one is known for it as it now is.
    Digest known(const QString& path) const;
    // Remembers the digest of the document now at path, for save().
    void remember(const QString& path, const Digest& digest);
    // Replaces what the file holds by what remember() was told since (the documents of the
    // package just built). True when written.
    bool save() const;

private:
    QString file_;
    QHash<QByteArray, Digest> known_, remembered_;
};

// Puts the document src into the new file dst. When previous (a document of the package
// being replaced) holds the same bytes as src, dst becomes a hard link to it, so an
// unchanged document is never copied again. The bytes are known to be the same when both
// are one inode, when the digest of src equals the one digests knows for previous, or
// when a byte compare finds them equal; size and time never decide it. Otherwise, or where
// the file system has no hard links, src is copied and dst takes src's modification time.
// *digest gets the digest of dst's bytes where it was read ("" where dst is previous's inode
// and nothing was known of it).
CopyFault placeDocument(const QString& src, const QString& dst, bool followSourceLink, const QString& previous,
                        const DocumentDigests* digests, DocumentDigests::Digest* digest, QString* error = nullptr);

// Flushes every file and folder below dir (links not followed) to the disk; a file with a
// second name (a document linked from the old package) was flushed when it was written. Done once after
// a whole folder was written, so the journal commits once rather than once per file.
// Syncs on several threads; where no thread can be started it goes on alone.
bool syncTree(const QString& dir, QString* error = nullptr);
// For tests: every further thread that syncTree or the reading of a document's digest
// starts fails to start, as on a machine out of threads or address space.
void failSyncThreadStartsForTesting(bool fail);

// The name of a hidden sibling of name: "." + name + tag, followed by `reserve` bytes the
// caller adds (a random part). A name too long for the file system's name limit is cut and
// followed by "~" and a digest of the whole name, so two names never share the result.
QString hiddenSiblingName(const QString& name, const QString& tag, int reserve);

// A mode for something the program creates, less the process's umask (0777 for a folder,
// 0666 for a file).
unsigned umaskedMode(unsigned mode);

} // namespace mf
