// Files other programs or hands made: what loads from a file that holds a field twice, NULs,
// bytes that make no character, characters no stored file may hold or a list value only
// within an item, and what the user is told; and that what the program saves holds none of
// those characters, so that a strict XML parser takes every saved exchange file.
#include "file_fixture.h"
#include "fake_form.h"

#include "core/app_state.h"
#include "core/exchange_xml.h"
#include "core/text_submission.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"
#include "strict_xml.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;

namespace {

const QString kRepeated = QStringLiteral("文件中以下字段重复出现，已取最后一个：");
const QString kDropped = QStringLiteral("文件中含有无效字符，已删除");
const QString kChosen = QStringLiteral("以下字段的值已按代码表选为：");

class StoredCharacters : public FileFixture {
protected:

};

QByteArray textFile(const QByteArray& body) {
    return encodeGb18030(QStringLiteral("[登记项目]\r\n***采矿变更登记项目内容***\r\n\r\n")) + body;
}
QByteArray gb(const char* utf8) { return encodeGb18030(QString::fromUtf8(utf8)); }

QByteArray xmlFile(const QByteArray& data) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><APP><HEADER><APP_TYPE>采矿权变更</APP_TYPE>"
           "</HEADER><DATA>" + data + "</DATA></APP>";
}

const QString kOneBlock = QStringLiteral("1,3,1,10,20,2,30,20,3,30,40,100,50,A,1,");

} // namespace

TEST_F(StoredCharacters, AFileWithRepeatedFieldsOrInvalidCharactersLoadsAndSaysWhatWasDropped) {
    const QByteArray cut = gb("申请人=甲乙");
    const QByteArray blockLines = gb("矿区范围拐点坐标与标高的总行数= 4\r\nXY001=1,10,20\r\nXY002=2,30,20\r\n"
                                     "XY003=3,30,40\r\nXY004=标高,100,50,A,1\r\n");
    const QByteArray otherBlock = gb("矿区范围拐点坐标与标高的总行数= 2\r\nXY001=7,1,2\r\nXY002=标高,9,8,B,2\r\n");
    const struct Case {
        const char* what;
        QString file;
        QByteArray bytes;
        QString applicant;   // what 申请人 holds after the load
        QString boundary;    // "" when not checked
        QString message;     // "" when the load says nothing
    } cases[] = {
        {"text: fields twice", "a.txt",
         textFile(gb("申请人=甲\r\n开采主矿种=12345\r\n申请人=乙\r\n开采主矿种=铁矿\r\n地址=同\r\n地址=同\r\n")), "乙", "",
         kRepeated + "申请人、开采主矿种"},
        {"text: two coordinate blocks", "b.txt", textFile(gb("申请人=甲\r\n") + blockLines + otherBlock), "甲",
         "1,1,7,1,2,9,8,B,2,", kRepeated + "区域坐标"},
        {"text: NULs", "c.txt", textFile(gb("申请人=甲") + QByteArray("\0\0", 2) + gb("乙\r\n")), "甲乙", "", kDropped},
        {"text: a character cut at the end", "d.txt", textFile(cut.left(cut.size() - 1)), "甲", "", kDropped},
        {"text: bytes that make no character", "e.txt", textFile(gb("申请人=甲") + "\xFF" + gb("乙\r\n")), "甲乙", "",
         kDropped},
        {"text: noncharacters and controls", "f.txt",
         textFile(encodeGb18030(QStringLiteral("申请人=甲\uFFFF\uFDD0\x01乙\t\r\n"))), "甲乙\t", "", kDropped},
        {"text: a field twice and a NUL", "g.txt", textFile(gb("申请人=甲\r\n申请人=乙") + QByteArray("\0", 1)), "乙",
         "", kRepeated + "申请人\n" + kDropped},
        {"text: nothing wrong", "h.txt", textFile(gb("申请人=甲乙\r\n")), "甲乙", "", ""},
        {"text: list values by their text and code", "i.txt", textFile(gb("申请人=甲\r\n开采方式=地下\r\n经济类型=120\r\n")),
         "甲", "", ""},
        {"text: a list value within an item, twice", "j.txt", textFile(gb("申请人=甲\r\n开采方式=天\r\n开采方式=地\r\n")),
         "甲", "", kRepeated + "开采方式\n" + kChosen + "开采方式“地”→“地下”（另有“露天/地下”也包含“地”，请核对）"},
        {"xml: elements twice", "a.xml",
         xmlFile("<SQR>甲</SQR><QYZB>0,</QYZB><SQR>乙</SQR><QYZB>" + kOneBlock.toUtf8() + "</QYZB><TBR> </TBR>"
                 "<TBR>丙</TBR>"),
         "乙", kOneBlock, kRepeated + "区域坐标、申请人"},
        {"xml: references to characters XML cannot hold", "b.xml", xmlFile("<SQR>甲&#xFFFF;&#x1;&#xFDEF;乙</SQR>"),
         "甲乙", "", kDropped},
        {"xml: a raw NUL, a noncharacter and bytes that are no UTF-8", "c.xml",
         xmlFile(QByteArray("<SQR>甲\0", 9) + "\xEF\xBF\xBE\xFF乙</SQR>"), "甲乙", "", kDropped},
        {"xml: nothing wrong", "d.xml", xmlFile("<SQR>甲乙</SQR>"), "甲乙", "", ""},
        {"xml: a list value within an item", "e.xml", xmlFile("<SQR>甲</SQR><KCFS>天</KCFS>"), "甲", "",
         kChosen + "开采方式“天”→“露天”（另有“露天/地下”也包含“天”，请核对）"},
        {"xml: a list value within one item only", "f.xml", xmlFile("<SQR>甲</SQR><KCFS>/</KCFS>"), "甲", "",
         kChosen + "开采方式“/”→“露天/地下”"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        auto f = makeForm(2);
        bool lossy = false;
        EXPECT_EQ(ReadSubmissionFile(write(c.file, c.bytes), *f, fixtureMap(2, false), fixtureMap(2, true),
                                     mineralLookup(), &lossy),
                  -1);
        EXPECT_EQ(f->text(ControlArray::ChTXT, 0), c.applicant);
        if (!c.boundary.isEmpty()) {
            EXPECT_EQ(f->grid->ZB_String(), c.boundary);
        }
        // Told once, and only when something was dropped.
        EXPECT_EQ(dialogs.messageTexts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(lossy, !c.message.isEmpty());
        if (!c.message.isEmpty()) {
            EXPECT_EQ(dialogs.lastMessage().title, "提示");
        }
    }
}

TEST_F(StoredCharacters, ATextFileInAnotherEncodingIsRefusedWithTheCause) {
    const QString body = QStringLiteral("[登记项目]\r\n***采矿变更登记项目内容***\r\n申请人=甲\r\n");
    const QString plain = QStringLiteral("该文件非系统认定文件...");
    const QString cause = plain + QStringLiteral("\n该文件不是GB18030/GBK编码的报盘文本文件");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const struct {
        const char* what;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"UTF-8", body.toUtf8(), cause},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + body.toUtf8(), cause},
        {"UTF-16 with its mark", utf16.encode(body), cause},
        {"no submission file at all", QByteArray("hello\r\nworld\r\n"), plain},
        {"GB18030 without the header", encodeGb18030(QStringLiteral("申请人=甲\r\n")), plain},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        state().PendingFile = write("u.txt", c.bytes);
        EXPECT_EQ(ReadTextFileKind(dir.filePath("u.txt")), 0);
        EXPECT_EQ(dialogs.messageTexts(), QStringList{c.message});
        EXPECT_EQ(dialogs.lastMessage().title, "错误");
        EXPECT_TRUE(state().PendingFile.isEmpty());
    }
}

