// The form design text format: what the loader accepts, and the errors it reports.
#include "forms/form_design.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mf {
namespace {

const char* kHeader =
    "# a small design\n"
    "@form|NewTab|1|采矿权新立申请表\n"
    "@page|0|7155|7545|\n"
    "@page|1|7155|7545|(1500,4590)-(6900,6690)\n";

FormDesign parse(const QByteArray& body, QString* error) {
    return parseFormDesign(QByteArray(kHeader) + body, QStringLiteral("t.frm"), error);
}

QString errorOf(const QByteArray& body) {
    QString error;
    const FormDesign d = parse(body, &error);
    EXPECT_FALSE(d.isValid());
    return error;
}

TEST(FormDesignFormat, ReadsControlsWithAllTheirProperties) {
    QString error;
    const FormDesign d = parse(
        "TextBox|ChTXT|3|0||100|200|3000|300|填表时间|||align=1 maxlen=10|X,ZN宋体,ZS12\n"
        "Label|Label1|0|1||10|20|500|400||a \\| b\\nc \\\\ d|黑体,10.5,b|fore=#FF0000 back=#00FF00 transparent|\n"
        "ComboBox|ChCBO|0|0||0|0|100|300|经济类型||宋体,9|style=2 hidden disabled|Y,ZN宋体,ZS12\n"
        "Line|Line1|0|1||6000|100|200|900|||||\n"
        "TextBox|ChMEMO|0|0||0|400|100|300|备注|||multiline scroll=2 border=0|\r\n",
        &error);
    ASSERT_TRUE(d.isValid()) << error.toStdString();
    EXPECT_EQ(d.formName, QStringLiteral("NewTab"));
    EXPECT_EQ(d.kind, 1);
    EXPECT_EQ(d.caption, QStringLiteral("采矿权新立申请表"));
    ASSERT_EQ(d.pageCount(), 2);
    EXPECT_EQ(d.page(1)->tag, QStringLiteral("(1500,4590)-(6900,6690)"));
    EXPECT_EQ(d.page(0)->height, Twips(7545));
    ASSERT_EQ(d.controls.size(), 5u);

    const DesignControl* t = d.find("ChTXT", 3);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->rect, (TwipsRect{Twips(100), Twips(200), Twips(3000), Twips(300)}));
    EXPECT_EQ(t->fieldName, QStringLiteral("填表时间"));
    EXPECT_EQ(t->align, HAlign::Right);
    EXPECT_EQ(t->maxLength, 10);
    EXPECT_EQ(t->tag, QStringLiteral("X,ZN宋体,ZS12"));
    EXPECT_EQ(t->font, FontSpec());   // default 宋体 9

    const DesignControl* l = d.find("label1", 0);   // names are not case-sensitive
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->caption, QStringLiteral("a | b\nc \\ d"));
    EXPECT_EQ(l->font, (FontSpec{QStringLiteral("黑体"), 10.5, true}));
    EXPECT_EQ(l->foreColor, QColor(255, 0, 0));
    EXPECT_EQ(l->backColor, QColor(0, 255, 0));
    EXPECT_TRUE(l->transparent);

    const DesignControl* c = d.find("ChCBO", 0);
    EXPECT_EQ(c->comboStyle, 2);
    EXPECT_FALSE(c->visible);
    EXPECT_FALSE(c->enabled);

    const DesignControl* line = d.find("Line1", 0);
    EXPECT_EQ(line->x1, Twips(6000));
    EXPECT_EQ(line->y2, Twips(900));
    EXPECT_EQ(line->rect, (TwipsRect{Twips(200), Twips(100), Twips(5800), Twips(800)}));

    const DesignControl* m = d.find("ChMEMO", 0);
    EXPECT_TRUE(m->multiLine);
    EXPECT_EQ(m->scrollBars, 2);
    EXPECT_EQ(m->borderStyle, 0);
    EXPECT_TRUE(m->tag.isEmpty());   // the CR of a CR LF line is not part of the last field
}

TEST(FormDesignFormat, ControlsInAFrameAreRelativeToIt) {
    QString error;
    const FormDesign d = parse("Frame|ZFRAME2|-1|0||60|6020|5460|1460|||||\n"
                               "TextBox|ChTXT|18|0|ZFRAME2|930|170|1000|300|采深上限||||\n",
                               &error);
    ASSERT_TRUE(d.isValid()) << error.toStdString();
    const DesignControl* t = d.find("ChTXT", 18);
    EXPECT_EQ(t->container, QStringLiteral("ZFRAME2"));
    EXPECT_EQ(d.absoluteRect(*t), (TwipsRect{Twips(990), Twips(6190), Twips(1000), Twips(300)}));
    EXPECT_EQ(d.controlsOnPage(0).size(), 2u);
}

