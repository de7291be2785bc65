#include "attachment_fixture.h"
#include "platform/fs.h"
#include "platform/text_file.h"

using namespace mf;
using namespace mf::test;

namespace {

class PackageBuildTest : public AttachmentTest {
protected:
    void SetUp() override {
        AttachmentTest::SetUp();
        ASSERT_TRUE(putBytes(path("s/lic.jpg"), "JPEG"));
        ASSERT_TRUE(putBytes(path("s/lic.png"), "PNG"));
        ASSERT_TRUE(putBytes(path("a/x.txt"), "application"));
    }
    // The working list with the first entry's document chosen, counted as the window does.
    void attach(const QString& url1, const QString& url2 = QString()) {
        useList(twoMaterialList(url1, url2));
        RecountElectronicFiles("A1");
    }
    QString F() const { return path("a/x/"); }
};

} // namespace

TEST_F(PackageBuildTest, AFirstPackageHoldsTheCopyTheListTheDocumentAndTheMaterialList) {
    attach(path("s/lic.jpg"));
    const PackageReport r = BuildPackage(QString(), path("a/x.txt"));
    EXPECT_EQ(r.outcome, PackageReport::Outcome::Built);
    EXPECT_TRUE(r.notCopied.isEmpty());
    EXPECT_EQ(readBytes(F() + "采矿权申请登记书.txt"), "application");
    EXPECT_EQ(readBytes(F() + "营业执照/营业执照1.jpg"), "JPEG");
    EXPECT_EQ(entryField(F() + "VOREL.xck", "A1", "1", ".//fileUrl"), "Local:\\\\营业执照1.jpg");
    // The working copy keeps the chosen path.
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "1", ".//fileUrl"), path("s/lic.jpg"));
    // Material list: GB18030 (GBK-identical here), CR LF, numbered "1、".
    EXPECT_EQ(readBytes(F() + "材料清单.txt"), encodeGb18030("上报材料清单：\r\n1、营业执照1.jpg\r\n"));
    EXPECT_FALSE(QFileInfo::exists(F() + "其他材料"));
    EXPECT_EQ(PackageFolder, F());
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(PackageBuildTest, ARebuildReplacesAChangedDocumentAndDropsClearedOnes) {
    attach(path("s/lic.jpg"), path("s/lic.png"));
    BuildPackage(QString(), path("a/x.txt"));
    EXPECT_TRUE(QFileInfo::exists(F() + "营业执照/营业执照2.png"));
    attach(path("s/lic.png"));
    BuildPackage(path("a/x.txt"), path("a/x.txt"));
    EXPECT_FALSE(QFileInfo::exists(F() + "营业执照/营业执照1.jpg"));
    EXPECT_EQ(readBytes(F() + "营业执照/营业执照1.png"), "PNG");
    EXPECT_FALSE(QFileInfo::exists(F() + "营业执照/营业执照2.png"));  // its entry lost its path
    EXPECT_EQ(readBytes(F() + "材料清单.txt"), encodeGb18030("上报材料清单：\r\n1、营业执照1.png\r\n"));
}

TEST_F(PackageBuildTest, WithoutDocumentsOrWithoutAListThePackageGoes) {
    attach(path("s/lic.jpg"));
    BuildPackage(QString(), path("a/x.txt"));
    ASSERT_TRUE(QFileInfo::exists(F() + "VOREL.xck"));
    attach(QString());
    EXPECT_EQ(BuildPackage(path("a/x.txt"), path("a/x.txt")).outcome, PackageReport::Outcome::Removed);
    EXPECT_FALSE(QFileInfo::exists(F()));
    EXPECT_TRUE(QFileInfo::exists(path("a/x.txt")));

    attach(path("s/lic.jpg"));
    BuildPackage(QString(), path("a/x.txt"));
    QFile::remove(workXmlPath(1));
    BuildPackage(path("a/x.txt"), path("a/x.txt"));
    EXPECT_FALSE(QFileInfo::exists(F()));
    EXPECT_EQ(PackageFolder, F());  // a removal keeps the last folder built
}

