#include "platform/pdf_file.h"

#include "platform/dialogs.h"
#include "platform/fs.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/resource.h>
#include <sys/statvfs.h>

namespace mf {

namespace {

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

} // namespace

QString askPdfPath(const QString& title, const QString& proposedName) {
    FileDialogRequest req;
    req.title = title;
    req.fileName = proposedName;
    req.filters = {QStringLiteral("PDF 文件(*.pdf *.PDF)")};
    const FileDialogResult r = dialogs().saveFile(req);
    if (!r.accepted || r.path.isEmpty()) return QString();
    QString path = r.path;
    if (fs::extension(path).isEmpty()) path += QStringLiteral(".pdf");
    if (QFileInfo::exists(path) && !dialogs().askYesNo(QStringLiteral("文件已经存在,是否覆盖?"))) return QString();
    return path;
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
    return writer_.commit() || fail(writer_.errorString());
}

} // namespace mf
