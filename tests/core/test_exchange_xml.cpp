// The exchange XML file: the document written, the kind check and the reader.
#include "file_fixture.h"
#include "fake_form.h"

#include "core/app_state.h"
#include "core/exchange_xml.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"
#include "strict_xml.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;

namespace {

class ExchangeXml : public FileFixture {
protected:
    QByteArray bytesOf(FakeForm& f) {
        QByteArray bytes;
        QString error;
        EXPECT_TRUE(exchangeXmlBytes(collectFormValues(f), fixtureMap(f.kindValue, true), &bytes,
                                     &error))
            << error.toStdString();
        EXPECT_EQ(strictXmlError(bytes), "");
        return bytes;
    }
    std::unique_ptr<FakeForm> roundTrip(FakeForm& source) {
        const int kind = source.kindValue;
        const QString path = dir.filePath(QStringLiteral("k%1.xml").arg(kind));
        QString error;
        EXPECT_TRUE(WriteExchangeXml(path, collectFormValues(source), fixtureMap(kind, true),
                                     &error))
            << error.toStdString();
        QFile saved(path);
        EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(strictXmlError(saved.readAll()), "");
        auto target = makeForm(kind);
        ClearFormFields(*target);
        EXPECT_EQ(ReadSubmissionFile(path, *target, fixtureMap(kind, false),
                                     fixtureMap(kind, true), mineralLookup()),
                  -1);
        return target;
    }
    FormValues parse(const QByteArray& bytes, int kind = 2, bool expectOk = true) {
        FormValues v;
        EXPECT_EQ(parseExchangeXml(bytes, fixtureMap(kind, true), &v), expectOk);
        return v;
    }

};

QByteArray doc(const QByteArray& data, const QByteArray& header = "") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><APP><HEADER>" + header +
           "</HEADER><DATA>" + data + "</DATA></APP>";
}

} // namespace

TEST_F(ExchangeXml, EveryKindRoundTrips) {
    for (int kind = 1; kind <= 7; ++kind) {
        SCOPED_TRACE(kind);
        auto source = makeForm(kind);
        fillForm(*source);
        auto target = roundTrip(*source);
        EXPECT_EQ(fieldTexts(*target), fieldTexts(*source));
        EXPECT_EQ(target->together, source->together);
        EXPECT_EQ(target->changeTypes, source->changeTypes);
        if (source->grid) {
            EXPECT_EQ(target->grid->ZB_String(), sampleBoundary());
        }
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ExchangeXml, GoldenBytesOfAChangeApplication) {
    auto f = goldenKind2Form();
    expectGolden("kind2_exchange.xml", bytesOf(*f));
}

TEST_F(ExchangeXml, LayoutOfTheDocument) {
    auto f = makeForm(4);
    f->setText(ControlArray::ChTXT, 1, "矿<&>");
    const QByteArray bytes = bytesOf(*f);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<APP>\r\n    <!---->"
                                 "\r\n    <HEADER>\r\n        <!---->\r\n        <APP_NAME>"
                                 "矿&lt;&amp;&gt;</APP_NAME>\r\n"));
    EXPECT_TRUE(bytes.contains("<APP_TYPE>采矿权注销</APP_TYPE>"));
    EXPECT_TRUE(bytes.contains("<APP_CATEGORY>采矿权</APP_CATEGORY>"));
    EXPECT_TRUE(bytes.contains("    <!--数据区-->\r\n    <DATA>\r\n        <!--申请人-->\r\n"
                               "        <SQR/>\r\n"));
    // Every mapped field has an element, also the empty ones.
    EXPECT_EQ(bytes.count("<F"), 14 - 2 + 6 - 0 + 1);
    auto five = makeForm(5);
    EXPECT_TRUE(bytesOf(*five).contains("<APP_CATEGORY>划定矿区范围</APP_CATEGORY>"));
    // The boundary element is there also for an empty grid.
    EXPECT_TRUE(bytesOf(*five).contains("<!--区域坐标-->\r\n        <QYZB/>"));
}

