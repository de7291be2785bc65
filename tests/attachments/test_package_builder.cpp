#include "attachment_fixture.h"
#include "attachments/package_files.h"
#include "attachments/package_reader.h"
#include "attachments/package_zip.h"
#include "platform/atomic_file.h"
#include "platform/fs.h"
#include "platform/text_file.h"

#include <QDirIterator>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

using namespace mf;
using namespace mf::test;

namespace {

// Every entry below a folder, "name" or "name/" for a folder, with the bytes of each file.
QStringList tree(const QString& dir) {
    QStringList out;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        const QFileInfo info(p);
        const QString rel = QDir(dir).relativeFilePath(p);
        out << (info.isSymLink() ? rel + " -> " + info.symLinkTarget()
                : info.isDir()   ? rel + "/"
                                 : rel + "=" + QString::fromUtf8(readBytes(p)));
    }
    out.sort();
    return out;
}

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

TEST_F(PackageBuildTest, WithoutDocumentsThePackageGoes) {
    attach(path("s/lic.jpg"));
    BuildPackage(QString(), path("a/x.txt"));
    ASSERT_TRUE(QFileInfo::exists(F() + "VOREL.xck"));
    attach(QString());
    EXPECT_EQ(BuildPackage(path("a/x.txt"), path("a/x.txt")).outcome, PackageReport::Outcome::Removed);
    EXPECT_FALSE(QFileInfo::exists(F()));
    EXPECT_TRUE(QFileInfo::exists(path("a/x.txt")));

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
    // The handed-in list names no path of the applicant's computer, and counts what it holds.
    EXPECT_EQ(entryField(F() + "VOREL.xck", "A1", "1", ".//fileUrl"), "");
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "1", ".//fileUrl"), path("s/gone.jpg"));
    EXPECT_EQ(readBytes(F() + "材料清单.txt"), encodeGb18030("上报材料清单：\r\n1、营业执照2.png\r\n"));
    reportPackage(r, "报盘文件保存成功...");  // no success first
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"报盘文件已保存，但报盘附件包缺少附件。\n以下附件未能复制到报盘文件夹：\ngone.jpg\n"
                                                   "可在申报材料管理中点“...”重新选择文件，或点“清除附件”去掉该附件，然后再保存。"});
}

// A package that cannot be written completely (here: a file-size limit) is not put in place:
// the old package stays byte for byte, no build folder is left, and the user is told.
TEST_F(PackageBuildTest, APackageThatCannotBeWrittenLeavesTheOldOneWhole) {
    attach(path("s/lic.jpg"));
    ASSERT_EQ(BuildPackage(QString(), path("a/x.txt")).outcome, PackageReport::Outcome::Built);
    const QStringList before = tree(F());
    ASSERT_TRUE(putBytes(path("s/big.png"), QByteArray(256 * 1024, 'B')));
    attach(path("s/big.png"));
    PackageReport r;
    {
        FileSizeLimit limit(64 * 1024);
        r = BuildPackage(path("a/x.txt"), path("a/x.txt"));
    }
    EXPECT_EQ(r.outcome, PackageReport::Outcome::Failed);
    EXPECT_EQ(tree(F()), before);
    EXPECT_EQ(readBytes(F() + "营业执照/营业执照1.jpg"), "JPEG");
    EXPECT_EQ(QDir(path("a")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"x", "x.txt"}));
    reportPackage(r);
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_TRUE(dialogs_.lastMessage().text.startsWith("报盘文件已保存，但报盘附件包未能更新，原报盘文件夹保持不变：\n"));
    EXPECT_EQ(dialogs_.lastMessage().title, "错误");
    // The file is named where it belongs in the package, not in the vanished build folder.
    EXPECT_TRUE(r.error.startsWith(F() + "营业执照/")) << r.error.toStdString();
    EXPECT_TRUE(r.error.endsWith("：文件超过了允许的大小")) << r.error.toStdString();
}

