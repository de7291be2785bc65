// The page walker: which controls reach paper, where, in which font, with which lines.
#include "print_fixtures.h"

#include "platform/scripted_dialogs.h"
#include "platform/text_layout.h"
#include "printing/fit_text.h"
#include "printing/page_walker.h"
#include "printing/print_directives.h"
#include "printing/print_geometry.h"

using namespace mf;
using namespace mf::test;
using Call = RecordingTarget::Call;

namespace {

struct WalkerTest : PrintingTest {
    RecordingTarget target;
    ScriptedDialogs dialogs;
    void SetUp() override {
        PrintingTest::SetUp();
        dialogs.install();
    }
    void print(FakeForm& form, int page = 0) { PrintContainerPage(target, form, QStringLiteral("Picture1"), page, nullptr); }
};

} // namespace

TEST(PrintGeometry, MapsFormTwipsToPaper) {
    state().PrintScaleX = 1.5f;
    state().PrintScaleY = 1.9f;
    EXPECT_EQ(MapPrintX(1500), 3050);
    EXPECT_EQ(MapPrintY(4590), 9921);
    EXPECT_EQ(MapPrintX(6900), 11150);
    EXPECT_EQ(MapPrintY(6690), 13911);
    EXPECT_EQ(CmToTwips(2.0f), 1134);
    EXPECT_EQ(CmToTwips(0.54f), 306);
    EXPECT_EQ(StripBlanks(QStringLiteral(" 地 质\t调查 ")), QStringLiteral("地质调查"));
    EXPECT_EQ(printDateText(QStringLiteral("2024-1-5")), QStringLiteral("2024年1月5日"));
    EXPECT_EQ(printDateText(QStringLiteral("2024/01/05")), QStringLiteral("2024年1月5日"));
    EXPECT_EQ(printDateText(QStringLiteral("明年")), QStringLiteral("明年"));
}

TEST(PrintDirectivesParse, ReadsItemsByTheirPrefix) {
    const PrintDirectives d = parsePrintDirectives(QStringLiteral("F,zn黑体,ZS10.5,zb,MT30,ml-20,[V],XL,Y,D,P,Q"));
    EXPECT_TRUE(d.spaced && d.hasFontName && d.hasFontSize && d.hasBold && d.printHidden && d.lineXL);
    EXPECT_TRUE(d.afterBlank && d.date && d.blank);
    EXPECT_FALSE(d.lineX);
    EXPECT_EQ(d.fontName, QStringLiteral("黑体"));
    EXPECT_DOUBLE_EQ(d.fontSize, 10.5);
    EXPECT_EQ(d.top, 30);
    EXPECT_EQ(d.left, -20);
    // X and XL compare exactly; items are not trimmed.
    EXPECT_FALSE(parsePrintDirectives(QStringLiteral("x")).lineX);
    EXPECT_FALSE(parsePrintDirectives(QStringLiteral(" X")).lineX);
    EXPECT_FALSE(parsePrintDirectives(QString()).hasFontItem());
}

TEST(FitText, BreaksAtTheCharacterThatNoLongerFits) {
    RecordingTarget t;
    t.setFont(QStringLiteral("宋体"), 12, false);
    QString text = QString(20, QChar(0x5B57));
    int dx = 0, dy = 0;
    double size = 0;
    const int lines = FitTextToBox(t, 3000, 1140, dx, dy, text, 0, 0, size);
    EXPECT_EQ(lines, 2);
    EXPECT_DOUBLE_EQ(size, 12);
    const QStringList parts = fittedLines(text);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0].size(), 12);
    EXPECT_EQ(parts[1].size(), 8);
    EXPECT_EQ(dx, 20);
    EXPECT_EQ(dy, 20);
}

