#pragma once
// Where text and numbers meet: the conversions the reader and the field
// handlers use on text, and the formatting the writer and the displays use on
// numbers. The decimal separator is always ".", whatever the user's locale,
// so that a file reads the same on every machine.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/resume_next.h"

namespace orvik {

// Why a conversion failed.
enum class ConversionFailure {
    NotANumber,  // text that has no number's syntax: "type mismatch"
    Overflow,    // a value the type converted to cannot hold (or a NaN): "overflow"
};

// Thrown by the conversions below; callers let ResumeNext swallow it, and
// those that tell the failures apart ask Kind(). what() is the runtime's own
// word for the failure, for a message that shows it.
class ConversionError : public StatementFailure {
public:
    explicit ConversionError(ConversionFailure kind);
    ConversionFailure Kind() const noexcept { return kind_; }

private:
    ConversionFailure kind_;
};

// Rounds to the nearest whole number, an exact half to the even neighbour.
double RoundHalfEven(double value);

// Rounds to `decimals` decimal places, an exact half (of the double's exact
// value times 10^decimals) to the even neighbour.
double RoundHalfEven(double value, int decimals);

// Rounds half to even and converts to a 16-bit integer; throws ConversionError
// (Overflow) outside -32768 to 32767, or for a NaN.
std::int16_t ToInt16(double value);

// int(s): surrounding spaces, an optional sign, digits with an optional
// fraction and exponent ("12", " -3 ", "12.5", "1e3", ".5"), rounded half to
// even. Throws ConversionError: NotANumber on empty or non-numeric text,
// Overflow outside -32768 to 32767.
std::int16_t IntFromText(std::string_view text);

// dbl(s): the same syntax as a double. Throws ConversionError: NotANumber where
// IntFromText fails for syntax, Overflow on a value too large for a double
// ("1e400"); a value too small for one becomes 0.
double DblFromText(std::string_view text);

// Whether `text` has the syntax of IntFromText and DblFromText, whatever the
// size of its number.
bool IsNumberSyntax(std::string_view text);

// Whether `a` and `b`, both in that syntax, name exactly the same number
// ("1.50" and "1.5", "-0" and "0", "1e2" and "100"); false where either is
// no number.
bool SameNumber(std::string_view a, std::string_view b);

// Integers in plain decimal with "-" when negative.
std::string NumberText(std::int64_t value);

// Doubles rounded to 15 significant digits, trailing zeros and point dropped,
// "0" before a leading point, and exponent form ("1E+15", "1E-05") where the
// decimal exponent is below -4 or 15 and above. Negative zero gives "0".
std::string NumberText(double value);

// The value as a file holds it once written: the value of NumberText(value),
// that is rounded to 15 significant digits; `value` itself where that text
// would not read back (rounded up past the largest double).
double AsWritten(double value);

// Keeps int16_t and int from picking the double overload.
inline std::string NumberText(std::int16_t value) { return NumberText(static_cast<std::int64_t>(value)); }
inline std::string NumberText(std::int32_t value) { return NumberText(static_cast<std::int64_t>(value)); }

}  // namespace orvik
