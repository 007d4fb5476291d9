#include "core/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace orvik {
namespace {

TEST(Numbers, IntFromTextAcceptsTheNumberSyntaxAndRoundsHalfToEven) {
    EXPECT_EQ(IntFromText("12"), 12);
    EXPECT_EQ(IntFromText(" -3 "), -3);
    EXPECT_EQ(IntFromText("+7"), 7);
    EXPECT_EQ(IntFromText("12.5"), 12);
    EXPECT_EQ(IntFromText("13.5"), 14);
    EXPECT_EQ(IntFromText("-2.5"), -2);
    EXPECT_EQ(IntFromText("1e3"), 1000);
    EXPECT_EQ(IntFromText(".5"), 0);
    EXPECT_EQ(IntFromText("5."), 5);
    EXPECT_EQ(IntFromText("32767"), 32767);
    EXPECT_EQ(IntFromText("-32768"), -32768);
    EXPECT_EQ(IntFromText("-32768.5"), -32768);
}

TEST(Numbers, IntFromTextFailsOnNonNumbersAndOutOfRange) {
    for (const char* bad : {"", " ", "abc", "1.5x", "0x10", "inf", "nan", "1e", "e5", ".", "-", "+-1", "1 2",
                            "\t1", "1,5", "40000", "32767.5", "-32769", "1e400"}) {
        EXPECT_THROW(IntFromText(bad), ConversionError) << '"' << bad << '"';
    }
}

TEST(Numbers, DblFromTextReadsDoublesWithAPointWhateverTheLocale) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // a comma locale, where installed
    EXPECT_EQ(DblFromText("0.25"), 0.25);
    EXPECT_EQ(DblFromText(" -1.5 "), -1.5);
    EXPECT_EQ(DblFromText("1E-05"), 1e-05);
    EXPECT_EQ(DblFromText("1e-400"), 0.0);
    EXPECT_EQ(DblFromText("0.333333333333333"), 0.333333333333333);
    EXPECT_EQ(NumberText(0.5), "0.5");
    std::setlocale(LC_ALL, "C");
    for (const char* bad : {"", "abc", "1.5x", "0x10", "inf", "nan", "1e400", "-1e400", "1,5"}) {
        EXPECT_THROW(DblFromText(bad), ConversionError) << '"' << bad << '"';
    }
}

TEST(Numbers, NumberTextFormatsAsTheGameFilesDo) {
    EXPECT_EQ(NumberText(std::int64_t{-3}), "-3");
    EXPECT_EQ(NumberText(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(NumberText(std::int32_t{15}), "15");
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(30.0), "30");
    EXPECT_EQ(NumberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(NumberText(-1.5), "-1.5");
    EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(NumberText(1e15), "1E+15");
    EXPECT_EQ(NumberText(0.0001), "0.0001");
    EXPECT_EQ(NumberText(0.00001), "1E-05");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(1.5e-7), "1.5E-07");
    EXPECT_EQ(NumberText(1e100), "1E+100");
    EXPECT_EQ(NumberText(60000.0), "60000");
    EXPECT_EQ(NumberText(134977500.0), "134977500");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(999999999999999.5), "1E+15");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
}

TEST(Numbers, FormattedDoublesReadBackToTheSameText) {
    for (double v : {0.1, -2.75, 1e-5, 12345.678, 1e20, 58095238.0, 7.0 / 9, -1e-300}) {
        const std::string text = NumberText(v);
        EXPECT_EQ(NumberText(DblFromText(text)), text) << text;
    }
}

TEST(Numbers, RoundingGoesHalfToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0);
    EXPECT_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_THROW(ToInt16(32767.5), ConversionError);
    EXPECT_THROW(ToInt16(std::nan("")), ConversionError);
}

}  // namespace
}  // namespace orvik
