#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

namespace orvik {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The syntax shared by int(s) and dbl(s). On success `number` is the text
// without the surrounding spaces and without a leading "+", ready for
// from_chars, and `magnitude` is the count of significant integer digits plus
// the exponent (zero or less for a value below one): enough to tell an
// overflow from an underflow.
bool ParseNumberSyntax(std::string_view text, std::string& number, long& magnitude) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    const std::string_view s = text.substr(begin, end - begin);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    long significantIntegerDigits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        if (significantIntegerDigits > 0 || s[i] != '0') ++significantIntegerDigits;
        ++digits;
        ++i;
    }
    long leadingFractionZeros = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        bool significant = false;
        while (i < s.size() && IsDigit(s[i])) {
            if (s[i] != '0') significant = true;
            if (!significant) ++leadingFractionZeros;
            ++digits;
            ++i;
        }
    }
    if (digits == 0) return false;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            exponentNegative = s[i] == '-';
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < s.size() && IsDigit(s[i])) {
            if (exponent < 1000000) exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (i == exponentStart) return false;
        if (exponentNegative) exponent = -exponent;
    }
    if (i != s.size()) return false;

    number.assign(negative ? "-" : "");
    number.append(s.substr(mantissaStart));
    magnitude = (significantIntegerDigits > 0 ? significantIntegerDigits : -leadingFractionZeros) + exponent;
    return true;
}

// The exact value of a number text as its sign, its significant digits and
// the power of ten of the last of them ("-15e-1" for "-1.50"; "0" for zero),
// so that texts of equal value give equal forms.
std::optional<std::string> ExactForm(std::string_view text) {
    std::string number;
    long magnitude = 0;
    if (!ParseNumberSyntax(text, number, magnitude)) return std::nullopt;
    const bool negative = number.starts_with('-');
    std::string digits;
    long long exponent = 0;
    bool afterPoint = false;
    std::size_t i = negative ? 1 : 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            afterPoint = true;
            continue;
        }
        digits += number[i];
        if (afterPoint) --exponent;
    }
    if (i < number.size()) {
        ++i;
        const bool exponentNegative = number[i] == '-';
        if (number[i] == '-' || number[i] == '+') ++i;
        long long written = 0;
        for (; i < number.size(); ++i) written = std::min(written * 10 + (number[i] - '0'), 1000000000000LL);
        exponent += exponentNegative ? -written : written;
    }
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.empty()) return "0";
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - 1 - last);
    digits.resize(last + 1);
    return (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
}

const char* ConversionFailureWord(ConversionFailure kind) {
    return kind == ConversionFailure::Overflow ? "overflow" : "type mismatch";
}

}  // namespace

ConversionError::ConversionError(ConversionFailure kind) : StatementFailure(ConversionFailureWord(kind)), kind_(kind) {}

bool IsNumberSyntax(std::string_view text) {
    std::string number;
    long magnitude = 0;
    return ParseNumberSyntax(text, number, magnitude);
}

bool SameNumber(std::string_view a, std::string_view b) {
    const std::optional<std::string> exactA = ExactForm(a);
    return exactA && exactA == ExactForm(b);
}

double RoundHalfEven(double value) {
    // nearbyint rounds in the current rounding mode, which is to nearest,
    // ties to even, unless someone changed it; do not rely on that.
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

double RoundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;
    return RoundHalfEven(scaled) / scale;
}

std::int16_t ToInt16(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw ConversionError(ConversionFailure::Overflow);
    return static_cast<std::int16_t>(rounded);
}

double DblFromText(std::string_view text) {
    std::string number;
    long magnitude = 0;
    if (!ParseNumberSyntax(text, number, magnitude)) throw ConversionError(ConversionFailure::NotANumber);
    double value = 0;
    const char* first = number.data();
    const char* last = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0) throw ConversionError(ConversionFailure::Overflow);
        return number[0] == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || ptr != last) throw ConversionError(ConversionFailure::NotANumber);
    if (!std::isfinite(value)) throw ConversionError(ConversionFailure::Overflow);
    return value;
}

std::int16_t IntFromText(std::string_view text) { return ToInt16(DblFromText(text)); }

std::string NumberText(std::int64_t value) { return std::to_string(value); }

std::string NumberText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0) return "0";
    // A whole number below 10^15 has at most 15 digits: rounding keeps it as
    // it is. Most numbers of a stroke file are such.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) return std::to_string(static_cast<std::int64_t>(value));

    // 15 significant digits, rounded to nearest. to_chars, unlike printf,
    // ignores the locale that the window toolkit sets from the user's
    // settings, so the point stays a point.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    // buffer: [-]d.ddddddddddddddde[+-]xx
    std::string text(buffer, result.ptr);
    const std::size_t ePos = text.find('e');
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    const bool negative = text[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (text[i] != '.') digits += text[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        char exponentText[16];
        std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += exponentText;
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto integerLength = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerLength) {
            out += digits;
            out.append(integerLength - digits.size(), '0');
        } else {
            out.append(digits, 0, integerLength);
            out += '.';
            out.append(digits, integerLength);
        }
    }
    return out;
}

double AsWritten(double value) {
    try {
        return DblFromText(NumberText(value));
    } catch (const ConversionError&) {
        return value;
    }
}

}  // namespace orvik