// An old package the user may not change (copied from a CD) cannot be removed after the new
// one is in place: the user is told which hidden folder stayed and why, and later saves work.
TEST_F(PackageBuildTest, AnOldPackageThatCannotBeRemovedIsNamedAndDoesNotStopLaterSaves) {
    if (runningAsRoot()) GTEST_SKIP() << "root may remove anything";
    for (const char* readOnly : {"", "营业执照"}) {
        SCOPED_TRACE(readOnly);
        attach(path("s/lic.jpg"));
        ASSERT_EQ(BuildPackage(QString(), path("a/x.txt")).outcome, PackageReport::Outcome::Built);
        ASSERT_EQ(::chmod(QFile::encodeName(F() + readOnly).constData(), 0555), 0);
        attach(path("s/lic.png"));
        for (int save = 0; save < 2; ++save) {
            dialogs_.clear();
            const PackageReport r = BuildPackage(path("a/x.txt"), path("a/x.txt"));
            EXPECT_EQ(r.outcome, PackageReport::Outcome::Built);
            EXPECT_EQ(readBytes(F() + "营业执照/营业执照1.png"), "PNG");
            EXPECT_FALSE(QFileInfo::exists(F() + "营业执照/营业执照1.jpg"));
            const QStringList hidden = QDir(path("a")).entryList({".x.ready-*"}, QDir::AllEntries | QDir::Hidden);
            ASSERT_EQ(hidden.size(), 1);
            const QString old = path("a/") + hidden[0];
            EXPECT_EQ(r.leftOver, QStringList{old + "：没有写入权限"});
            reportPackage(r);
            EXPECT_EQ(dialogs_.messageTexts(), QStringList{"旧的报盘文件夹未能删除，请手工删除：\n" + old + "：没有写入权限"});
        }
        const QString old = path("a/") + QDir(path("a")).entryList({".x.ready-*"}, QDir::AllEntries | QDir::Hidden)[0];
        ::chmod(QFile::encodeName(old + "/" + readOnly).constData(), 0755);
        ASSERT_TRUE(fs::deleteDirTree(old));
        ASSERT_TRUE(fs::deleteDirTree(F()));
    }
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
    // Entry 1 refers to the packaged 营业执照2.jpg; entry 2 takes that name for a new file.
    attach(path("s/lic.png"), path("s/lic.jpg"));
    ASSERT_EQ(BuildPackage(QString(), path("a/x.txt")).outcome, PackageReport::Outcome::Built);
    ASSERT_TRUE(QFile::remove(F() + "营业执照/营业执照2.jpg"));
    ASSERT_TRUE(putBytes(F() + "营业执照/营业执照2.jpg", "ONLY COPY"));
    KindPackageSource(1) = F();
    attach("Local:\\\\营业执照2.jpg", path("s/lic.jpg"));
    const PackageReport r = BuildPackage(path("a/x.txt"), path("a/x.txt"));
    EXPECT_TRUE(r.notCopied.isEmpty());
    EXPECT_EQ(readBytes(F() + "营业执照/营业执照1.jpg"), "ONLY COPY");
    EXPECT_EQ(readBytes(F() + "营业执照/营业执照2.jpg"), "JPEG");
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
    BuildPackage(QString(), path("a/x.xml"), [&](const QString& p, QString*) {
        written = p;
        return putBytes(p, "text rendering");
    });
    EXPECT_EQ(QFileInfo(written).fileName(), "采矿权申请登记书.txt");
    written = F() + "采矿权申请登记书.txt";
    EXPECT_EQ(readBytes(written), "text rendering");

    // The package's own text copy saved again builds into its own folder.
    const PackageReport r = BuildPackage(written, written);
    EXPECT_EQ(r.folder, F());
    EXPECT_FALSE(QFileInfo::exists(F() + "采矿权申请登记书"));
    EXPECT_EQ(readBytes(written), "text rendering");  // never copied onto itself

    // No extension: nothing is built or removed.
    EXPECT_EQ(BuildPackage(QString(), path("a/noext")).outcome, PackageReport::Outcome::Nothing);
}

