#include "runtime_services.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace conwave {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isDecimalSign(char c, DecimalSign sign) { return c == '.' || (c == ',' && sign == DecimalSign::PointOrComma); }

// Decides, for a number that does not fit a double, whether it is too large (true) or too small (false):
// the power of ten of its first significant digit, plus its exponent.
bool tooLarge(std::string_view digits, std::size_t integerDigits, std::string_view exponent)
{
    long long power = 0;
    bool found = false;
    for (std::size_t i = 0, position = 0; i < digits.size(); ++i) {
        if (digits[i] == '.' || digits[i] == ',')
            continue;
        if (digits[i] != '0') {
            power = static_cast<long long>(integerDigits) - 1 - static_cast<long long>(position);
            found = true;
            break;
        }
        ++position;
    }
    if (!found)
        return false;
    long long shift = 0;
    bool negative = false;
    std::size_t i = 0;
    if (i < exponent.size() && (exponent[i] == '+' || exponent[i] == '-'))
        negative = exponent[i++] == '-';
    constexpr long long kSaturate = 1'000'000'000; // far beyond any double's exponent; keeps the sum exact
    for (; i < exponent.size() && shift < kSaturate; ++i)
        shift = shift * 10 + (exponent[i] - '0');
    return power + (negative ? -shift : shift) > 0;
}

template <typename T>
std::string shortest(T value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

RuntimeErrorKind runtimeErrorKind(RuntimeErrorDetail detail)
{
    switch (detail) {
    case RuntimeErrorDetail::DividedByZero: return RuntimeErrorKind::DivisionByZero;
    case RuntimeErrorDetail::NumberTooLarge:
    case RuntimeErrorDetail::SumTooLarge:
    case RuntimeErrorDetail::ProductTooLarge:
    case RuntimeErrorDetail::QuotientTooLarge:
    case RuntimeErrorDetail::CoordinateTooLarge: return RuntimeErrorKind::Overflow;
    case RuntimeErrorDetail::NoSuchSlot: return RuntimeErrorKind::Subscript;
    case RuntimeErrorDetail::TimeNotRead:
    case RuntimeErrorDetail::TimeNotWritten:
    case RuntimeErrorDetail::WorldWindowWithoutExtent: break;
    }
    return RuntimeErrorKind::FailedOperation;
}

std::string_view runtimeErrorHeadline(RuntimeErrorKind kind)
{
    switch (kind) {
    case RuntimeErrorKind::DivisionByZero: return CONWAVE_WORDS("RuntimeError", "Division by zero");
    case RuntimeErrorKind::Overflow: return CONWAVE_WORDS("RuntimeError", "Overflow");
    case RuntimeErrorKind::Subscript: return CONWAVE_WORDS("RuntimeError", "Subscript out of range");
    case RuntimeErrorKind::FailedOperation: break;
    }
    return CONWAVE_WORDS("RuntimeError", "Operation failed");
}

std::string_view runtimeErrorPattern(RuntimeErrorDetail detail)
{
    switch (detail) {
    case RuntimeErrorDetail::DividedByZero: return CONWAVE_WORDS("RuntimeError", "a number was divided by 0");
    case RuntimeErrorDetail::NumberTooLarge:
        return CONWAVE_WORDS("RuntimeError", "the number is too large for a double");
    case RuntimeErrorDetail::SumTooLarge: return CONWAVE_WORDS("RuntimeError", "a sum is too large for a double");
    case RuntimeErrorDetail::ProductTooLarge:
        return CONWAVE_WORDS("RuntimeError", "a product is too large for a double");
    case RuntimeErrorDetail::QuotientTooLarge:
        return CONWAVE_WORDS("RuntimeError", "a quotient is too large for a double");
    case RuntimeErrorDetail::CoordinateTooLarge:
        return CONWAVE_WORDS("RuntimeError", "a coordinate is too large for single precision");
    case RuntimeErrorDetail::NoSuchSlot:
        return CONWAVE_WORDS("RuntimeError", "slot %1 does not exist; the slots run from 0 to %2");
    case RuntimeErrorDetail::TimeNotRead: return CONWAVE_WORDS("RuntimeError", "the time of day could not be read");
    case RuntimeErrorDetail::TimeNotWritten:
        return CONWAVE_WORDS("RuntimeError", "the time of day could not be written as text");
    case RuntimeErrorDetail::WorldWindowWithoutExtent:
        return CONWAVE_WORDS("RuntimeError", "the picture's world window has no extent");
    }
    return {};
}

RuntimeError::RuntimeError(RuntimeErrorDetail detail, std::string firstValue, std::string secondValue)
    : std::runtime_error(fillWords(kRuntimeErrorReport, {runtimeErrorHeadline(runtimeErrorKind(detail)),
                                                         fillWords(runtimeErrorPattern(detail),
                                                                   {firstValue, secondValue})}))
    , m_detail(detail)
    , m_firstValue(std::move(firstValue))
    , m_secondValue(std::move(secondValue))
{
}

std::string fillWords(std::string_view pattern, std::initializer_list<std::string_view> texts)
{
    std::string filled;
    filled.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto place = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && place < texts.size()) {
            filled += *(texts.begin() + place);
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

double textToNumber(std::string_view text, DecimalSign sign)
{
    std::size_t p = 0;
    while (p < text.size() && isBlank(text[p]))
        ++p;
    const bool negative = p < text.size() && text[p] == '-';
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        ++p;
    const std::size_t mantissaStart = p;
    std::size_t integerDigits = 0;
    while (p < text.size() && isDigit(text[p]))
        ++p, ++integerDigits;
    std::size_t fractionDigits = 0;
    std::size_t decimalSign = std::string_view::npos;
    if (p < text.size() && isDecimalSign(text[p], sign)) {
        decimalSign = p++;
        while (p < text.size() && isDigit(text[p]))
            ++p, ++fractionDigits;
    }
    if (integerDigits + fractionDigits == 0)
        return 0.0;
    const std::size_t mantissaEnd = p;
    // An exponent counts only when at least one digit follows the letter and its sign.
    std::size_t end = p;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        std::size_t q = p + 1;
        if (q < text.size() && (text[q] == '+' || text[q] == '-'))
            ++q;
        if (q < text.size() && isDigit(text[q])) {
            while (q < text.size() && isDigit(text[q]))
                ++q;
            end = q;
        }
    }

    // from_chars takes neither a "+" nor a comma, so it gets the digits with a point, and the sign is applied after.
    std::string_view number = text.substr(mantissaStart, end - mantissaStart);
    std::string withPoint;
    if (decimalSign != std::string_view::npos && text[decimalSign] == ',') {
        withPoint = number;
        withPoint[decimalSign - mantissaStart] = '.';
        number = withPoint;
    }
    double magnitude = 0.0;
    const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), magnitude,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        const std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
        const std::string_view exponent = end > mantissaEnd ? text.substr(mantissaEnd + 1, end - mantissaEnd - 1)
                                                            : std::string_view{};
        if (tooLarge(mantissa, integerDigits, exponent))
            throw RuntimeError(RuntimeErrorDetail::NumberTooLarge);
        return 0.0; // below the smallest double: it reads as 0
    }
    if (error != std::errc{} || ptr != number.data() + number.size())
        return 0.0; // cannot happen for the scanned grammar; 0 is the reading of "no number"
    return negative ? -magnitude : magnitude;
}

