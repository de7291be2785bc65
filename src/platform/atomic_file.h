#pragma once
// The one way the program writes a file. The content goes to a temporary file in the
// target's folder, named after the target (".<name>.<random>.tmp"); every write, the flush
// and the close are checked, the file is synced to the disk and then renamed over the
// target, and the folder is synced. Any failure removes the temporary file and leaves the
// previous file byte-identical. A symbolic link at the target is replaced by the new file,
// never written through. Reasons are Chinese and name the file.
#include <QByteArray>
#include <QString>

namespace mf {

// Streams a file into place. open(), any number of write(), then commit(); destroying the
// writer before a successful commit() throws the temporary file away.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool open();
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    bool commit();
    void cancel();

    // "<file>: <reason>" after a failure.
    QString errorString() const { return error_; }
    QString path() const { return path_; }
    // The temporary file after open(). Another writer (a PDF printer) may fill it by name
    // instead of write(); commit() then syncs and places what it wrote.
    QString temporaryPath() const { return tempPath_; }

private:
    bool fail(int errnum);
    bool fail(const QString& reason);
    bool failInFolder(int errnum);

    QString path_;
    QString tempPath_;
    QString error_;
    int fd_ = -1;
    bool failed_ = false;
};

// Writes raw bytes into place. Returns false with a reason (in *error) on failure.
bool writeFileAtomic(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Copies a file into place in 1 MiB pieces, so a large document is never held in memory.
bool copyFileAtomic(const QString& source, const QString& target, QString* error = nullptr);

// Removes the temporary files that writes of this target killed before their end left beside
// it. Only for a caller that holds the target's save lock: no other write of it is running.
void removeLeftoverTemporaries(const QString& path);

// Flushes a folder's own entries to the disk (after a rename or a new file in it). False with
// errno set when the folder cannot be opened or synced.
bool syncFolder(const QString& folder);

// Reads a whole file. Returns false with a reason (in *error) when it cannot be read.
bool readFileBytes(const QString& path, QByteArray* bytes, QString* error = nullptr);

// The Chinese reason for a failed file operation (errno value).
QString fileErrorReason(int errnum);
// "<file>: <reason>", the form of every file error the program shows.
QString describeFileError(const QString& path, const QString& reason);
// The reason for a file that cannot be made in a folder without the right to write there:
// "文件夹没有写入权限：<folder>".
QString folderNotWritable(const QString& folder);

// Why no file can be saved at path whatever is written, "<file>：<reason>" (a folder stands
// there); "" when nothing stands in the way. Asked before the user is asked to overwrite.
QString targetRefusal(const QString& path);

} // namespace mf
