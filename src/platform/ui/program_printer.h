#pragma once
class QPrinter;
namespace mf {
// The printer the program prints on; printer set-up changes it for this run only.
QPrinter& programPrinter();
// Printers installed, plus the always present "PDF 文件".
int countPrinters();
} // namespace mf