TEST_F(ExchangeXml, ValuesKeepTheirTextAndDropControlCharacters) {
    auto f = makeForm(2);
    f->setText(ControlArray::ChTXT, 0, "  甲\x01乙\t丙  ");
    f->setText(ControlArray::ChMEMO, 0, "一\n二\r\n三");
    f->setText(ControlArray::ChCBO, 2, "铁矿");   // a main mineral without code stays text
    f->setText(ControlArray::ChTXT, 2, "   ");    // blanks only: skipped on reading
    const QByteArray bytes = bytesOf(*f);
    EXPECT_TRUE(bytes.contains("<SQR>  甲乙\t丙  </SQR>"));
    EXPECT_TRUE(bytes.contains("<SQYY>一\r\n二\r\n三</SQYY>"));
    EXPECT_TRUE(bytes.contains("<KCZKZ>铁矿</KCZKZ>"));
    const FormValues v = parse(bytes);
    EXPECT_EQ(v.kind, 2);
    QHash<QString, QString> byName;
    for (const FieldValue& fv : v.fields)
        byName.insert(fv.fieldName, fv.value);
    EXPECT_EQ(byName.value("申请人"), "  甲乙\t丙  ");
    EXPECT_EQ(byName.value("申请原因"), "一\n二\n三");
    EXPECT_FALSE(byName.contains("填表人"));
    EXPECT_FALSE(v.boundary.has_value());   // an empty element is not read
    // A reference to a character XML forbids drops that character alone, named once loaded.
    const struct { const char* data; const char* value; bool named; } references[] = {
        {"<SQR>甲&#0;乙</SQR>", "甲乙", true},
        {"<SQR>甲&#x1;乙&#0000;&#xD800;&#xFFFE;&#1114112;</SQR>", "甲乙", true},
        {"<SQR a=\"x&#0;y\" b='&#x1;'>甲乙</SQR>", "甲乙", true},
        {"<SQR>甲&#x4E59;&#9;&amp;#0;<![CDATA[&#0;]]></SQR><!-- &#0; -->", "甲乙\t&#0;&#0;", false},
    };
    for (const auto& r : references) {
        dialogs.clear();
        auto form = makeForm(2);
        bool lossy = false;
        ReadSubmissionFile(write("r.xml", doc(r.data)), *form, fixtureMap(2, false), fixtureMap(2, true), mineralLookup(), &lossy);
        EXPECT_EQ(form->text(ControlArray::ChTXT, 0), QString(r.value)) << r.data;
        EXPECT_EQ(dialogs.messageTexts(), r.named ? QStringList{"文件中含有无效字符，已删除"} : QStringList{}) << r.data;
        EXPECT_EQ(lossy, r.named) << r.data;
    }
}

TEST_F(ExchangeXml, ReaderTakesEveryDataPartAndOnlyMappedElements) {
    const QByteArray bytes =
        "<APP><DATA><SQR>甲</SQR><UNKNOWN>x</UNKNOWN><!--c--><KSMC><![CDATA[a<b]]></KSMC>"
        "<BGLX>1021101</BGLX><GBSLX>2</GBSLX><EMPTY> </EMPTY></DATA><OTHER><TBR>不读</TBR></OTHER>"
        "<DATA><TBR>乙</TBR><QYZB>0,</QYZB><键𠀀>y</键𠀀><UNKNOWN>z</UNKNOWN></DATA></APP>";
    const FormValues v = parse(bytes);
    ASSERT_EQ(v.fields.size(), 3);
    EXPECT_EQ(v.fields.at(1).value, "a<b");
    EXPECT_EQ(v.fields.at(2).fieldName, "填表人");
    EXPECT_EQ(v.changeTypes, "1021101");
    EXPECT_EQ(v.checkTogether, true);
    EXPECT_EQ(v.boundary, "0,");
    EXPECT_EQ(std::pair(v.unknownKeys, v.knownKeys), std::pair(QStringList{"UNKNOWN", "键𠀀"}, 6));   // each once
}