TEST(FitText, BreaksLinesAsChineseTypesettingAllows) {
    // Twelve characters fill a line; each case would break after the twelfth.
    const QString zi(11, QChar(0x5B57));
    const struct {
        QString text, second;
    } cases[] = {
        {zi + QStringLiteral("14/56号"), QStringLiteral("14/56号")},   // no break inside a number
        {zi + QStringLiteral("字。字"), QStringLiteral("字。字")},      // no full stop at a line's start
        {zi + QStringLiteral("字；字"), QStringLiteral("字；字")},
        {zi + QStringLiteral("《书》"), QStringLiteral("《书》")},      // no opening mark at a line's end
        {zi + QStringLiteral("字字"), QStringLiteral("字")},           // an ordinary break
        {zi + QStringLiteral("\U0002003E字"), QStringLiteral("字")},   // a surrogate pair is one character
        {zi + QStringLiteral("字\U0002003E"), QStringLiteral("\U0002003E")},
        {zi + QStringLiteral("\U0002003E。"), QStringLiteral("\U0002003E。")},
    };
    for (const auto& c : cases) {
        RecordingTarget t;
        t.setFont(QStringLiteral("宋体"), 12, false);
        QString text = c.text;
        int dx = 0, dy = 0;
        double size = 0;
        EXPECT_EQ(FitTextToBox(t, 3000, 1140, dx, dy, text, 0, 0, size), 2) << c.text.toStdString();
        // A table cell breaks the same way; its last line kept is cut before a whole character.
        const QStringList cell = fitCell(t, c.text, 3000, 1140, 12), cut = fitCell(t, c.text, 2900, 276, 12);
        for (const QStringList& lines : {fittedLines(text), cell, cut}) {
            for (const QString& l : lines) EXPECT_TRUE(l.isValidUtf16()) << c.text.toStdString();
        }
        EXPECT_EQ(fittedLines(text).value(1), c.second) << c.text.toStdString();
        EXPECT_EQ(cell.value(1), c.second) << c.text.toStdString();
    }
}

TEST(FitText, LowersTheSizeInHalfPointsUntilTheLinesFit) {
    RecordingTarget t;
    t.setFont(QStringLiteral("宋体"), 12, false);
    QString text = QString(20, QChar(0x5B57));
    int dx = 0, dy = 0;
    double size = 0;
    EXPECT_EQ(FitTextToBox(t, 3000, 285, dx, dy, text, 2, 2, size), 1);
    EXPECT_DOUBLE_EQ(size, 7.5);
    EXPECT_DOUBLE_EQ(t.fontSize(), 7.5);
}

TEST(FitText, StopsAtOnePointInABoxTooNarrowForAnyCharacter) {
    RecordingTarget t;
    t.setFont(QStringLiteral("宋体"), 12, false);
    QString text = QStringLiteral("矿山");
    int dx = 0, dy = 0;
    double size = 0;
    const int lines = FitTextToBox(t, 15, 100, dx, dy, text, 0, 2, size);
    EXPECT_DOUBLE_EQ(size, 1);
    // Each character overflows its line, which ends it without a break being written.
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(fittedLines(text), QStringList{QStringLiteral("矿山")});
}

TEST(FitText, KeepsExplicitBreaksAndDropsALoneCr) {
    RecordingTarget t;
    t.setFont(QStringLiteral("宋体"), 10, false);
    QString text = QStringLiteral("ab\r\ncd\ref");
    int dx = 0, dy = 0;
    double size = 0;
    EXPECT_EQ(FitTextToBox(t, 5000, 5000, dx, dy, text, 0, 0, size), 2);
    EXPECT_EQ(fittedLines(text), (QStringList{QStringLiteral("ab"), QStringLiteral("cdef")}));
    QString trailing = QStringLiteral("ab\r\n");
    EXPECT_EQ(FitTextToBox(t, 5000, 5000, dx, dy, trailing, 0, 0, size), 2);
    EXPECT_EQ(fittedLines(trailing), (QStringList{QStringLiteral("ab"), QString()}));
}

TEST(FitText, ALongTextKeepsEveryCharacterWhateverSizeItEndsAt) {
    // A pasted memo: sizes that cannot fit are given up early, the size that is kept has the
    // whole text laid out.
    const QString para = QString(37, QChar(0x5B57)) + QStringLiteral("\r\n");
    for (const int repeats : {3, 40, 400}) {
        RecordingTarget t;
        t.setFont(QStringLiteral("宋体"), 12, false);
        const QString original = para.repeated(repeats);
        QString text = original;
        int dx = 0, dy = 0;
        double size = 0;
        const int lines = FitTextToBox(t, 7800, 2000, dx, dy, text, 0, 0, size);
        const QStringList parts = fittedLines(text);
        EXPECT_EQ(parts.join(QString()), QString(original).remove(QStringLiteral("\r\n")));
        EXPECT_EQ(lines, parts.size());
        if (size > 1) EXPECT_LE(lines * t.textHeight(QStringLiteral("字")), 2000);
        if (repeats == 400) EXPECT_DOUBLE_EQ(size, 1);
    }
}