// What the user put into a package folder survives every save and is named to her; only
// the program's own files are replaced or removed. Without a readable working list nothing
// in the package is touched.
TEST_F(PackageBuildTest, ATextCopyThatCannotBeWrittenSaysWhy) {
    attach(path("s/lic.jpg"));
    ASSERT_TRUE(putBytes(path("a/x.xml"), "<xml/>"));
    PackageReport r;
    {
        FileSizeLimit limit(64 * 1024);
        r = BuildPackage(QString(), path("a/x.xml"), [](const QString& p, QString* why) {
            return writeFileAtomic(p, QByteArray(128 * 1024, 't'), why);
        });
    }
    EXPECT_EQ(r.outcome, PackageReport::Outcome::Failed);
    EXPECT_TRUE(r.error.endsWith("采矿权申请登记书.txt：文件超过了允许的大小")) << r.error.toStdString();
    EXPECT_EQ(QDir(path("a")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"x.txt", "x.xml"}));
}

TEST_F(PackageBuildTest, ASaveReplacesOrRemovesOnlyWhatTheProgramWrote) {
    using O = PackageReport::Outcome;
    const QString kept = "报盘文件夹中保留了以下非本程序生成的文件：\nmine.doc\n材料清单.TXT\n营业执照/备注.txt\n营业执照/营业执照1.JPG";
    const QString lost = "附件清单丢失，未更新报盘附件包。";
    struct Case {
        const char* change;
        O outcome;
        bool packageStays;
        QString message;
    };
    const Case cases[] = {
        {"no documents", O::Removed, false, kept},
        {"new document", O::Built, true, kept},
        {"list gone", O::ListMissing, true, lost},
        {"list malformed", O::ListMissing, true, lost},
    };
    for (const Case& c : cases) {
        const std::string what = c.change;
        attach(path("s/lic.jpg"));
        ASSERT_EQ(BuildPackage(QString(), path("a/x.txt")).outcome, O::Built);
        ASSERT_TRUE(putBytes(F() + "mine.doc", "user's own"));
        ASSERT_TRUE(putBytes(F() + "营业执照/备注.txt", "note"));
        // Names that differ from the package's only in case are the user's.
        ASSERT_TRUE(putBytes(F() + "营业执照/营业执照1.JPG", "user's scan") && putBytes(F() + "材料清单.TXT", "user's list"));
        const QStringList before = tree(F());
        if (what == "no documents") attach(QString());
        if (what == "new document") attach(path("s/lic.png"));
        if (what == "list gone") QFile::remove(workXmlPath(1));
        if (what == "list malformed") useList("<offer><attachments>");
        dialogs_.clear();
        const PackageReport r = BuildPackage(path("a/x.txt"), path("a/x.txt"));
        EXPECT_EQ(r.outcome, c.outcome) << what;
        EXPECT_EQ(readBytes(F() + "mine.doc"), "user's own") << what;
        EXPECT_EQ(readBytes(F() + "营业执照/备注.txt"), "note") << what;
        EXPECT_EQ(QFileInfo::exists(F() + "VOREL.xck"), c.packageStays) << what;
        if (what == "no documents")
            EXPECT_EQ(tree(F()), (QStringList{"mine.doc=user's own", "材料清单.TXT=user's list", "营业执照/",
                                              "营业执照/备注.txt=note", "营业执照/营业执照1.JPG=user's scan"}));
        if (what == "new document") {
            EXPECT_EQ(readBytes(F() + "营业执照/营业执照1.png"), "PNG");
            EXPECT_EQ(readBytes(F() + "营业执照/营业执照1.JPG"), "user's scan");
            EXPECT_EQ(readBytes(F() + "材料清单.TXT"), "user's list");
            QStringList others;   // only the package's own entries go into the zip
            EXPECT_EQ(packageFiles(F(), 1, &others), (QStringList{"VOREL.xck", "材料清单.txt", "营业执照/营业执照1.png",
                                                                  "采矿权申请登记书.txt"}));
            EXPECT_EQ(others, (QStringList{"mine.doc", "材料清单.TXT", "营业执照/备注.txt", "营业执照/营业执照1.JPG"}));
        }
        if (c.outcome == O::ListMissing) EXPECT_EQ(tree(F()), before) << what;
        reportPackage(r);
        EXPECT_EQ(dialogs_.messageTexts(), QStringList{c.message}) << what;
        // No build folder is left beside the package.
        EXPECT_EQ(QDir(path("a")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  (QStringList{"x", "x.txt"})) << what;
        QDir(F()).removeRecursively();
    }
}

// A folder of the user's that merely holds a list (an unzipped package in her downloads)
// is no package of a file saved into it: nothing of it is deleted or replaced.
TEST_F(PackageBuildTest, AFolderHoldingAListIsNoPackageOfAFileSavedIntoIt) {
    const QString D = path("Downloads/");
    struct Case {
        int kind;
        bool documents;
    };
    for (const Case c : {Case{3, false}, Case{3, true}, Case{1, false}}) {
        QDir(D).removeRecursively();
        ASSERT_TRUE(putBytes(D + "VOREL.xck", twoMaterialList("Local:\\\\营业执照1.jpg", {}, "1")));
        ASSERT_TRUE(putBytes(D + "采矿权申请登记书.txt", "someone's application"));
        ASSERT_TRUE(putBytes(D + "营业执照/营业执照1.jpg", "their licence"));
        ASSERT_TRUE(putBytes(D + "report.pdf", "unrelated"));
        QStringList before = tree(D);
        state().CurrentKind = c.kind;
        const QString saved = D + KindTextFileName(c.kind);
        ASSERT_TRUE(putBytes(saved, "saved now"));
        attach(c.documents ? path("s/lic.jpg") : QString());
        BuildPackage(QString(), saved);
        // Only the saved file itself and its own package folder beside it are new.
        const QString stem = QFileInfo(saved).completeBaseName();
        QStringList now = tree(D);
        now.removeIf([&](const QString& e) { return e.startsWith(stem + "/") || e.startsWith(stem + ".txt"); });
        before.removeIf([&](const QString& e) { return e.startsWith(stem + ".txt"); });
        EXPECT_EQ(now, before) << c.kind;
        EXPECT_EQ(readBytes(saved), "saved now");
        EXPECT_EQ(QFileInfo::exists(D + stem + "/VOREL.xck"), c.documents);
    }
}

// No link inside a package is followed: opening treats a linked list, material folder or
// document as missing; a save neither writes through a link nor copies what it points to.
TEST_F(PackageBuildTest, LinksInsideAPackageAreNeverFollowed) {
    using O = PackageReport::Outcome;
    struct Case {
        const char* link;    // entry of the package replaced by a link
        const char* target;  // relative to the folder t/, or inside the package
        O outcome;
        bool documentMissing;
    };
    const Case cases[] = {
        {"VOREL.xck", "t/list.xck", O::FolderClash, false},
        {"采矿权申请登记书.txt", "t/copy.txt", O::FolderClash, false},
        {"材料清单.txt", "t/清单.txt", O::Built, false},
        {"营业执照", "t/dir", O::Built, true},
        {"营业执照/营业执照1.jpg", "t/doc.jpg", O::Built, true},
        {"营业执照/营业执照1.jpg", "a/x/采矿权申请登记书.txt", O::Built, true},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.link) + " -> " + c.target;
        QDir(F()).removeRecursively();
        QDir(path("t")).removeRecursively();
        attach(path("s/lic.jpg"));
        ASSERT_EQ(BuildPackage(QString(), path("a/x.txt")).outcome, O::Built);
        const QByteArray packageList = readBytes(F() + "VOREL.xck");
        for (const char* t : {"t/list.xck", "t/copy.txt", "t/清单.txt", "t/doc.jpg", "t/dir/营业执照1.jpg"})
            ASSERT_TRUE(putBytes(path(t), t == QByteArray("t/list.xck") ? packageList : QByteArray("SECRET")));
        const QStringList targets = tree(path("t")) + QStringList{QString::fromUtf8(readBytes(F() + "采矿权申请登记书.txt"))};
        QDir(F() + c.link).removeRecursively();
        QFile::remove(F() + c.link);
        ASSERT_TRUE(QFile::link(path(c.target), F() + c.link)) << what;

        QByteArray resolved;
        bool loaded = false;
        ResolvePackageXml(F() + "VOREL.xck", &resolved, &loaded);
        EXPECT_EQ(loaded, QByteArray(c.link) != "VOREL.xck") << what;
        const bool reported = dialogs_.messageTexts().contains("附件：营业执照1.jpg 不存在。请重新选择！");
        EXPECT_EQ(reported, c.documentMissing) << what;
        dialogs_.clear();

        useList(packageList);
        KindPackageSource(1) = F();
        const PackageReport r = BuildPackage(path("a/x.txt"), path("a/x.txt"));
        EXPECT_EQ(r.outcome, c.outcome) << what;
        EXPECT_EQ(r.notCopied, c.documentMissing ? QStringList{"营业执照1.jpg"} : QStringList{}) << what;
        EXPECT_EQ(tree(path("t")) + QStringList{QString::fromUtf8(readBytes(path("a/x.txt")))}, targets) << what;
        if (c.outcome == O::Built) {
            for (const QString& e : tree(F())) EXPECT_FALSE(e.contains("SECRET") || e.contains(" -> ")) << what;
        }
    }
}

