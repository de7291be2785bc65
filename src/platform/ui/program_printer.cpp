#include "platform/ui/program_printer.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace mf {

QPrinter& programPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

int countPrinters() { return int(QPrinterInfo::availablePrinters().size()) + 1; }

} // namespace mf
