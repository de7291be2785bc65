// The print dialog over a real editor: page boxes by kind, the messages, the paper put back
// after every run, pages on screen left as they were, and a real PDF of a filled form.
#include "forms_ui/field_fixture.h"

#include "forms/ui/editor_page.h"
#include "core/ui/commands.h"
#include "platform/pdf_file.h"
#include "platform/print_target.h"
#include "platform/ui/program_printer.h"
#include "printing/printer_paper.h"
#include "printing/ui/editor_printable_form.h"
#include "printing/ui/frm_print_select.h"
#include "printing/ui/qt_printer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

using namespace mf;
using namespace mf::test;

namespace {

struct FakePaper : PrinterPaper {
    int paper = 1, orient = 2;
    QStringList writes;
    int printerCount() override { return 1; }
    int paperSize() override { return paper; }
    bool setPaperSize(int code) override {
        writes << QStringLiteral("paper %1").arg(code);
        paper = code;
        return true;
    }
    int orientation() override { return orient; }
    bool setOrientation(int code) override {
        writes << QStringLiteral("orientation %1").arg(code);
        orient = code;
        return true;
    }
};

// A printer that fails once the second sheet starts.
struct FailingTarget : RecordingTarget {
    void drawText(int x, int y, const QString& s) override {
        if (jobs() >= 1) throw PrintError("out of paper");
        RecordingTarget::drawText(x, y, s);
    }
};

const QString kBoundary = QStringLiteral(
    "2,4,1,3800000,38500000,2,3800000,38501200,3,3801000,38501200,4,3801000,38500000,300,-100,1,1,"
    "3,1,3801200,38500200,2,3801200,38500800,3,3801700,38500500,200,0,2,1,");

// A recording target that leaves what it recorded behind when the print run ends and
// deletes it, so a test can read it afterwards.
class KeptTarget : public RecordingTarget {
public:
    explicit KeptTarget(RecordingTarget* keep) : keep_(keep) {}
    ~KeptTarget() override { *keep_ = static_cast<const RecordingTarget&>(*this); }

private:
    RecordingTarget* keep_;
};

class PrintDialogTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        state().PrintScaleX = 1.5f;
        state().PrintScaleY = 1.9f;
    }
    // A dialog printing to a recording target; returns the targets made.
    std::unique_ptr<FrmPrintSelect> dialog(PrintableForm& form, std::function<std::unique_ptr<PrintTarget>()> make = {}) {
        if (!make) make = [this] {
            recorded_ = &kept_;
            ++runs_;
            return std::make_unique<KeptTarget>(&kept_);
        };
        return std::make_unique<FrmPrintSelect>(form, paper_, make);
    }
    static QList<bool> ticked(FrmPrintSelect& d) {
        QList<bool> out;
        for (int i = 0; i < 5; ++i) out << d.Check1(i)->isChecked();
        return out;
    }
    static QList<bool> enabled(FrmPrintSelect& d) {
        QList<bool> out;
        for (int i = 0; i < 5; ++i) out << d.Check1(i)->isEnabled();
        return out;
    }
    FakePaper paper_;
    RecordingTarget kept_;
    RecordingTarget* recorded_ = nullptr;
    int runs_ = 0;
};

} // namespace

TEST_F(PrintDialogTest, PagesTheKindLacksAreClearedAndDisabled) {
    auto e3 = open(3);
    EditorPrintableForm f3(*e3);
    auto d3 = dialog(f3);
    EXPECT_EQ(d3->windowTitle(), QStringLiteral("打印申请表单"));
    EXPECT_EQ(ticked(*d3), (QList<bool>{true, true, true, false, false}));
    EXPECT_EQ(enabled(*d3), (QList<bool>{true, true, true, false, false}));
    d3->Command2_Click(1);
    EXPECT_EQ(ticked(*d3), (QList<bool>{false, false, false, false, false}));
    d3->Command2_Click(0);
    EXPECT_EQ(ticked(*d3), (QList<bool>{true, true, true, false, false}));
    d3->Command1_Click(0);
    EXPECT_FALSE(PrintPageSelected()[3]);
    EXPECT_FALSE(PrintPageSelected()[4]);
    EXPECT_TRUE(PrintPageSelected()[2]);
    EXPECT_EQ(recorded_->jobs(), 3);

    auto e7 = open(7);
    EditorPrintableForm f7(*e7);
    auto d7 = dialog(f7);
    EXPECT_EQ(enabled(*d7), (QList<bool>{true, true, true, true, false}));
    EXPECT_EQ(ticked(*d7), (QList<bool>{true, true, true, true, false}));
}

