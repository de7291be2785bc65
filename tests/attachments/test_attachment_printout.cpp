#include "attachment_fixture.h"
#include "attachments/attachment_printout.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>

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

// Printed to a PDF: 40 documents give two pages, numbered across them, each with its footer.
TEST_F(AttachmentTest, FortyDocumentsPrintOnTwoPagesNumberedAcrossThem) {
    AttachmentListPrint list{"采矿权新立申请材料清单", "某某铁矿", "某某矿业公司", "2024年1月5日", {}};
    for (int i = 1; i <= 40; ++i) list.titles << QStringLiteral("文件%1").arg(i);
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
}
