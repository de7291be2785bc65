// The submission text file: the bytes written, the kind check and the reader, and what it
// does with files it did not write.
#include "file_fixture.h"
#include "fake_form.h"

#include "core/app_state.h"
#include "core/text_submission.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;

namespace {

class TextSubmission : public FileFixture {
protected:
    QString writeLines(const QString& name, const QStringList& lines) {
        return write(name, encodeGb18030(lines.join("\r\n") + "\r\n"));
    }
    // Writes the form, then reads the file into a cleared form of the same kind.
    std::unique_ptr<FakeForm> roundTrip(FakeForm& source) {
        const int kind = source.kindValue;
        const QString path = dir.filePath(QStringLiteral("k%1.txt").arg(kind));
        QString error;
        EXPECT_TRUE(WriteTextSubmission(path, collectFormValues(source), fixtureMap(kind, false),
                                        &error))
            << error.toStdString();
        auto target = makeForm(kind);
        ClearFormFields(*target);
        EXPECT_EQ(ReadSubmissionFile(path, *target, fixtureMap(kind, false),
                                     fixtureMap(kind, true), mineralLookup()),
                  -1);
        return target;
    }
    // Reads a file into a form and says whether the read succeeded and left the form alone
    // on failure.
    bool readInto(FakeForm& form, const QString& path) {
        FormValues v;
        const bool ok = ReadTextSubmission(path, fixtureMap(form.kindValue, false), &v);
        if (ok)
            applyFormValues(form, v, mineralLookup());
        return ok;
    }

};

} // namespace