TEST_F(PrintDialogTest, NothingTickedPrintsNothingAndPutsThePaperBack) {
    auto e = open(1);
    EditorPrintableForm f(*e);
    auto d = dialog(f);
    d->show();
    d->Command2_Click(1);
    d->Command1_Click(0);
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{QStringLiteral("至少选择一个打印页...")});
    EXPECT_EQ(dialogs_.lastMessage().icon, MsgIcon::Exclamation);
    EXPECT_EQ(runs_, 0);
    EXPECT_EQ(paper_.writes, (QStringList{QStringLiteral("paper 9"), QStringLiteral("orientation 1"),
                                          QStringLiteral("paper 1"), QStringLiteral("orientation 2")}));
    EXPECT_TRUE(d->isVisible());   // stays open
}

TEST_F(PrintDialogTest, AFailedRunIsReportedAndThePaperStillPutBack) {
    auto e = open(1);
    EditorPrintableForm f(*e);
    auto d = dialog(f, [] { return std::make_unique<FailingTarget>(); });
    d->Command1_Click(0);
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{QStringLiteral("打印错误，请检查打印机安装是否正确！")});
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("提示"));
    EXPECT_EQ(paper_.paper, 1);
    EXPECT_EQ(paper_.orient, 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintDialogTest, PrintingLeavesThePagesOnScreenAsTheyWere) {
    auto e = open(1);
    e->show();
    e->selectTab(2);
    QList<bool> before;
    for (int i = 0; i < 5; ++i) before << e->page(i)->isVisible();
    type(*e, 0, QStringLiteral("某某矿业有限公司"));
    grid_->zb = kBoundary;
    EditorPrintableForm f(*e);
    // A control on a page behind another tab counts as visible on its page.
    const DesignControl* applicant = e->design().find(QStringLiteral("ChTXT"), 0);
    ASSERT_NE(applicant, nullptr);
    EXPECT_TRUE(f.live(*applicant).visible);
    EXPECT_EQ(f.live(*applicant).text, QStringLiteral("某某矿业有限公司"));
    auto d = dialog(f);
    d->Command1_Click(0);
    QList<bool> after;
    for (int i = 0; i < 5; ++i) after << e->page(i)->isVisible();
    EXPECT_EQ(after, before);
    EXPECT_EQ(recorded_->jobs(), 5);
    EXPECT_EQ(recorded_->findText(QStringLiteral("某某矿业有限公司")).op, RecordingTarget::Op::Text);
    EXPECT_EQ(dialogs_.lastMessage().text, QStringLiteral("输出完毕!"));
}

TEST_F(PrintDialogTest, AFilledNewGrantPrintsToOnePdf) {
    auto e = open(1);
    type(*e, 0, QStringLiteral("某某矿业有限公司"));
    type(*e, 1, QStringLiteral("某某铁矿"));
    for (int i : e->indexes(ControlArray::ChMEMO))
        e->setText(ControlArray::ChMEMO, i, QStringLiteral("经审查，该矿区资源储量核实报告已经评审备案，设计利用储量与开采规模相适应。").repeated(2));
    e->setText(ControlArray::ChTXT, 5, QStringLiteral("北京市海淀区某某路某某号某某大厦"));
    grid_->zb = kBoundary;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("申请"));
    dialogs_.chooseFile(pdf);
    EditorPrintableForm f(*e);
    FrmPrintSelect d(f, paper_, [] { return makePrinterTarget(programPrinter()); });
    programPrinter().setOutputFormat(QPrinter::PdfFormat);
    programPrinter().setOutputFileName(QString());
    programPrinter().setFullPage(false);
    d.Command1_Click(0);
    EXPECT_EQ(dialogs_.fileDialogs().size(), 1);   // asked once for the whole run
    // The printer forgets the file, so that the next printout (the attachment list, the
    // plot) asks for its own instead of overwriting this one.
    EXPECT_TRUE(programPrinter().outputFileName().isEmpty());
    EXPECT_FALSE(programPrinter().fullPage());
    EXPECT_EQ(dialogs_.lastMessage().text, QStringLiteral("输出完毕!"));
    const QString file = pdf + QStringLiteral(".pdf");
    ASSERT_TRUE(QFile::exists(file));
    if (qEnvironmentVariableIsSet("MF_KEEP_PDF")) QFile::copy(file, qEnvironmentVariable("MF_KEEP_PDF"));
    const QString out = mf::test::pdfInfo(file);
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+5")))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("(A4)"))) << out.toStdString();
    const QString t = mf::test::pdfText(file);
    EXPECT_TRUE(t.contains(QStringLiteral("采矿权新立申请表"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("某某矿业有限公司"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("采矿申请登记矿区范围坐标表"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("3801700"))) << t.toStdString();
}

TEST_F(PrintDialogTest, TheSecondPageShowsTheSketchOnScreen) {
    auto e = open(1);
    e->show();
    e->selectTab(3);
    auto darkInFrame = [&] {
        const QImage img = e->page(3)->grab().toImage();
        // The frame (1500,4590)-(6900,6690) in pixels, less a margin for the design's rules.
        int dark = 0;
        for (int y = 4590 / 15 + 3; y < 6690 / 15 - 3; ++y)
            for (int x = 1500 / 15 + 3; x < 6900 / 15 - 3; ++x) dark += qGray(img.pixel(x, y)) < 128;
        return dark;
    };
    const int empty = darkInFrame();
    grid_->zb = kBoundary;
    e->page(3)->update();
    const int drawn = darkInFrame();
    EXPECT_GT(drawn, empty + 100);
}

TEST(QtPrinterPaperTest, APaperWithoutACodeIsPutBackAfterTheRun) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    // 16K, common on Chinese printers, has no paper code of ours.
    const QPageSize k16(QSizeF(184, 260), QPageSize::Millimeter, QStringLiteral("16K"));
    printer.setPageSize(k16);
    printer.setPageOrientation(QPageLayout::Landscape);
    QtPrinterPaper paper(printer);
    qint16 failed = 0;
    QString description;
    SetPrinterPaper(paper, 9, 1, failed, description);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    RestorePrinterPaper(paper);
    EXPECT_TRUE(printer.pageLayout().pageSize().isEquivalentTo(k16));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

    // A paper with a code goes back by its code.
    printer.setPageSize(QPageSize(QPageSize::A3));
    SetPrinterPaper(paper, 9, 1, failed, description);
    RestorePrinterPaper(paper);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A3);
}

