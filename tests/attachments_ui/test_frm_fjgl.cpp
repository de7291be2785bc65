#include "attachments/attachment_list.h"
#include "attachments/package_builder.h"
#include "attachments/ui/frm_browse_fj.h"
#include "attachments/ui/frm_fjgl.h"
#include "core/work_lists.h"
#include "core_ui/commands_fixture.h"

#include "attachments/attachment_printout.h"
#include "platform/text_file.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QComboBox>
#include <QPrinter>
#include <QTableWidget>
#include <QTimer>
#include <zip.h>
#include "platform/ui/printer_setup.h"
#include "platform/ui/program_printer.h"

using namespace mf;
using namespace mf::test;

namespace {

class FjglTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        editor_ = open(1);
        ASSERT_TRUE(editor_);
        typeInto(editor_);
        state().KindChanged[1] = false;
        ASSERT_TRUE(writeBytes(path("lic.jpg"), "JPEG"));
    }
    std::unique_ptr<FrmFjgl> window() { return std::make_unique<FrmFjgl>(editor_, main_.get()); }
    int rowOf(FrmFjgl& w, const QString& name) {
        for (int r = 1; r < w.materialRows(); ++r)
            if (w.materialCell(r, 1) == name) return r;
        return 0;
    }
    // Chooses a file for document 1 of the first material (营业执照).
    void attachLicence(FrmFjgl& w) {
        w.selectMaterial(1);
        w.selectDocument(1);
        dialogs_.chooseFile(path("lic.jpg"));
        w.chooseBut_Click();
    }
    EditorWindow* editor_ = nullptr;
};

} // namespace

TEST_F(FjglTest, OpeningSelectsTheFirstMaterialAndOnlyOtherMaterialsTakeNewDocuments) {
    auto w = window();
    EXPECT_EQ(w->windowTitle(), "申报材料管理");
    EXPECT_EQ(w->materialCell(1, 1), "营业执照");
    EXPECT_EQ(w->documentRows(), 2);
    EXPECT_EQ(w->documentCell(1, 1), "营业执照1");
    EXPECT_EQ(w->documentCell(1, 4), "...");
    EXPECT_FALSE(w->tips->toPlainText().isEmpty());
    EXPECT_FALSE(w->addBut->isEnabled());
    EXPECT_FALSE(w->delBut->isEnabled());
    EXPECT_TRUE(w->chooseBut->isEnabled());
    w->selectMaterial(rowOf(*w, "其他材料"));
    EXPECT_TRUE(w->addBut->isEnabled());
    EXPECT_TRUE(w->delBut->isEnabled());
    EXPECT_FALSE(w->chooseBut->isEnabled());
    EXPECT_EQ(w->documentRows(), 1);
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(FjglTest, ChoosingAndClearingAFileCountsAndShades) {
    auto w = window();
    attachLicence(*w);
    EXPECT_EQ(w->materialCell(1, 2), "1");
    EXPECT_EQ(w->materialBackground(1, 1), QColor(234, 234, 255));
    EXPECT_EQ(w->documentCell(1, 3), path("lic.jpg"));
    EXPECT_EQ(w->fileUrl->text(), path("lic.jpg"));
    EXPECT_TRUE(state().KindChanged[1]);
    EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));

    // Reopened, a filled material is shaded the other way.
    auto again = window();
    EXPECT_EQ(again->materialBackground(1, 1), QColor(204, 204, 255));
    again->selectDocument(1);
    dialogs_.answer(MsgAnswer::No);
    again->CmdRemoveFJ_Click();
    EXPECT_EQ(again->materialCell(1, 2), "1");
    dialogs_.answer(MsgAnswer::Yes);
    again->CmdRemoveFJ_Click();
    EXPECT_EQ(dialogs_.messageTexts(), QStringList({"是否清除附件？", "是否清除附件？"}));
    EXPECT_EQ(again->materialCell(1, 2), "0");
    EXPECT_EQ(again->documentCell(1, 3), "");
    EXPECT_EQ(again->materialBackground(1, 1), again->MSFlexGrid1->palette().color(QPalette::Base));
    EXPECT_FALSE(HasElectronicFiles());
}

