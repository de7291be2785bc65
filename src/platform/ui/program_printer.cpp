#include "platform/ui/program_printer.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace mf {

QPrinter& programPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

std::unique_ptr<QPrinter> runPrinter(const QPrinter& choices) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const bool pdf = choices.outputFormat() == QPrinter::PdfFormat || choices.printerName().isEmpty();
    if (pdf)
        printer->setOutputFormat(QPrinter::PdfFormat);
    else
        printer->setPrinterName(choices.printerName());
    // What the set-up offers, and nothing else: a file is written once.
    printer->setPageLayout(choices.pageLayout());
    printer->setFullPage(choices.fullPage());
    printer->setCopyCount(pdf ? 1 : choices.copyCount());
    printer->setDocName(choices.docName());
    return printer;
}

int countPrinters() { return int(QPrinterInfo::availablePrinters().size()) + 1; }

} // namespace mf
