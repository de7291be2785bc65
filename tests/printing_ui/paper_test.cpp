// Every kind printed to PDF as a user's desktop prints it, under a Chinese and a plain
// locale: the fonts the designs name are embedded as the right faces, and no text leaves
// its page or the coordinate table's frame.
#include "forms_ui/field_fixture.h"

#include "forms/form_design.h"
#include "forms/kind_profile.h"
#include "platform/ui/program_printer.h"
#include "printing/print_geometry.h"
#include "printing/ui/editor_printable_form.h"
#include "printing/ui/frm_print_select.h"
#include "printing/ui/qt_printer.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

using namespace mf;
using namespace mf::test;

namespace {

const QString kMineName = QStringLiteral("云南省滇中有色金属集团股份有限公司") + QStringLiteral("某某县某某乡某某村铜多金属矿采矿场及深部");
const QString kOreBodyId = QStringLiteral("云南省某某县某某矿区深部第三号铜多金属矿体北翼延伸段");
const QString kGeoBoundary = QStringLiteral(
    "1,4,1,25.050999,102.4600,2,25.0509,102.4700,3,25.0609,102.4700,4,25.0609,102.4600,300,-100,") + kOreBodyId + QStringLiteral(",1,");

struct Word {
    double x1, y1, x2, y2;
    QString text;
};
struct Page {
    double width = 0, height = 0;
    QList<Word> words;
    QString text() const {
        QStringList t;
        for (const Word& w : words) t << w.text;
        return t.join(QString());
    }
};

QList<Page> pagesOf(const QString& pdf) {
    const QString xml = runPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QList<Page> pages;
    static const QRegularExpression tag(QStringLiteral(
        "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
        "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = tag.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            pages.append(Page{m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (!pages.isEmpty()) {
            pages.last().words.append(Word{m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5).toDouble(),
                                           m.captured(6).toDouble(), m.captured(7)});
        }
    }
    return pages;
}

class PaperTest : public FieldTest {
protected:
    // Fills every text box of a kind's form and prints all its pages to dir/<kind>.pdf.
    void printFilled(int kind, const QString& dir) {
        grid_ = nullptr;   // only the kinds with a coordinate page make one
        auto e = open(kind);
        for (int i : e->indexes(ControlArray::ChTXT))
            e->setText(ControlArray::ChTXT, i, QStringLiteral("某某县某某镇北侧约2.5公里（详见附图）"));
        for (int i : e->indexes(ControlArray::ChMEMO))
            e->setText(ControlArray::ChMEMO, i,
                       QStringLiteral("经审查，该矿区资源储量核实报告已经评审备案（国土资储备字〔2004〕14/56号）；设计利用储量与开采规模相适应。").repeated(3));
        e->setText(ControlArray::ChTXT, 0, QStringLiteral("某某矿业有限公司"));
        e->setText(ControlArray::ChTXT, 1, kMineName);
        if (kind == 7) e->setText(ControlArray::ChTXT, 56, QStringLiteral("2024"));
        if (grid_) grid_->zb = kGeoBoundary;
        EditorPrintableForm f(*e);
        QtPrinterPaper paper(programPrinter());
        FrmPrintSelect d(f, paper, [] { return makePrinterTarget(programPrinter()); });
        programPrinter().setOutputFormat(QPrinter::PdfFormat);
        programPrinter().setOutputFileName(QString());
        dialogs_.chooseFile(dir + QStringLiteral("/%1.pdf").arg(kind));
        d.Command1_Click(0);
        EXPECT_EQ(dialogs_.lastMessage().text, QStringLiteral("输出完毕!")) << kind;
    }
};

} // namespace