TEST_F(FjglTest, AddingAndDeletingDocumentsOfOtherMaterialsRenumbersThem) {
    auto w = window();
    const int other = rowOf(*w, "其他材料");
    w->selectMaterial(other);
    for (int i = 0; i < 3; ++i) w->addBut_Click();
    ASSERT_EQ(w->documentRows(), 4);
    w->selectDocument(2, 2);
    w->Text1->setText("改过的标题");
    w->MSFlexGrid2_DblClick();
    w->Text1->setText("改过的标题");
    w->Text1_KeyPress(13);
    EXPECT_EQ(w->documentCell(2, 2), "改过的标题");
    w->selectDocument(3, 2);
    w->MSFlexGrid2_DblClick();
    w->Text1->setText("又改");
    w->Text1_KeyPress(13);
    w->selectDocument(2);
    dialogs_.answer(MsgAnswer::Yes);
    w->delBut_Click();
    ASSERT_EQ(w->documentRows(), 3);
    for (int r = 1; r <= 2; ++r) {
        EXPECT_EQ(w->documentCell(r, 0), QString::number(r));
        EXPECT_EQ(w->documentCell(r, 2), "其他新增材料" + QString::number(r));  // titles replaced
    }
    // The list agrees with the grid when the material is shown again.
    w->selectMaterial(1);
    w->selectMaterial(other);
    ASSERT_EQ(w->documentRows(), 3);
    EXPECT_EQ(w->documentCell(2, 1), "其他新增材料2");

    // No keeps the rows, yet writes the current row back and marks the kind changed.
    state().KindChanged[1] = false;
    w->selectDocument(1);
    dialogs_.answer(MsgAnswer::No);
    w->delBut_Click();
    EXPECT_EQ(w->documentRows(), 3);
    EXPECT_TRUE(state().KindChanged[1]);
    // Deleting the last documents cuts the grid back to its heading row.
    for (int i = 0; i < 2; ++i) {
        w->selectDocument(1);
        dialogs_.answer(MsgAnswer::Yes);
        w->delBut_Click();
    }
    EXPECT_EQ(w->documentRows(), 1);
    EXPECT_FALSE(w->chooseBut->isEnabled());
}

TEST_F(FjglTest, TheChooseButtonActsOnTheSelectedDocumentOrIsDisabledAndNeverMoves) {
    auto w = window();
    const QRect home = w->chooseBut->geometry();
    w->selectMaterial(rowOf(*w, "其他材料"));
    w->addBut_Click();
    w->addBut_Click();
    // The row just added is the selected one, so "..." acts on it.
    ASSERT_TRUE(w->chooseBut->isEnabled());
    dialogs_.chooseFile(path("lic.jpg"));
    w->chooseBut->click();
    EXPECT_EQ(w->documentCell(2, 3), path("lic.jpg"));
    EXPECT_EQ(w->documentCell(1, 3), "");
    // Nothing selected: disabled, and its tip says what to do.
    w->MSFlexGrid2->clearSelection();
    EXPECT_FALSE(w->chooseBut->isEnabled());
    EXPECT_FALSE(w->chooseBut->toolTip().isEmpty());
    // Editing a cell in place leaves the button where it is, and a new material ends the editing.
    w->selectDocument(1, 3);
    EXPECT_TRUE(w->chooseBut->isEnabled());
    w->MSFlexGrid2_DblClick();
    EXPECT_EQ(w->chooseBut->geometry(), home);
    w->selectMaterial(1);
    EXPECT_EQ(w->chooseBut->geometry(), home);
    EXPECT_TRUE(w->fileUrl->isHidden());
}

TEST_F(FjglTest, ManyDocumentsNarrowTheTwoWideColumns) {
    auto w = window();
    w->selectMaterial(rowOf(*w, "其他材料"));
    for (int i = 0; i < 19; ++i) w->addBut_Click();
    const int wide = w->documentColumnWidthTw(2);
    w->addBut_Click();  // 21 rows with the heading
    EXPECT_NEAR(wide - w->documentColumnWidthTw(2), 125, 15);
    EXPECT_EQ(w->documentColumnWidthTw(1), 0);
}

