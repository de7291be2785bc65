#include "printing/ui/frm_print_select.h"

#include "core/app_state.h"
#include "platform/dialogs.h"
#include "platform/print_target.h"
#include "platform/twips.h"
#include "printing/printable_form.h"
#include "printing/printer_paper.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

namespace mf {

namespace {

QRect tw(int left, int top, int width, int height) {
    return TwipsRect{Twips(left), Twips(top), Twips(width), Twips(height)}.toPixels();
}

// Message boxes show the ordinary cursor while the wait cursor is on.
class PlainCursorDialogs : public Dialogs {
public:
    explicit PlainCursorDialogs(Dialogs& inner) : inner_(inner) {}
    MsgAnswer message(const QString& title, const QString& text, MsgIcon icon, MsgButtons buttons) override {
        const Pause p;
        return inner_.message(title, text, icon, buttons);
    }
    FileDialogResult openFile(const FileDialogRequest& r) override {
        const Pause p;
        return inner_.openFile(r);
    }
    FileDialogResult saveFile(const FileDialogRequest& r) override {
        const Pause p;
        return inner_.saveFile(r);
    }

private:
    struct Pause {
        bool had = QApplication::overrideCursor() != nullptr;
        Pause() {
            if (had) QApplication::restoreOverrideCursor();
        }
        ~Pause() {
            if (had) QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    };
    Dialogs& inner_;
};

// The wait cursor and the message-box wrapper for the duration of a run.
class RunScope {
public:
    RunScope() : previous_(installedDialogs()), wrapper_(dialogs()) {
        setDialogs(&wrapper_);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~RunScope() {
        QApplication::restoreOverrideCursor();
        setDialogs(previous_);
    }

private:
    Dialogs* previous_;
    PlainCursorDialogs wrapper_;
};

} // namespace

FrmPrintSelect::FrmPrintSelect(PrintableForm& form, PrinterPaper& paper, TargetFactory makeTarget, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      form_(form), paper_(paper), makeTarget_(std::move(makeTarget)) {
    setWindowTitle(QStringLiteral("打印申请表单"));
    setFixedSize(tw(0, 0, 2985, 3315).size());

    frame1_ = new QGroupBox(QStringLiteral(" 申请表单 "), this);
    frame1_->setGeometry(tw(150, 90, 2625, 2550));
    const char* captions[5] = {"封 页", "填表说明", "第一页", "第二页", "矿区范围坐标表"};
    const int tops[5] = {360, 720, 1080, 1440, 1830};
    const int widths[5] = {1005, 1485, 1005, 1065, 1695};
    for (int i = 0; i < 5; ++i) {
        check_[i] = new QCheckBox(QString::fromUtf8(captions[i]), frame1_);
        check_[i]->setGeometry(tw(420, tops[i], widths[i], 255));
    }
    QFont small(QStringLiteral("宋体"));
    small.setPointSizeF(9);
    const char* select[2] = {"全 选", "全不选"};
    for (int i = 0; i < 2; ++i) {
        command2_[i] = new QPushButton(QString::fromUtf8(select[i]), frame1_);
        command2_[i]->setGeometry(tw(i == 0 ? 1200 : 1920, 2265, 690, 250));
        command2_[i]->setFont(small);
        command2_[i]->setAutoDefault(false);
        connect(command2_[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    }
    const char* commands[2] = {"打 印", "取 消"};
    for (int i = 0; i < 2; ++i) {
        command1_[i] = new QPushButton(QString::fromUtf8(commands[i]), this);
        command1_[i]->setGeometry(tw(i == 0 ? 390 : 1710, 2820, 900, 315));
        connect(command1_[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    command1_[0]->setDefault(true);
    command1_[0]->setFocus();
    Form_Load();
}

void FrmPrintSelect::Form_Load() {
    // Centred on the main window.
    if (QWidget* main = parentWidget()) move(main->geometry().center() - rect().center());
    for (QCheckBox* c : check_) {
        c->setChecked(true);
        c->setVisible(true);
    }
    QList<int> missing;
    switch (form_.kind()) {
    case 3:
    case 4: missing = {3, 4}; break;
    case 6:
    case 7: missing = {4}; break;
    default: break;
    }
    for (int i : missing) check_[i]->setChecked(false);
    for (int i : missing) check_[i]->setEnabled(false);
}

void FrmPrintSelect::Command2_Click(int index) {
    for (QCheckBox* c : check_)
        if (c->isEnabled()) c->setChecked(index == 0);
}

void FrmPrintSelect::Command1_Click(int index) {
    if (index == 1) {
        close();
        return;
    }
    printRun();
}

void FrmPrintSelect::printRun() {
    // The printers are counted when a run starts.
    state().PrinterCount = paper_.printerCount();
    qint16 failed = 0;
    QString description;
    try {
        SetPrinterPaper(paper_, 9, 1, failed, description);
        PageSelection& selected = PrintPageSelected();
        bool any = false;
        for (int i = 0; i < 5; ++i) {
            selected[i] = check_[i]->isEnabled() && check_[i]->isChecked();
            any = any || selected[i];
        }
        if (!any) {
            dialogs().message(QStringLiteral("提示"), QStringLiteral("至少选择一个打印页..."), MsgIcon::Exclamation);
        } else {
            const RunScope scope;
            std::unique_ptr<PrintTarget> target = makeTarget_();
            PrintSelectedPages(*target, form_, selected);
        }
    } catch (const PrintCancelled&) {
        // No file chosen for the PDF: the run ends without a message.
    } catch (const PrintFileError& e) {
        dialogs().error(e.message());
    } catch (const std::exception&) {
        dialogs().message(QStringLiteral("提示"), QStringLiteral("打印错误，请检查打印机安装是否正确！"),
                          MsgIcon::Exclamation);
    }
    // The paper is put back also after a failure.
    RestorePrinterPaper(paper_);
}

} // namespace mf
