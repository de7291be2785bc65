#include "platform/vb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace mf::vb;

TEST(VbVal, TakesTheLeadingNumber) {
    EXPECT_EQ(val(QStringLiteral("110. 国有企业")), 110.0);
    EXPECT_EQ(val(QStringLiteral("0101")), 101.0);
    EXPECT_EQ(val(QStringLiteral("1.234")), 1.234);
    EXPECT_EQ(val(QStringLiteral(" 1.234")), 1.234);
    EXPECT_EQ(val(QStringLiteral("-2.5abc")), -2.5);
    EXPECT_EQ(val(QStringLiteral("+7")), 7.0);
    EXPECT_EQ(val(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(val(QStringLiteral("1.2.3")), 1.2);
    EXPECT_EQ(val(QStringLiteral("3,5")), 3.0);
    EXPECT_EQ(val(QStringLiteral("12 平方公里")), 12.0);
}

TEST(VbVal, SkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(val(QStringLiteral(" 1 2")), 12.0);
    EXPECT_EQ(val(QStringLiteral("\t- 3\n4")), -34.0);
    // A carriage return and an ideographic space are not blanks.
    EXPECT_EQ(val(QStringLiteral("1\r2")), 1.0);
    EXPECT_EQ(val(QStringLiteral("\u30001")), 0.0);
}

TEST(VbVal, ReadsExponents) {
    EXPECT_EQ(val(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(val(QStringLiteral("1E-2")), 0.01);
    EXPECT_EQ(val(QStringLiteral("2D2")), 200.0);
    // An exponent without digits is not part of the number.
    EXPECT_EQ(val(QStringLiteral("1e")), 1.0);
    EXPECT_EQ(val(QStringLiteral("1e+")), 1.0);
    EXPECT_EQ(val(QStringLiteral("5E+x")), 5.0);
}

TEST(VbVal, GivesZeroWithoutANumber) {
    EXPECT_EQ(val(QString()), 0.0);
    EXPECT_EQ(val(QStringLiteral("abc")), 0.0);
    EXPECT_EQ(val(QStringLiteral("-")), 0.0);
    EXPECT_EQ(val(QStringLiteral(".")), 0.0);
    EXPECT_EQ(val(QStringLiteral("e5")), 0.0);
    EXPECT_EQ(val(QStringLiteral("&H10")), 0.0);
    EXPECT_EQ(val(QStringLiteral("１２")), 0.0);   // full-width digits
    // Overflow gives 0 instead of infinity; minus zero is plain zero.
    EXPECT_EQ(val(QStringLiteral("1e999")), 0.0);
    EXPECT_FALSE(std::signbit(val(QStringLiteral("-0"))));
}

TEST(VbTrim, RemovesSpacesOnly) {
    EXPECT_EQ(trim(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(ltrim(QStringLiteral("  a ")), QStringLiteral("a "));
    EXPECT_EQ(rtrim(QStringLiteral("  a ")), QStringLiteral("  a"));
    EXPECT_EQ(trim(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
    EXPECT_EQ(trim(QStringLiteral("\u3000名\u3000")), QStringLiteral("\u3000名\u3000"));
    EXPECT_EQ(trim(QStringLiteral("   ")), QString());
}

TEST(VbRound, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(toInt32(0.5), 0);
    EXPECT_EQ(toInt32(1.5), 2);
    EXPECT_EQ(toInt32(2.5), 2);
    EXPECT_EQ(toInt32(-0.5), 0);
    EXPECT_EQ(toInt32(-1.5), -2);
    EXPECT_EQ(toInt32(-2.5), -2);
    EXPECT_EQ(toInt32(2.51), 3);
    EXPECT_EQ(toInt16(101.49), 101);
}

TEST(VbRound, OverflowIsAnErrorNotAWrap) {
    EXPECT_EQ(toInt16(32767.0), 32767);
    EXPECT_EQ(toInt16(-32768.4), -32768);
    EXPECT_FALSE(toInt16(32767.5).has_value());   // rounds to 32768
    EXPECT_FALSE(toInt16(-32768.6).has_value());
    EXPECT_FALSE(toInt16(70000.0).has_value());
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(toInt32(2147483647.5).has_value());
    EXPECT_FALSE(toInt32(1e10).has_value());
    EXPECT_FALSE(toInt32(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(toInt32(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(roundEven(1e19, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()));
    EXPECT_FALSE(roundEven(9223372036854775808.0, std::numeric_limits<qint64>::min(),
                           std::numeric_limits<qint64>::max()));
    EXPECT_EQ(roundEven(-9223372036854775808.0, std::numeric_limits<qint64>::min(),
                        std::numeric_limits<qint64>::max()),
              std::numeric_limits<qint64>::min());
    EXPECT_EQ(roundEven(4.5, 0, 10), 4);
    EXPECT_FALSE(roundEven(10.6, 0, 10));
}

TEST(VbFormat, FixedDecimals) {
    EXPECT_EQ(formatFixed(2.5, 3), QStringLiteral("2.500"));
    EXPECT_EQ(formatFixed(1.2345, 3), QStringLiteral("1.235"));   // decimal half away from zero
    EXPECT_EQ(formatFixed(2.675, 2), QStringLiteral("2.68"));     // not the binary 2.67499...
    EXPECT_EQ(formatFixed(0.125, 2), QStringLiteral("0.13"));
    EXPECT_EQ(formatFixed(-1.2345, 3), QStringLiteral("-1.235"));
    EXPECT_EQ(formatFixed(0.0, 3), QStringLiteral("0.000"));
    EXPECT_EQ(formatFixed(-0.0, 3), QStringLiteral("0.000"));
    EXPECT_EQ(formatFixed(-0.0001, 3), QStringLiteral("0.000"));
    EXPECT_EQ(formatFixed(0.0005, 3), QStringLiteral("0.001"));
    EXPECT_EQ(formatFixed(0.00004, 3), QStringLiteral("0.000"));
    EXPECT_EQ(formatFixed(9.9996, 3), QStringLiteral("10.000"));
    EXPECT_EQ(formatFixed(999.5, 0), QStringLiteral("1000"));
    EXPECT_EQ(formatFixed(12.0, 0), QStringLiteral("12"));
    EXPECT_EQ(formatFixed(39512345.678, 3), QStringLiteral("39512345.678"));
    EXPECT_EQ(formatFixed(1e20, 2), QStringLiteral("100000000000000000000.00"));
}

TEST(VbFormat, GeneralNumberForm) {
    EXPECT_EQ(formatGeneral(12.5), QStringLiteral("12.5"));
    EXPECT_EQ(formatGeneral(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(formatGeneral(110), QStringLiteral("110"));
    EXPECT_EQ(formatGeneral(-3), QStringLiteral("-3"));
    EXPECT_EQ(formatGeneral(-0.0), QStringLiteral("0"));
    EXPECT_EQ(formatGeneral(0.1 + 0.2), QStringLiteral("0.3"));   // 15 significant digits
    EXPECT_EQ(formatGeneral(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(formatGeneral(1e16), QStringLiteral("1E+16"));
    EXPECT_EQ(formatGeneral(1.5e-7), QStringLiteral("1.5E-07"));
    EXPECT_EQ(formatGeneral(115.3045), QStringLiteral("115.3045"));
}

TEST(VbFormat, GeneralFormOfSingles) {
    EXPECT_EQ(formatGeneralSingle(1.1f), QStringLiteral("1.1"));
    EXPECT_EQ(formatGeneralSingle(1.9f), QStringLiteral("1.9"));
    EXPECT_EQ(formatGeneralSingle(1234.567f), QStringLiteral("1234.567"));
    EXPECT_EQ(formatGeneralSingle(-0.0f), QStringLiteral("0"));
    EXPECT_EQ(formatGeneralSingle(1e7f), QStringLiteral("1E+07"));
}

TEST(VbByteLength, CountsGbkBytes) {
    EXPECT_EQ(byteLength(QString()), 0);
    EXPECT_EQ(byteLength(QStringLiteral("abc")), 3);
    EXPECT_EQ(byteLength(QStringLiteral("采矿权")), 6);
    EXPECT_EQ(byteLength(QStringLiteral("A矿1")), 4);
    EXPECT_EQ(byteLength(QStringLiteral("𠀀")), 4);   // beyond GBK: four GB18030 bytes
}

TEST(VbIsNumeric, AcceptsPlainNumbers) {
    for (const char* s : {"0", "12", "-12", "+3.5", " 3.5 ", "\t7", "1.", ".5", "-.5", "1e5",
                          "1.5E-3", "2e+10", "007"})
        EXPECT_TRUE(isNumeric(QString::fromUtf8(s))) << s;
}

TEST(VbIsNumeric, RejectsEverythingElse) {
    for (const char* s : {"", " ", ".", "-", "+", "1,000", "1 000", "$5", "¥5", "0x1F", "&H1F",
                          "nan", "inf", "Infinity", "1e", "1e+", "1.2.3", "--1", "- 1", "1d2",
                          "１２", "12元", "1e999", "e5"})
        EXPECT_FALSE(isNumeric(QString::fromUtf8(s))) << s;
}

TEST(VbIsDate, AcceptsTheFixedForms) {
    for (const char* s : {"2023-5-6", "2023-05-06", "2023/5/6", "2023.12.31", "2023年5月6日",
                          "2023年5月6", "2024-2-29", "1900-1-1", "4000-01-01", "4000-1-1 0:00", "1900-1-1 0:00:01", " 2023-5-6 ",
                          "2023-5-6 8:05", "2023-5-6 23:59:59", "2023年5月6日 12:00"})
        EXPECT_TRUE(isDate(QString::fromUtf8(s))) << s;
}

TEST(VbIsDate, RejectsOtherFormsAndOutOfRange) {
    for (const char* s : {"", "2023", "2023-5", "23-5-6", "5/6/2023", "2023-5/6", "2023-13-1",
                          "2023-2-29", "2023-4-31", "1899-12-31", "4000-1-2", "4000-1-1 0:01", "4000-1-1 12:00:00", "2023-5-6 24:00",
                          "2023-5-6 12:60", "2023-5-6 12", "2023-5-6 12:5", "2023-5-6T12:00",
                          "二〇二三年五月六日", "２０２３-5-6", "2023年5月", "May 6, 2023"})
        EXPECT_FALSE(isDate(QString::fromUtf8(s))) << s;
}
