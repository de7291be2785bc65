#include "printing/ui/qt_printer.h"

#include "platform/dialogs.h"
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

// Asks for the PDF file before the first page of the run.
class PrinterRunTarget : public PagedDeviceTarget {
public:
    PrinterRunTarget(QPrinter& printer, bool pdf)
        : PagedDeviceTarget(&printer, !pdf), printer_(printer), pdf_(pdf),
          savedFileName_(printer.outputFileName()), savedFullPage_(printer.fullPage()) {
        // A PDF page has no unprintable border: positions count from the paper's corner.
        if (pdf_) printer_.setFullPage(true);
    }
    // The file of this run is written; the printer is left as the run found it, so that
    // the next printout (of this or another window) asks for its own file.
    ~PrinterRunTarget() override {
        finish();
        printer_.setOutputFileName(savedFileName_);
        printer_.setFullPage(savedFullPage_);
    }

    void drawText(int x, int y, const QString& s) override {
        ready();
        PagedDeviceTarget::drawText(x, y, s);
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        ready();
        PagedDeviceTarget::drawLine(x1, y1, x2, y2);
    }

private:
    void ready() {
        if (!pdf_ || asked_) return;
        FileDialogRequest req;
        req.title = QStringLiteral("打印到文件");
        req.fileName = QStringLiteral("申请表单.pdf");
        req.filters = {QStringLiteral("PDF 文件(*.pdf *.PDF)")};
        const FileDialogResult r = dialogs().saveFile(req);
        if (!r.accepted || r.path.isEmpty()) throw PrintCancelled();
        QString path = r.path;
        if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
        printer_.setOutputFileName(path);
        asked_ = true;
    }
    QPrinter& printer_;
    bool pdf_;
    bool asked_ = false;
    QString savedFileName_;
    bool savedFullPage_;
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

std::unique_ptr<PrintTarget> makePrinterTarget(QPrinter& printer) {
    const bool pdf = printsToPdf(printer);
    if (pdf) printer.setOutputFormat(QPrinter::PdfFormat);
    return std::make_unique<PrinterRunTarget>(printer, pdf);
}

} // namespace mf
