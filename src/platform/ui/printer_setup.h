#pragma once
// The printer set-up dialog of the program: the user picks the printer (an installed one or
// printing to a PDF file) and its paper. Only the program's own printer changes; the system
// default stays as it is.
class QWidget;

namespace mf {
void showPrinterSetup(QWidget* parent);
} // namespace mf