TEST(FormDesignFormat, MalformedLinesNameFileAndLine) {
    // The header takes lines 1 to 4; the body starts on line 5.
    EXPECT_EQ(errorOf("TextBox|ChTXT|0|0||1|2|3|4\n"), QStringLiteral("t.frm:5: expected 14 fields, found 9"));
    EXPECT_TRUE(errorOf("\n# note\nMemo|ChTXT|0|0||1|2|3|4|||||\n").startsWith("t.frm:7: unknown control type"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|x|0||1|2|3|4|||||\n").startsWith("t.frm:5: bad index"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|2||1|2|3|4|||||\n").startsWith("t.frm:5: page \"2\" not declared"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0||1|2|3.5|4|||||\n").startsWith("t.frm:5: geometry"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0||1|2|-3|4|||||\n").startsWith("t.frm:5: negative"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0||1|2|3|4||||bogus|\n").startsWith("t.frm:5: unknown property"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0||1|2|3|4||||align=7|\n").startsWith("t.frm:5: bad value"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0||1|2|3|4||||fore=red|\n").startsWith("t.frm:5: bad value"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0||1|2|3|4|||宋体||\n").startsWith("t.frm:5: font"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0||1|2|3|4|||宋体,0||\n").startsWith("t.frm:5: bad font size"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0||1|2|3|4||a\\tb|||\n").startsWith("t.frm:5: unknown escape"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0||1|2|3|4|||||\\\n").startsWith("t.frm:5: backslash"));
    EXPECT_TRUE(errorOf("TextBox|ChTXT|0|0|ZF|1|2|3|4|||||\n").startsWith("t.frm:5: container"));
    EXPECT_TRUE(errorOf("TextBox|Ch TXT|0|0||1|2|3|4|||||\n").startsWith("t.frm:5: bad control name"));
    EXPECT_TRUE(errorOf("@pages|2|1|1|\n").startsWith("t.frm:5: unknown directive"));
    EXPECT_TRUE(errorOf("@page|3|7155|7545|\n").startsWith("t.frm:5: pages must be numbered"));
    EXPECT_TRUE(errorOf("@form|X|1|y\n").startsWith("t.frm:5: second @form"));
}

TEST(FormDesignFormat, DuplicatesAndMixedArraysAreRefused) {
    EXPECT_EQ(errorOf("TextBox|ChTXT|0|0||1|2|3|4|||||\nTextBox|chtxt|0|1||1|2|3|4|||||\n"),
              QStringLiteral("t.frm:6: duplicate control chtxt(0)"));
    EXPECT_TRUE(errorOf("TextBox|KCDM|-1|0||1|2|3|4|||||\nTextBox|KCDM|0|0||1|2|3|4|||||\n")
                    .startsWith("t.frm:6: \"KCDM\" is used both as an array and as a single control"));
}

TEST(FormDesignFormat, MissingHeadersAndUnreadableFiles) {
    QString error;
    EXPECT_FALSE(parseFormDesign("TextBox|ChTXT|0|0||1|2|3|4|||||\n", "a.frm", &error).isValid());
    EXPECT_EQ(error, QStringLiteral("a.frm:1: control before @form"));
    EXPECT_FALSE(parseFormDesign("@form|A|1|x\n", "a.frm", &error).isValid());
    EXPECT_EQ(error, QStringLiteral("a.frm: no @page line"));
    EXPECT_FALSE(parseFormDesign("", "a.frm", &error).isValid());
    EXPECT_EQ(error, QStringLiteral("a.frm: no @form line"));
    EXPECT_FALSE(parseFormDesign("@form|A|9|x\n", "a.frm", &error).isValid());
    EXPECT_TRUE(error.startsWith("a.frm:1: bad kind"));
    // Bytes that are not UTF-8 never crash the loader.
    EXPECT_FALSE(parseFormDesign(QByteArray("\xff\xfe|\x00|", 5), "b.frm", &error).isValid());

    EXPECT_FALSE(loadFormDesign(":/forms/none.frm", &error).isValid());
    EXPECT_TRUE(error.startsWith(":/forms/none.frm: cannot be read")) << error.toStdString();
    EXPECT_FALSE(loadFormDesign(":/forms/none.frm", nullptr).isValid());   // no error sink: no crash
}

TEST(FormDesignFormat, LoadsFromAFileAndReportsItsName) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.frm");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(kHeader) + "Label|Label1|0|0||1|2|3|4|||||\nLabel|Label1|1|0||1|2|3\n");
    f.close();
    QString error;
    EXPECT_FALSE(loadFormDesign(path, &error).isValid());
    EXPECT_EQ(error, path + QStringLiteral(":6: expected 14 fields, found 8"));
}

} // namespace
} // namespace mf
