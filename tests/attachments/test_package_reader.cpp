#include "attachment_fixture.h"
#include "attachments/package_reader.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;

namespace {

class PackagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs_.install();
        ASSERT_TRUE(dir_.isValid());
    }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString p = dir_.path() + "/" + name;
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return p;
    }
    QString writeLines(const QString& name, const QStringList& lines) {
        const QString p = dir_.path() + "/" + name;
        EXPECT_TRUE(writeTextLines(p, lines));
        return p;
    }
    ScriptedDialogs dialogs_;
    QTemporaryDir dir_;
};

} // namespace

TEST_F(PackagesTest, TheApplicationCopyIsNamedByTheSecondAttributeOfOffer) {
    bool loaded = false;
    EXPECT_EQ(ResolvePackageXml(write("a.xck", "<offer id=\"1\" name=\"采矿权申请登记书\" z=\"q\"><attachments/></offer>"), nullptr, &loaded),
              "采矿权申请登记书");
    EXPECT_TRUE(loaded);
    // The order of the attributes counts, not their names.
    EXPECT_EQ(ResolvePackageXml(write("b.xck", "<offer name=\"first\" other=\"second\"/>")), "second");
    EXPECT_EQ(ResolvePackageXml(write("c.xck", "<offer id=\"only\"/>"), nullptr, &loaded), "");
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(PackagesTest, ListsDeclaringAChineseEncodingAreRead) {
    const QByteArray gbk = QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?><offer id=\"1\" name=\"") +
                           encodeGb18030("采矿权变更申请登记书") + "\"/>";
    EXPECT_EQ(ResolvePackageXml(write("g.xck", gbk)), "采矿权变更申请登记书");
}

TEST_F(PackagesTest, NamesReachingOutOfThePackageAreRefused) {
    for (const char* name : {"../x", "a/b", "..", "a\\b"})
        EXPECT_EQ(ResolvePackageXml(write("u.xck", QByteArray("<offer id=\"1\" name=\"") + name + "\"/>")), "") << name;
}

TEST_F(PackagesTest, AListThatCannotBeLoadedSaysSo) {
    for (const QString& p : {dir_.path() + "/missing.xck", write("bad.xck", "<offer"), write("empty.xck", "")}) {
        dialogs_.clear();
        bool loaded = true;
        EXPECT_EQ(ResolvePackageXml(p, nullptr, &loaded), "");
        EXPECT_FALSE(loaded);
        ASSERT_EQ(dialogs_.messages().size(), 1);
        EXPECT_EQ(dialogs_.messages()[0].text, "XML文件不存在");
        EXPECT_EQ(dialogs_.messages()[0].title, "岩契录件");
    }
}

TEST_F(PackagesTest, TheApplicationTypeFollowsTheFirstMatchingLine) {
    struct Case {
        QStringList lines;
        quint8 before, after;
    };
    const QList<Case> cases = {
        {{"[登记项目]", "申请类型=3"}, 0, 6},
        {{"申请类型=4", "申请类型=3"}, 0, 5},
        {{"申请类型= 2"}, 9, 2},
        {{"申请类型="}, 9, 2},
        {{"申请类型=其他"}, 9, 2},
        {{"申请类型=1"}, 9, 9},
        {{"申请类型 3"}, 9, 9},
        {{"申请人=甲"}, 9, 9},
    };
    for (const Case& c : cases) {
        ApplyType = c.before;
        ReadApplyType(writeLines("t.txt", c.lines));
        EXPECT_EQ(ApplyType, c.after) << c.lines.join("|").toStdString();
    }
    ApplyType = 7;
    ReadApplyType(dir_.path() + "/no-such-file.txt");
    EXPECT_EQ(ApplyType, 7);
    ApplyType = 0;
}

TEST(DirOfPath, KeepsTheTrailingSeparator) {
    EXPECT_EQ(DirOfPath("/a/x/VOREL.xck"), "/a/x/");
    EXPECT_EQ(DirOfPath("x.txt"), "");
    EXPECT_EQ(DirOfPath("/x.txt"), "/");
    EXPECT_EQ(TextAfterLast("/a/x.txt", "/"), "x.txt");
    EXPECT_EQ(TextAfterLast("x.txt", "/"), "x.txt");
}

namespace {
class ResolveTest : public mf::test::AttachmentTest {};
}

TEST_F(ResolveTest, MissingDocumentsAreReportedAndClearedWithoutWritingThePackage) {
    using mf::test::putBytes;
    using mf::test::readBytes;
    ASSERT_TRUE(putBytes(path("x/营业执照/营业执照1.jpg"), "J"));
    const QByteArray list = mf::test::twoMaterialList("Local:\\\\营业执照1.jpg", "Local:\\\\营业执照2.jpg", "2");
    ASSERT_TRUE(putBytes(path("x/VOREL.xck"), list));
    QByteArray resolved;
    EXPECT_EQ(ResolvePackageXml(path("x/VOREL.xck"), &resolved), "采矿权申请登记书");
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"附件：营业执照2.jpg 不存在。请重新选择！"});
    EXPECT_EQ(dialogs_.messages()[0].title, "岩契录件");
    EXPECT_EQ(readBytes(path("x/VOREL.xck")), list);  // the package is not written

    ASSERT_TRUE(adoptPackageList(1, path("x/"), resolved));
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "1", ".//fileUrl"), "Local:\\\\营业执照1.jpg");
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "2", ".//fileUrl"), "");
    mf::ListDocument doc;
    ASSERT_TRUE(doc.load(workXmlPath(1)));
    EXPECT_EQ(mf::nodeText(mf::findMaterial(doc, "A1"), ".//dzjs"), "1");
    EXPECT_EQ(KindPackageSource(1), path("x/"));
}

TEST_F(ResolveTest, EntriesOutsideThePackageAreClearedAndReported) {
    using mf::test::putBytes;
    ASSERT_TRUE(putBytes(path("secret.jpg"), "S"));
    ASSERT_TRUE(putBytes(path("x/VOREL.xck"),
                         mf::test::twoMaterialList(path("secret.jpg"), "Local:\\\\../../secret.jpg", "2")));
    QByteArray resolved;
    ResolvePackageXml(path("x/VOREL.xck"), &resolved);
    EXPECT_EQ(dialogs_.messageTexts(), QStringList({"附件：" + path("secret.jpg") + " 不存在。请重新选择！",
                                                    "附件：../../secret.jpg 不存在。请重新选择！"}));
    mf::ListDocument doc;
    ASSERT_TRUE(doc.loadBytes(resolved));
    for (const char* xh : {"1", "2"})
        EXPECT_EQ(mf::nodeText(mf::findEntry(mf::findMaterial(doc, "A1"), xh), ".//fileUrl"), "");
    EXPECT_EQ(mf::nodeText(mf::findMaterial(doc, "A1"), ".//dzjs"), "0");
}
