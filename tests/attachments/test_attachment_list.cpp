#include "attachment_fixture.h"
#include "attachments/package_zip.h"
#include "platform/fs.h"
#include "platform/text_file.h"

#include <QSet>

using namespace mf;
using namespace mf::test;

TEST_F(AttachmentTest, TheTemplateIsCopiedOnceAndNeverOverwritten) {
    ASSERT_TRUE(fs::fileExists(templatePath(1)));
    QList<AttachmentMaterial> materials;
    ASSERT_TRUE(loadMaterials(&materials));  // creates the work folder and the working copy
    EXPECT_EQ(readBytes(workXmlPath(1)), readBytes(templatePath(1)));
    ASSERT_FALSE(materials.isEmpty());
    EXPECT_EQ(materials[0].fjmc, "营业执照");

    useList(twoMaterialList());
    ASSERT_TRUE(EnsureWorkXml());
    EXPECT_EQ(readBytes(workXmlPath(1)), twoMaterialList());
    EXPECT_FALSE(QFile::exists(workXmlPath(4)));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

// A work area that takes no file (full, here a file-size limit) is named with its reason
// when the window loads the list, once, and no document seems attached.
TEST_F(AttachmentTest, AWorkAreaThatCannotBeWrittenIsReportedWhenTheListLoads) {
    QList<AttachmentMaterial> materials;
    bool loaded = true;
    {
        FileSizeLimit limit(16);
        loaded = loadMaterials(&materials);
    }
    EXPECT_FALSE(loaded);
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_TRUE(dialogs_.lastMessage().text.startsWith("文件保存失败：" + workXmlPath(1))) << dialogs_.lastMessage().text.toStdString();
    EXPECT_FALSE(SetFileUrl("A1", "1", path("s.jpg")));
    EXPECT_FALSE(state().KindChanged[1]);
}

TEST_F(AttachmentTest, AnUnreadableListSaysSoAndChangesNothing) {
    useList("<offer");
    QList<AttachmentMaterial> materials;
    EXPECT_FALSE(loadMaterials(&materials));
    SetFileUrl("A1", "1", "/x");
    EXPECT_EQ(RecountElectronicFiles("A1"), 0);
    EXPECT_FALSE(HasElectronicFiles());
    EXPECT_EQ(dialogs_.messageTexts(), QStringList(4, "XML文件不存在"));
    EXPECT_EQ(dialogs_.messages()[0].title, "岩契录件");
    EXPECT_EQ(readBytes(workXmlPath(1)), "<offer");
    EXPECT_FALSE(state().KindChanged[1]);
}

TEST_F(AttachmentTest, ReadingGivesMaterialsEntriesDescriptionsAndPaths) {
    useList(twoMaterialList("/s/a.jpg"));
    QList<AttachmentMaterial> m;
    ASSERT_TRUE(loadMaterials(&m));
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[1].fjid, "A9");
    EXPECT_EQ(m[1].fjmc, "其他材料");
    QString d;
    EXPECT_TRUE(ShowAttachmentDescription("A1", &d));
    EXPECT_EQ(d, "执照说明");
    d = "kept";
    EXPECT_FALSE(ShowAttachmentDescription("nope", &d));
    EXPECT_EQ(d, "kept");
    QList<AttachmentFile> files;
    ASSERT_TRUE(loadFileEntries("A1", &files));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[1].fileName, "营业执照2");
    EXPECT_EQ(files[0].fileUrl, "/s/a.jpg");
    QString url;
    EXPECT_TRUE(GetFileUrlByXh("A1", "1", &url));
    EXPECT_EQ(url, "/s/a.jpg");
    EXPECT_FALSE(GetFileUrlByXh("A1", "3", &url));
    EXPECT_FALSE(state().KindChanged[1]);  // reading marks nothing
}

TEST_F(AttachmentTest, EveryWriteIsSavedMarksTheKindAndOffersSave) {
    useList(twoMaterialList());
    SetFileUrl("A1", "2", "/gone/file.pdf");  // a file that does not exist still counts
    EXPECT_TRUE(state().KindChanged[1]);
    EXPECT_EQ(shell_.calls, QStringList{"SAVE=on"});
    EXPECT_FALSE(HasElectronicFiles());  // the count is what the list says until recounted
    EXPECT_EQ(RecountElectronicFiles("A1"), 1);
    EXPECT_TRUE(HasElectronicFiles());
    SetFileTitle("A1", "2", "新标题");
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "2", ".//fileTitle"), "新标题");
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "2", ".//fileUrl"), "/gone/file.pdf");
    SetFileUrl("A1", "2", "");
    EXPECT_EQ(RecountElectronicFiles("A1"), 0);
    EXPECT_FALSE(HasElectronicFiles());

    // A count written by another program is trusted by HasElectronicFiles.
    useList(twoMaterialList({}, {}, "2"));
    EXPECT_TRUE(HasElectronicFiles());
    // Unknown ids change nothing in the list.
    useList(twoMaterialList());
    SetFileUrl("XX", "1", "/x");
    SetFileUrl("A1", "9", "/x");
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "1", ".//fileUrl"), "");
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "2", ".//fileUrl"), "");
}

