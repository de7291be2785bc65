#include "commands_fixture.h"
#include "attachments/attachment_list.h"
#include "attachments/package_reader.h"
#include "attachments/submission_save.h"
#include "platform/fs.h"
#include "core/text_submission.h"
#include "core/work_lists.h"
#include "platform/text_file.h"

#include <QDateTime>
#include <QDir>
#include <functional>

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
    // Opens the package and answers the question about the differing X.txt beside it, which
    // is older than the package's copy.
    void openReplacing(const QString& file, MsgAnswer replace) {
        setModified(path("X.txt"), besideTime());
        setModified(path("X/采矿权申请登记书.txt"), besideTime().addSecs(60));
        dialogs_.answer(MsgAnswer::Yes).answer(replace);
        commands::OpenSubmissionFile(main_.get(), file);
    }
    static QDateTime besideTime() { return QDateTime(QDate(2026, 3, 4), QTime(10, 20, 30)); }
    static void setModified(const QString& file, const QDateTime& t) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(t, QFileDevice::FileModificationTime));
    }
    // The question names both files with their times and applicants; its 是 opens the file chosen.
    QStringList openMessages(const QString& chosen) const {
        const QString beside = path("X.txt"), copy = path("X/采矿权申请登记书.txt");
        return {kindConfirmation(1), "[X.txt] 与报盘包中的申请文件不同：\n" + beside +
                                         "（修改于 2026-03-04 10:20:30）\n    申请人：外面　矿山名称：\n" + copy +
                                         "（修改于 2026-03-04 10:21:30，较新）\n    申请人：包内　矿山名称：\n是否打开所选的文件 " +
                                         chosen + "？\n选“否”则打开 " + (chosen == beside ? copy : beside) +
                                         "。\n打开的文件带报盘包中的附件，另一个文件不作改动。"};
    }
    void expectPackageOpened(const QString& loadedFile, const QStringList& messages) {
        ASSERT_TRUE(main_->editor(1));
        EXPECT_EQ(applicant(), loadedFile == path("X.txt") && messages.size() > 1 ? "外面" : "包内");
        EXPECT_EQ(state().KindFilePath[1], loadedFile);
        EXPECT_TRUE(fileBytes(workXmlPath(1)).contains("name=\"采矿权申请登记书\""));
        EXPECT_EQ(fileBytes(path("X/VOREL.xck")), list_);  // the package is never written
        EXPECT_EQ(fileBytes(path("X/采矿权申请登记书.txt")), inside_);
        EXPECT_EQ(dialogs_.messageTexts(), messages);
        EXPECT_EQ(state().KindChanged[1], messages.size() > 1);
        if (messages.size() > 1) EXPECT_EQ(dialogs_.messages().at(1).buttons, MsgButtons::YesNoRequired);
    }

    QByteArray list_, inside_, beside_;
};

} // namespace

// A differing X.txt beside the folder is never replaced: 是 opens the file chosen, 否 the other,
// with the package's documents. An equal one is no question.
TEST_F(PackageTest, ADifferingFileBesideItsPackageFolderIsNeverReplacedTheQuestionOpensTheChosenOne) {
    openReplacing(path("X.txt"), MsgAnswer::Yes);
    expectPackageOpened(path("X.txt"), openMessages(path("X.txt")));
    EXPECT_EQ(fileBytes(path("X.txt")), beside_);
    closeEditor(1);
    dialogs_.clear();

    openReplacing(path("X.txt"), MsgAnswer::No);
    expectPackageOpened(path("X/采矿权申请登记书.txt"), openMessages(path("X.txt")));
    EXPECT_EQ(fileBytes(path("X.txt")), beside_);
    state().KindChanged[1] = false;
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
    const QString copy = path("X/采矿权申请登记书.txt");
    using Row = std::pair<const char*, MsgAnswer>;
    for (const auto& [chosen, answer] : {Row{"X/采矿权申请登记书.txt", MsgAnswer::Yes}, Row{"X/采矿权申请登记书.txt", MsgAnswer::No},
                                         Row{"X/VOREL.xck", MsgAnswer::Yes}, Row{"X/VOREL.xck", MsgAnswer::No}}) {
        openReplacing(path(chosen), answer);
        expectPackageOpened(answer == MsgAnswer::Yes ? copy : path("X.txt"), openMessages(copy));
        EXPECT_EQ(fileBytes(path("X.txt")), beside_) << chosen;
        state().KindChanged[1] = false;
        closeEditor(1);
        dialogs_.clear();
    }
}

