// Fuzzes the text-to-number conversion against an independent reading: a scan of the accepted prefix written
// afresh here, converted by the C library's strtod in the "C" locale.
#include "runtime_services.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The longest prefix the grammar accepts, or "" when the text does not begin with a number.
std::string acceptedPrefix(std::string_view text)
{
    const auto digitAt = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    std::size_t i = text.find_first_not_of(" \t\r\n");
    if (i == std::string_view::npos)
        return "";
    const std::size_t start = i;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    bool digits = false;
    while (digitAt(i))
        ++i, digits = true;
    if (i < text.size() && text[i] == '.')
        for (++i; digitAt(i); ++i)
            digits = true;
    if (!digits)
        return "";
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (digitAt(j)) {
            while (digitAt(j))
                ++j;
            end = j;
        }
    }
    return std::string(text.substr(start, end - start));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::string prefix = acceptedPrefix(text);
    errno = 0;
    char *end = nullptr;
    const double reference = prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), &end); // no setlocale: "C"
    if (!prefix.empty() && end != prefix.c_str() + prefix.size())
        std::abort(); // the independent scan and strtod disagree on the prefix: a fault of this target
    const bool overflows = std::isinf(reference);

    double value = 0.0;
    try {
        value = conwave::textToNumber(text);
    } catch (const conwave::RuntimeError &error) {
        if (!overflows || error.kind() != conwave::RuntimeErrorKind::Overflow)
            std::abort();
        return 0;
    }
    if (overflows)
        std::abort(); // a number too large for a double must raise
    // Values below the smallest double read as 0 (strtod may give -0 there); everything else bit for bit.
    if (!(value == reference && std::signbit(value) == std::signbit(reference)) && !(value == 0.0 && reference == 0.0))
        std::abort();
    return 0;
}