TEST_F(PaperTest, EveryKindPrintsInItsFontsAndInsideItsFramesUnderEitherLocale) {
    // Run in a child process: the locale decides the font names Qt lists at start-up.
    const QString childDir = qEnvironmentVariable("MF_PAPER_DIR");
    if (!childDir.isEmpty()) {
        for (int kind = 1; kind <= 7; ++kind) printFilled(kind, childDir);
        return;
    }
    for (const char* lang : {"zh_CN.UTF-8", "C.UTF-8"}) {
        QTemporaryDir dir;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(lang));
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("MF_PAPER_DIR"), dir.path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=PaperTest.EveryKindPrintsInItsFontsAndInsideItsFramesUnderEitherLocale")});
        ASSERT_TRUE(child.waitForFinished(120000));
        ASSERT_EQ(child.exitCode(), 0) << lang << child.readAllStandardOutput().toStdString();
        for (int kind = 1; kind <= 7; ++kind) {
            const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(kind));
            SCOPED_TRACE(std::string(lang) + " kind " + std::to_string(kind));
            if (qEnvironmentVariableIsSet("MF_KEEP_PDF"))
                QFile::copy(pdf, qEnvironmentVariable("MF_KEEP_PDF") + QStringLiteral("/%1-%2.pdf").arg(QLatin1String(lang)).arg(kind));
            // 黑体 prints in a sans CJK face, 宋体 in a serif one, both embedded.
            const QString fonts = runPdfTool(QStringLiteral("pdffonts"), {pdf});
            EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("(WenQuanYiZenHei|SansCJK)\\S*\\s+CID TrueType\\s+\\S+\\s+yes"))))
                << fonts.toStdString();
            EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("(UMing|SerifCJK)\\S*\\s+CID TrueType\\s+\\S+\\s+yes"))))
                << fonts.toStdString();
            EXPECT_FALSE(fonts.contains(QRegularExpression(QStringLiteral("\\s+no\\s+\\S+\\s+\\S+\\s+\\d+\\s+\\d+\\n"))))
                << fonts.toStdString();

            const QList<Page> pages = pagesOf(pdf);
            ASSERT_FALSE(pages.isEmpty());
            // The issuer's imprint is hidden on screen and printed on the cover.
            EXPECT_TRUE(pages[0].text().contains(QStringLiteral("矿业权登记管理机关")));
            // The cover title in large 黑体: 42 pt, the long one of the annual report 36 pt.
            const Word& title = pages[0].words.value(3);
            EXPECT_NEAR((title.x2 - title.x1) / title.text.size(), kind == 7 ? 36 : 42, 1) << title.text.toStdString();
            // The annual report's year is letter-spaced across its box.
            if (kind == 7) EXPECT_TRUE(pages[0].text().contains(QStringLiteral("（2024年度）")));
            if (kind == 7) EXPECT_EQ(std::count_if(pages[0].words.begin(), pages[0].words.end(), [](const Word& w) { return w.text.size() == 1 && w.text.at(0).isDigit(); }), 4);
            // Each instruction heading is level with a line of its explanation.
            for (const Word& h : pages[1].words) {
                if (!h.text.contains(QRegularExpression(QStringLiteral("^\\d+．")))) continue;
                double nearest = 1e9;
                for (const Word& w : pages[1].words)
                    if (w.x1 > h.x2) nearest = std::min(nearest, std::abs((w.y1 + w.y2) - (h.y1 + h.y2)) / 2);
                EXPECT_LT(nearest, 1.5) << h.text.toStdString();
            }
            const FormDesign design = loadFormDesign(kindProfile(kind).designResource(), nullptr);
            for (int p = 0; p < pages.size(); ++p) {
                const Page& pg = pages[p];
                const bool table = pg.text().contains(QStringLiteral("坐标表"));
                // The form page as it maps to paper, or the coordinate table's frame (2.0 to
                // 18.2 cm across), and always the sheet.
                const DesignPage* dp = design.page(p);
                const double left = table ? 1134 / 20.0 : 800 / 20.0;
                const double right = table ? 10318 / 20.0 : dp ? MapPrintX(dp->width.value) / 20.0 : pg.width;
                const double bottom = !table && dp ? MapPrintY(dp->height.value) / 20.0 : pg.height;
                for (const Word& w : pg.words) {
                    const std::string where = "page " + std::to_string(p + 1) + " " + w.text.toStdString();
                    EXPECT_GE(w.x1, left - 0.5) << where;
                    EXPECT_LE(w.x2, std::min(right, pg.width) + 0.5) << where;
                    EXPECT_GE(w.y1, table ? 0 : 1200 / 20.0 - 0.5) << where;
                    EXPECT_LE(w.y2, std::min(bottom, pg.height) + 0.5) << where;
                }
                if (table) {
                    EXPECT_TRUE(pg.text().contains(kMineName)) << pg.text().toStdString();
                    // Narrow signs: a value prints as one word, with no gap after ′ or ″.
                    EXPECT_TRUE(pg.text().contains(QStringLiteral("2,25°05′09″,102°47′00″"))) << pg.text().toStdString();
                    // Hundredths of a second as the grid holds them; a long ore-body id
                    // wrapped within its row, whole.
                    EXPECT_TRUE(pg.text().contains(QStringLiteral("1,25°05′09.99″,102°46′00″"))) << pg.text().toStdString();
                    EXPECT_TRUE(pg.text().contains(kOreBodyId)) << pg.text().toStdString();
                    EXPECT_FALSE(pg.text().contains(QStringLiteral("…"))) << pg.text().toStdString();
                }
            }
        }
    }
}