// Deleting, renumbering and adding documents of an opened package keep the package, its
// list and its material list in step: a deleted document is gone, a new one is copied,
// every name follows its entry, the count is what the package holds.
TEST_F(PackageBuildTest, DeletingRenumberingAndAddingKeepThePackageConsistent) {
    for (const char* f : {"a", "b", "c", "新图"}) ASSERT_TRUE(putBytes(path(QString("s/") + f + ".png"), f));
    useList(twoMaterialList());
    for (const char* f : {"a", "b", "c"}) {
        const QString n = QString::number(QString("abc").indexOf(f) + 1);
        AppendFileEntry("A9", n, "其他新增材料" + n, "其他新增材料" + n);
        SetFileUrl("A9", n, path(QString("s/") + f + ".png"));
    }
    RecountElectronicFiles("A9");
    ASSERT_EQ(BuildPackage(QString(), path("a/x.txt")).outcome, PackageReport::Outcome::Built);

    // Opened again: the package's list is the working list. Delete the first, add a new one.
    ResolvePackageXml(F() + "VOREL.xck");
    useList(readBytes(F() + "VOREL.xck"));
    KindPackageSource(1) = F();
    RemoveFileEntry("A9", "1");
    AppendFileEntry("A9", "3", "其他新增材料3", "其他新增材料3");
    SetFileUrl("A9", "3", path("s/新图.png"));
    RecountElectronicFiles("A9");
    for (int round = 0; round < 2; ++round) {  // and once more, unchanged
        const PackageReport r = BuildPackage(path("a/x.txt"), path("a/x.txt"));
        EXPECT_TRUE(r.notCopied.isEmpty()) << r.notCopied.join(',').toStdString();
        EXPECT_EQ(tree(F() + "其他材料"),
                  (QStringList{"其他新增材料1.png=b", "其他新增材料2.png=c", "其他新增材料3.png=新图"}));
        EXPECT_EQ(entryField(F() + "VOREL.xck", "A9", "2", ".//fileUrl"), "Local:\\\\其他新增材料2.png");
        ListDocument list;
        ASSERT_TRUE(list.load(F() + "VOREL.xck"));
        EXPECT_EQ(nodeText(findMaterial(list, "A9"), ".//dzjs"), "3");
        EXPECT_EQ(readBytes(F() + "材料清单.txt"),
                  encodeGb18030("上报材料清单：\r\n1、其他新增材料1.png\r\n2、其他新增材料2.png\r\n3、其他新增材料3.png\r\n"));
    }
}