// What no stored file may hold is left out of both formats; everything else stays, and a
// strict parser takes the exchange file.
TEST_F(StoredCharacters, SavedFilesHoldNoCharacterAStrictReaderRefuses) {
    const QString kept = QStringLiteral("甲\t𠀀\uFFFD\uE000乙");
    const QString hostile = QStringLiteral("甲") + QChar(0) + QChar(1) + QChar(0x1F) + QStringLiteral("\t𠀀") +
                            QChar(0xFFFE) + QChar(0xFFFF) + QChar(0xFDD0) + QChar(0xFDEF) + QChar(0xD800) +
                            QStringLiteral("\uFFFD") + QChar(0xDC00) + QStringLiteral("\U0001FFFF\U0010FFFE\uE000乙");
    for (int kind : {1, 2, 5, 7}) {
        SCOPED_TRACE(kind);
        auto f = makeForm(kind);
        fillForm(*f);
        f->setText(ControlArray::ChTXT, 0, hostile);
        f->setText(ControlArray::ChTXT, 1, QString(QChar(0xFFFF)));   // nothing left to store
        if (f->grid) {
            f->grid->setZB_String(QStringLiteral("1,3,1,10,20,2,30,20,3,30,40,100,50,A") + QChar(0xFFFF) +
                                  QChar(1) + QStringLiteral(",1,"));
            f->grid->init_grid_graph();
        }
        const FormValues values = collectFormValues(*f);

        const QString xml = dir.filePath("k.xml");
        ASSERT_TRUE(WriteExchangeXml(xml, values, fixtureMap(kind, true)));
        QFile x(xml);
        ASSERT_TRUE(x.open(QIODevice::ReadOnly));
        const QByteArray bytes = x.readAll();
        EXPECT_EQ(strictXmlError(bytes), "");
        const QString text = QString::fromUtf8(bytes);
        EXPECT_EQ(storableText(text), text);
        EXPECT_TRUE(text.contains(kept));

        const QString txt = dir.filePath("k.txt");
        ASSERT_TRUE(WriteTextSubmission(txt, values, fixtureMap(kind, false)));
        QFile t(txt);
        ASSERT_TRUE(t.open(QIODevice::ReadOnly));
        bool ok = false;
        const QString decoded = decodeGb18030(t.readAll(), &ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(storableText(decoded), decoded);
        EXPECT_TRUE(decoded.contains(QStringLiteral("申请人=") + kept + QStringLiteral("\r\n")));

        // Both read back whole and without a word.
        for (const QString& file : {xml, txt}) {
            dialogs.clear();
            auto back = makeForm(kind);
            bool lossy = true;
            EXPECT_EQ(ReadSubmissionFile(file, *back, fixtureMap(kind, false), fixtureMap(kind, true),
                                         mineralLookup(), &lossy),
                      -1);
            EXPECT_FALSE(lossy);
            EXPECT_EQ(back->text(ControlArray::ChTXT, 0), kept);
            if (back->grid) {
                EXPECT_EQ(back->grid->ZB_String(), "1,3,1,10,20,2,30,20,3,30,40,100,50,A,1,");
            }
            EXPECT_TRUE(dialogs.messages().isEmpty());
        }
    }
}
