// Paper set-up and the print run over a form's pages.
#include "print_fixtures.h"

#include "platform/scripted_dialogs.h"
#include "printing/print_run.h"
#include "printing/printer_paper.h"
#include "test_support.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace mf;
using namespace mf::test;

namespace {

struct FakePaper : PrinterPaper {
    int count = 1, paper = 1, orient = 2;
    bool refusePaper = false;
    QStringList writes;
    int printerCount() override { return count; }
    int paperSize() override { return paper; }
    bool setPaperSize(int code) override {
        writes << QStringLiteral("paper %1").arg(code);
        if (refusePaper) return false;
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

QString describe(int paper, int orientation) {
    FakePaper p;
    p.refusePaper = true;
    qint16 failed = 0;
    QString d;
    SetPrinterPaper(p, qint16(paper), qint16(orientation), failed, d);
    EXPECT_EQ(failed, 1);
    return d;
}

// One tagged label on each of the five pages.
FakeForm pagesForm(int kind) {
    QString controls;
    for (int i = 0; i < 5; ++i) controls += QStringLiteral("Label|Label1|%1|%1||600|600|3000|400||第%1页|宋体,12||ZN宋体,ZS12\n").arg(i);
    return FakeForm(controls, kind);
}

struct RunTest : PrintingTest {
    RecordingTarget target;
    ScriptedDialogs dialogs;
    void SetUp() override {
        PrintingTest::SetUp();
        dialogs.install();
    }
    static PageSelection all() {
        PageSelection s{};
        for (int i = 0; i < 5; ++i) s[i] = true;
        return s;
    }
    QStringList printedTexts() const {
        QStringList out;
        for (const auto& c : target.texts()) out << c.text;
        return out;
    }
};

} // namespace

TEST(PrinterPaperTest, SwitchesAndRestoresOnlyWhatDiffers) {
    FakePaper p;
    qint16 failed = 7;
    QString d = QStringLiteral("x");
    SetPrinterPaper(p, 9, 1, failed, d);
    EXPECT_EQ(failed, 0);
    EXPECT_TRUE(d.isEmpty());
    EXPECT_EQ(p.writes, (QStringList{QStringLiteral("paper 9"), QStringLiteral("orientation 1")}));
    EXPECT_EQ(savedPaper().SavedPaperSize, 1);
    EXPECT_EQ(savedPaper().SavedOrientation, 2);
    RestorePrinterPaper(p);
    EXPECT_EQ(p.paper, 1);
    EXPECT_EQ(p.orient, 2);

    FakePaper a4;
    a4.paper = 9;
    a4.orient = 1;
    SetPrinterPaper(a4, 9, 1, failed, d);
    RestorePrinterPaper(a4);
    EXPECT_TRUE(a4.writes.isEmpty());

    FakePaper none;
    none.count = 0;
    SetPrinterPaper(none, 9, 1, failed, d);
    EXPECT_TRUE(none.writes.isEmpty());
    EXPECT_EQ(failed, 0);
}

TEST(PrinterPaperTest, ARefusedPaperIsDescribedAndTheOrientationLeftAlone) {
    FakePaper p;
    p.refusePaper = true;
    qint16 failed = 0;
    QString d;
    SetPrinterPaper(p, 9, 1, failed, d);
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(d, QStringLiteral("[A4纵向]"));
    EXPECT_EQ(p.writes, QStringList{QStringLiteral("paper 9")});
    EXPECT_EQ(describe(12, 2), QStringLiteral("[B4横向]"));
    EXPECT_EQ(describe(5, 1), QStringLiteral("[未知纵向]"));
    EXPECT_EQ(describe(9, 3), QStringLiteral("[A4"));
    EXPECT_EQ(describe(8, 1), QStringLiteral("[A3纵向]"));
}

TEST_F(RunTest, PaperSmallerThanA4PortraitStopsTheRun) {
    FakeForm form = pagesForm(1);
    for (const QSize& s : {QSize(16838, 11906), QSize(12240, 15840), QSize(11848, 16838)}) {
        target.setPageSize(s.width(), s.height());
        dialogs.clear();
        PrintSelectedPages(target, form, all());
        EXPECT_TRUE(target.calls().isEmpty());
        EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("打印机页面设置不正确(应设置为A4[纵向]大小)...")});
        EXPECT_EQ(dialogs.lastMessage().title, QStringLiteral("错误"));
    }
    target.setPageSize(16838, 23811);   // A3 portrait passes
    PrintSelectedPages(target, form, all());
    EXPECT_GT(target.jobs(), 0);
}