TEST_F(WalkerTest, PrintsTaggedControlsAndAlwaysLinesAndShapes) {
    FakeForm form(QStringLiteral(
        "Label|Label1|0|0||100|100|2000|300||无标记|宋体,9||\n"
        "Label|Label1|1|0||100|500|2000|300||有标记|宋体,9||ZN宋体,ZS12\n"
        "Line|Line1|0|0||100|900|2100|900|||||\n"
        "Shape|Shape1|0|0||100|200|1000|500|||||\n"
        "Label|Label1|2|1||100|500|2000|300||别页|宋体,9||ZN宋体,ZS12\n"));
    print(form);
    ASSERT_EQ(target.texts().size(), 1);
    EXPECT_EQ(target.texts()[0].text, QStringLiteral("有标记"));
    const QList<Call> lines = target.lines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(QLine(lines[0].x, lines[0].y, lines[0].x2, lines[0].y2), QLine(950, 2910, 3950, 2910));
    // The shape as top, left, bottom and right edge.
    EXPECT_EQ(QLine(lines[1].x, lines[1].y, lines[1].x2, lines[1].y2), QLine(950, 1580, 2450, 1580));
    EXPECT_EQ(QLine(lines[2].x, lines[2].y, lines[2].x2, lines[2].y2), QLine(950, 1580, 950, 2530));
    EXPECT_EQ(QLine(lines[3].x, lines[3].y, lines[3].x2, lines[3].y2), QLine(950, 2530, 2450, 2530));
    EXPECT_EQ(QLine(lines[4].x, lines[4].y, lines[4].x2, lines[4].y2), QLine(2450, 1580, 2450, 2530));
    for (const Call& l : lines) EXPECT_EQ(l.drawWidth, 2);
    EXPECT_EQ(target.jobs(), 1);
    EXPECT_EQ(target.drawWidth(), 1);   // restored
}

TEST_F(WalkerTest, CentresATextBoxAndItsSecondLine) {
    FakeForm form(QStringLiteral(
        "TextBox|ChTXT|0|0||1000|1000|2000|300|申请人||宋体,12|align=2|ZN宋体,ZS12\n"
        "TextBox|ChTXT|1|0||1000|2000|2000|600|地址||宋体,12|align=2 multiline|ZN宋体,ZS12\n"));
    form.texts[QStringLiteral("ChTXT(0)")] = QStringLiteral("张三  ");
    form.texts[QStringLiteral("ChTXT(1)")] = QStringLiteral("甲乙丙\n丁");
    print(form);
    const Call one = target.findText(QStringLiteral("张三"));
    EXPECT_EQ(one.x, 2300 + 1260);
    EXPECT_EQ(one.y, 3100 + 147);
    EXPECT_EQ(one.font, QStringLiteral("宋体"));
    const Call first = target.findText(QStringLiteral("甲乙丙"));
    const Call second = target.findText(QStringLiteral("丁"));
    EXPECT_EQ(first.x, 3440);
    EXPECT_EQ(first.y, MapPrintY(2000) + 294);
    EXPECT_EQ(second.x, 3680);
    EXPECT_EQ(second.y, first.y + 276);
}

TEST_F(WalkerTest, HiddenControlsPrintOnlyWithV) {
    FakeForm form(QStringLiteral(
        "Label|Label1|0|0||100|100|2000|300||隐藏标签|宋体,9||ZN宋体,ZS12,[V]\n"
        "Label|Label1|1|0||100|500|2000|300||不印|宋体,9||ZN宋体,ZS12\n"
        "TextBox|ChTXT|0|0||100|900|2000|300|甲||宋体,12||ZN宋体,ZS12,[V],X\n"
        "TextBox|ChTXT|1|0||100|1300|2000|300|乙||宋体,12||F,ZN宋体,ZS12,[V]\n"));
    for (const char* n : {"Label1(0)", "Label1(1)", "ChTXT(0)", "ChTXT(1)"}) form.hidden.insert(QString::fromUtf8(n));
    form.texts[QStringLiteral("ChTXT(0)")] = QStringLiteral("普通");
    form.texts[QStringLiteral("ChTXT(1)")] = QStringLiteral("疏排");
    print(form);
    QStringList printed;
    for (const Call& c : target.texts()) printed << c.text;
    EXPECT_EQ(printed, (QStringList{QStringLiteral("隐藏标签"), QStringLiteral("疏"), QStringLiteral("排")}));
    ASSERT_EQ(target.lines().size(), 1);   // the hidden text box's bottom line
    EXPECT_EQ(target.lines()[0].y, MapPrintY(1200));
}

