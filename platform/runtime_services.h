// Run-time services of the program: text <-> number conversions, checked arithmetic and slots, the run-time error.
#pragma once

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

// Marks a text that the window shows in the desktop's language: the translation tools collect every text so
// marked under its context, and the window looks its translation up by the same two strings. Here, without Qt,
// it is the English text itself.
#define CONWAVE_WORDS(context, text) text

namespace conwave {

// The exit statuses of Conwave's programs: the window's after a run-time error, and the frames tool's.
inline constexpr int kExitRuntimeError = 1; // a run-time error ended the program
inline constexpr int kExitRefused = 2;      // the frames tool's parameters were refused
inline constexpr int kExitUsage = 64;       // the frames tool was called wrongly (EX_USAGE)

// What went wrong, in the classic run-time library's categories: the headline of an error's report.
enum class RuntimeErrorKind {
    DivisionByZero,
    Overflow,
    Subscript,
    FailedOperation, // a control or drawing operation that reported failure
};

// What exactly went wrong: the detail of an error's report. Each has one English pattern (runtimeErrorPattern);
// NoSuchSlot's %1 and %2 take the slot asked for and the last slot there is.
enum class RuntimeErrorDetail {
    DividedByZero,
    NumberTooLarge, // a text's number, for a double
    SumTooLarge,
    ProductTooLarge,
    QuotientTooLarge,
    CoordinateTooLarge, // for single precision
    NoSuchSlot,
    TimeNotRead,
    TimeNotWritten,
    WorldWindowWithoutExtent, // the picture's
};

RuntimeErrorKind runtimeErrorKind(RuntimeErrorDetail detail);
std::string_view runtimeErrorHeadline(RuntimeErrorKind kind);
std::string_view runtimeErrorPattern(RuntimeErrorDetail detail);

// The whole report: %1 the headline, %2 the detail filled with the error's values.
inline constexpr std::string_view kRuntimeErrorReport = CONWAVE_WORDS("RuntimeError", "%1: %2.");

// The one error that ends the program: what went wrong as data, the kind and the detail with its values, so that
// the report can be worded in any language. what() is the English report, the patterns filled in.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(RuntimeErrorDetail detail, std::string firstValue = {}, std::string secondValue = {});

    RuntimeErrorKind kind() const noexcept { return runtimeErrorKind(m_detail); }
    RuntimeErrorDetail detail() const noexcept { return m_detail; }
    const std::string &firstValue() const noexcept { return m_firstValue; }
    const std::string &secondValue() const noexcept { return m_secondValue; }

private:
    RuntimeErrorDetail m_detail;
    std::string m_firstValue;
    std::string m_secondValue;
};

// The pattern with %1, %2, ... replaced by the given texts in turn; a place without a text stays as it is, and a
// filled text is not filled again.
std::string fillWords(std::string_view pattern, std::initializer_list<std::string_view> texts);

// How a typed number marks its decimals: a point always, and a comma as well where the user's language writes
// one (1,5). Never a digit grouping sign.
enum class DecimalSign { Point, PointOrComma };

// The number at the start of a text, with "." as the decimal point whatever the locale (and "," as well when
// asked for): blanks (space, tab, CR, LF) at the start are skipped; then an optional sign, digits with at most one
// decimal sign, and an optional exponent (e or E, an optional sign and at least one digit) make the number.
// Reading stops at the first character that cannot continue it, so "2.5x" is 2.5, "1,5" is 1 (1.5 with
// PointOrComma) and "1e" is 1. A text that does not begin with a number gives 0. Values too small for a double
// read as 0; a value too large raises Overflow.
double textToNumber(std::string_view text, DecimalSign sign = DecimalSign::Point);

// Whether a text begins with a number by the rules of textToNumber: blanks, an optional sign, then a digit, or a
// decimal sign followed by one. Otherwise it reads as 0 for want of a number.
bool beginsWithNumber(std::string_view text, DecimalSign sign = DecimalSign::Point);

// Decimal text of a double: at most 15 significant digits, no trailing zeros, no point for whole numbers,
// a "0" before the point below 1, "." always (0.5, 2.3, 3). Magnitudes from 1e15 on and below 1e-4 use an
// exponent ("1e+15"); every result reads back through textToNumber.
std::string numberToText(double value);

// A double as std::to_chars writes it in that format and precision, whatever the locale: "1.5e+20" (general, 3),
// "41.8" (fixed, 1). A fixed-point text of any double fits up to 80 decimals.
std::string formattedText(double value, std::chars_format format, int precision);

// Plain decimal digits of a 16-bit integer, with a leading "-" when negative.
std::string numberToText(std::int16_t value);

// Shortest texts that read back to exactly the same double / float ("0.28", "13.6", "1e+20").
std::string shortestText(double value);
std::string shortestText(float value);

// The local time of day in the locale's time format (the C library's %X: hours, minutes and seconds, no date,
// no zone), as the process locale has it; a Qt application takes that locale from the environment at start-up.
std::string clockText(std::time_t now);

// Checked arithmetic: a result that is not a finite double raises Overflow; a zero divisor raises DivisionByZero.
// Inline, since the tick runs them for every wavefront; the raising is out of line.
[[noreturn]] void raiseOverflow(RuntimeErrorDetail detail);
[[noreturn]] void raiseDivisionByZero();

inline double checkedAdd(double a, double b)
{
    const double sum = a + b;
    if (!std::isfinite(sum)) [[unlikely]]
        raiseOverflow(RuntimeErrorDetail::SumTooLarge);
    return sum;
}

inline double checkedMultiply(double a, double b)
{
    const double product = a * b;
    if (!std::isfinite(product)) [[unlikely]]
        raiseOverflow(RuntimeErrorDetail::ProductTooLarge);
    return product;
}

inline double checkedDivide(double dividend, double divisor)
{
    if (divisor == 0.0) [[unlikely]]
        raiseDivisionByZero();
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient)) [[unlikely]]
        raiseOverflow(RuntimeErrorDetail::QuotientTooLarge);
    return quotient;
}

// Halfway between the largest float and 2^128: from here on, rounding to nearest gives infinity.
inline constexpr double kSingleOverflow = 0x1.ffffffp127;

// Double to single precision, rounded to nearest; a value beyond the single-precision range raises Overflow.
inline float toSingle(double value)
{
    if (!(std::fabs(value) < kSingleOverflow)) [[unlikely]]
        raiseOverflow(RuntimeErrorDetail::CoordinateTooLarge);
    return static_cast<float>(value); // rounds to nearest
}

// Checked array slot: an index outside 0 .. N-1 raises Subscript before the slot is touched.
[[noreturn]] void raiseSubscript(std::int64_t index, std::size_t count);

template <typename T, std::size_t N>
T &checkedSlot(std::array<T, N> &cells, std::int64_t index)
{
    if (index < 0 || static_cast<std::uint64_t>(index) >= N)
        raiseSubscript(index, N);
    return cells[static_cast<std::size_t>(index)];
}

template <typename T, std::size_t N>
const T &checkedSlot(const std::array<T, N> &cells, std::int64_t index)
{
    if (index < 0 || static_cast<std::uint64_t>(index) >= N)
        raiseSubscript(index, N);
    return cells[static_cast<std::size_t>(index)];
}

} // namespace conwave