TEST_F(RunTest, EachChosenPageIsAJobAndTheTableFollows) {
    FakeForm form = pagesForm(1);
    form.zb = squareBoundary();
    PrintSelectedPages(target, form, all());
    // Four form pages and one table page.
    EXPECT_EQ(target.jobs(), 5);
    EXPECT_EQ(target.job(3).first().op, RecordingTarget::Op::Text);
    int sketchLines = 0;
    for (const auto& c : target.job(3)) sketchLines += c.op == RecordingTarget::Op::Line;
    EXPECT_EQ(sketchLines, 4);
    EXPECT_TRUE(printedTexts().contains(QStringLiteral("采矿申请登记矿区范围坐标表")));
    EXPECT_FALSE(printedTexts().contains(QStringLiteral("第4页")));   // the mining-area page itself never prints
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("输出完毕!")});
}

TEST_F(RunTest, OnlyTheSecondPage) {
    FakeForm form = pagesForm(1);
    form.zb = squareBoundary();
    PageSelection s{};
    s[3] = true;
    PrintSelectedPages(target, form, s);
    EXPECT_EQ(target.jobs(), 1);
    EXPECT_EQ(printedTexts(), QStringList{QStringLiteral("第3页")});
    EXPECT_EQ(target.lines().size(), 4);
}

TEST_F(RunTest, KindsWithoutSketchOrTableOrSecondPage) {
    FakeForm transfer = pagesForm(6);
    transfer.zb = squareBoundary();   // never read for kind 6
    PrintSelectedPages(target, transfer, all());
    EXPECT_EQ(target.jobs(), 4);
    EXPECT_TRUE(target.lines().isEmpty());

    target.clear();
    FakeForm cont = pagesForm(3);
    PrintSelectedPages(target, cont, all());
    EXPECT_EQ(target.jobs(), 3);
    EXPECT_EQ(printedTexts(), (QStringList{QStringLiteral("第0页"), QStringLiteral("第1页"), QStringLiteral("第2页")}));
}

TEST_F(RunTest, AnEmptyGridPrintsNoSketchAndTheTableReportsItself) {
    FakeForm form = pagesForm(5);
    PrintSelectedPages(target, form, all());
    EXPECT_EQ(target.jobs(), 4);
    EXPECT_TRUE(target.lines().isEmpty());
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList{QStringLiteral("坐标不完成,无法打印区域坐标表..."), QStringLiteral("输出完毕!")}));

    // With only the table chosen nothing reaches a page: no completion is reported.
    target.clear();
    dialogs.clear();
    PageSelection tableOnly{};
    tableOnly[4] = true;
    PrintSelectedPages(target, form, tableOnly);
    EXPECT_EQ(target.jobs(), 0);
    EXPECT_EQ(dialogs.messageTexts(), (QStringList{QStringLiteral("坐标不完成,无法打印区域坐标表..."),
                                                   QStringLiteral("没有可打印的内容，未输出任何页面。")}));
}

TEST_F(RunTest, PagesGatherIntoOnePdfOfA4Pages) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("run.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        PagedDeviceTarget device(&writer, false);
        FakeForm form = pagesForm(1);
        form.zb = squareBoundary();
        EXPECT_EQ(device.pageWidth(), 11906);
        EXPECT_EQ(device.pageHeight(), 16838);
        PrintSelectedPages(device, form, all());
        EXPECT_EQ(device.pagesStarted(), 5);
    }
    const QString out = mf::test::pdfInfo(pdf);
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+5")))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("(A4)"))) << out.toStdString();
    const QString t = mf::test::pdfText(pdf);
    EXPECT_TRUE(t.contains(QStringLiteral("第3页"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("采矿申请登记矿区范围坐标表"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QRegularExpression(QStringLiteral("共\\s*1\\s*页\\s*第\\s*1\\s*页")))) << t.toStdString();
}