TEST_F(PackageBuildTest, AFolderOfThatNameThatIsNoPackageIsNeitherFilledNorDeleted) {
    ASSERT_TRUE(putBytes(F() + "mine.doc", "user's own"));
    attach(QString());
    EXPECT_EQ(BuildPackage(QString(), path("a/x.txt")).outcome, PackageReport::Outcome::Removed);
    EXPECT_EQ(readBytes(F() + "mine.doc"), "user's own");
    attach(path("s/lic.jpg"));
    const PackageReport r = BuildPackage(QString(), path("a/x.txt"));
    EXPECT_EQ(r.outcome, PackageReport::Outcome::FolderClash);
    EXPECT_FALSE(QFileInfo::exists(F() + "VOREL.xck"));
    EXPECT_EQ(QDir(F()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"mine.doc"});
    reportPackage(r);
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"已存在同名文件夹，未生成报盘附件包。"});
    EXPECT_EQ(dialogs_.lastMessage().title, "提示");
}

TEST_F(PackageBuildTest, ADocumentThatCannotBeCopiedKeepsItsPathAndIsReported) {
    attach(path("s/gone.jpg"), path("s/lic.png"));
    const PackageReport r = BuildPackage(QString(), path("a/x.txt"));
    EXPECT_EQ(r.outcome, PackageReport::Outcome::Built);
    EXPECT_EQ(r.notCopied, QStringList{"gone.jpg"});
    EXPECT_EQ(entryField(F() + "VOREL.xck", "A1", "1", ".//fileUrl"), path("s/gone.jpg"));
    EXPECT_EQ(readBytes(F() + "材料清单.txt"), encodeGb18030("上报材料清单：\r\n1、营业执照2.png\r\n"));
    reportPackage(r);
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"以下附件未能复制到报盘文件夹：\ngone.jpg"});
}

// The application copy and the list that a package could not take are named like documents
// that were not packaged: the save counts, and the user knows the package is stale.
TEST_F(PackageBuildTest, APackageFileThatCannotBeWrittenIsReported) {
    attach(path("s/lic.jpg"));
    ASSERT_EQ(BuildPackage(QString(), path("a/x.txt")).outcome, PackageReport::Outcome::Built);
    // Something that is no file now stands where the copy and the material list go.
    for (const char* name : {"采矿权申请登记书.txt", "材料清单.txt"}) {
        ASSERT_TRUE(QFile::remove(F() + QString::fromUtf8(name)));
        ASSERT_TRUE(QDir().mkpath(F() + QString::fromUtf8(name) + "/x"));
    }
    const PackageReport r = BuildPackage(path("a/x.txt"), path("a/x.txt"));
    EXPECT_EQ(r.outcome, PackageReport::Outcome::Built);
    EXPECT_EQ(r.notCopied, (QStringList{"采矿权申请登记书.txt", "材料清单.txt"}));
    reportPackage(r);
    EXPECT_EQ(dialogs_.messageTexts(),
              QStringList{"以下附件未能复制到报盘文件夹：\n采矿权申请登记书.txt\n材料清单.txt"});
}

TEST_F(PackageBuildTest, AnOpenedPackageSavedElsewhereTakesItsDocumentsAlong) {
    attach(path("s/lic.jpg"));
    BuildPackage(QString(), path("a/x.txt"));
    // As after opening a/x: the package list is the working list, its documents in a/x.
    useList(readBytes(F() + "VOREL.xck"));
    KindPackageSource(1) = F();
    ASSERT_TRUE(putBytes(path("b/y.txt"), "second"));
    EXPECT_TRUE(BuildPackage(path("a/x.txt"), path("b/y.txt")).notCopied.isEmpty());
    EXPECT_EQ(readBytes(path("b/y/营业执照/营业执照1.jpg")), "JPEG");
    EXPECT_EQ(readBytes(path("b/y/采矿权申请登记书.txt")), "second");
    EXPECT_EQ(entryField(path("b/y/VOREL.xck"), "A1", "1", ".//fileUrl"), "Local:\\\\营业执照1.jpg");
    // Back to the same path: the documents are in place and stay untouched.
    EXPECT_TRUE(BuildPackage(path("b/y.txt"), path("b/y.txt")).notCopied.isEmpty());
    EXPECT_EQ(readBytes(path("b/y/营业执照/营业执照1.jpg")), "JPEG");
    // Without the opened folder known, the previous file's package is the source.
    KindPackageSource(1).clear();
    ASSERT_TRUE(putBytes(path("c/z.txt"), "third"));
    EXPECT_TRUE(BuildPackage(path("a/x.txt"), path("c/z.txt")).notCopied.isEmpty());
    EXPECT_EQ(readBytes(path("c/z/营业执照/营业执照1.jpg")), "JPEG");
}

