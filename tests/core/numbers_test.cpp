#include "core/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <iterator>
#include <string>
#include <utility>

namespace orvik {
namespace {

// What `convert` makes of `text`, or the kind of failure it refused the text with.
template <class Convert>
std::string Converted(Convert convert, const char* text) try {
    return std::to_string(convert(text));
} catch (const ConversionError& e) {
    return e.Kind() == ConversionFailure::Overflow ? "overflow" : "not a number";
}

TEST(Numbers, TextConvertsToNumbersRoundingHalfToEvenWithinSixteenBits) {
    const std::pair<const char*, const char*> ints[] = {
        {"12", "12"},          {" -3 ", "-3"},          {"+7", "7"},           {"12.5", "12"},
        {"13.5", "14"},        {"-2.5", "-2"},          {"1e3", "1000"},       {".5", "0"},
        {"5.", "5"},           {"32767", "32767"},      {"-32768", "-32768"},  {"-32768.5", "-32768"},
        {"40000", "overflow"}, {"32767.5", "overflow"}, {"-32769", "overflow"}};
    for (const auto& [text, value] : ints) EXPECT_EQ(Converted(IntFromText, text), value) << '"' << text << '"';
    EXPECT_EQ(Converted([](const char*) { return ToInt16(std::nan("")); }, ""), "overflow");
}

// The reader tells a field that holds no number from one whose number is too large by the kind.
TEST(Numbers, TextThatIsNoNumberOrTooLargeForADoubleIsRefused) {
    for (const char* bad : {"", " ", "abc", "1.5x", "0x10", "inf", "nan", "1e", ".", "1 2", "1,5"}) {
        EXPECT_EQ(Converted(IntFromText, bad), "not a number") << '"' << bad << '"';
        EXPECT_EQ(Converted(DblFromText, bad), "not a number") << '"' << bad << '"';
    }
    for (const char* tooLarge : {"1e400", "-1e400", "1e999999999"}) {
        EXPECT_EQ(Converted(IntFromText, tooLarge), "overflow") << '"' << tooLarge << '"';
        EXPECT_EQ(Converted(DblFromText, tooLarge), "overflow") << '"' << tooLarge << '"';
    }
    EXPECT_EQ(DblFromText("1e-400"), 0.0);  // too small for a double: 0
}

TEST(Numbers, RoundingTakesTheDoublesExactValue) {
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0);
    EXPECT_EQ(RoundHalfEven(0.125, 2), 0.12);
}

TEST(Numbers, NumbersFormatAsTheGameFiles) {
    const double values[] = {
        0.5,  30, 1.0 / 3, 1e15, 0.0001, 1e-5, -0.0, 1.5e-7, 1e100, 0.1 + 0.2, 999999999999999.5, -999999999999999.0,
        -1e15};
    const char* const texts[] = {
        "0.5", "30",    "0.333333333333333", "1E+15", "0.0001", "1E-05", "0", "1.5E-07", "1E+100",
        "0.3", "1E+15", "-999999999999999",  "-1E+15"};
    static_assert(std::size(values) == std::size(texts));
    for (std::size_t i = 0; i < std::size(values); ++i) EXPECT_EQ(NumberText(values[i]), texts[i]) << values[i];
}

// Whether two texts name exactly the same number: what a committed box compares with the written
// value; a number of any size has the syntax, however large.
TEST(Numbers, SameNumberComparesExactValues) {
    const std::pair<const char*, const char*> same[] = {{"1.50", "1.5"},        {" -0 ", "0"},     {"1e2", "100"},
                                                        {".5", "0.5"},          {"+12", "12.000"}, {"0.001E3", "1"},
                                                        {"1e-400", "0.01e-398"}};
    for (const auto& [a, b] : same) EXPECT_TRUE(SameNumber(a, b)) << a << " " << b;
    const std::pair<const char*, const char*> different[] = {
        {"12.5", "12"}, {"1e-400", "0"}, {"2.5e-324", "4.94065645841247E-324"},
        {"-1", "1"},    {"abc", "abc"},  {"1e999999999", "1e999999998"}};
    for (const auto& [a, b] : different) EXPECT_FALSE(SameNumber(a, b)) << a << " " << b;
    EXPECT_TRUE(IsNumberSyntax("1e999999999"));
    EXPECT_FALSE(IsNumberSyntax("9,5"));
}

// The window toolkit switches to the user's locale at start-up; files must read and write the same
// with a comma locale. Where none is installed there is nothing to check.
TEST(Numbers, ConversionsIgnoreTheLocale) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no comma locale installed";
    EXPECT_EQ(NumberText(0.5) + " " + NumberText(1e-5), "0.5 1E-05");
    EXPECT_EQ(DblFromText("0.25"), 0.25);
    EXPECT_THROW(DblFromText("1,5"), ConversionError);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace orvik