TEST_F(WalkerTest, LetterSpacingSpreadsAcrossTheBox) {
    FakeForm form(QStringLiteral(
        "Label|Label1|0|0||1000|1000|2000|400||申 请 表|黑体,16||F,ZN黑体,ZS16,[V]\n"
        "Label|Label1|1|0||1000|2000|2000|400||表|黑体,16||F,ZN黑体,ZS16\n"
        "Label|Label1|2|0||1000|3000|2000|400||\U0002003E表|黑体,16||F,ZN黑体,ZS16\n"));
    print(form);
    const QList<Call> t = target.texts();
    ASSERT_EQ(t.size(), 6);
    EXPECT_EQ(t[4].text, QStringLiteral("\U0002003E"));   // a whole character at each place
    EXPECT_EQ(t[5].x, MapPrintX(3000) - 368);
    EXPECT_EQ(t[0].x, 2300);
    EXPECT_EQ(t[1].x, 3616);
    EXPECT_EQ(t[2].x, 4932);
    EXPECT_EQ(t[2].x + 368, MapPrintX(3000));   // the last one ends at the right edge
    EXPECT_EQ(t[0].y, 3100 + 196);
    EXPECT_EQ(t[0].font, QStringLiteral("黑体"));
    EXPECT_EQ(t[3].text, QStringLiteral("表"));
    EXPECT_EQ(t[3].x, 2300);   // one character: at the left edge
}

TEST_F(WalkerTest, BottomLinesOfXXlAndRedLabels) {
    FakeForm form(QStringLiteral(
        "TextBox|ChTXT|0|0||1000|1000|2000|300|甲||宋体,12||X,ZN宋体,ZS12\n"
        "TextBox|ChTXT|1|0||1000|2000|2000|300|乙||宋体,12||XL,ZN宋体,ZS12\n"
        "Label|Label1|0|0||1000|3000|2000|300||必填项|宋体,9|fore=#FF0000|ZN宋体,ZS12\n"
        "Label|Label1|1|0||1000|4000|2000|300||地 质调查|宋体,9|fore=#FF0000|ZN宋体,ZS12\n"
        "Label|Label1|2|0||1000|5000|2000|300||深红|宋体,9|fore=#FE0000|ZN宋体,ZS12\n"));
    print(form);
    const QList<Call> l = target.lines();
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[0].y, MapPrintY(1300));
    EXPECT_EQ(l[1].x2 - l[1].x, l[0].x2 - l[0].x + 750);
    EXPECT_EQ(l[2].y, MapPrintY(3300));
    EXPECT_EQ(target.texts().size(), 3);   // empty text boxes print only their lines
}

TEST_F(WalkerTest, FontsFollowTheControlAndTheTag) {
    FakeForm form(QStringLiteral(
        "Label|Label1|0|0||100|100|3000|400||仿宋|宋体,9,b||X\n"
        "TextBox|ChTXT|0|0||100|600|3000|400|甲||宋体,9||X\n"
        "TextBox|ChTXT|1|0||100|1100|3000|400|乙||宋体,9,b||ZB\n"
        "Label|Label1|1|0||100|1600|3000|400||粗|宋体,9||ZB\n"
        "ComboBox|ChCBO|0|0||100|2100|3000|400|丙||宋体,10.5||Y,ZN宋体,ZS12\n"
        "CheckBox|Check1|0|0||100|2600|3000|300||共伴生|宋体,9||ZN宋体\n"));
    form.texts[QStringLiteral("ChTXT(0)")] = QStringLiteral("文本");
    form.texts[QStringLiteral("ChTXT(1)")] = QStringLiteral("反粗");
    form.texts[QStringLiteral("ChCBO(0)")] = QStringLiteral("110 北京市 ");
    print(form);
    const Call label = target.findText(QStringLiteral("仿宋"));
    EXPECT_EQ(label.font, QStringLiteral("仿宋_GB2312"));
    EXPECT_NEAR(label.size, 9 * 1.143, 1e-9);
    EXPECT_TRUE(label.bold);
    const Call box = target.findText(QStringLiteral("文本"));
    EXPECT_EQ(box.font, QStringLiteral("宋体"));
    EXPECT_NEAR(box.size, 9 * 1.143, 1e-9);
    EXPECT_FALSE(target.findText(QStringLiteral("反粗")).bold);
    EXPECT_TRUE(target.findText(QStringLiteral("粗")).bold);
    EXPECT_EQ(target.findText(QStringLiteral("北京市")).op, RecordingTarget::Op::Text);
    const Call check = target.findText(QStringLiteral("[  ]共伴生"));
    EXPECT_EQ(check.x, MapPrintX(100) + 100);
    EXPECT_EQ(check.y, MapPrintY(2600));
    EXPECT_DOUBLE_EQ(check.size, 9);
    EXPECT_FALSE(check.bold);
}