TEST_F(TextSubmission, EveryKindRoundTrips) {
    for (int kind = 1; kind <= 7; ++kind) {
        SCOPED_TRACE(kind);
        auto source = makeForm(kind);
        fillForm(*source);
        auto target = roundTrip(*source);
        // Memo lines lose nothing here: none of them ends in blanks.
        EXPECT_EQ(fieldTexts(*target), fieldTexts(*source));
        EXPECT_EQ(target->together, source->together);
        EXPECT_EQ(target->changeTypes, source->changeTypes);
        if (source->grid) {
            EXPECT_EQ(target->grid->ZB_String(), sampleBoundary());
        }
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(TextSubmission, GoldenBytesOfAChangeApplication) {
    auto f = goldenKind2Form();
    const QString path = dir.filePath("golden.txt");
    ASSERT_TRUE(WriteTextSubmission(path, collectFormValues(*f), fixtureMap(2, false)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    expectGolden("kind2_submission.txt", file.readAll());
}

TEST_F(TextSubmission, ContinuationLinesKeepEqualsSignsAndTypedMarkers) {
    auto f = makeForm(3);
    f->setText(ControlArray::ChMEMO, 0, "a  \n***b=c\n[KVD]x  y\r\nlast");
    f->setText(ControlArray::ChTXT, 2, "  leading");
    const QStringList lines = textSubmissionLines(collectFormValues(*f), fixtureMap(3, false));
    EXPECT_EQ(lines.mid(3), (QStringList{"文本2=  leading", "说明0=a  ", "******b=c",
                                         "***[KVD]x  y", "***last"}));
    auto target = roundTrip(*f);
    // Each line is trimmed on reading: trailing blanks go, blanks after "=" stay.
    EXPECT_EQ(target->text(ControlArray::ChMEMO, 0), "a\n***b=c\n[KVD]x  y\nlast");
    EXPECT_EQ(target->text(ControlArray::ChTXT, 2), "  leading");
}

TEST_F(TextSubmission, CoordinateBlock) {
    EXPECT_EQ(coordinateBlockLines(""), (QStringList{"矿区范围拐点坐标总数应小于1000个",
                                                     "矿区范围拐点坐标与标高的总行数= 0"}));
    EXPECT_EQ(coordinateBlockLines("1,3,1,10,20,2,11,20,3,11,21,500,200,A,1,"),
              (QStringList{"矿区范围拐点坐标总数应小于1000个", "矿区范围拐点坐标与标高的总行数= 4",
                           "XY001=1,10,20", "XY002=2,11,20", "XY003=3,11,21",
                           "XY004=标高,500,200,A,1"}));
    // A block cut short is left out, and the count equals the lines written.
    const QStringList cut = coordinateBlockLines("2,3,1,10,20,2,11,20,3,11,21,500,200,A,1,3,1,5");
    EXPECT_EQ(cut.at(1), "矿区范围拐点坐标与标高的总行数= 4");
    EXPECT_EQ(cut.size(), 6);
    // Line numbers grow to four digits after 999.
    QString big = "1,1000,";
    for (int i = 1; i <= 1000; ++i)
        big += QStringLiteral("%1,%2,%3,").arg(i).arg(3800000 + i).arg(38500000);
    big += "0,0,,1,";
    const QStringList many = coordinateBlockLines(big);
    EXPECT_EQ(many.at(1), "矿区范围拐点坐标与标高的总行数= 1001");
    EXPECT_TRUE(many.at(1000).startsWith("XY999="));
    EXPECT_TRUE(many.at(1001).startsWith("XY1000="));
    EXPECT_EQ(many.last(), "XY1001=标高,0,0,,1");

    QString boundary;
    ASSERT_TRUE(readCoordinateLines(many, 2, 1001, &boundary));
    EXPECT_EQ(boundary, big);
    ASSERT_TRUE(readCoordinateLines({}, 0, 0, &boundary));
    EXPECT_EQ(boundary, "0,");
    // Short trailers get their empty fields back.
    ASSERT_TRUE(readCoordinateLines({"XY001=1,1,1", "XY002=标高,5"}, 0, 2, &boundary));
    EXPECT_EQ(boundary, "1,1,1,1,1,5,,,,");
}

TEST_F(TextSubmission, EmptyBoundaryLoadsAsAnEmptyGrid) {
    auto f = makeForm(5);
    auto target = roundTrip(*f);
    EXPECT_EQ(target->grid->stored, "0,");
    EXPECT_EQ(target->grid->ZB_String(), "");
    EXPECT_EQ(target->grid->initCount, 2);   // cleared, then loaded
}

TEST_F(TextSubmission, MalformedCoordinateBlocksFailTheRead) {
    const QStringList head = {"[登记项目]", "***采矿登记项目内容***", "", "申请人=甲",
                              "矿区范围拐点坐标总数应小于1000个"};
    // A count that disagrees with the corner-point lines that follow names its line (the 6th).
    const QList<std::pair<QStringList, QString>> bad = {
        {{"矿区范围拐点坐标与标高的总行数= 4", "XY001=1,10,20", "XY002=2,11,20"}, "总行数为4，实有坐标行2"},
        {{"矿区范围拐点坐标与标高的总行数= 2", "AB001=1,10,20", "XY002=标高,1,2,,1"}, "总行数为2，实有坐标行0"},
        {{"矿区范围拐点坐标与标高的总行数= 2", "XY001=1,10", "XY002=标高,1,2,,1"}, ""},
        {{"矿区范围拐点坐标与标高的总行数= 2", "XY001=1,10,20", "XY002=标高,1,2,,1,9"}, ""},
        {{"矿区范围拐点坐标与标高的总行数= 2", "XY001=1,10,20", "XY002=2,11,20"}, ""},  // no 标高
        {{"矿区范围拐点坐标与标高的总行数= 99999999999", "XY001=1,10,20"}, "总行数为99999999999，实有坐标行1"},
        {{"矿区范围拐点坐标与标高的总行数= 甲", "XY001=1,10,20"}, "总行数为甲，实有坐标行1"},
        {{"矿区范围拐点坐标与标高的总行数= 1", "XY001=标高,1,2,,1"}, ""},   // a block without points
        {{"矿区范围拐点坐标与标高的总行数= 3", "XY001=1,10,20", "XY002=2,11,20", "XY003=标高,1,2,,1", "XY004=3,9,9"}, "总行数为3，实有坐标行4"},
    };
    for (const auto& [tail, detail] : bad) {
        SCOPED_TRACE(tail.join(" | ").toStdString());
        dialogs.clear();
        auto f = makeForm(1);
        EXPECT_FALSE(readInto(*f, writeLines("bad.txt", head + tail)));
        EXPECT_EQ(dialogs.messageTexts(), QStringList{detail.isEmpty() ? "坐标数据格式错!" : "坐标数据格式错!\n第6行：" + detail});
        EXPECT_EQ(dialogs.lastMessage().title, "提示");
        EXPECT_EQ(f->setTextCalls, 0);
        EXPECT_EQ(f->grid->initCount, 0);
    }
}

TEST_F(TextSubmission, BadFilesAreRejectedWithTheirMessage) {
    QByteArray random(4096, '\0');
    QRandomGenerator gen(7);
    for (char& c : random)
        c = char(gen.bounded(256));
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* message;
    };
    const QList<Case> cases = {
        {"empty", QByteArray(), "该文件格式不符合岩契录件文件!"},
        {"one line", encodeGb18030("[登记项目]\r\n"), "该文件格式不符合岩契录件文件格式!"},
        {"an XML file", "<?xml version=\"1.0\"?><APP/>", "该文件格式不符合岩契录件文件!"},
        {"random bytes", random, "该文件格式不符合岩契录件文件!"},
        {"a huge line", QByteArray(8 << 20, 'A'), "该文件格式不符合岩契录件文件!"},
        {"title inside other text", encodeGb18030("[登记项目]\r\n说明***采矿登记项目内容***\r\n"),
         "该文件格式不符合岩契录件文件格式!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        auto f = makeForm(1);
        EXPECT_FALSE(readInto(*f, write("bad.txt", c.bytes)));
        EXPECT_EQ(dialogs.messageTexts(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(dialogs.lastMessage().icon, MsgIcon::Exclamation);
        EXPECT_EQ(dialogs.lastMessage().title, "");
        EXPECT_EQ(f->setTextCalls, 0);
    }
}

TEST_F(TextSubmission, ReadsAnyLineEndAndPaddedTitles) {
    const QString text = "  [登记项目]  \n  ***采矿延续登记项目内容***  \r\r申请人=甲\r文本2=乙\n";
    auto f = makeForm(3);
    EXPECT_TRUE(readInto(*f, write("ends.txt", encodeGb18030(text))));
    EXPECT_EQ(f->text(ControlArray::ChTXT, 0), "甲");
    EXPECT_EQ(f->text(ControlArray::ChTXT, 2), "乙");
}

TEST_F(TextSubmission, AnotherKindsFileLoadsTheCurrentFormsKeysOnly) {
    auto source = makeForm(1);
    fillForm(*source);
    const QString path = dir.filePath("k1.txt");
    ASSERT_TRUE(WriteTextSubmission(path, collectFormValues(*source), fixtureMap(1, false)));
    auto f = makeForm(3);
    EXPECT_TRUE(readInto(*f, path));
    EXPECT_EQ(f->text(ControlArray::ChTXT, 0), source->text(ControlArray::ChTXT, 0));
    EXPECT_EQ(f->text(ControlArray::ChTXT, 15), source->text(ControlArray::ChTXT, 15));
    // A dictionary without fields of the kind reads nothing and says so, not key by key.
    EXPECT_EQ(ReadSubmissionFile(path, *makeForm(3), KindFieldMap{3, {}}, KindFieldMap{3, {}}, mineralLookup()), -1);
    EXPECT_TRUE(dialogs.lastMessage().text.endsWith("中没有【采矿延续】申请的字段，文件的内容未读入"));
}

TEST_F(TextSubmission, SpecialKeysAndContinuationsAfterThem) {
    KindFieldMap map = fixtureMap(2, false);
    // Two fields under one key: the first pair in map order receives every such line.
    map.Pairs.append(FieldPair{"备注2", "申请人"});
    const QString path = writeLines(
        "s.txt", {"[登记项目]", "***采矿变更登记项目内容***", "", "申请人=甲", "***续",
                  "变更类型=1111111", "***不属于任何字段", "共伴生类型=2", "未知键=x", "***丢弃",
                  "***丢弃=也属于未知键", "申请人=乙"});
    FormValues v;
    ASSERT_TRUE(ReadTextSubmission(path, map, &v));
    ASSERT_EQ(v.fields.size(), 2);
    EXPECT_EQ(v.fields.at(0).fieldName, "申请人");
    EXPECT_EQ(v.fields.at(0).value, "甲\n续");
    EXPECT_EQ(v.fields.at(1).value, "乙");
    EXPECT_EQ(v.changeTypes, "1111111");
    EXPECT_EQ(v.checkTogether, true);
    EXPECT_FALSE(v.boundary.has_value());
    EXPECT_EQ(v.unknownKeys, QStringList{"未知键"});
    // The count line and check boxes go by their mapped and literal keys; unmapped, they are named.
    KindFieldMap own = fixtureMap(2, false);
    for (FieldPair& p : own.Pairs) if (QStringList{"共伴生类型", "变更类型", "区域坐标"}.contains(p.FieldName)) p.Value = "K_" + p.Value;
    const struct { KindFieldMap map; QStringList lines; std::optional<QString> types, boundary; QStringList unknown; } cases[] = {
        {own, {"K_共伴生类型=2", "K_变更类型=10100", "K_矿区范围拐点坐标与标高的总行数= 2", "XY001=1,3800000,38500000",
               "XY002=标高,500,200,,"}, "10100", "1,1,1,3800000,38500000,500,200,,,", {}},
        {own, {"共伴生类型=2", "变更类型=01010", "矿区范围拐点坐标与标高的总行数= 0"}, "01010", "0,", {}},
        {fixtureMap(3, false), {"变更类型=01010", "矿区范围拐点坐标与标高的总行数= 0"}, {}, {}, {"变更类型", kCoordinateCountKey}},
    };
    for (const auto& c : cases) {
        FormValues w;
        ASSERT_TRUE(parseTextSubmission(QStringList{"[登记项目]", "***采矿变更登记项目内容***", ""} + c.lines, c.map, &w));
        EXPECT_EQ(std::tuple(w.checkTogether.value_or(false), w.changeTypes, w.boundary, w.unknownKeys),
                  std::tuple(c.types.has_value(), c.types, c.boundary, c.unknown)) << c.lines.join(' ').toStdString();
    }
}

TEST_F(TextSubmission, CharactersOutsideGbkSurvive) {
    auto f = makeForm(4);
    f->setText(ControlArray::ChTXT, 0, QStringLiteral("𠀀公司 € ∑"));
    auto target = roundTrip(*f);
    EXPECT_EQ(target->text(ControlArray::ChTXT, 0), QStringLiteral("𠀀公司 € ∑"));
}

TEST_F(TextSubmission, MainMineralWithoutCodeIsWrittenAsZeroAndLoadsEmpty) {
    auto f = makeForm(1);
    f->setText(ControlArray::ChCBO, 2, "铁矿");
    const QStringList lines = textSubmissionLines(collectFormValues(*f), fixtureMap(1, false));
    EXPECT_TRUE(lines.contains("开采主矿种=0"));
    EXPECT_EQ(roundTrip(*f)->text(ControlArray::ChCBO, 2), "");
}

TEST_F(TextSubmission, AFailedWriteKeepsThePreviousFileAndSaysWhy) {
    auto f = makeForm(3);
    QString error;
    EXPECT_FALSE(WriteTextSubmission(dir.filePath("no/such/dir/a.txt"), collectFormValues(*f),
                                     fixtureMap(3, false), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(TextSubmission, KindCheckAsksTheUser) {
    const QString padded = writeLines("p.txt", {"[登记项目]", "  ***采矿注销登记项目内容***  "});
    dialogs.answer(MsgAnswer::Yes);
    EXPECT_EQ(ReadTextFileKind(padded), 4);
    EXPECT_EQ(dialogs.lastMessage().text, "此文件为【采矿注销】申请内容,确认吗?");
    EXPECT_EQ(dialogs.lastMessage().title, "选择");
    EXPECT_EQ(dialogs.lastMessage().buttons, MsgButtons::YesNo);
    dialogs.answer(MsgAnswer::No);
    EXPECT_EQ(ReadTextFileKind(padded), 0);
    // A title inside other text passes the kind check.
    dialogs.answer(MsgAnswer::Yes);
    EXPECT_EQ(ReadTextFileKind(writeLines("e.txt", {"x[登记项目]", "注:***采矿年检项目内容***"})), 7);

    EXPECT_EQ(ReadTextFileKind(dir.filePath("missing.txt")), 0);
    for (const QByteArray& bytes :
         {QByteArray(), encodeGb18030("[登记项目]\r\n"), encodeGb18030("[登记项目]\r\n其它\r\n"),
          QByteArray(1 << 20, '\x01')}) {
        dialogs.clear();
        state().PendingFile = "x.txt";
        EXPECT_EQ(ReadTextFileKind(write("bad.txt", bytes)), 0);
        EXPECT_EQ(dialogs.messageTexts(), QStringList{"该文件非系统认定文件..."});
        EXPECT_EQ(dialogs.lastMessage().title, "错误");
        EXPECT_EQ(dialogs.lastMessage().icon, MsgIcon::Critical);
        EXPECT_EQ(state().PendingFile, "");
    }
}