// Two materials of the same name in a received list get names of their own with the next
// save, reported once; both keep their documents and nothing is deleted.
TEST_F(PackageBuildTest, DuplicateMaterialNamesAreMadeUniqueAndDeleteNothing) {
    QByteArray list = twoMaterialList("Local:\\\\营业执照1.jpg", {}, "1");
    list.replace("<fjmc>其他材料</fjmc><dzjs>0</dzjs><fjms>其他</fjms><fileList/>",
                 "<fjmc>营业执照</fjmc><dzjs>1</dzjs><fjms/><fileList><file><fileXh>1</fileXh>"
                 "<fileName>营业执照1</fileName><fileTitle>t</fileTitle><fileUrl>Local:\\\\营业执照1.jpg</fileUrl>"
                 "</file></fileList>");
    ASSERT_TRUE(putBytes(path("p/VOREL.xck"), list));
    ASSERT_TRUE(putBytes(path("p/采矿权申请登记书.txt"), "application"));
    ASSERT_TRUE(putBytes(path("p/营业执照/营业执照1.jpg"), "ONLY COPY"));
    QByteArray resolved;
    ResolvePackageXml(path("p/VOREL.xck"), &resolved);
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    useList(resolved);
    KindPackageSource(1) = path("p/");
    const PackageReport r = BuildPackage(path("p.txt"), path("a/x.txt"));
    EXPECT_TRUE(r.notCopied.isEmpty());
    reportPackage(r);
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"附件清单中有重名的材料，已改名为：\n营业执照（2）"});
    EXPECT_EQ(readBytes(path("p/营业执照/营业执照1.jpg")), "ONLY COPY");
    EXPECT_EQ(readBytes(F() + "营业执照/营业执照1.jpg"), "ONLY COPY");
    EXPECT_EQ(readBytes(F() + "营业执照（2）/营业执照1.jpg"), "ONLY COPY");
    ListDocument work;
    ASSERT_TRUE(work.load(workXmlPath(1)));
    EXPECT_EQ(nodeText(findMaterial(work, "A9"), ".//fjmc"), "营业执照（2）");
    // The next save finds both where the last one put them.
    dialogs_.clear();
    EXPECT_TRUE(BuildPackage(path("a/x.txt"), path("a/x.txt")).notCopied.isEmpty());
    EXPECT_EQ(readBytes(F() + "营业执照（2）/营业执照1.jpg"), "ONLY COPY");
}

