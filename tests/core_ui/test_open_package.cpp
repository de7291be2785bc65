#include "commands_fixture.h"
#include "attachments/package_reader.h"
#include "core/text_submission.h"
#include "core/work_lists.h"
#include "platform/text_file.h"

#include <QDir>

using namespace mf;
using namespace mf::test;

namespace {

QByteArray packageList(const QString& name) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<offer id=\"VORELXL\" name=\"" + name.toUtf8() +
           "\">\r\n  <attachments/>\r\n</offer>\r\n";
}

// dir/X.txt (applicant "外面") beside the package folder dir/X holding VOREL.xck and the
// package's copy of the application (applicant "包内").
class PackageTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        ASSERT_TRUE(QDir(dir_.path()).mkdir("X"));
        save(path("X/采矿权申请登记书.txt"), "包内");
        save(path("X.txt"), "外面");
        list_ = packageList("采矿权申请登记书");
        ASSERT_TRUE(writeBytes(path("X/VOREL.xck"), list_));
        inside_ = fileBytes(path("X/采矿权申请登记书.txt"));
        beside_ = fileBytes(path("X.txt"));
        ASSERT_NE(inside_, beside_);
    }
    void save(const QString& file, const QString& applicant) {
        EditorWindow* e = open(1);
        e->setText(ControlArray::ChTXT, 0, applicant);
        saveAs("SAVETXT", file);
        ASSERT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...");
        closeEditor(1);
        dialogs_.clear();
    }
    QString applicant() const { return main_->editor(1)->text(ControlArray::ChTXT, 0); }
    // Opens the package and answers the question about the differing X.txt beside it.
    void openReplacing(const QString& file, MsgAnswer replace) {
        dialogs_.answer(MsgAnswer::Yes).answer(replace);
        commands::OpenSubmissionFile(main_.get(), file);
    }
    QStringList openMessages() const {
        return {kindConfirmation(1), "[X.txt] 已存在且与报盘包中的申请文件不同，是否用报盘包中的文件替换？"};
    }
    void expectPackageOpened(const QString& loadedFile, const QStringList& messages) {
        ASSERT_TRUE(main_->editor(1));
        EXPECT_EQ(applicant(), "包内");
        EXPECT_EQ(state().KindFilePath[1], loadedFile);
        EXPECT_TRUE(fileBytes(workXmlPath(1)).contains("name=\"采矿权申请登记书\""));
        EXPECT_EQ(fileBytes(path("X/VOREL.xck")), list_);  // the package is never written
        EXPECT_EQ(fileBytes(path("X/采矿权申请登记书.txt")), inside_);
        EXPECT_EQ(dialogs_.messageTexts(), messages);
    }

    QByteArray list_, inside_, beside_;
};

} // namespace

// A differing X.txt beside the folder is replaced by the package's copy only on Yes; No
// keeps it and the copy inside the package becomes the kind's file. An equal one is no question.
TEST_F(PackageTest, TheTextFileBesideItsPackageFolderIsReplacedOnlyWhenTheUserSaysYes) {
    openReplacing(path("X.txt"), MsgAnswer::Yes);
    expectPackageOpened(path("X.txt"), openMessages());
    EXPECT_EQ(fileBytes(path("X.txt")), inside_);
    closeEditor(1);
    dialogs_.clear();

    ASSERT_TRUE(writeBytes(path("X.txt"), beside_));
    openReplacing(path("X.txt"), MsgAnswer::No);
    expectPackageOpened(path("X/采矿权申请登记书.txt"), openMessages());
    EXPECT_EQ(fileBytes(path("X.txt")), beside_);
    closeEditor(1);
    dialogs_.clear();

    ASSERT_TRUE(writeBytes(path("X.txt"), inside_));
    openConfirmed(path("X.txt"));
    expectPackageOpened(path("X.txt"), {kindConfirmation(1)});
}

// The copy inside the package, saved as the kind's file, is locked during the save like any
// file; that lock is no foreign file of the package.
TEST_F(PackageTest, SavingTheCopyInsideThePackageNamesNoFileOfItsOwn) {
    openReplacing(path("X.txt"), MsgAnswer::No);
    ASSERT_EQ(state().KindFilePath[1], path("X/采矿权申请登记书.txt"));
    main_->editor(1)->setText(ControlArray::ChTXT, 0, "改后");
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes);
    ASSERT_TRUE(commands::SaveText(main_.get()));
    EXPECT_EQ(dialogs_.messageTexts(), (QStringList{"是否覆盖当前文件内容?", "报盘文件保存成功..."}));
    EXPECT_FALSE(QFileInfo::exists(path("X/采矿权申请登记书.txt.lock")));
}

