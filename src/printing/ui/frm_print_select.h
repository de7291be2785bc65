#pragma once
// The print dialog: which pages of the current application form to print. One click on
// "打 印" is one print run on A4 portrait paper; the printer's paper is put back afterwards,
// also after a failure. The dialog stays open for another run.
#include "printing/print_run.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace mf {

class PrintTarget;
class PrintableForm;
class PrinterPaper;

class FrmPrintSelect : public QDialog {
    Q_OBJECT
public:
    using TargetFactory = std::function<std::unique_ptr<PrintTarget>()>;
    FrmPrintSelect(PrintableForm& form, PrinterPaper& paper, TargetFactory makeTarget, QWidget* parent = nullptr);

    // The controls, by their array index.
    QCheckBox* Check1(int i) const { return check_[i]; }
    QPushButton* Command1(int i) const { return command1_[i]; }
    QPushButton* Command2(int i) const { return command2_[i]; }

    // 0 "打 印", 1 "取 消".
    void Command1_Click(int index);
    // 0 "全 选", 1 "全不选".
    void Command2_Click(int index);

private:
    void Form_Load();
    void printRun();

    PrintableForm& form_;
    PrinterPaper& paper_;
    TargetFactory makeTarget_;
    QGroupBox* frame1_ = nullptr;
    QCheckBox* check_[5] = {};
    QPushButton* command1_[2] = {};
    QPushButton* command2_[2] = {};
};

} // namespace mf