TEST_F(AttachmentTest, AppendedEntriesCarryTheirNumberNamesAndTitledChildren) {
    useList(twoMaterialList());
    AppendFileEntry("A1", "3", "其他新增材料3", "其他新增材料3");
    ListDocument doc;
    ASSERT_TRUE(doc.load(workXmlPath(1)));
    const pugi::xml_node e = findEntry(findMaterial(doc, "A1"), "3");
    ASSERT_TRUE(e);
    QStringList children;
    for (pugi::xml_node c = e.first_child(); c; c = c.next_sibling())
        children << QString::fromUtf8(c.name()) + u'/' + QString::fromUtf8(c.attribute("title").value()) + u'/' +
                        QString::fromUtf8(c.text().get());
    EXPECT_EQ(children, QStringList({"fileXh/文件序号/3", "fileName/文件标准文件名/其他新增材料3",
                                     "fileTitle/文件标题/其他新增材料3", "fileUrl/文件路径/"}));
    // A material without a file list gets one.
    useList(QByteArray("<offer a=\"1\" b=\"2\"><attachments><attachment fjid=\"Q\"><fjmc>其他材料</fjmc>"
                       "<dzjs>0</dzjs></attachment></attachments></offer>"));
    AppendFileEntry("Q", "1", "其他新增材料1", "其他新增材料1");
    QList<AttachmentFile> files;
    ASSERT_TRUE(loadFileEntries("Q", &files));
    EXPECT_EQ(files.size(), 1);
}

TEST_F(AttachmentTest, RemovingRenumbersAsNumbersAndRenamesTheRest) {
    useList(twoMaterialList());
    for (int n = 1; n <= 12; ++n)
        AppendFileEntry("A9", QString::number(n), "其他新增材料" + QString::number(n), "标题" + QString::number(n));
    RemoveFileEntry("A9", "2");
    QList<AttachmentFile> files;
    ASSERT_TRUE(loadFileEntries("A9", &files));
    ASSERT_EQ(files.size(), 11);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(files[i].fileXh, QString::number(i + 1));
        EXPECT_EQ(files[i].fileName, "其他新增材料" + QString::number(i + 1));
        EXPECT_EQ(files[i].fileTitle, "其他新增材料" + QString::number(i + 1));
    }
    // The former 10 to 12 are 9 to 11 (compared as numbers, not as text).
    ListDocument doc;
    ASSERT_TRUE(doc.load(workXmlPath(1)));
    EXPECT_TRUE(findEntry(findMaterial(doc, "A9"), "11"));
    EXPECT_FALSE(findEntry(findMaterial(doc, "A9"), "12"));
    // Other materials are not touched.
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "2", ".//fileTitle"), "执照副本");
}

TEST_F(AttachmentTest, DeletingAWorkingListTouchesOnlyThatKind) {
    for (int k : {1, 4}) ASSERT_TRUE(putBytes(workXmlPath(k), twoMaterialList()));
    DeleteWorkXml(4);
    EXPECT_FALSE(QFile::exists(workXmlPath(4)));
    EXPECT_TRUE(QFile::exists(workXmlPath(1)));
    DeleteWorkXml(9);  // no such kind: nothing
    DeleteWorkXml(4);  // already gone: nothing
}

TEST_F(AttachmentTest, ListsDeclaringAChineseEncodingAreSavedBackInIt) {
    const QByteArray gbk = QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<offer b=\"x\" a=\"") +
                           encodeGb18030("采矿权申请登记书") + "\"><attachments><attachment fjid=\"A\"><fjmc>" +
                           encodeGb18030("营业执照") + "</fjmc><dzjs>0</dzjs><fileList><file><fileXh>1</fileXh>"
                           "<fileName>n</fileName><fileTitle>t</fileTitle><fileUrl></fileUrl></file></fileList>"
                           "</attachment></attachments></offer>";
    useList(gbk);
    SetFileTitle("A", "1", "执照");
    const QByteArray saved = readBytes(workXmlPath(1));
    EXPECT_TRUE(saved.contains("encoding=\"GB2312\""));
    EXPECT_TRUE(saved.contains(encodeGb18030("<fileTitle>执照</fileTitle>")));
    EXPECT_TRUE(saved.contains(encodeGb18030("<offer b=\"x\" a=\"采矿权申请登记书\">")));  // attribute order kept
}