TEST_F(PackageTest, ATextFileInsideThePackageOrTheListItselfOpenThePackage) {
    for (const char* chosen : {"X/采矿权申请登记书.txt", "X/VOREL.xck"}) {
        ASSERT_TRUE(writeBytes(path("X.txt"), beside_));
        openReplacing(path(chosen), MsgAnswer::Yes);
        expectPackageOpened(path("X.txt"), openMessages());
        EXPECT_EQ(fileBytes(path("X.txt")), inside_) << chosen;
        closeEditor(1);
        dialogs_.clear();
    }
}

TEST_F(PackageTest, NamesInThePackageAreFoundWhateverTheirCase) {
    QFile::rename(path("X/VOREL.xck"), path("X/vorel.XCK"));
    QFile::rename(path("X/采矿权申请登记书.txt"), path("X/采矿权申请登记书.TXT"));
    openConfirmed(path("X.txt"));
    ASSERT_TRUE(main_->editor(1));
    EXPECT_EQ(applicant(), "包内");
    EXPECT_TRUE(fileBytes(workXmlPath(1)).contains("name=\"采矿权申请登记书\""));
}

TEST_F(PackageTest, DecliningTheKindWritesNothing) {
    dialogs_.answer(MsgAnswer::No);
    commands::OpenSubmissionFile(main_.get(), path("X.txt"));
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{kindConfirmation(1)});
    EXPECT_EQ(fileBytes(path("X.txt")), beside_);
    EXPECT_FALSE(QFileInfo::exists(workXmlPath(1)));
    EXPECT_FALSE(state().KindOpen[1]);
    EXPECT_TRUE(state().PendingFile.isEmpty());
}

TEST_F(PackageTest, WhereNothingCanBeWrittenBesideTheFolderTheCopyInsideIsLoaded) {
    QFile::remove(path("X.txt"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("X.txt"));
    openConfirmed(path("X/VOREL.xck"));
    expectPackageOpened(path("X/采矿权申请登记书.txt"), {kindConfirmation(1)});
    EXPECT_TRUE(QFileInfo(path("X.txt")).isDir());
}

TEST_F(PackageTest, AnUnreadableListOrAMissingCopyStopsTheOpen) {
    ASSERT_TRUE(writeBytes(path("X/VOREL.xck"), "not xml at all"));
    commands::OpenSubmissionFile(main_.get(), path("X.txt"));
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.messages()[0].text, "XML文件不存在");
    EXPECT_EQ(dialogs_.messages()[0].title, "岩契录件");

    // A list that names no copy, one that reaches outside the folder, a copy that is gone.
    for (const QByteArray& list : {QByteArray("<offer id=\"VORELXL\"/>"), packageList("../X"), packageList("其他")}) {
        ASSERT_TRUE(writeBytes(path("X/VOREL.xck"), list));
        dialogs_.clear();
        commands::OpenSubmissionFile(main_.get(), path("X.txt"));
        EXPECT_EQ(dialogs_.messageTexts(), QStringList{"文件格式不正确,提取数据不完整..."}) << list.constData();
    }
    // A copy that is a link counts as missing; what it points to is not read.
    ASSERT_TRUE(writeBytes(path("X/VOREL.xck"), list_));
    ASSERT_TRUE(QFile::rename(path("X/采矿权申请登记书.txt"), path("elsewhere.txt")));
    ASSERT_TRUE(QFile::link(path("elsewhere.txt"), path("X/采矿权申请登记书.txt")));
    dialogs_.clear();
    commands::OpenSubmissionFile(main_.get(), path("X.txt"));
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"文件格式不正确,提取数据不完整..."});
    EXPECT_EQ(fileBytes(path("X.txt")), beside_);
    EXPECT_FALSE(state().KindOpen[1]);
    EXPECT_FALSE(QFileInfo::exists(workXmlPath(1)));
}

