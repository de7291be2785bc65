#include "platform/ui/printer_setup.h"

#include "platform/ui/program_printer.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>

namespace mf {

void showPrinterSetup(QWidget* parent) {
    QPrintDialog dlg(&programPrinter(), parent);
    dlg.setWindowTitle(QStringLiteral("打印机设置"));
    dlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* box = dlg.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("确定"));
    }
    dlg.exec();
}

} // namespace mf