TEST_F(FjglTest, TheWindowsSaveAsksForTheTargetFirstAndPackagesWithoutASuccessMessage) {
    auto w = window();
    attachLicence(*w);
    dialogs_.clear();
    dialogs_.chooseFile(path("X"));  // the extension is added
    w->CmdSave_Click();
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(state().KindFilePath[1], path("X.txt"));
    EXPECT_EQ(main_->fileText(), path("X.txt"));
    EXPECT_FALSE(state().KindChanged[1]);
    EXPECT_FALSE(main_->toolbarButtonAvailable("SAVE"));
    EXPECT_TRUE(QFile::exists(path("X/VOREL.xck")));
    EXPECT_TRUE(QFile::exists(path("X/营业执照/营业执照1.jpg")));

    // With the current .txt the question comes first; No leads to the dialog.
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes);
    w->CmdSave_Click();
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"是否覆盖当前文件内容？"});
    EXPECT_TRUE(dialogs_.fileDialogs().isEmpty());

    // A current .xml is never offered.
    state().KindFilePath[1] = path("X.xml");
    ASSERT_TRUE(writeBytes(path("X.xml"), "<x/>"));
    dialogs_.clear();
    dialogs_.cancelFile();
    w->CmdSave_Click();
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(dialogs_.fileDialogs().size(), 1);
    EXPECT_EQ(state().KindFilePath[1], path("X.xml"));
}

// "打包": the save with its dialog, then one dialog for the zip; a cancel at either step
// zips nothing; success names the zip.
TEST_F(FjglTest, PackingSavesThenZipsThisApplicationsPackage) {
    auto w = window();
    w->CmdSaveToZip_Click();
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"请先保存，然后再进行打包操作"});

    attachLicence(*w);
    dialogs_.clear();
    dialogs_.chooseFile(path("X.txt"));
    w->CmdSave_Click();
    // A cancelled text save stops the command.
    dialogs_.clear();
    dialogs_.cancelFile();
    w->CmdSaveToZip_Click();
    EXPECT_EQ(dialogs_.fileDialogs().size(), 1);
    EXPECT_TRUE(dialogs_.messages().isEmpty());

    // The user's own files in the package stay out of the zip, and the user is told.
    ASSERT_TRUE(writeBytes(path("X/notes.txt"), "mine"));
    ASSERT_TRUE(writeBytes(path("X/营业执照/草稿.doc"), "draft"));
    dialogs_.clear();
    dialogs_.chooseFile(path("X.txt")).answer(MsgAnswer::Yes).chooseFile(path("包"));
    w->CmdSaveToZip_Click();
    ASSERT_EQ(dialogs_.fileDialogs().size(), 2);
    EXPECT_EQ(dialogs_.fileDialogs()[1].request.title, "选择报盘打包文件");
    EXPECT_EQ(dialogs_.messageTexts().last(),
              "打包完成：" + path("包.zip") + "\n以下文件不是报盘材料，未打包：\nnotes.txt\n营业执照/草稿.doc");
    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(path("包.zip")).constData(), ZIP_RDONLY, &code);
    ASSERT_TRUE(za);
    QStringList names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) names << QString::fromUtf8(zip_get_name(za, zip_uint64_t(i), 0));
    EXPECT_EQ(names, (QStringList{"VOREL.xck", "材料清单.txt", "营业执照/", "营业执照/营业执照1.jpg", "采矿权申请登记书.txt"}));
    zip_close(za);
    QFile::remove(path("X/notes.txt"));
    QFile::remove(path("X/营业执照/草稿.doc"));

    // An application without a package has nothing to zip.
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes);
    w->CmdRemoveFJ_Click();
    dialogs_.clear();
    dialogs_.chooseFile(path("X.txt")).answer(MsgAnswer::Yes);
    w->CmdSaveToZip_Click();
    EXPECT_EQ(dialogs_.messageTexts(), (QStringList{"文件已经存在，是否覆盖？", "当前申请没有附件包，无法打包。"}));
}

