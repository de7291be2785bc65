#pragma once
// The program's printer for the print run: its paper codes, and the print target of one
// run. Printing to "PDF 文件" asks for the file name once per run, at the first page, and
// gathers the run's pages into that one file, which replaces the chosen file only when it
// is complete; a real printer gets a job per page.
#include "platform/print_target.h"
#include "printing/printer_paper.h"

#include <QPageSize>
#include <memory>

class QPrinter;

namespace mf {

// A paper without a code of its own reads as 256 (a user-defined size); the last such paper
// read is remembered, so that setting 256 puts it back.
class QtPrinterPaper : public PrinterPaper {
public:
    explicit QtPrinterPaper(QPrinter& printer) : printer_(printer) {}
    int printerCount() override;
    int paperSize() override;
    bool setPaperSize(int code) override;
    int orientation() override;
    bool setOrientation(int code) override;

private:
    QPrinter& printer_;
    QPageSize userSize_;
};

// True when the printer writes PDF files rather than printing on a device.
bool printsToPdf(const QPrinter& printer);

// The target of one print run, on a fresh printer set up from the user's choices; a PDF
// file is proposed as proposedPdfName.
std::unique_ptr<PrintTarget> makePrinterTarget(const QPrinter& choices,
                                               const QString& proposedPdfName = QStringLiteral("申请表单.pdf"));

} // namespace mf