TEST_F(PackageTest, NamesInThePackageAreFoundWhateverTheirCase) {
    QFile::rename(path("X/VOREL.xck"), path("X/vorel.XCK"));
    QFile::rename(path("X/采矿权申请登记书.txt"), path("X/采矿权申请登记书.TXT"));
    setModified(path("X.txt"), besideTime());
    setModified(path("X/采矿权申请登记书.TXT"), besideTime());
    dialogs_.answer(MsgAnswer::Yes).answer(MsgAnswer::No);
    commands::OpenSubmissionFile(main_.get(), path("X.txt"));
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

// A save whose package was not brought up to date (it could not be written, or the working
// list is gone) leaves the form marked changed: the package's copy is out of date.
TEST_F(CommandsTest, ASaveWhosePackageWasNotBroughtUpToDateKeepsTheFormChanged) {
    struct Row {
        const char* command;
        QByteArray change;  // after a first save; none: the package cannot be written
        QStringList messages;
    };
    const Row rows[] = {
        {"SAVETXT", "", {}},
        {"SAVEXML", "", {}},
        {"SAVETXT", "list missing", {"是否覆盖当前文件内容?", "报盘文件保存成功...", "附件清单丢失，未更新报盘附件包。"}},
        // The source and the package's copy gone: no copy to keep, no success first.
        {"SAVEXML", "document gone", {"是否覆盖当前文件内容?", "报盘文件已保存，但报盘附件包缺少附件。\n以下附件未能复制到报盘文件夹：\n"
                                      "doc.png\n可在申报材料管理中点“...”重新选择文件，或点“清除附件”去掉该附件，然后再保存。"}},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(writeBytes(path("doc.png"), QByteArray(64 * 1024, 'x')));
        open(1)->setText(ControlArray::ChTXT, 0, "申请人");
        attachDocument(path("doc.png"));
        if (!row.change.isEmpty()) {
            // The package exists; then the working list or the document is lost.
            saveAs(row.command, path("B"));
            ASSERT_TRUE(QFileInfo::exists(path("B/VOREL.xck")));
            if (row.change == "list missing") DeleteWorkXml(1);
            else ASSERT_TRUE(QFile::remove(path("doc.png")) && QFile::remove(path("B/营业执照/营业执照1.png")));
            main_->editor(1)->setText(ControlArray::ChTXT, 0, "申请人改");
            dialogs_.clear();
            dialogs_.answer(MsgAnswer::Yes);
            main_->Toolbar_ButtonMenuClick(row.command);
        } else {
            dialogs_.clear();
            FileSizeLimit limit(32 * 1024);
            saveAs(row.command, path("B"));
        }
        if (row.change.isEmpty()) {
            // One message says both: the file was saved, its package was not updated.
            ASSERT_EQ(dialogs_.messages().size(), 1) << row.command;
            EXPECT_TRUE(dialogs_.lastMessage().text.startsWith("报盘文件已保存，但报盘附件包未能更新")) << row.command;
            EXPECT_TRUE(dialogs_.lastMessage().text.contains(path("B/"))) << row.command;
        } else {
            EXPECT_EQ(dialogs_.messageTexts(), row.messages) << row.change.constData();
        }
        EXPECT_TRUE(state().KindChanged[1]) << row.command;
        EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE")) << row.command;
        state().KindChanged[1] = false;
        closeEditor(1);
        fs::deleteDirTree(path("B"));
        QFile::remove(path("B.txt"));
        QFile::remove(path("B.xml"));
    }
}

// A saved application with one document in its package: dir/A.<ext> and dir/A/.
class ReopenTest : public CommandsTest {
protected:
    void savePackage(const char* ext, const QString& applicant) {
        ASSERT_TRUE(writeBytes(path("doc1.png"), "PNG1"));
        ASSERT_TRUE(writeBytes(path("doc2.png"), "PNG2"));
        open(1)->setText(ControlArray::ChTXT, 0, applicant);
        attachDocument(path("doc1.png"));
        saveAs(isXml(ext) ? "SAVEXML" : "SAVETXT", file(ext));
        ASSERT_EQ(fileBytes(path("A/营业执照/营业执照1.png")), "PNG1");
        closeEditor(1);
        dialogs_.clear();
    }
    static bool isXml(const char* ext) { return QByteArray(ext) == "xml"; }
    QString file(const char* ext) const { return path(QStringLiteral("A.") + QLatin1String(ext)); }
    QString applicant() const { return main_->editor(1)->text(ControlArray::ChTXT, 0); }
    // Saves the kind's current file again.
    void saveAgain(const char* ext) {
        dialogs_.clear();
        dialogs_.answer(MsgAnswer::Yes);
        isXml(ext) ? commands::SaveXmlFile(main_.get()) : commands::SaveText(main_.get());
        ASSERT_TRUE(dialogs_.messageTexts().contains("报盘文件保存成功...")) << dialogs_.messageTexts().join(u'|').toStdString();
    }
};

// Reopening the open application while it has unsaved changes and a newly attached document,
// answering 是 to the save: the working list is read after that save, so the next save keeps
// the new document in the package.
TEST_F(ReopenTest, AReopenWithASaveInBetweenKeepsTheNewDocumentInThePackage) {
    for (const char* ext : {"txt", "xml"}) {
        savePackage(ext, "甲");
        openConfirmed(file(ext));
        ASSERT_EQ(applicant(), "甲") << ext;
        AppendFileEntry("A1", "2", "营业执照2", "营业执照2");
        SetFileUrl("A1", "2", path("doc2.png"));
        RecountElectronicFiles("A1");
        main_->editor(1)->setText(ControlArray::ChTXT, 0, "乙");
        dialogs_.clear();
        // The kind, the save question, the overwrite offer.
        dialogs_.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
        commands::OpenSubmissionFile(main_.get(), file(ext));
        EXPECT_TRUE(dialogs_.scriptDone()) << ext;
        EXPECT_EQ(applicant(), "乙") << ext;
        EXPECT_FALSE(state().KindChanged[1]) << ext;
        EXPECT_TRUE(fileBytes(workXmlPath(1)).contains("Local:\\\\营业执照2.png")) << ext;
        saveAgain(ext);
        EXPECT_EQ(fileBytes(path("A/营业执照/营业执照1.png")), "PNG1") << ext;
        EXPECT_EQ(fileBytes(path("A/营业执照/营业执照2.png")), "PNG2") << ext;
        state().KindChanged[1] = false;
        closeEditor(1);
        fs::deleteDirTree(path("A"));
        QFile::remove(file(ext));
    }
}

// A file without a package, opened after a package, starts from the kind's template: none of
// the package's documents goes with it.
TEST_F(ReopenTest, AFileWithoutAPackageStartsFromTheTemplateList) {
    open(1)->setText(ControlArray::ChTXT, 0, "乙");
    saveAs("SAVETXT", path("B.txt"));
    closeEditor(1);
    savePackage("txt", "甲");
    openConfirmed(file("txt"));
    ASSERT_TRUE(fileBytes(workXmlPath(1)).contains("营业执照1"));
    openConfirmed(path("B.txt"));
    EXPECT_EQ(applicant(), "乙");
    EXPECT_EQ(fileBytes(workXmlPath(1)), fileBytes(templatePath(1)));
    main_->editor(1)->setText(ControlArray::ChTXT, 0, "乙改");
    saveAgain("txt");
    EXPECT_FALSE(QFileInfo::exists(path("B")));
}

// A file differing from its package's copy is paired only after the question, on either road; the one
// opened gets the package's documents and counts as changed until a save; the other is not touched.
TEST_F(ReopenTest, AFileThatDiffersFromItsPackagesCopyOpensOnlyAfterTheQuestionOnEitherRoad) {
    using R = std::pair<const char*, bool>;  // extension, opened through VOREL.xck
    for (const auto& [ext, throughList] : {R{"txt", false}, R{"txt", true}, R{"xml", false}, R{"xml", true}}) {
        SCOPED_TRACE(throughList ? "through VOREL.xck" : "beside");
        open(1)->setText(ControlArray::ChTXT, 0, "新");
        saveAs(isXml(ext) ? "SAVEXML" : "SAVETXT", path(QStringLiteral("draft.") + QLatin1String(ext)));
        closeEditor(1);
        savePackage(ext, "旧");
        ASSERT_TRUE(QFile::remove(file(ext)));
        ASSERT_TRUE(QFile::copy(path(QStringLiteral("draft.") + QLatin1String(ext)), file(ext)));
        const QByteArray newer = fileBytes(file(ext)), copy = fileBytes(path("A/采矿权申请登记书.txt"));
        dialogs_.clear();
        dialogs_.answer(MsgAnswer::Yes);
        openConfirmed(throughList ? path("A/VOREL.xck") : file(ext));
        ASSERT_EQ(dialogs_.messages().size(), 2) << ext;
        for (const char* name : {"申请人：新", "申请人：旧"}) EXPECT_TRUE(dialogs_.messages()[1].text.contains(name)) << ext;
        EXPECT_EQ(dialogs_.messages()[1].buttons, MsgButtons::YesNoRequired) << ext;
        EXPECT_EQ(applicant(), throughList ? "旧" : "新") << ext;
        EXPECT_EQ(state().KindFilePath[1], throughList ? path("A/采矿权申请登记书.txt") : file(ext)) << ext;
        EXPECT_EQ(fileBytes(file(ext)), newer) << ext;
        EXPECT_EQ(fileBytes(path("A/采矿权申请登记书.txt")), copy) << ext;
        EXPECT_TRUE(state().KindChanged[1]) << ext;
        EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE")) << ext;
        EXPECT_TRUE(fileBytes(workXmlPath(1)).contains("Local:\\\\营业执照1.png")) << ext;
        saveAgain(throughList ? "txt" : ext);
        EXPECT_FALSE(state().KindChanged[1]) << ext;
        EXPECT_TRUE(decodeGb18030(fileBytes(path("A/采矿权申请登记书.txt"))).contains(throughList ? "旧" : "新")) << ext;
        EXPECT_EQ(fileBytes(path("A/营业执照/营业执照1.png")), "PNG1") << ext;
        if (throughList) EXPECT_EQ(fileBytes(file(ext)), newer) << ext;
        closeEditor(1);
        fs::deleteDirTree(path("A"));
        QFile::remove(file(ext));
    }
}

// A save over the kind's file that another program changed since this one read or wrote it
// asks first; 否 leaves that file as it is and the form changed.
TEST_F(ReopenTest, ASaveAsksBeforeReplacingAChangeAnotherProgramMadeToTheFile) {
    struct Row {
        const char* name;
        bool fromOpen;                             // the file was opened, not saved, by this program
        std::function<void(EditorWindow*)> save;   // answers: the overwrite offer, then the question
        const char* offer;
    };
    const Row rows[] = {
        {"toolbar", false, [this](EditorWindow*) { main_->Toolbar_ButtonMenuClick("SAVETXT"); }, "是否覆盖当前文件内容?"},
        {"attachment window", true, [](EditorWindow* e) { SaveSubmission(e, 0); }, "是否覆盖当前文件内容？"},
    };
    for (const Row& row : rows) {
        open(1)->setText(ControlArray::ChTXT, 0, "甲");
        saveAs("SAVETXT", path("C.txt"));
        if (row.fromOpen) {
            closeEditor(1);
            openConfirmed(path("C.txt"));
        }
        const QByteArray foreign = fileBytes(path("C.txt")) + "\r\n";
        ASSERT_TRUE(writeBytes(path("C.txt"), foreign));
        EditorWindow* e = main_->editor(1);
        e->setText(ControlArray::ChTXT, 0, "乙");

        dialogs_.clear();
        dialogs_.answer(MsgAnswer::Yes).answer(MsgAnswer::No);
        row.save(e);
        EXPECT_EQ(dialogs_.messageTexts(), (QStringList{row.offer, "文件已被其他程序修改，是否覆盖？"})) << row.name;
        EXPECT_EQ(dialogs_.lastMessage().buttons, MsgButtons::YesNoDefaultNo) << row.name;
        EXPECT_EQ(fileBytes(path("C.txt")), foreign) << row.name;
        EXPECT_TRUE(state().KindChanged[1]) << row.name;

        dialogs_.clear();
        dialogs_.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
        row.save(e);
        EXPECT_TRUE(decodeGb18030(fileBytes(path("C.txt"))).contains("乙")) << row.name;
        EXPECT_FALSE(state().KindChanged[1]) << row.name;

        // What this program wrote itself is no foreign change.
        e->setText(ControlArray::ChTXT, 0, "丙");
        dialogs_.clear();
        dialogs_.answer(MsgAnswer::Yes);
        row.save(e);
        EXPECT_TRUE(dialogs_.scriptDone()) << row.name;
        EXPECT_TRUE(decodeGb18030(fileBytes(path("C.txt"))).contains("丙")) << row.name;
        closeEditor(1);
        dialogs_.clear();
        QFile::remove(path("C.txt"));
    }
}

// A new application saved over a file with a package: the old package's documents stay with the
// old application, and the file gets a package of the new application's own list.
TEST_F(ReopenTest, ANewApplicationSavedOverAFileWithAPackageTakesNoneOfItsDocuments) {
    using Row = std::pair<const char*, bool>;  // extension, the form saved as B.txt with a document of its own first
    for (const auto& [ext, otherFile] : {Row{"txt", false}, Row{"xml", false}, Row{"txt", true}}) {
        SCOPED_TRACE(std::string(ext) + (otherFile ? ", another file's list" : ", new form"));
        savePackage(ext, "甲");
        open(1)->setText(ControlArray::ChTXT, 0, otherFile ? "丙" : "乙");
        if (otherFile) {
            attachDocument(path("doc2.png"));
            saveAs("SAVETXT", path("B.txt"));
            main_->editor(1)->setText(ControlArray::ChTXT, 0, "乙");
        }
        dialogs_.clear();
        if (otherFile) dialogs_.answer(MsgAnswer::No);  // not over B.txt
        dialogs_.answer(MsgAnswer::Yes);
        saveAs(isXml(ext) ? "SAVEXML" : "SAVETXT", file(ext));
        EXPECT_EQ(dialogs_.messageTexts().mid(otherFile ? 1 : 0),
                  (QStringList{"文件已经存在,是否覆盖?\n原申请文件及其报盘包中的 1 份附件属于原申请，将一并被替换，不会转给新申请。",
                               "报盘文件保存成功..."}));
        EXPECT_FALSE(state().KindChanged[1]);
        EXPECT_EQ(fileBytes(path("A/营业执照/营业执照1.png")), otherFile ? "PNG2" : "");
        closeEditor(1);
        openConfirmed(file(ext));
        EXPECT_EQ(applicant(), "乙");
        EXPECT_EQ(fileBytes(workXmlPath(1)).contains("Local:\\\\营业执照1.png"), otherFile);
        closeEditor(1);
        dialogs_.clear();
        for (const char* f : {"A", "B"}) fs::deleteDirTree(path(f));
        for (const char* f : {"A.txt", "A.xml", "B.txt"}) QFile::remove(path(f));
    }
}