// The main road: attach, save as text, open the package again, save without documents.
TEST_F(FjglTest, APackageTravelsThroughSaveAndOpen) {
    {
        auto w = window();
        attachLicence(*w);
    }
    dialogs_.clear();
    saveAs("SAVETXT", path("X.txt"));
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"报盘文件保存成功..."});
    EXPECT_TRUE(QFile::exists(path("X/VOREL.xck")));
    EXPECT_TRUE(QFile::exists(path("X/采矿权申请登记书.txt")));
    EXPECT_EQ(fileBytes(path("X/营业执照/营业执照1.jpg")), "JPEG");
    EXPECT_TRUE(fileBytes(path("X/材料清单.txt")).startsWith(encodeGb18030("上报材料清单：\r\n1、营业执照1.jpg")));
    const QByteArray packageList = fileBytes(path("X/VOREL.xck"));

    ASSERT_TRUE(closeEditor(1));
    EXPECT_FALSE(QFile::exists(workXmlPath(1)));
    dialogs_.clear();
    openConfirmed(path("X.txt"));
    editor_ = main_->editor(1);
    ASSERT_TRUE(editor_);
    EXPECT_EQ(fileBytes(path("X/VOREL.xck")), packageList);  // opening wrote nothing into it
    {
        auto w = window();
        EXPECT_EQ(w->materialCell(1, 2), "1");
        EXPECT_EQ(w->documentCell(1, 3), "Local:\\\\营业执照1.jpg");
        // Saved elsewhere, the document goes along.
        dialogs_.clear();
        dialogs_.chooseFile(path("Z.txt"));
        w->CmdSave_Click();
        EXPECT_EQ(fileBytes(path("Z/营业执照/营业执照1.jpg")), "JPEG");
        // Its document cleared, the next save removes the package.
        w->selectMaterial(1);
        w->selectDocument(1);
        dialogs_.answer(MsgAnswer::Yes);
        w->CmdRemoveFJ_Click();
    }
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes);  // 是否覆盖当前文件内容?
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    EXPECT_EQ(dialogs_.messageTexts(), QStringList({"是否覆盖当前文件内容?", "报盘文件保存成功..."}));
    EXPECT_FALSE(QFileInfo::exists(path("Z")));
    EXPECT_TRUE(QFile::exists(path("Z.txt")));
    EXPECT_TRUE(QFile::exists(path("X/VOREL.xck")));  // the other package stays
}

TEST_F(FjglTest, TheListViewShowsTheApplicationsDocumentsAndChecksThePage) {
    {
        auto w = window();
        attachLicence(*w);
    }
    editor_->setText(ControlArray::ChTXT, 0, "某矿业公司");
    editor_->setText(ControlArray::ChTXT, 1, "某铁矿");
    editor_->setText(ControlArray::ChTXT, 3, "2024-1-5");
    frmBrowseFJ view(editor_, main_.get());
    EXPECT_EQ(view.windowTitle(), "申请材料浏览");
    EXPECT_EQ(view.lblTName->text(), "采矿权新立申请材料清单");
    EXPECT_EQ(view.lblNName->text(), "某矿业公司");
    EXPECT_EQ(view.lblPName->text(), "某铁矿");
    EXPECT_EQ(view.lblDName->text(), "2024年1月5日");
    EXPECT_EQ(view.ListedFileCount, 1);
    EXPECT_EQ(view.printout().titles, QStringList{"营业执照"});

    QPrinter& printer = programPrinter();
    const QPageLayout before = printer.pageLayout();
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    dialogs_.clear();
    view.cmdPrint_Click();
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"打印机页面设置不正确(应设置为A4[纵向]大小)..."});
    EXPECT_EQ(dialogs_.lastMessage().title, "错误");
    printer.setPageLayout(before);

    // "设置" offers the choice of printer, not only the paper.
    bool printerChoice = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = dynamic_cast<PrinterSetupDialog*>(QApplication::activeModalWidget());
        printerChoice = dlg != nullptr && dlg->printerBox()->count() >= 1;
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    view.Command1_Click();
    EXPECT_TRUE(printerChoice);
}