TEST_F(PrintDialogTest, CancellingThePdfFileEndsTheRunSilently) {
    auto e = open(1);
    grid_->zb = kBoundary;
    EditorPrintableForm f(*e);
    FrmPrintSelect d(f, paper_, [] { return makePrinterTarget(programPrinter()); });
    programPrinter().setOutputFormat(QPrinter::PdfFormat);
    programPrinter().setOutputFileName(QString());
    dialogs_.cancelFile();
    d.Command1_Click(0);
    EXPECT_EQ(dialogs_.fileDialogs().size(), 1);
    EXPECT_TRUE(dialogs_.messageTexts().isEmpty());   // neither "输出完毕!" nor an error
    EXPECT_EQ(paper_.paper, 1);
    EXPECT_EQ(paper_.orient, 2);
    EXPECT_TRUE(programPrinter().outputFileName().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A PDF the disk cannot take is reported with the file and the reason and leaves the former
// file as it was; the next run of the session writes a complete PDF. The dialog proposes a
// name of the kind and the mine, adds ".pdf" and asks before replacing a file.
TEST_F(PrintDialogTest, APdfThatCannotBeWrittenIsReportedAndTheNextRunWritesAValidOne) {
    auto e = open(1);
    type(*e, 1, QStringLiteral("某某铁矿"));
    grid_->zb = kBoundary;
    EditorPrintableForm f(*e);
    const QString proposed = commands::proposedPdfName(1, f.mineName());
    EXPECT_EQ(proposed, QStringLiteral("采矿权申请登记书-某某铁矿.pdf"));
    FrmPrintSelect d(f, paper_, [proposed] { return makePrinterTarget(programPrinter(), proposed); });
    programPrinter().setOutputFormat(QPrinter::PdfFormat);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("旧.pdf"));
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("%PDF-1.4 the former printout\n%%EOF\n");
    }
    const QByteArray former = [&] { QFile f(old); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    dialogs_.chooseFile(old).answer(MsgAnswer::Yes);
    {
        FileSizeLimit limit(4096);
        d.Command1_Click(0);
    }
    EXPECT_EQ(QFileInfo(dialogs_.fileDialogs().at(0).request.fileName).fileName(), proposed);
    EXPECT_EQ(dialogs_.messageTexts(),
              (QStringList{QStringLiteral("文件已经存在,是否覆盖?"),
                           QStringLiteral("无法写入文件：") + old + QStringLiteral("：文件超过了允许的大小")}));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("错误"));
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), former);
    }

    // Declining to replace goes back to the file dialog; a new name there is written.
    dialogs_.clear();
    dialogs_.chooseFile(old).answer(MsgAnswer::No).chooseFile(dir.filePath(QStringLiteral("新")));
    d.Command1_Click(0);
    EXPECT_EQ(dialogs_.messageTexts(),
              (QStringList{QStringLiteral("文件已经存在,是否覆盖?"), QStringLiteral("输出完毕!")}));
    EXPECT_TRUE(dialogs_.scriptDone());
    const QString written = dir.filePath(QStringLiteral("新.pdf"));
    EXPECT_TRUE(isCompletePdf(written));
    EXPECT_TRUE(mf::test::pdfInfo(written).contains(QRegularExpression(QStringLiteral("Pages:\\s+5"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{QStringLiteral("新.pdf"), QStringLiteral("旧.pdf")}));
}
