#pragma once
#include <memory>

class QPrinter;
namespace mf {
// The user's printer choices: printer set-up changes them for this session only.
QPrinter& programPrinter();
// A printer of its own for one print run, set up from the user's choices (printer or PDF,
// paper, orientation, and copies for a printer). Whatever a run does to it (its file, a
// failed document) stays with that run.
std::unique_ptr<QPrinter> runPrinter(const QPrinter& choices);
// Printers installed, plus the always present "PDF 文件".
int countPrinters();
} // namespace mf
