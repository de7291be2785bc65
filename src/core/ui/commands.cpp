#include "core/ui/commands.h"

#include "core/ui/main_window.h"
#include "core/ui/program_printer.h"

#include <QPageSetupDialog>

namespace mf::commands {

bool SaveText() { return false; }
bool SaveXmlFile() { return false; }
bool SaveForClose(int) { return false; }
void OpenSubmissionFile(TabMain*, const QString&) {}

void showAttachments(QWidget*) {}

void printerSetup(QWidget* parent) {
    // The program's own printer changes; the system default stays as it is.
    QPageSetupDialog dlg(&programPrinter(), parent);
    dlg.exec();
}

void showPrintDialog(QWidget*) {}

} // namespace mf::commands
