#include "runtime_services.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace conwave {
namespace {

struct Reading {
    const char *name;
    std::string text;
    double value;
    DecimalSign sign = DecimalSign::Point;
};

class TextToNumber : public testing::TestWithParam<Reading> {};

TEST_P(TextToNumber, ReadsTheNumberAtTheStart)
{
    const Reading &row = GetParam();
    const double value = textToNumber(row.text, row.sign);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(row.value))
        << "text \"" << row.text << "\" read " << value << ", expected " << row.value;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, TextToNumber,
    testing::Values(
        // plain numbers
        Reading{"whole", "4", 4.0}, Reading{"decimal", "1.2", 1.2}, Reading{"leading point", ".5", 0.5},
        Reading{"trailing point", "3.", 3.0}, Reading{"many digits", "0.30000000000000004", 0.30000000000000004},
        Reading{"leading zeros", "007", 7.0},
        // what stops the reading
        Reading{"letter after", "2.5x", 2.5}, Reading{"comma is not a point", "1,5", 1.0},
        Reading{"second point", "1.2.3", 1.2}, Reading{"blank inside", "1 2", 1.0},
        // no number at all
        Reading{"empty", "", 0.0}, Reading{"blanks only", "   ", 0.0}, Reading{"word", "abc", 0.0},
        Reading{"point alone", ".", 0.0}, Reading{"sign alone", "-", 0.0}, Reading{"sign then blank", "- 1", 0.0},
        Reading{"exponent alone", "e5", 0.0}, Reading{"letter first", "x12", 0.0},
        // blanks and signs
        Reading{"leading blanks", "   3", 3.0}, Reading{"leading tab and newline", "\t\n 2", 2.0},
        Reading{"trailing blank", "2 ", 2.0}, Reading{"negative", "-1.5", -1.5}, Reading{"plus", "+2", 2.0},
        Reading{"negative leading point", "-.25", -0.25}, Reading{"double sign", "--1", 0.0},
        // exponents
        Reading{"exponent", "1e3", 1000.0}, Reading{"capital exponent", "2E2", 200.0},
        Reading{"negative exponent", "5e-1", 0.5}, Reading{"signed exponent", "1e+2", 100.0},
        Reading{"exponent without digits", "1e", 1.0}, Reading{"exponent sign without digits", "1e+", 1.0},
        Reading{"exponent then letter", "3e2x", 300.0}, Reading{"point then exponent", "1.e1", 10.0},
        // the edges of a double
        Reading{"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        Reading{"below the smallest double", "1e-400", 0.0}, Reading{"huge negative exponent", "5e-99999999999", 0.0},
        Reading{"zero with a huge exponent", "0e999999", 0.0}, Reading{"smallest subnormal", "5e-324", 5e-324},
        // where the language writes a decimal comma: either sign, one of them, and no digit grouping
        Reading{"decimal comma", "1,5", 1.5, DecimalSign::PointOrComma},
        Reading{"point where a comma is written", "1.5", 1.5, DecimalSign::PointOrComma},
        Reading{"comma then exponent", "-2,47e+35", -2.47e35, DecimalSign::PointOrComma},
        Reading{"leading comma", ",25", 0.25, DecimalSign::PointOrComma},
        Reading{"comma alone", ",", 0.0, DecimalSign::PointOrComma},
        Reading{"grouped thousands are not grouping", "1.000,5", 1.0, DecimalSign::PointOrComma},
        Reading{"second comma", "1,5,3", 1.5, DecimalSign::PointOrComma}),
    [](const testing::TestParamInfo<Reading> &info) {
        std::string name = info.param.name;
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(TextToNumberOverflow, RaisesForNumbersTooLargeForADouble)
{
    const std::array<std::string, 6> tooLarge = {"1e309", "-1e309", "1.8e308", "99999e99999999999999999",
                                                 "0.000001e400", std::string(400, '9')};
    for (const std::string &text : tooLarge) {
        SCOPED_TRACE(text.substr(0, 40));
        try {
            textToNumber(text);
            ADD_FAILURE() << "no error raised";
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.kind(), RuntimeErrorKind::Overflow);
            EXPECT_NE(std::string(error.what()).find("too large"), std::string::npos) << error.what();
        }
    }
}

TEST(TextToNumberOverflow, AMegabyteOfDigitsAfterThePointIsStillANumber)
{
    std::string text = "0." + std::string(1 << 20, '3');
    EXPECT_DOUBLE_EQ(textToNumber(text), 1.0 / 3.0);
}

TEST(NumberToText, WritesTheScrollBarTexts)
{
    // The Mach scroll bar counts tenths: its values 0 to 30 are divided by 10 before they become text.
    const std::array<std::pair<int, const char *>, 6> rows = {
        {{0, "0"}, {5, "0.5"}, {10, "1"}, {12, "1.2"}, {23, "2.3"}, {30, "3"}}};
    for (const auto &[scroll, text] : rows)
        EXPECT_EQ(numberToText(static_cast<double>(scroll) / 10.0), text) << "scroll value " << scroll;
}

TEST(NumberToText, KeepsAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(numberToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberToText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(numberToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(numberToText(-2.5), "-2.5");
    EXPECT_EQ(numberToText(-0.0), "0");
}

TEST(NumberToText, EveryTextReadsBackToAValueWithinFifteenDigits)
{
    for (const double value : {0.04, 1e15, 1e-5, -7.25e100, 340.0 * 4.04, 6.02214076e23}) {
        const std::string text = numberToText(value);
        EXPECT_NEAR(textToNumber(text), value, std::fabs(value) * 1e-14) << text;
    }
}

TEST(NumberToText, WritesSixteenBitIntegers)
{
    EXPECT_EQ(numberToText(std::int16_t{4}), "4");
    EXPECT_EQ(numberToText(std::int16_t{0}), "0");
    EXPECT_EQ(numberToText(std::int16_t{30}), "30");
    EXPECT_EQ(numberToText(std::numeric_limits<std::int16_t>::min()), "-32768");
    EXPECT_EQ(numberToText(std::numeric_limits<std::int16_t>::max()), "32767");
}

TEST(ShortestText, ReadsBackToTheSameBits)
{
    EXPECT_EQ(shortestText(0.04 * 7), "0.28");
    EXPECT_EQ(shortestText(0.04 + 0.04 + 0.04 + 0.04 + 0.04 + 0.04), "0.24000000000000002");
    EXPECT_EQ(shortestText(static_cast<float>(16.32)), "16.32");
    EXPECT_EQ(shortestText(0.1f), "0.1");
    EXPECT_EQ(shortestText(0.0f), "0");
    for (const double value : {0.1, 1.0 / 3.0, 5e-324, 1.7976931348623157e308, -268.6})
        EXPECT_EQ(textToNumber(shortestText(value)), value);
}

TEST(CheckedArithmetic, PassesFiniteResults)
{
    EXPECT_EQ(checkedAdd(0.04, 0.04), 0.08);
    EXPECT_EQ(checkedMultiply(340.0, 1.2), 408.0);
    EXPECT_EQ(checkedDivide(1.0, 4.0), 0.25);
    EXPECT_EQ(checkedDivide(0.0, -4.0), 0.0);
}

TEST(CheckedArithmetic, RaisesDivisionByZeroAndOverflow)
{
    const double big = std::numeric_limits<double>::max();
    const auto kindOf = [](auto operation) {
        try {
            operation();
        } catch (const RuntimeError &error) {
            return error.kind();
        }
        return RuntimeErrorKind::FailedOperation; // nothing raised: never the kind expected below
    };
    EXPECT_EQ(kindOf([] { checkedDivide(1.0, 0.0); }), RuntimeErrorKind::DivisionByZero);
    EXPECT_EQ(kindOf([] { checkedDivide(0.0, 0.0); }), RuntimeErrorKind::DivisionByZero);
    EXPECT_EQ(kindOf([] { checkedDivide(1.0, -0.0); }), RuntimeErrorKind::DivisionByZero);
    EXPECT_EQ(kindOf([&] { checkedDivide(big, 0.5); }), RuntimeErrorKind::Overflow);
    EXPECT_EQ(kindOf([&] { checkedMultiply(big, 2.0); }), RuntimeErrorKind::Overflow);
    EXPECT_EQ(kindOf([&] { checkedAdd(big, big); }), RuntimeErrorKind::Overflow);
    EXPECT_EQ(kindOf([&] { checkedAdd(-big, -big); }), RuntimeErrorKind::Overflow);
}

TEST(ToSingle, RoundsToNearestAndRaisesBeyondTheFloatRange)
{
    EXPECT_EQ(toSingle(16.32), 16.32f);
    EXPECT_EQ(toSingle(0.1), 0.1f);
    const double largest = std::numeric_limits<float>::max();
    EXPECT_EQ(toSingle(largest), std::numeric_limits<float>::max());
    EXPECT_EQ(toSingle(-largest), -std::numeric_limits<float>::max());
    // Just below halfway to 2^128 still rounds down to the largest float; halfway itself rounds to infinity.
    EXPECT_EQ(toSingle(std::nextafter(0x1.ffffffp127, 0.0)), std::numeric_limits<float>::max());
    for (const double value : {0x1.ffffffp127, -0x1.ffffffp127, 1e39, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        try {
            toSingle(value);
            ADD_FAILURE() << "no error raised";
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.kind(), RuntimeErrorKind::Overflow);
        }
    }
}

TEST(CheckedSlot, AllowsZeroToFiftyAndRaisesOutside)
{
    std::array<double, 51> slots{};
    checkedSlot(slots, 0) = 1.0;
    checkedSlot(slots, 50) = 2.0;
    EXPECT_EQ(slots[0], 1.0);
    EXPECT_EQ(slots[50], 2.0);
    for (const std::int64_t index : {std::int64_t{51}, std::int64_t{-1}, std::int64_t{1} << 40}) {
        try {
            checkedSlot(slots, index);
            ADD_FAILURE() << "no error for slot " << index;
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.kind(), RuntimeErrorKind::Subscript);
            EXPECT_NE(std::string(error.what()).find(std::to_string(index)), std::string::npos) << error.what();
        }
    }
}

TEST(RuntimeErrorReport, SaysWhatHappenedInPlainWords)
{
    EXPECT_STREQ(RuntimeError(RuntimeErrorDetail::DividedByZero).what(),
                 "Division by zero: a number was divided by 0.");
    const RuntimeError subscript(RuntimeErrorDetail::NoSuchSlot, "51", "50");
    EXPECT_STREQ(subscript.what(), "Subscript out of range: slot 51 does not exist; the slots run from 0 to 50.");
    EXPECT_EQ(subscript.kind(), RuntimeErrorKind::Subscript);
    EXPECT_EQ(subscript.firstValue(), "51");
    EXPECT_EQ(subscript.secondValue(), "50");
}

TEST(ClockText, ShowsHoursMinutesAndSecondsWithoutADate)
{
    // The program's tests run in the C locale, whose time format is HH:MM:SS.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ASSERT_NE(localtime_r(&now, &local), nullptr);
    char expected[16];
    std::snprintf(expected, sizeof expected, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    EXPECT_EQ(clockText(now), expected);
}

} // namespace
} // namespace conwave