TEST_F(PackageTest, AFailedLoadKeepsTheWorkingListAsItWas) {
    ASSERT_TRUE(writeBytes(workXmlPath(1), "<offer id=\"a\" name=\"b\"/>"));
    const QStringList lines = {kTextHeaderLine, textKindTitle(1), QString(), "申请人=坏",
                               kCoordinateNoteLine, kCoordinateCountKey + "=3"};
    ASSERT_TRUE(writeTextLines(path("X/采矿权申请登记书.txt"), lines));
    openConfirmed(path("X/VOREL.xck"));
    EXPECT_TRUE(dialogs_.messageTexts().contains("文件格式不正确,提取数据不完整..."));
    EXPECT_EQ(fileBytes(workXmlPath(1)), "<offer id=\"a\" name=\"b\"/>");
    EXPECT_EQ(fileBytes(path("X.txt")), beside_);  // the user's file beside stays as it was
}

// The kind's working list with one document of material A1.
static void attachDocument(const QString& document) {
    QDir().mkpath(QFileInfo(workXmlPath(1)).absolutePath());
    ASSERT_TRUE(writeBytes(workXmlPath(1), packageList("采矿权申请登记书").replace(
        "<attachments/>", "<attachments><attachment fjid=\"A1\"><fjxh>1</fjxh><fjmc>营业执照</fjmc>"
                          "<dzjs>1</dzjs><fileList><file><fileXh>1</fileXh><fileName>营业执照1</fileName>"
                          "<fileUrl>" + document.toUtf8() + "</fileUrl></file></fileList>"
                          "</attachment></attachments>")));
}

// An exchange XML file opens with the package beside it: the package's list is the working
// list, so saving again keeps the documents that exist only in the package, and the XML is
// not replaced by the package's text copy.
TEST_F(CommandsTest, AnXmlFileOpensWithItsPackageAndASaveKeepsItsDocuments) {
    ASSERT_TRUE(writeBytes(path("doc.png"), "PNG"));
    EditorWindow* e = open(1);
    e->setText(ControlArray::ChTXT, 0, "申请人");
    attachDocument(path("doc.png"));
    saveAs("SAVEXML", path("A.xml"));
    ASSERT_EQ(fileBytes(path("A/营业执照/营业执照1.png")), "PNG");
    const QByteArray xml = fileBytes(path("A.xml"));
    ASSERT_TRUE(QFile::remove(path("doc.png")));
    closeEditor(1);
    DeleteWorkXml(1);
    dialogs_.clear();

    openConfirmed(path("A.xml"));
    EXPECT_EQ(state().KindFilePath[1], path("A.xml"));
    EXPECT_EQ(fileBytes(path("A.xml")), xml);
    dialogs_.answer(MsgAnswer::Yes);
    ASSERT_TRUE(commands::SaveXmlFile(main_.get()));
    EXPECT_EQ(dialogs_.messageTexts(),
              (QStringList{kindConfirmation(1), "是否覆盖当前文件内容?", "报盘文件保存成功..."}));
    EXPECT_EQ(fileBytes(path("A/营业执照/营业执照1.png")), "PNG");
    EXPECT_EQ(fileBytes(path("A.xml")), xml);
}

// A file that is saved while its package cannot be updated leaves the form marked changed:
// the package's copy is out of date, so the work is not fully saved.
TEST_F(CommandsTest, ASaveWhosePackageCannotBeUpdatedKeepsTheFormChanged) {
    for (const char* command : {"SAVETXT", "SAVEXML"}) {
        ASSERT_TRUE(writeBytes(path("doc.png"), QByteArray(64 * 1024, 'x')));
        open(1)->setText(ControlArray::ChTXT, 0, "申请人");
        attachDocument(path("doc.png"));
        dialogs_.clear();
        {
            FileSizeLimit limit(32 * 1024);
            saveAs(command, path("B"));
        }
        // One message says both: the file was saved, its package was not updated.
        ASSERT_EQ(dialogs_.messages().size(), 1) << command;
        EXPECT_TRUE(dialogs_.lastMessage().text.startsWith("报盘文件已保存，但报盘附件包未能更新")) << command;
        EXPECT_TRUE(dialogs_.lastMessage().text.contains(path("B/"))) << command;
        EXPECT_TRUE(state().KindChanged[1]) << command;
        EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE")) << command;
        closeEditor(1);
    }
}