TEST_F(WalkerTest, CheckBoxesAndOptionButtonsShowTheirState) {
    FakeForm form(QStringLiteral(
        "CheckBox|Check1|0|0||100|100|2000|300||甲|宋体,9||ZN宋体\n"
        "CheckBox|Check1|1|0||100|500|2000|300||乙|宋体,9||ZN宋体\n"
        "OptionButton|Opt1|0|0||100|900|2000|300||丙|宋体,9||ZN宋体\n"
        "OptionButton|Opt1|1|0||100|1300|2000|300||丁|宋体,9||ZN宋体\n"));
    form.values[QStringLiteral("Check1(0)")] = 1;
    form.values[QStringLiteral("Check1(1)")] = 2;   // greyed
    form.values[QStringLiteral("Opt1(0)")] = 1;
    print(form);
    QStringList printed;
    for (const Call& c : target.texts()) printed << c.text;
    EXPECT_EQ(printed, (QStringList{QStringLiteral("[√]甲"), QStringLiteral("[  ]乙"), QStringLiteral("(√)丙"),
                                    QStringLiteral("(  )丁")}));
}

TEST_F(WalkerTest, DatesBlanksAndBoxAdjustments) {
    FakeForm form(QStringLiteral(
        "TextBox|ChTXT|0|0||1000|1000|3000|300|日期||宋体,12||D,ZN宋体,ZS12\n"
        "TextBox|ChTXT|1|0||1000|2000|3000|300|空||宋体,12||P,ZN宋体,ZS12\n"
        "Label|Label1|0|0||1000|3000|3000|300||移动|宋体,9||ML100,MT20,ZN宋体,ZS12\n"
        "Label|Label1|1|0||1000|4000|3000|300||  万吨/年 |宋体,9||ZN宋体,ZS12\n"));
    form.texts[QStringLiteral("ChTXT(0)")] = QStringLiteral("2024-1-5");
    form.texts[QStringLiteral("ChTXT(1)")] = QStringLiteral("不要印");
    print(form);
    EXPECT_EQ(target.findText(QStringLiteral("2024年1月5日")).op, RecordingTarget::Op::Text);
    EXPECT_EQ(target.findText(QStringLiteral("不要印")).op, RecordingTarget::Op::EndDoc);
    const Call moved = target.findText(QStringLiteral("移动"));
    EXPECT_EQ(moved.x, MapPrintX(1100) + 20);
    EXPECT_EQ(moved.y, MapPrintY(3020) + roundTwips((ScalePrintHeight(280) - 276) / 2.0));
    EXPECT_EQ(target.findText(QStringLiteral("万吨/年")).op, RecordingTarget::Op::Text);
    // The form itself is left as it was.
    EXPECT_EQ(form.design().find(QStringLiteral("Label1"), 0)->rect.left.value, 1000);
}

TEST_F(WalkerTest, ControlsInsideAFrameAreNotOnThePage) {
    FakeForm form(QStringLiteral(
        "Frame|Frame1|-1|0||100|100|4000|2000||框|宋体,9||ZN宋体,ZS12\n"
        "Label|Label1|0|0|Frame1|100|100|2000|300||框内|宋体,9||ZN宋体,ZS12\n"
        "Label|Label1|1|0||100|3000|2000|300||页上|宋体,9||ZN宋体,ZS12\n"));
    print(form);
    ASSERT_EQ(target.texts().size(), 1);
    EXPECT_EQ(target.texts()[0].text, QStringLiteral("页上"));
}

TEST_F(WalkerTest, WithoutAPrinterNothingIsPrinted) {
    state().PrinterCount = 0;
    FakeForm form(QStringLiteral("Label|Label1|0|0||100|100|2000|300||甲|宋体,9||ZN宋体,ZS12\n"));
    print(form);
    EXPECT_TRUE(target.calls().isEmpty());
    EXPECT_EQ(dialogs.lastMessage().text, QStringLiteral("未安装打印机！"));
    EXPECT_EQ(dialogs.lastMessage().title, QStringLiteral("提示"));
}
