#include "attachment_fixture.h"
#include "attachments/package_zip.h"
#include "platform/text_file.h"

#include <zip.h>

#include <algorithm>
#include <vector>

using namespace mf;
using namespace mf::test;

namespace {

quint16 u16(const QByteArray& b, qsizetype at) { return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8); }
quint32 u32(const QByteArray& b, qsizetype at) { return quint32(u16(b, at)) | quint32(u16(b, at + 2)) << 16; }

struct CentralEntry {
    QByteArray rawName;
    quint16 flags = 0;
    QByteArray unicodeField;  // payload of 0x7075, empty when missing
    int unicodeFieldsInLocal = 0;
};

// Reads the central directory (and the local headers) as stored.
QList<CentralEntry> centralDirectory(const QByteArray& zip) {
    QList<CentralEntry> out;
    qsizetype eocd = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (eocd < 0) return out;
    qsizetype p = u32(zip, eocd + 16);
    for (int i = 0; i < u16(zip, eocd + 10); ++i) {
        CentralEntry e;
        e.flags = u16(zip, p + 8);
        const int nameLen = u16(zip, p + 28), extraLen = u16(zip, p + 30), commentLen = u16(zip, p + 32);
        e.rawName = zip.mid(p + 46, nameLen);
        for (qsizetype x = p + 46 + nameLen; x < p + 46 + nameLen + extraLen;) {
            if (u16(zip, x) == 0x7075) e.unicodeField = zip.mid(x + 4, u16(zip, x + 2));
            x += 4 + u16(zip, x + 2);
        }
        const qsizetype local = u32(zip, p + 42);
        const qsizetype lextra = local + 30 + u16(zip, local + 26);
        for (qsizetype x = lextra; x < lextra + u16(zip, local + 28);) {
            if (u16(zip, x) == 0x7075) ++e.unicodeFieldsInLocal;
            x += 4 + u16(zip, x + 2);
        }
        out << e;
        p += 46 + nameLen + extraLen + commentLen;
    }
    return out;
}

} // namespace

TEST_F(AttachmentTest, TheZipCarriesGbkNamesWithTheUnicodePathField) {
    ASSERT_TRUE(putBytes(path("p/VOREL.xck"), "<offer/>"));
    ASSERT_TRUE(putBytes(path("p/营业执照/营业执照1.jpg"), "JPEG DATA"));
    ASSERT_TRUE(putBytes(path("p/材料清单.txt"), "list"));
    const QString zipPath = path("out/包.zip");
    QDir().mkpath(path("out"));
    QString error;
    ASSERT_TRUE(zipFolder(path("p"), zipPath, nullptr, &error)) << error.toStdString();

    const QList<CentralEntry> entries = centralDirectory(readBytes(zipPath));
    QStringList names;
    for (const CentralEntry& e : entries) {
        const QString name = decodeGb18030(e.rawName);
        names << name;
        EXPECT_EQ(e.flags & 0x0800, 0) << name.toStdString();  // no UTF-8 flag
        ASSERT_GE(e.unicodeField.size(), 5);
        EXPECT_EQ(e.unicodeField[0], 1);
        EXPECT_EQ(QString::fromUtf8(e.unicodeField.mid(5)), name);
        EXPECT_EQ(e.unicodeFieldsInLocal, 1);
    }
    EXPECT_EQ(names, QStringList({"VOREL.xck", "材料清单.txt", "营业执照/", "营业执照/营业执照1.jpg"}));

    // libzip takes the UTF-8 name from the field (the stored GBK bytes alone would read as
    // CP437), so the entry is found by its Chinese name.
    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    ASSERT_TRUE(za);
    const zip_int64_t i = zip_name_locate(za, "营业执照/营业执照1.jpg", 0);
    ASSERT_GE(i, 0);
    EXPECT_EQ(QString::fromUtf8(zip_get_name(za, zip_uint64_t(i), 0)), "营业执照/营业执照1.jpg");
    zip_file_t* f = zip_fopen_index(za, zip_uint64_t(i), 0);
    ASSERT_TRUE(f);
    char buf[32] = {};
    EXPECT_EQ(zip_fread(f, buf, sizeof buf), 9);
    EXPECT_EQ(QByteArray(buf), "JPEG DATA");
    zip_fclose(f);
    zip_close(za);
}

