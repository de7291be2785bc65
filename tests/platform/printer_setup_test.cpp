// The printer set-up offers only what a print run honours, and a run honours what it offers.
#include "platform/print_target.h"
#include "platform/ui/printer_setup.h"
#include "platform/ui/program_printer.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;

TEST(PrinterSetup, OffersCopiesForAPrinterOnlyAndNoOtherJobOptions) {
    QPrinter choices(QPrinter::HighResolution);
    choices.setOutputFormat(QPrinter::PdfFormat);
    PrinterSetupDialog dlg(choices, {QStringLiteral("办公室打印机")});
    ASSERT_EQ(dlg.printerBox()->count(), 2);
    EXPECT_EQ(dlg.printerBox()->currentText(), QStringLiteral("PDF 文件"));
    struct Case {
        int printer;
        bool copies;
    };
    for (const Case c : {Case{1, false}, Case{0, true}, Case{1, false}}) {
        dlg.printerBox()->setCurrentIndex(c.printer);
        EXPECT_EQ(!dlg.copiesBox()->isHidden(), c.copies) << c.printer;
    }
    // Printer, paper, orientation and copies: no page range, order, collation or file.
    EXPECT_TRUE(dlg.findChildren<QCheckBox*>().isEmpty());
    EXPECT_EQ(dlg.findChildren<QSpinBox*>().size(), 1);
    EXPECT_EQ(dlg.findChildren<QComboBox*>().size(), 2);
    EXPECT_EQ(dlg.findChildren<QRadioButton*>().size(), 2);
}

TEST(PrinterSetup, APdfRunHonoursThePaperAndOrientationChosen) {
    QPrinter choices(QPrinter::HighResolution);
    choices.setOutputFormat(QPrinter::PdfFormat);
    choices.setCopyCount(3);   // from an earlier printer: a file is written once
    PrinterSetupDialog dlg(choices, {});
    dlg.paperBox()->setCurrentIndex(dlg.paperBox()->findText(QStringLiteral("A3"), Qt::MatchStartsWith));
    dlg.landscapeButton()->setChecked(true);
    dlg.accept();

    const std::unique_ptr<QPrinter> run = runPrinter(choices);
    EXPECT_EQ(run->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(run->copyCount(), 1);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("run.pdf"));
    run->setOutputFileName(pdf);
    {
        PagedDeviceTarget target(run.get(), false);
        for (const char* page : {"第一张", "第二张"}) {
            target.drawText(1440, 1440, QString::fromUtf8(page));
            target.endDoc();
        }
        target.endRun();
    }
    const QString info = mf::test::pdfInfo(pdf);
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("1191 x 842 pts (A3)"))) << info.toStdString();
    const QString text = mf::test::pdfText(pdf);
    EXPECT_LT(text.indexOf(QStringLiteral("第一张")), text.indexOf(QStringLiteral("第二张"))) << text.toStdString();
    EXPECT_GE(text.indexOf(QStringLiteral("第一张")), 0);
}