// The shipped templates: what the program relies on in each of them.
TEST_F(AttachmentTest, EveryKindHasAUsableTemplate) {
    for (int k = 1; k <= kKindCount; ++k) {
        SCOPED_TRACE(k);
        ListDocument doc;
        ASSERT_TRUE(doc.load(templatePath(k)));
        const pugi::xml_node offer = doc.offer();
        ASSERT_TRUE(offer);
        EXPECT_EQ(QString::fromUtf8(offer.first_attribute().next_attribute().value()) + ".txt", KindTextFileName(k));
        QSet<QString> ids, names;
        int others = 0;
        for (const pugi::xpath_node& m : doc.materials()) {
            const QString fjmc = nodeText(m.node(), ".//fjmc");
            EXPECT_FALSE(ids.contains(QString::fromUtf8(m.node().attribute("fjid").value())));
            ids.insert(QString::fromUtf8(m.node().attribute("fjid").value()));
            EXPECT_FALSE(names.contains(fjmc));
            names.insert(fjmc);
            EXPECT_FALSE(fjmc.contains('/'));
            EXPECT_EQ(nodeText(m.node(), ".//dzjs"), "0");
            EXPECT_TRUE(m.node().child("fileList"));
            const int entries = int(fileEntries(m.node()).size());
            if (fjmc == kOtherMaterial) {
                ++others;
                EXPECT_EQ(entries, 0);
            } else {
                EXPECT_GE(entries, 1) << fjmc.toStdString();
            }
        }
        EXPECT_GE(ids.size(), 5);
        EXPECT_EQ(others, 1);
    }
}

// Materials each kind's template must ask for: what registration requires of that kind and
// what its form implies (the corner points of kinds 1, 2 and 5 need the range map).
TEST_F(AttachmentTest, EachTemplateAsksForTheMaterialsOfItsKind) {
    const std::vector<std::pair<int, QStringList>> required = {
        {1, {"营业执照", "矿区范围图", "划定矿区范围批复", "开发利用方案", "资源储量评审备案", "采矿权出让合同",
             "出让收益缴纳凭证"}},
        {2, {"采矿许可证", "营业执照", "矿区范围图"}},
        {3, {"采矿许可证", "营业执照", "资源储量证明", "缴费凭证"}},
        {4, {"采矿许可证", "闭坑报告及批复", "费用结清证明", "关闭矿山决定"}},
        {5, {"营业执照", "矿区范围图", "勘查许可证", "地质勘查报告"}},
        {6, {"转让合同", "采矿许可证", "开采情况报告", "转让条件证明", "采矿权评估报告", "受让人资质条件"}},
        {7, {"采矿许可证", "储量年报", "缴费凭证"}},
    };
    for (const auto& [kind, names] : required) {
        ListDocument doc;
        ASSERT_TRUE(doc.load(templatePath(kind))) << kind;
        QStringList listed;
        for (const pugi::xpath_node& m : doc.materials()) listed << nodeText(m.node(), ".//fjmc");
        for (const QString& name : names) EXPECT_TRUE(listed.contains(name)) << kind << " " << name.toStdString();
        EXPECT_EQ(listed.last(), kOtherMaterial) << kind;
    }
}

// Only the declaration that opens the file names its encoding: the same words in a
// comment or a processing instruction leave a UTF-8 list UTF-8, also once saved again.
TEST_F(AttachmentTest, TheEncodingIsReadFromTheDeclarationOnly) {
    for (const QByteArray& head : {QByteArray("<!-- encoding=\"GBK\" -->"),
                                   QByteArray("<?xmm version=\"1.0\" encoding=\"GB2312\"?>")}) {
        SCOPED_TRACE(head.constData());
        const QByteArray list = head + twoMaterialList().mid(twoMaterialList().indexOf("<offer"));
        ListDocument doc;
        ASSERT_TRUE(doc.loadBytes(list));
        EXPECT_EQ(nodeText(findMaterial(doc, "A1"), ".//fjmc"), "营业执照");
        ListDocument again;
        ASSERT_TRUE(again.loadBytes(doc.bytes()));
        EXPECT_EQ(QString::fromUtf8(again.offer().first_attribute().next_attribute().value()), "采矿权申请登记书");
        EXPECT_EQ(again.bytes(), doc.bytes());
    }
}