TEST_F(AttachmentTest, TheZipNeverHoldsItselfAndAFailureKeepsTheOldOne) {
    ASSERT_TRUE(putBytes(path("p/VOREL.xck"), "<offer/>"));
    const QString inside = path("p/p.zip");
    ASSERT_TRUE(zipFolder(path("p"), inside));
    ASSERT_TRUE(zipFolder(path("p"), inside));  // again, now that it exists inside
    QStringList names;
    for (const CentralEntry& e : centralDirectory(readBytes(inside))) names << decodeGb18030(e.rawName);
    EXPECT_EQ(names, QStringList{"VOREL.xck"});

    ASSERT_TRUE(putBytes(path("old.zip"), "previous"));
    EXPECT_FALSE(zipFolder(path("missing"), path("old.zip")));
    EXPECT_EQ(readBytes(path("old.zip")), "previous");
    EXPECT_FALSE(zipFolder(QDir::current().relativeFilePath(path("p")), path("old.zip")));
    EXPECT_EQ(readBytes(path("old.zip")), "previous");
}

// Folders 0755 and files 0644 whatever the disk says, deflated; a link is left out and named.
TEST_F(AttachmentTest, TheZipStoresPlainModesAndNamesTheLinksItLeftOut) {
    ASSERT_TRUE(putBytes(path("p/VOREL.xck"), QByteArray(4096, 'x')));
    ASSERT_TRUE(putBytes(path("p/营业执照/营业执照1.jpg"), "JPEG DATA"));
    ASSERT_TRUE(putBytes(path("secret.txt"), "SECRET"));
    ASSERT_TRUE(QFile::link(path("secret.txt"), path("p/营业执照/营业执照2.jpg")));
    QFile::setPermissions(path("p/营业执照"), QFileDevice::Permissions(0x7777));
    // What a zip into p.zip that was killed left: the archive's and the library's temporaries.
    ASSERT_TRUE(putBytes(path(".p.zip.part-a1B2c3"), "partial"));
    ASSERT_TRUE(putBytes(path(".p.zip.part-a1B2c3.Xy9Zw8"), "partial"));
    QStringList links;
    ASSERT_TRUE(zipFolder(path("p"), path("p.zip"), &links));
    EXPECT_EQ(links, QStringList{"营业执照/营业执照2.jpg"});
    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(path("p.zip")).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    ASSERT_TRUE(za);
    EXPECT_EQ(zip_get_num_entries(za, 0), 3);
    for (const auto& [name, mode] : {std::pair{"VOREL.xck", 0100644u}, {"营业执照/", 040755u}, {"营业执照/营业执照1.jpg", 0100644u}}) {
        const zip_int64_t i = zip_name_locate(za, name, 0);
        ASSERT_GE(i, 0) << name;
        zip_uint8_t os = 0;
        zip_uint32_t attributes = 0;
        zip_file_get_external_attributes(za, zip_uint64_t(i), 0, &os, &attributes);
        EXPECT_EQ(os, ZIP_OPSYS_UNIX) << name;
        EXPECT_EQ(attributes >> 16, mode) << name;
    }
    zip_stat_t st;
    ASSERT_EQ(zip_stat(za, "VOREL.xck", 0, &st), 0);
    EXPECT_EQ(st.comp_method, ZIP_CM_DEFLATE);
    zip_close(za);
    // No temporary file is left beside the zip, nor what the killed zip left.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"p.zip", "secret.txt"}));
}

TEST_F(AttachmentTest, TenThousandDocumentsAreZippedWholeWithTheirProgress) {
    QStringList files;
    for (int i = 0; i < 10000; ++i) {
        const QString name = QStringLiteral("材料%1/文件%2.txt").arg(i / 100).arg(i);
        ASSERT_TRUE(putBytes(path("p/" + name), "document " + QByteArray::number(i)));
        files << name;
    }
    std::vector<int> reported;
    QString error;
    ASSERT_TRUE(zipFiles(path("p"), files, path("p.zip"), nullptr, &error, [&](int p) { reported.push_back(p); }))
        << error.toStdString();
    ASSERT_FALSE(reported.empty());
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_EQ(reported.back(), 100);

    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(path("p.zip")).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    ASSERT_TRUE(za) << code;
    EXPECT_EQ(zip_get_num_entries(za, 0), 10000 + 100);   // the documents and their 100 folders
    for (int i = 0; i < 10000; i += 99) {
        // Found by the UTF-8 name of the Unicode path field.
        zip_file_t* f = zip_fopen(za, files[i].toUtf8().constData(), 0);
        ASSERT_TRUE(f) << i;
        char buf[64] = {};
        const zip_int64_t n = zip_fread(f, buf, sizeof buf);
        zip_fclose(f);
        EXPECT_EQ(QByteArray(buf, int(n)), "document " + QByteArray::number(i));
    }
    zip_close(za);
}