TEST_F(ExchangeXml, MalformedOrHostileDocumentsFailWithoutLoading) {
    QByteArray random(4096, '\0');
    QRandomGenerator gen(11);
    for (char& c : random)
        c = char(gen.bounded(256));
    const QList<QByteArray> bad = {
        QByteArray(),
        "<APP><DATA><SQR>甲</SQR></DATA>",             // cut short
        "<APP><DATA><SQR>甲</DATA></APP>",             // tags crossed
        "just text",
        random,
        doc("<SQR>甲</SQR>").left(40),
    };
    for (const QByteArray& b : bad) {
        auto f = makeForm(2);
        FormValues v;
        QString error;
        EXPECT_FALSE(ReadExchangeXml(write("bad.xml", b), fixtureMap(2, true), &v, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(ReadSubmissionFile(dir.filePath("bad.xml"), *f, fixtureMap(2, false),
                                     fixtureMap(2, true), mineralLookup()),
                  0);
        EXPECT_EQ(f->setTextCalls, 0);
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
    // Entities of a document type are not expanded, external ones not fetched.
    const FormValues v = parse("<!DOCTYPE APP [<!ENTITY x SYSTEM \"file:///etc/passwd\">"
                               "<!ENTITY y \"展开\">]><APP><DATA><SQR>&x;&y;z</SQR></DATA></APP>");
    ASSERT_EQ(v.fields.size(), 1);
    EXPECT_FALSE(v.fields.at(0).value.contains("root"));
    EXPECT_FALSE(v.fields.at(0).value.contains("展开"));
}

TEST_F(ExchangeXml, KindCheckUsesTheLastAppType) {
    dialogs.answer(MsgAnswer::Yes);
    const QString two = write("t.xml", doc("", "<APP_TYPE>采矿权新立</APP_TYPE><X><APP_TYPE>"
                                               "采矿权年检</APP_TYPE></X>"));
    EXPECT_EQ(GetXmlFileKind(two), 7);
    EXPECT_EQ(dialogs.lastMessage().text, "此文件为【采矿年检】申请内容,确认吗?");
    EXPECT_EQ(dialogs.lastMessage().title, "选择");
    dialogs.answer(MsgAnswer::No);
    EXPECT_EQ(GetXmlFileKind(two), 0);
    EXPECT_EQ(GetXmlFileKind(dir.filePath("missing.xml")), 0);

    for (const QByteArray& b : {doc("", "<APP_TYPE>采矿权</APP_TYPE>"), QByteArray("<APP"),
                                QByteArray()}) {
        dialogs.clear();
        state().PendingFile = "x.xml";
        EXPECT_EQ(GetXmlFileKind(write("u.xml", b)), 0);
        EXPECT_EQ(dialogs.messageTexts(), QStringList{"该文件非系统认定报盘文件..."});
        EXPECT_EQ(dialogs.lastMessage().title, "错误");
        EXPECT_EQ(dialogs.lastMessage().icon, MsgIcon::Critical);
        EXPECT_EQ(state().PendingFile, "");
    }
}

TEST_F(ExchangeXml, WriterRefusesWhatWouldNotReadBack) {
    auto f = makeForm(3);
    KindFieldMap map = fixtureMap(3, true);
    map.Pairs[0].Value = "1 bad";
    QString error;
    EXPECT_FALSE(WriteExchangeXml(dir.filePath("a.xml"), collectFormValues(*f), map, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("a.xml")));
    EXPECT_FALSE(WriteExchangeXml(dir.filePath("no/dir/a.xml"), collectFormValues(*f),
                                  fixtureMap(3, true), &error));
}

TEST_F(ExchangeXml, ReaderHonoursTheDeclaredEncoding) {
    const QString data = QStringLiteral("<DATA><SQR>甲矿业€</SQR><QYZB>0,</QYZB></DATA></APP>");
    auto declared = [&](const char* enc) {
        return QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?><APP><HEADER><APP_TYPE>采矿权变更</APP_TYPE>"
                              "</HEADER>").arg(enc) + data;
    };
    QStringEncoder le(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QStringEncoder be(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    const QList<QByteArray> documents = {
        declared("UTF-8").toUtf8(),
        QByteArray("\xEF\xBB\xBF") + declared("utf-8").toUtf8(),
        encodeGb18030(declared("GBK")),
        encodeGb18030(declared("gb2312")),
        encodeGb18030(declared("GB18030")),
        le.encode(declared("UTF-16")),
        be.encode(declared("UTF-16")),
    };
    for (const QByteArray& b : documents) {
        const FormValues v = parse(b);
        EXPECT_EQ(v.kind, 2);
        ASSERT_EQ(v.fields.size(), 1);
        EXPECT_EQ(v.fields.at(0).value, QStringLiteral("甲矿业€"));
    }
    // Bytes that are no GBK in a document declared GBK are dropped and said to be, not read
    // as garbage.
    const FormValues v = parse("<?xml version=\"1.0\" encoding=\"GBK\"?><APP><DATA><SQR>\xB2\xC9\xFF</SQR></DATA></APP>");
    ASSERT_EQ(v.fields.size(), 1);
    EXPECT_EQ(v.fields.at(0).value, QStringLiteral("采"));
    EXPECT_TRUE(v.droppedCharacters);
}

TEST_F(ExchangeXml, AMalformedBoundaryIsReportedAndNotLoaded) {
    const QStringList malformed = {"1,-3,,,,,", "1,0,", "1,3,1,a,b,2,c,d,100,50,A,1,", "1,x,1,2,3,100,50,A,1,",
                                   "1,1,1,a,b,100,50,A,1,junk,"};
    for (const QString& zb : malformed) {
        dialogs.clear();
        parse(doc("<QYZB>" + zb.toUtf8() + "</QYZB>"), 2, false);
        EXPECT_EQ(dialogs.messageTexts(), QStringList{"坐标数据格式错!"}) << zb.toStdString();
    }
    dialogs.clear();
    for (const char* zb : {"1,1,1,a,b,100,50,A, 1", "1,2,1,a,b,2,c,d,,,,,", "0,"})
        EXPECT_EQ(parse(doc("<QYZB>" + QByteArray(zb) + "</QYZB>")).boundary, QString(zb));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}