namespace {

ino_t inode(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

unsigned modeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

// A save reuses the documents that did not change since the package was built (the old
// package's file, linked), copies the changed ones, and the old package goes as before.
// Unchanged means the same bytes, also at the same size and time, with or without the kept
// digests, and for a large document digested side by side or (no thread) in order. A source
// gone since keeps the package's copy, which the message names and the zip takes.
TEST_F(PackageBuildTest, UnchangedDocumentsAreLinkedFromTheOldPackageChangedOnesCopied) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, {time(nullptr) - 3600, 0}};  // long settled when packaged
    const auto setTime = [&](const QString& file) { ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0); };
    for (const auto& [digestsKept, large] : {std::pair{true, false}, {false, false}, {true, true}, {false, true}}) {
        const QByteArray filler(large ? 2'500'000 : 0, 'F');
        failSyncThreadStartsForTesting(large && digestsKept);
        for (const std::string change : {"touch -r", "another file chosen", "edited in place", "none", "source deleted"}) {
            const std::string what = change + (digestsKept ? "" : ", digests lost") + (large ? ", large" : "");
            ASSERT_TRUE(putBytes(path("s/a.jpg"), filler + "AAAA") && putBytes(path("s/b.jpg"), filler + "BBBB"));
            setTime(path("s/a.jpg")), setTime(path("s/b.jpg"));
            attach(path("s/a.jpg"), path("s/b.jpg"));
            ASSERT_EQ(BuildPackage(QString(), path("a/x.txt")).outcome, PackageReport::Outcome::Built);
            const ino_t a = inode(F() + "营业执照/营业执照1.jpg"), b = inode(F() + "营业执照/营业执照2.jpg");
            const QString second = path(change == "another file chosen" ? "s/c.jpg" : "s/b.jpg");
            if (change == "touch -r" || change == "another file chosen") ASSERT_TRUE(putBytes(second, filler + "CCCC"));
            if (QFile edited(second); change == "edited in place") ASSERT_TRUE(edited.open(QIODevice::ReadWrite) && edited.write("b") == 1 && edited.flush());
            setTime(second);
            if (!digestsKept) QFile::remove(state().KindTempDir[1] + "package-digests");
            const QByteArray expected = readBytes(second);
            const bool gone = change == "source deleted" && QFile::remove(second);
            attach(path("s/a.jpg"), second);
            PackageReport r;
            for (int save = 0; save < 2; ++save) {   // the second compares with what the first put in
                r = BuildPackage(path("a/x.txt"), path("a/x.txt"));
                ASSERT_EQ(r.outcome, PackageReport::Outcome::Built) << what;
                EXPECT_EQ(inode(F() + "营业执照/营业执照1.jpg"), a) << what;
                EXPECT_EQ(readBytes(F() + "营业执照/营业执照2.jpg"), expected) << what;
                EXPECT_EQ(r.keptCopies, gone ? QStringList{"营业执照2.jpg（原文件：" + second + "）"} : QStringList{}) << what;
            }
            EXPECT_EQ(inode(F() + "营业执照/营业执照2.jpg") == b, change == "none" || gone) << what;
            EXPECT_TRUE(packageFiles(F(), 1).contains("营业执照/营业执照2.jpg")) << what;
            dialogs_.clear();
            reportPackage(r, "报盘文件保存成功...");
            const QString kept = "\n\n以下附件的原文件已不存在或无法读取，已保留报盘文件夹中原有的附件：\n营业执照2.jpg（原文件：" +
                                 second + "）\n可在申报材料管理中点“...”重新选择文件，或点“清除附件”去掉该附件。";
            EXPECT_EQ(dialogs_.messageTexts(), QStringList{"报盘文件保存成功..." + (gone ? kept : QString())}) << what;
            EXPECT_EQ(QDir(path("a")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), (QStringList{"x", "x.txt"})) << what;
            QDir(F()).removeRecursively();
        }
    }
    failSyncThreadStartsForTesting(false);
}

