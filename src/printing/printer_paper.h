#pragma once
// Switching the printer to the paper a print run needs and back.
#include <QString>

namespace mf {

// The printer's paper settings as the print dialog reads and writes them. Codes: paper 9
// A4, 8 A3, 12 B4; orientation 1 portrait, 2 landscape. A setter returns false when the
// printer refuses the value.
class PrinterPaper {
public:
    virtual ~PrinterPaper() = default;
    virtual int printerCount() = 0;
    virtual int paperSize() = 0;
    virtual bool setPaperSize(int code) = 0;
    virtual int orientation() = 0;
    virtual bool setOrientation(int code) = 0;
};

// What SetPrinterPaper saved for RestorePrinterPaper; kept between runs.
struct SavedPaper {
    qint16 SavedPaperSize = 0;
    qint16 SavedOrientation = 0;
};
SavedPaper& savedPaper();

// Saves the printer's paper size and orientation, then sets the requested ones, writing only
// values that differ. On failure failed is 1 and description names the request ("[A4纵向]").
void SetPrinterPaper(PrinterPaper& printer, qint16 paperSize, qint16 orientation, qint16& failed, QString& description);
// Puts the saved paper size and orientation back; failures are absorbed.
void RestorePrinterPaper(PrinterPaper& printer);

} // namespace mf
