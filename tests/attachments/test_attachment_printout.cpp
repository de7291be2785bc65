#include "attachment_fixture.h"
#include "attachments/attachment_printout.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTextItem>
#include <algorithm>
#include <cmath>

using namespace mf;
using namespace mf::test;

TEST_F(AttachmentTest, TheListShowsEveryDocumentWithAPathOfCountedMaterials) {
    useList(twoMaterialList("/a/1.jpg", "", "1"));
    QStringList titles;
    ASSERT_TRUE(FillAttachmentList(&titles));
    EXPECT_EQ(titles, QStringList{"执照正本"});
    // A material counted 0 lists none of its entries, whatever their paths.
    useList(twoMaterialList("/a/1.jpg", "/a/2.jpg", "0"));
    ASSERT_TRUE(FillAttachmentList(&titles));
    EXPECT_TRUE(titles.isEmpty());
    // A missing list is made from the template; a broken one says so.
    QFile::remove(workXmlPath(1));
    EXPECT_TRUE(FillAttachmentList(&titles));
    EXPECT_TRUE(QFile::exists(workXmlPath(1)));
    useList("<broken");
    EXPECT_FALSE(FillAttachmentList(&titles));
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"XML文件不存在"});
}

TEST(AttachmentPrintout, TitlesDatesAndPages) {
    EXPECT_EQ(attachmentListTitle(1), "采矿权新立申请材料清单");
    EXPECT_EQ(attachmentListTitle(7), "采矿权年检申请材料清单");
    EXPECT_EQ(fillInDateIndex(5), 3);
    EXPECT_EQ(fillInDateIndex(6), 4);
    EXPECT_EQ(listDateText("2024-1-05"), "2024年1月5日");
    EXPECT_EQ(listDateText("2024年01月09日"), "2024年1月9日");
    EXPECT_EQ(listDateText("2024-13-01"), "");
    EXPECT_EQ(listDateText("明天"), "");
    EXPECT_EQ(attachmentListPages(0), 1);
    EXPECT_EQ(attachmentListPages(39), 1);
    EXPECT_EQ(attachmentListPages(40), 2);
    EXPECT_TRUE(attachmentListPageFits(11906, 16838));   // A4 portrait
    EXPECT_FALSE(attachmentListPageFits(16838, 11906));  // A4 landscape
    EXPECT_FALSE(attachmentListPageFits(12240, 15840));  // Letter
}

// Printed to a PDF: 40 documents give two pages, numbered across them, each with its footer;
// a title too long for its cell is cut inside the table.
TEST_F(AttachmentTest, FortyDocumentsPrintOnTwoPagesNumberedAcrossThem) {
    AttachmentListPrint list{"采矿权新立申请材料清单", "某某铁矿", "某某矿业公司", "2024年1月5日", {}};
    for (int i = 1; i <= 40; ++i) list.titles << QStringLiteral("文件%1").arg(i);
    list.titles[1] = QStringLiteral("云南省某某县某某铜多金属矿资源储量核实报告评审意见书及备案证明（含附图、附表）").repeated(3);
    const QString pdf = path("list.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        ASSERT_TRUE(printAttachmentList(writer, list, false));
    }
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForStarted()) GTEST_SKIP() << "pdftotext is not installed";
    p.waitForFinished();
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    auto has = [](const QString& page, const QString& pattern) {
        return QRegularExpression(pattern).match(page).hasMatch();
    };
    EXPECT_TRUE(has(pages[0], "采矿权新立申请材料清单"));
    EXPECT_TRUE(has(pages[0], "某某铁矿"));
    EXPECT_TRUE(has(pages[0], "2024年1月5日"));
    EXPECT_TRUE(has(pages[0], "共\\s*2\\s*页\\s*第\\s*1\\s*页"));
    EXPECT_TRUE(has(pages[0], "39\\s+文件39"));
    EXPECT_FALSE(has(pages[0], "文件40"));
    EXPECT_TRUE(has(pages[1], "40\\s+文件40"));
    EXPECT_TRUE(has(pages[1], "共\\s*2\\s*页\\s*第\\s*2\\s*页"));
    // No word beyond the table's right edge (18.2 cm).
    const QString boxes = mf::test::runPdfTool("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression xMax("xMax=\"([\\d.]+)\"");
    for (auto it = xMax.globalMatch(boxes); it.hasNext();) EXPECT_LE(it.next().captured(1).toDouble(), 10318 / 20.0);
    EXPECT_TRUE(has(pages[0], "2\\s+云南省.*…"));
}

