#include "platform/ui/printer_setup.h"

#include "platform/ui/program_printer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace mf {

namespace {

const QString kPdfPrinter = QStringLiteral("PDF 文件");

struct Paper {
    QPageSize::PageSizeId id;
    const char* name;
};
constexpr Paper kPapers[] = {
    {QPageSize::A4, "A4 (210 × 297 毫米)"},      {QPageSize::A3, "A3 (297 × 420 毫米)"},
    {QPageSize::JisB4, "B4 (257 × 364 毫米)"},   {QPageSize::A5, "A5 (148 × 210 毫米)"},
    {QPageSize::JisB5, "B5 (182 × 257 毫米)"},   {QPageSize::Letter, "Letter (216 × 279 毫米)"},
    {QPageSize::Legal, "Legal (216 × 356 毫米)"},
};

} // namespace

PrinterSetupDialog::PrinterSetupDialog(QPrinter& choices, const QStringList& printers, QWidget* parent)
    : QDialog(parent), choices_(choices) {
    setWindowTitle(QStringLiteral("打印机设置"));

    auto* printerGroup = new QGroupBox(QStringLiteral("打印机"), this);
    auto* printerForm = new QFormLayout(printerGroup);
    printer_ = new QComboBox(printerGroup);
    printer_->addItems(printers);
    printer_->addItem(kPdfPrinter);
    const bool pdf = choices.outputFormat() == QPrinter::PdfFormat || choices.printerName().isEmpty();
    const int current = pdf ? -1 : printers.indexOf(choices.printerName());
    printer_->setCurrentIndex(current >= 0 ? current : printer_->count() - 1);
    printerForm->addRow(QStringLiteral("名称(&N)："), printer_);
    copies_ = new QSpinBox(printerGroup);
    copies_->setRange(1, 99);
    copies_->setValue(pdf ? 1 : std::clamp(choices.copyCount(), 1, 99));
    copiesLabel_ = new QLabel(QStringLiteral("份数(&C)："), printerGroup);
    copiesLabel_->setBuddy(copies_);
    printerForm->addRow(copiesLabel_, copies_);

    auto* paperGroup = new QGroupBox(QStringLiteral("纸张"), this);
    auto* paperForm = new QFormLayout(paperGroup);
    paper_ = new QComboBox(paperGroup);
    const QPageSize size = choices.pageLayout().pageSize();
    int paperIndex = -1;
    for (const Paper& p : kPapers) {
        if (size.id() == p.id) paperIndex = paper_->count();
        paper_->addItem(QString::fromUtf8(p.name), QVariant::fromValue(QPageSize(p.id)));
    }
    // A paper of another size stays offered, under its own name.
    if (paperIndex < 0 && size.isValid()) {
        paperIndex = paper_->count();
        paper_->addItem(size.name(), QVariant::fromValue(size));
    }
    paper_->setCurrentIndex(std::max(paperIndex, 0));
    paperForm->addRow(QStringLiteral("大小(&Z)："), paper_);

    auto* orientationGroup = new QGroupBox(QStringLiteral("方向"), this);
    auto* orientationRow = new QHBoxLayout(orientationGroup);
    portrait_ = new QRadioButton(QStringLiteral("纵向(&O)"), orientationGroup);
    landscape_ = new QRadioButton(QStringLiteral("横向(&A)"), orientationGroup);
    orientationRow->addWidget(portrait_);
    orientationRow->addWidget(landscape_);
    orientationRow->addStretch();
    (choices.pageLayout().orientation() == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PrinterSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrinterSetupDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerGroup);
    layout->addWidget(paperGroup);
    layout->addWidget(orientationGroup);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    printer_->setMinimumWidth(240);

    connect(printer_, &QComboBox::currentIndexChanged, this, &PrinterSetupDialog::printerChanged);
    printerChanged();
}

bool PrinterSetupDialog::pdfChosen() const { return printer_->currentIndex() == printer_->count() - 1; }

void PrinterSetupDialog::printerChanged() {
    // A PDF file is written once, whatever the copies: the choice is offered for a printer only.
    copiesLabel_->setVisible(!pdfChosen());
    copies_->setVisible(!pdfChosen());
}

void PrinterSetupDialog::accept() {
    // The printer first: a printer of its own brings its own paper, which the choice below
    // then replaces.
    if (pdfChosen()) {
        choices_.setOutputFormat(QPrinter::PdfFormat);
        choices_.setPrinterName(QString());
        choices_.setCopyCount(1);
    } else {
        choices_.setOutputFormat(QPrinter::NativeFormat);
        choices_.setPrinterName(printer_->currentText());
        choices_.setCopyCount(copies_->value());
    }
    choices_.setPageSize(paper_->currentData().value<QPageSize>());
    choices_.setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QDialog::accept();
}

void showPrinterSetup(QWidget* parent) {
    PrinterSetupDialog dlg(programPrinter(), QPrinterInfo::availablePrinterNames(), parent);
    dlg.exec();
}

} // namespace mf
