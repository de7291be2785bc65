#include "printing/ui/qt_printer.h"

#include "platform/dialogs.h"
#include "platform/pdf_file.h"
#include "platform/ui/program_printer.h"

#include <QPageSize>
#include <QPrinter>

namespace mf {

namespace {

struct PaperCode {
    int code;
    QPageSize::PageSizeId id;
};
constexpr PaperCode kPapers[] = {
    {1, QPageSize::Letter}, {5, QPageSize::Legal}, {8, QPageSize::A3}, {9, QPageSize::A4},
    {11, QPageSize::A5},    {12, QPageSize::JisB4}, {13, QPageSize::JisB5},
};
// Any other paper.
constexpr int kUserSize = 256;

// The run's own printer, made before the target that draws on it and gone after it.
struct RunPrinter {
    std::unique_ptr<QPrinter> printer;
};

// Prints on a fresh printer set up from the user's choices; asks for the PDF file before
// the first page of the run and puts it in place only when the run ended well.
class PrinterRunTarget : private RunPrinter, public PagedDeviceTarget {
public:
    PrinterRunTarget(const QPrinter& choices, const QString& proposedPdfName)
        : RunPrinter{runPrinter(choices)}, PagedDeviceTarget(printer.get(), !printsToPdf(*printer)),
          pdf_(printsToPdf(*printer)), proposedPdfName_(proposedPdfName) {
        // A PDF page has no unprintable border: positions count from the paper's corner.
        if (pdf_) printer->setFullPage(true);
    }
    ~PrinterRunTarget() override { finish(); }

    void drawText(int x, int y, const QString& s) override {
        ready();
        PagedDeviceTarget::drawText(x, y, s);
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        ready();
        PagedDeviceTarget::drawLine(x1, y1, x2, y2);
    }
    void endRun() override {
        PagedDeviceTarget::endRun();
        if (file_ && !file_->commit()) throw PrintFileError(file_->message());
    }

private:
    void ready() {
        if (!pdf_ || file_) return;
        const QString path = askPdfPath(proposedPdfName_);
        if (path.isEmpty()) throw PrintCancelled();
        auto file = std::make_unique<PdfFile>(path);
        if (!file->open()) throw PrintFileError(file->message());
        printer->setOutputFileName(file->temporaryPath());
        file_ = std::move(file);
    }
    bool pdf_;
    QString proposedPdfName_;
    std::unique_ptr<PdfFile> file_;
};

} // namespace

int QtPrinterPaper::printerCount() { return countPrinters(); }

int QtPrinterPaper::paperSize() {
    const QPageSize::PageSizeId id = printer_.pageLayout().pageSize().id();
    for (const PaperCode& p : kPapers)
        if (p.id == id) return p.code;
    userSize_ = printer_.pageLayout().pageSize();
    return kUserSize;
}

bool QtPrinterPaper::setPaperSize(int code) {
    if (code == kUserSize) {
        if (!userSize_.isValid()) return false;
        printer_.setPageSize(userSize_);
        return printer_.pageLayout().pageSize().isEquivalentTo(userSize_);
    }
    for (const PaperCode& p : kPapers) {
        if (p.code != code) continue;
        printer_.setPageSize(QPageSize(p.id));
        return printer_.pageLayout().pageSize().id() == p.id;
    }
    return false;
}

int QtPrinterPaper::orientation() {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

bool QtPrinterPaper::setOrientation(int code) {
    if (code != 1 && code != 2) return false;
    const auto o = code == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    printer_.setPageOrientation(o);
    return printer_.pageLayout().orientation() == o;
}

bool printsToPdf(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty();
}

std::unique_ptr<PrintTarget> makePrinterTarget(const QPrinter& choices, const QString& proposedPdfName) {
    return std::make_unique<PrinterRunTarget>(choices, proposedPdfName);
}

} // namespace mf
