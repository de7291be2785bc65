#pragma once
// The PDF file of a print run. The user picks it (".pdf" is added to every name not ending
// in ".pdf", an existing file is replaced only after a question); the printer writes a
// temporary file beside it, which takes the file's place only when it is a complete PDF.
#include "platform/atomic_file.h"

#include <QString>

namespace mf {

// Asks for the PDF file of a print run, proposing proposedName in the folder of the last PDF
// this session wrote (or the nearest folder above it that still exists). The path always
// ends in ".pdf" (any case); a name that would not fit the file system is named and asked
// again. An existing file is replaced only when the user says so (否 is the default, and
// asks again). Empty when the user cancels.
QString askPdfPath(const QString& proposedName);

// A PDF name of stem and detail ("stem-detail.pdf", "stem.pdf" without a detail): the
// characters a file name cannot hold are left out of detail, and detail is cut at a
// character so that the name fits the file system's 255 bytes.
QString pdfFileName(const QString& stem, const QString& detail = QString());

class PdfFile {
public:
    explicit PdfFile(const QString& path) : writer_(path) {}

    // Makes the temporary file; false (see message()) when the folder takes no file.
    bool open();
    // Where the printer writes, after open().
    QString temporaryPath() const { return writer_.temporaryPath(); }
    // After the printer ended its document: true when the file is a complete PDF (not
    // empty, ending with its trailer) and is in place. Otherwise the previous file stays.
    bool commit();
    void cancel() { writer_.cancel(); }
    // "无法写入文件：" and the file with the reason, after a failure.
    QString message() const { return message_; }

private:
    bool fail(const QString& error);
    AtomicFileWriter writer_;
    QString message_;
};

// True when the file is a complete PDF: not empty and ending with the "%%EOF" trailer.
bool isCompletePdf(const QString& path);

} // namespace mf
