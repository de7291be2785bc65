#pragma once
// The printer set-up dialog of the program: the printer (an installed one or printing to a
// PDF file), its paper and orientation, and for an installed printer the number of copies.
// It shows nothing a print run would not honour. Only the program's own printer changes;
// the system default stays as it is.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPrinter;
class QRadioButton;
class QSpinBox;

namespace mf {

class PrinterSetupDialog : public QDialog {
public:
    // printers: the installed printers by name; "PDF 文件" follows them.
    PrinterSetupDialog(QPrinter& choices, const QStringList& printers, QWidget* parent = nullptr);

    QComboBox* printerBox() const { return printer_; }
    QComboBox* paperBox() const { return paper_; }
    QRadioButton* portraitButton() const { return portrait_; }
    QRadioButton* landscapeButton() const { return landscape_; }
    QSpinBox* copiesBox() const { return copies_; }

    // Writes the choice into the program's printer and closes.
    void accept() override;

private:
    void printerChanged();
    bool pdfChosen() const;

    QPrinter& choices_;
    QComboBox* printer_;
    QComboBox* paper_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QLabel* copiesLabel_;
    QSpinBox* copies_;
};

void showPrinterSetup(QWidget* parent);

} // namespace mf
