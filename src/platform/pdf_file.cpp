#include "platform/pdf_file.h"

#include "platform/dialogs.h"
#include "platform/text_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/resource.h>
#include <sys/statvfs.h>

namespace mf {

namespace {

// The longest file name the file systems take, in bytes of the file name's encoding.
constexpr qsizetype kNameMaxBytes = 255;

// Where the last PDF of this session went.
QString& lastPdfFolder() {
    static QString folder;
    return folder;
}

// Why the printer could not finish the file: the engine does not say, so the disk is asked.
QString incompleteReason(const QString& path, qint64 size) {
    struct statvfs vfs {};
    if (::statvfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &vfs) == 0 &&
        qint64(vfs.f_bavail) * qint64(vfs.f_frsize) < 1024 * 1024)
        return fileErrorReason(ENOSPC);
    rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && size >= qint64(limit.rlim_cur))
        return fileErrorReason(EFBIG);
    return QStringLiteral("文件未能完整写入");
}

// The folder itself when it exists, else the nearest folder above it that does; "" for "".
QString existingFolderOf(const QString& folder) {
    if (folder.isEmpty()) return folder;
    QFileInfo info(QDir::cleanPath(QDir(folder).absolutePath()));
    while (!info.isDir() && !info.isRoot()) info.setFile(info.absolutePath());
    return info.absoluteFilePath();
}

} // namespace

QString askPdfPath(const QString& proposedName) {
    FileDialogRequest req;
    req.title = QStringLiteral("打印到文件");
    req.fileName = proposedName;
    // The remembered folder may be gone: the dialog opens in the nearest one that still
    // exists, and the proposed name goes there too, so what is shown is where it is written.
    const QString folder = existingFolderOf(lastPdfFolder());
    if (!folder.isEmpty() && !proposedName.isEmpty())
        req.fileName = QDir(folder).filePath(proposedName);
    req.directory = folder;
    req.filters = {QStringLiteral("PDF 文件(*.pdf *.PDF)")};
    for (;;) {
        const FileDialogResult r = dialogs().saveFile(req);
        if (!r.accepted || r.path.isEmpty()) return QString();
        // A PDF never takes the place of a file of another type (an application, a package).
        QString path = r.path;
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
        // Back to the dialog, where the user left it.
        req.fileName = r.path;
        req.directory = existingFolderOf(QFileInfo(r.path).absolutePath());
        if (QFile::encodeName(QFileInfo(path).fileName()).size() > kNameMaxBytes) {
            dialogs().message(QStringLiteral("提示"), QStringLiteral("文件名过长"), MsgIcon::Exclamation);
            continue;
        }
        if (!QFileInfo::exists(path) || dialogs().askYesNoDefaultNo(QStringLiteral("文件已经存在,是否覆盖?")))
            return path;
        req.fileName = path;
    }
}

QString pdfFileName(const QString& stem, const QString& detail) {
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    QString clean;
    for (const QChar c : detail.trimmed())
        if (c.unicode() >= 0x20 && !kForbidden.contains(c)) clean += c;
    const QString extension = QStringLiteral(".pdf");
    const QString head = clean.isEmpty() ? stem : stem + u'-';
    const qsizetype room = kNameMaxBytes - QFile::encodeName(head + extension).size();
    // Whole characters only: a surrogate pair is never split.
    const WholeChars chars(clean);
    qsizetype bytes = 0, end = 0;
    while (end < clean.size()) {
        const qsizetype next = chars.next(int(end));
        const qsizetype size = QFile::encodeName(clean.mid(end, next - end)).size();
        if (bytes + size > room) break;
        bytes += size;
        end = next;
    }
    clean = clean.left(end).trimmed();
    return (clean.isEmpty() ? stem : stem + u'-' + clean) + extension;
}

bool isCompletePdf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() == 0) return false;
    const qint64 tail = qMin<qint64>(f.size(), 1024);
    if (!f.seek(f.size() - tail)) return false;
    const QByteArray end = f.read(tail).trimmed();
    return end.endsWith("%%EOF");
}

bool PdfFile::fail(const QString& error) {
    message_ = QStringLiteral("无法写入文件：") + error;
    writer_.cancel();
    return false;
}

bool PdfFile::open() {
    message_.clear();
    return writer_.open() || fail(writer_.errorString());
}

bool PdfFile::commit() {
    const QString temp = writer_.temporaryPath();
    if (temp.isEmpty()) return fail(writer_.errorString());
    if (!isCompletePdf(temp))
        return fail(describeFileError(writer_.path(), incompleteReason(temp, QFileInfo(temp).size())));
    if (!writer_.commit()) return fail(writer_.errorString());
    lastPdfFolder() = QFileInfo(writer_.path()).absolutePath();
    return true;
}

} // namespace mf