// Writing a value replaces the node's text only; what else it holds stays, so no element a
// caller still walks is taken away from under it.
TEST_F(AttachmentTest, WritingAValueReplacesOnlyTheText) {
    QByteArray list = twoMaterialList("/old.jpg");
    list.replace("/old.jpg</fileUrl>", "/old.jpg<note>n</note></fileUrl>");
    useList(list);
    SetFileUrl("A1", "1", "/new.jpg");
    QString url;
    ASSERT_TRUE(GetFileUrlByXh("A1", "1", &url));
    EXPECT_EQ(url, "/new.jpg");
    EXPECT_TRUE(workList().contains("<note>n</note>"));
    EXPECT_EQ(RecountElectronicFiles("A1"), 1);
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "1", ".//fileName"), "营业执照1");
}

// Removing an entry that holds another removes both once; a number that is no row keeps
// its text instead of turning into garbage.
TEST_F(AttachmentTest, RemovingCopesWithNestedEntriesAndOddNumbers) {
    QByteArray list = twoMaterialList();
    list.replace("<fileList/>",
                 "<fileList><file><fileXh>1</fileXh><fileName>a</fileName><fileTitle>a</fileTitle><fileUrl/>"
                 "<file><fileXh>2</fileXh><fileName>b</fileName><fileTitle>b</fileTitle><fileUrl/></file></file>"
                 "<file><fileXh>3000000000</fileXh><fileName>c</fileName><fileTitle>c</fileTitle><fileUrl/></file>"
                 "<file><fileXh>4</fileXh><fileName>d</fileName><fileTitle>d</fileTitle><fileUrl/></file>"
                 "</fileList>");
    useList(list);
    RemoveFileEntry("A9", "1");
    QList<AttachmentFile> files;
    ASSERT_TRUE(loadFileEntries("A9", &files));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].fileXh, "3000000000");
    EXPECT_EQ(files[1].fileXh, "3");
    EXPECT_EQ(files[1].fileName, "其他新增材料3");
}

// A template installed read-only still gives a working list that takes every change.
TEST_F(AttachmentTest, AReadOnlyTemplateGivesAWritableWorkingList) {
    const QString data = path("data");
    const QString tmpl = data + "/xmlmb/VORELXL.xml";
    ASSERT_TRUE(putBytes(tmpl, twoMaterialList()));
    ASSERT_TRUE(QFile::setPermissions(tmpl, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    state().DataPath = data;
    ASSERT_TRUE(EnsureWorkXml());
    EXPECT_TRUE(QFile::permissions(workXmlPath(1)) & QFileDevice::WriteOwner);
    SetFileTitle("A1", "1", "新标题");
    EXPECT_EQ(entryField(workXmlPath(1), "A1", "1", ".//fileTitle"), "新标题");
}

// On a disk that takes no more bytes, an edit of the working list and a zip both fail: each
// says which file and why in Chinese, the previous file stays byte-identical, and the form
// is not marked changed.
TEST_F(AttachmentTest, OnAFullDiskTheListAndTheZipKeepThePreviousFileAndSayWhy) {
    useList(twoMaterialList());
    ASSERT_TRUE(putBytes(path("p/营业执照/a.jpg"), "JPEG"));
    const QString zip = path("p.zip");
    ASSERT_TRUE(zipFolder(path("p"), zip));
    ASSERT_TRUE(putBytes(path("p/营业执照/b.jpg"), QByteArray(4096, 'b')));
    const QByteArray list = readBytes(workXmlPath(1)), zipped = readBytes(zip);
    QString zipError;
    bool zippedAgain = true;
    {
        FileSizeLimit limit(16);
        SetFileTitle("A1", "2", "新标题");
        zippedAgain = zipFolder(path("p"), zip, nullptr, &zipError);
    }
    EXPECT_EQ(dialogs_.lastMessage().text, "文件保存失败：" + workXmlPath(1) + "：文件超过了允许的大小");
    EXPECT_EQ(dialogs_.lastMessage().title, "错误");
    EXPECT_FALSE(state().KindChanged[1]);
    EXPECT_TRUE(shell_.calls.isEmpty());
    EXPECT_EQ(readBytes(workXmlPath(1)), list);
    EXPECT_FALSE(zippedAgain);
    EXPECT_EQ(zipError, zip + "：文件超过了允许的大小");
    EXPECT_EQ(readBytes(zip), zipped);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Hidden | QDir::Files), QStringList{"p.zip"});
}