namespace {

// A page that records where each text is drawn, in the painter's twips.
class TextRecorder : public QPaintEngine {
public:
    TextRecorder() : QPaintEngine(AllFeatures) {}
    QList<QPair<QString, QPointF>> texts;
    // Outlines stroked: their bounds and the pen's width, in twips.
    QList<QPair<QRectF, double>> strokes;
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override {
        if (s.state() & DirtyPen) pen_ = s.pen();
    }
    void drawPath(const QPainterPath& path) override {
        if (pen_.style() != Qt::NoPen) strokes.append({path.boundingRect(), pen_.widthF()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawLines(const QLineF*, int) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override { texts.append({item.text(), at}); }
    Type type() const override { return User; }

private:
    QPen pen_;
};

class RecordingPage : public QPaintDevice {
public:
    mutable TextRecorder engine;
    QPaintEngine* paintEngine() const override { return &engine; }
    // Where the text starts; a text drawn in runs (one per font) starts with its first run.
    double x(const QString& text) const {
        for (const auto& t : engine.texts)
            if (t.first == text) return t.second.x();
        for (const auto& t : engine.texts)
            if (t.first.size() > 1 && text.startsWith(t.first)) return t.second.x();
        return -1;
    }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return 11906;
        case PdmHeight: return 16838;
        case PdmWidthMM: return 210;
        case PdmHeightMM: return 297;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 1440;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }
};

} // namespace

// The date's caption is placed by the date's width measured in bold (bold is on when it is
// measured); the caption's own width, measured in the regular weight, places the date.
TEST(AttachmentPrintout, TheDateIsCentredByItsBoldWidth) {
    const QString date = QStringLiteral("2024年11月25日");
    AttachmentListPrint list{"采矿权新立申请材料清单", "某某铁矿", "某某矿业公司", date, {}};
    RecordingPage page;
    {
        QPainter p(&page);
        paintAttachmentListPage(p, list, 1);
    }
    QFont bold(QStringLiteral("宋体")), regular(QStringLiteral("宋体"));
    bold.setPixelSize(180);
    bold.setBold(true);
    regular.setPixelSize(180);
    const double L = 1134, R = 10318;  // 2.0 and 18.2 cm
    ASSERT_NE(QFontMetricsF(bold).horizontalAdvance(date), QFontMetricsF(regular).horizontalAdvance(date));
    const int x3 = int(std::nearbyint((R - L - QFontMetricsF(bold).horizontalAdvance(date)) / 2 + L + 1000));
    EXPECT_EQ(page.x("申请日期："), x3);
    EXPECT_EQ(page.x(date), int(std::nearbyint(x3 + QFontMetricsF(regular).horizontalAdvance("申请日期："))));
}

// The fonts standing in for 宋体 have no bold face: the title is outlined, so that it prints
// bold, and stays one text.
TEST(AttachmentPrintout, TheTitlePrintsBoldWithoutABoldFace) {
    AttachmentListPrint list{"采矿权新立申请材料清单", "某某铁矿", "某某矿业公司", "2024年1月5日", {}};
    RecordingPage page;
    {
        QPainter p(&page);
        paintAttachmentListPage(p, list, 1);
    }
    EXPECT_EQ(std::count_if(page.engine.texts.begin(), page.engine.texts.end(),
                            [&](const auto& t) { return t.first == list.title; }),
              1);
    const double x = page.x(list.title);
    ASSERT_GT(x, 0);
    const auto outline = std::find_if(page.engine.strokes.begin(), page.engine.strokes.end(),
                                      [&](const auto& s) { return std::abs(s.first.left() - x) < 60; });
    ASSERT_NE(outline, page.engine.strokes.end());
    EXPECT_GE(outline->second, 8);   // at least 0.4 pt more on every stroke
    EXPECT_GT(outline->first.width(), 10 * 200);   // the whole title
}