// A machine that cannot start another thread still saves the package.
TEST_F(PackageBuildTest, APackageIsBuiltWhenNoSyncThreadCanStart) {
    attach(path("s/lic.jpg"), path("s/lic.png"));
    failSyncThreadStartsForTesting(true);
    const PackageReport r = BuildPackage(QString(), path("a/x.txt"));
    failSyncThreadStartsForTesting(false);
    EXPECT_EQ(r.outcome, PackageReport::Outcome::Built);
    EXPECT_EQ(readBytes(F() + "营业执照/营业执照2.png"), "PNG");
}

// Folders, files and the zip take the modes the user's umask gives every new file.
TEST_F(PackageBuildTest, PackageAndZipFollowTheUmask) {
    attach(path("s/lic.jpg"));
    for (const mode_t mask : {mode_t(022), mode_t(077)}) {
        SCOPED_TRACE(mask);
        fs::deleteDirTree(F());
        const mode_t before = ::umask(mask);
        const bool built = BuildPackage(QString(), path("a/x.txt")).outcome == PackageReport::Outcome::Built;
        const bool zipped = zipFiles(F(), packageFiles(F(), 1), path("x.zip"));
        ::umask(before);
        ASSERT_TRUE(built && zipped);
        for (const char* dir : {"", "营业执照"}) EXPECT_EQ(modeOf(F() + dir), 0777 & ~mask) << dir;
        for (const char* file : {"VOREL.xck", "材料清单.txt", "采矿权申请登记书.txt", "营业执照/营业执照1.jpg"})
            EXPECT_EQ(modeOf(F() + file), 0666 & ~mask) << file;
        EXPECT_EQ(modeOf(path("x.zip")), 0666 & ~mask);
    }
}

// A file name as long as a save takes: the package's hidden folders still fit the name limit.
TEST_F(PackageBuildTest, APackageOfTheLongestFileNameIsBuilt) {
    QString stem;
    while (QFile::encodeName(stem + "名.txt.lock").size() <= 255) stem += "名";  // the save's lock fits
    ASSERT_TRUE(putBytes(path("a/" + stem + ".txt"), "application"));
    attach(path("s/lic.jpg"));
    const PackageReport r = BuildPackage(QString(), path("a/" + stem + ".txt"));
    EXPECT_EQ(r.outcome, PackageReport::Outcome::Built) << r.error.toStdString();
    EXPECT_EQ(readBytes(path("a/" + stem + "/营业执照/营业执照1.jpg")), "JPEG");
}
