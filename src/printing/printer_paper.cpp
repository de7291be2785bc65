#include "printing/printer_paper.h"

namespace mf {

SavedPaper& savedPaper() {
    static SavedPaper saved;
    return saved;
}

void SetPrinterPaper(PrinterPaper& printer, qint16 paperSize, qint16 orientation, qint16& failed, QString& description) {
    failed = 0;
    description.clear();
    if (printer.printerCount() == 0) return;
    SavedPaper& saved = savedPaper();
    saved.SavedPaperSize = qint16(printer.paperSize());
    saved.SavedOrientation = qint16(printer.orientation());
    bool ok = true;
    if (printer.paperSize() != paperSize) ok = printer.setPaperSize(paperSize);
    if (ok && printer.orientation() != orientation) ok = printer.setOrientation(orientation);
    if (ok) return;
    failed = 1;
    switch (paperSize) {
    case 8: description = QStringLiteral("[A3"); break;
    case 9: description = QStringLiteral("[A4"); break;
    case 12: description = QStringLiteral("[B4"); break;
    default: description = QStringLiteral("[未知"); break;
    }
    if (orientation == 1) description += QStringLiteral("纵向]");
    if (orientation == 2) description += QStringLiteral("横向]");
}

void RestorePrinterPaper(PrinterPaper& printer) {
    if (printer.printerCount() == 0) return;
    const SavedPaper& saved = savedPaper();
    bool ok = true;
    if (printer.paperSize() != saved.SavedPaperSize) ok = printer.setPaperSize(saved.SavedPaperSize);
    if (ok && printer.orientation() != saved.SavedOrientation) printer.setOrientation(saved.SavedOrientation);
}

} // namespace mf