bool beginsWithNumber(std::string_view text, DecimalSign sign)
{
    std::size_t p = text.find_first_not_of(" \t\r\n");
    if (p == std::string_view::npos)
        return false;
    if (text[p] == '+' || text[p] == '-')
        ++p;
    const auto digit = [&text](std::size_t i) { return i < text.size() && isDigit(text[i]); };
    return digit(p) || (p < text.size() && isDecimalSign(text[p], sign) && digit(p + 1));
}

std::string numberToText(double value)
{
    if (value == 0.0)
        return "0"; // also for -0, which a user would not expect to see
    return formattedText(value, std::chars_format::general, 15);
}

std::string formattedText(double value, std::chars_format format, int precision)
{
    char buffer[400]; // the largest double has 309 digits before the point
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

std::string numberToText(std::int16_t value)
{
    char buffer[8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string shortestText(double value) { return shortest(value); }
std::string shortestText(float value) { return shortest(value); }

std::string clockText(std::time_t now)
{
    std::tm local{};
#ifdef _WIN32
    const bool read = localtime_s(&local, &now) == 0; // the C runtime of Windows has no localtime_r
#else
    const bool read = localtime_r(&now, &local) != nullptr;
#endif
    if (!read)
        throw RuntimeError(RuntimeErrorDetail::TimeNotRead);
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%X", &local);
    if (length == 0)
        throw RuntimeError(RuntimeErrorDetail::TimeNotWritten);
    return std::string(buffer, length);
}

void raiseOverflow(RuntimeErrorDetail detail) { throw RuntimeError(detail); }

void raiseDivisionByZero() { throw RuntimeError(RuntimeErrorDetail::DividedByZero); }

void raiseSubscript(std::int64_t index, std::size_t count)
{
    throw RuntimeError(RuntimeErrorDetail::NoSuchSlot, std::to_string(index), std::to_string(count - 1));
}

} // namespace conwave
