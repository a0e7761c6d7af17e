// The CSV forms for spreadsheets, each checked against the exact default CSV of the same run: the rows they leave
// out, the cells they round or write with a decimal comma, and the ages they add.
#include "run_frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

double number(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    double value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && ptr == text.data() + text.size()) << "not a number: " << text;
    return value;
}

std::vector<std::string> split(const std::string &line, char separator)
{
    std::vector<std::string> cells(1);
    for (char c : line) {
        if (c == separator)
            cells.emplace_back();
        else
            cells.back().push_back(c);
    }
    return cells;
}

// Digits from the first non-zero one to the last non-zero one, before any exponent: "0.0240" has 2.
int significantDigits(const std::string &text)
{
    std::string digits;
    for (char c : text.substr(0, text.find_first_of("eE")))
        if (c >= '0' && c <= '9')
            digits += c;
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? 0 : static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

struct Form {
    int digits = 0;
    bool source = true, age = false, decimalComma = false;
};

Form formOf(const std::vector<std::string> &options)
{
    Form form;
    for (std::size_t k = 0; k < options.size(); ++k) {
        if (options[k] == "--digits")
            form.digits = std::stoi(options[++k]);
        form.source = form.source && options[k] != "--no-source";
        form.age = form.age || options[k] == "--age";
        form.decimalComma = form.decimalComma || options[k] == "--decimal-comma";
    }
    return form;
}

// A number cell of the form against the exact cell: the same text, or rounded to the digits asked for.
void expectCell(const Form &form, const std::string &got, const std::string &exact)
{
    SCOPED_TRACE(got + " for " + exact);
    if (form.decimalComma)
        EXPECT_EQ(got.find('.'), std::string::npos);
    else
        EXPECT_EQ(got.find(','), std::string::npos);
    const double value = number(got), exactValue = number(exact);
    if (form.digits == 0) {
        EXPECT_EQ(value, exactValue);
        EXPECT_EQ(got.size(), exact.size()) << "the shortest text, only its point changed";
        return;
    }
    EXPECT_LE(significantDigits(got), form.digits);
    const double unit = exactValue == 0 ? 0 : std::pow(10.0, std::floor(std::log10(std::fabs(exactValue))) - form.digits + 1);
    EXPECT_LE(std::fabs(value - exactValue), unit / 2 * (1 + 1e-9));
}

struct FormRow {
    const char *name;
    std::vector<std::string> options;
    std::vector<std::string> texts;
    const char *ticks;
};

void PrintTo(const FormRow &row, std::ostream *out) { *out << row.name; }

class CsvForm : public testing::TestWithParam<FormRow> {};

TEST_P(CsvForm, ChangesOnlyWhatItSays)
{
    const FormRow &row = GetParam();
    const Form form = formOf(row.options);
    std::vector<std::string> exactArgs = {"--ticks", row.ticks};
    exactArgs.insert(exactArgs.end(), row.texts.begin(), row.texts.end());
    std::vector<std::string> formArgs = row.options;
    formArgs.insert(formArgs.end(), exactArgs.begin(), exactArgs.end());
    const Result exactRun = runFrames(exactArgs), formRun = runFrames(formArgs);
    ASSERT_EQ(formRun.status, 0) << formRun.err;
    const std::vector<std::string> exactLines = lines(exactRun.out), formLines = lines(formRun.out);
    ASSERT_FALSE(formLines.empty());

    const char separator = form.decimalComma ? ';' : ',';
    std::vector<std::string> header = split(exactLines.front(), ',');
    if (form.age)
        header.push_back("age");
    EXPECT_EQ(split(formLines.front(), separator), header);

    // The interval between wavefronts, as the restart divides it [s].
    const double dtWave = row.texts.empty() ? 0.0 : number(row.texts[2]) / number(row.texts[1]);
    std::vector<std::vector<std::string>> expected;
    for (std::size_t k = 1; k < exactLines.size(); ++k)
        if (form.source || fields(exactLines[k])[2] != "0")
            expected.push_back(fields(exactLines[k]));
    ASSERT_EQ(formLines.size() - 1, expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(formLines[k + 1]);
        const std::vector<std::string> &exact = expected[k];
        const std::vector<std::string> cell = split(formLines[k + 1], separator);
        ASSERT_EQ(cell.size(), exact.size() + (form.age ? 1 : 0));
        EXPECT_EQ(cell[0], exact[0]); // tick
        EXPECT_EQ(cell[2], exact[2]); // wave
        EXPECT_EQ(cell[6], exact[6]); // colour
        for (const std::size_t column : {1, 3, 4, 5})
            expectCell(form, cell[column], exact[column]);
        if (!form.age)
            continue;
        if (exact[2] == "0") {
            EXPECT_EQ(cell[7], "") << "the source has no age";
            continue;
        }
        // The age the tick computed the radius from: radius = 340 m/s * age, to the last bit of a float.
        const double age = number(exact[1]) + (std::stod(exact[2]) - 1) * dtWave;
        EXPECT_EQ(static_cast<float>(340.0 * age), static_cast<float>(number(exact[5])));
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, age).ptr;
        expectCell(form, cell[7], std::string(text, end));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CsvForm,
    testing::Values(FormRow{"ThreeDigits", {"--digits", "3"}, {"1.2", "4", "1"}, "7"},
                    FormRow{"OneDigitNegativeValues", {"--digits", "1"}, {"-1.3", "7.5", "-3"}, "9"},
                    FormRow{"FifteenDigits", {"--digits", "15"}, {"2", "12", "2"}, "10"},
                    FormRow{"RoundedHugeNumbers", {"--digits", "3"}, {"1", "4", "1e30"}, "2"},
                    FormRow{"WithoutTheSource", {"--no-source"}, {"1.2", "4", "1"}, "7"},
                    FormRow{"WithoutTheSourceNothingLeft", {"--no-source"}, {"2", "0.5", "1"}, "3"},
                    FormRow{"Ages", {"--age"}, {"0.37", "50", "3.3"}, "30"},
                    FormRow{"AgesOfANegativeSpan", {"--age"}, {"2", "5", "-1"}, "3"},
                    FormRow{"AgesBeforeAnyStart", {"--age"}, {}, "2"},
                    FormRow{"DecimalComma", {"--decimal-comma"}, {"1.2", "4", "1"}, "7"},
                    FormRow{"DecimalCommaWithExponents", {"--decimal-comma", "--age"}, {"1", "4", "1e30"}, "2"},
                    FormRow{"Everything", {"--digits", "4", "--no-source", "--age", "--decimal-comma"},
                            {"0.5", "5", "1.5"}, "12"}),
    [](const testing::TestParamInfo<FormRow> &info) { return std::string(info.param.name); });

TEST(CsvFormReading, TheClocksRunningSumReadsAsTheTeacherExpects)
{
    // Without rounding the sixth tick is drawn at 0.24000000000000002 s.
    const std::vector<std::string> rows = lines(runFrames({"--ticks", "6", "--digits", "4", "1.2", "4", "1"}).out);
    ASSERT_EQ(rows.size(), 1u + 6 * 5);
    EXPECT_EQ(fields(rows.back())[1], "0.24");
    const std::vector<std::string> comma =
        lines(runFrames({"--ticks", "1", "--decimal-comma", "--no-source", "1.2", "4", "1"}).out);
    ASSERT_EQ(comma.size(), 1u + 4);
    EXPECT_EQ(comma[1], "1;0,04;1;16,32;0;13,6;0x000000FF");
}

// Above Mach 1 the boom has a row of its own, first, without a frequency, however long before the pass its front was
// sent, and beside a front sent at the same moment (dtA/dtE 0).
TEST(FlyOverCsv, TheBoomHasTheFirstRow)
{
    EXPECT_EQ(lines(runFrames({"--listener", "1000", "1.01", "8", "2"}).out).at(1),
              "boom,-20.54005870292948,7053.456158585982,0.41285517992888254,");
    const std::vector<std::string> beside = lines(runFrames({"--listener", "318.75", "1.25", "1", "1"}).out);
    EXPECT_EQ(std::vector(beside.begin() + 1, beside.begin() + 3),
              (std::vector<std::string>{"boom,-1,425,0.5625,", "-1,-1,425,0.5625,"}));
}

struct UsageRow {
    const char *name;
    std::vector<std::string> args;
    const char *stderrSays;
};

void PrintTo(const UsageRow &row, std::ostream *out) { *out << row.name; }

class CsvFormUsage : public testing::TestWithParam<UsageRow> {};

TEST_P(CsvFormUsage, IsRefusedWithTheReason)
{
    const Result r = runFrames(GetParam().args);
    EXPECT_EQ(r.status, 64);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().stderrSays), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvFormUsage,
    testing::Values(UsageRow{"NoDigits", {"--digits", "0", "1", "4", "1"}, "--digits needs"},
                    UsageRow{"TooManyDigits", {"--digits", "16"}, "--digits needs"},
                    UsageRow{"WordForDigits", {"--digits", "four"}, "--digits needs"},
                    UsageRow{"DigitsWithoutCount", {"--digits"}, "--digits needs"},
                    UsageRow{"FormWithSvg", {"--svg", "--decimal-comma", "1", "4", "1"}, "for the CSV"},
                    UsageRow{"PrintWithoutSvg", {"--print", "1", "4", "1"}, "--print goes with --svg"},
                    UsageRow{"PrintWithoutTexts", {"--svg", "--print"}, "--svg needs the three texts"}),
    [](const testing::TestParamInfo<UsageRow> &info) { return std::string(info.param.name); });

TEST(CsvFormHelp, NamesEveryForm)
{
    const std::string help = runFrames({"--help"}).out;
    for (const char *option : {"--digits N", "--no-source", "--age", "--decimal-comma", "--svg --print"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

} // namespace