TEST_F(PackageBuildTest, ADocumentAListStillReferencesIsNeverOverwritten) {
    // Entry 1 refers to the packaged 营业执照2.jpg; entry 2 would be copied onto it.
    ASSERT_TRUE(putBytes(F() + "VOREL.xck", "<offer/>"));
    ASSERT_TRUE(putBytes(F() + "营业执照/营业执照2.jpg", "ONLY COPY"));
    KindPackageSource(1) = F();
    attach("Local:\\\\营业执照2.jpg", path("s/lic.jpg"));
    const PackageReport r = BuildPackage(path("a/x.txt"), path("a/x.txt"));
    EXPECT_EQ(readBytes(F() + "营业执照/营业执照2.jpg"), "ONLY COPY");
    EXPECT_EQ(r.notCopied, QStringList{"lic.jpg"});
}

TEST_F(PackageBuildTest, NamesFromTheListNeverReachOutsideThePackage) {
    ASSERT_TRUE(putBytes(path("a/keep.txt"), "keep"));
    ASSERT_TRUE(putBytes(path("a/营业执照1.jpg"), "outside"));
    for (const char* fjmc : {"..", "", "a/b", "."}) {
        QByteArray list = twoMaterialList(path("s/lic.jpg"), {}, "1");
        list.replace("<fjmc>营业执照</fjmc>", QByteArray("<fjmc>") + fjmc + "</fjmc>");
        useList(list);
        const PackageReport r = BuildPackage(QString(), path("a/x.txt"));
        EXPECT_EQ(r.notCopied, QStringList{"lic.jpg"}) << fjmc;
        EXPECT_EQ(readBytes(path("a/keep.txt")), "keep");
        EXPECT_EQ(readBytes(path("a/营业执照1.jpg")), "outside");
        EXPECT_TRUE(QFileInfo::exists(F() + "VOREL.xck"));
    }
    QByteArray list = twoMaterialList(path("s/lic.jpg"), {}, "1");
    list.replace("<fileName title=\"文件标准文件名\">营业执照1</fileName>", "<fileName>../../evil</fileName>");
    useList(list);
    EXPECT_EQ(BuildPackage(QString(), path("a/x.txt")).notCopied, QStringList{"lic.jpg"});
    EXPECT_FALSE(QFileInfo::exists(path("evil.jpg")));
}

TEST_F(PackageBuildTest, AnXmlSaveGetsATextCopyAndASaveIntoThePackageDoesNotNest) {
    attach(path("s/lic.jpg"));
    ASSERT_TRUE(putBytes(path("a/x.xml"), "<xml/>"));
    QString written;
    BuildPackage(QString(), path("a/x.xml"), [&](const QString& p) {
        written = p;
        return putBytes(p, "text rendering");
    });
    EXPECT_EQ(written, F() + "采矿权申请登记书.txt");
    EXPECT_EQ(readBytes(written), "text rendering");

    // The package's own text copy saved again builds into its own folder.
    const PackageReport r = BuildPackage(written, written);
    EXPECT_EQ(r.folder, F());
    EXPECT_FALSE(QFileInfo::exists(F() + "采矿权申请登记书"));
    EXPECT_EQ(readBytes(written), "text rendering");  // never copied onto itself

    // No extension: nothing is built or removed.
    EXPECT_EQ(BuildPackage(QString(), path("a/noext")).outcome, PackageReport::Outcome::Nothing);
}
