#include "frames/frame_csv.h"

#include "listener.h"
#include "runtime_services.h"
#include "words.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <optional>

namespace conwave {

namespace {

// The double nearest to the shortest text of a float: 16.32f gives 16.32, so that rounding it later does not bring
// the float's binary tail (16.3199996...) back into view.
double decimalValue(float value)
{
    const std::string text = shortestText(value);
    double nearest = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), nearest);
    return nearest;
}

// A number text with the form's decimal sign.
std::string withSign(const CsvForm &form, std::string text)
{
    std::replace(text.begin(), text.end(), '.', form.decimalComma ? ',' : '.');
    return text;
}

// A number as this form writes it. Floats round from the text the exact form shows, not from their binary tails.
std::string cell(const CsvForm &form, double value)
{
    return withSign(form, form.digits > 0 ? readableNumber(value, form.digits) : shortestText(value));
}

std::string cell(const CsvForm &form, float value)
{
    return withSign(form, form.digits > 0 ? readableNumber(decimalValue(value), form.digits) : shortestText(value));
}

// A header line of these names, newline not included.
std::string headerOf(const CsvForm &form, std::initializer_list<const char *> names)
{
    const std::string separator = form.decimalComma ? ";" : ",";
    std::string header;
    for (const char *name : names)
        header += (header.empty() ? "" : separator) + name;
    return header;
}

} // namespace

std::string csvHeader(const CsvForm &form)
{
    std::string header = headerOf(form, {"tick", "tNow", "wave", "x", "y", "radius", "colour"});
    if (form.age)
        header += (form.decimalComma ? ";" : ",") + std::string("age");
    return header + '\n';
}

std::string flyOverCsv(const CsvForm &form, const FlyOver &flyOver)
{
    const char separator = form.decimalComma ? ';' : ',';
    std::string out = headerOf(form, {"front", "tEmitted", "xEmitted", "tArrives", "heardFrequency"}) + '\n';
    const auto row = [&](const std::string &front, double tEmitted, double xEmitted, double tArrives,
                         const std::optional<double> &heardFrequency) {
        out += front + separator + cell(form, tEmitted) + separator + cell(form, xEmitted) + separator +
               cell(form, tArrives) + separator + (heardFrequency ? cell(form, *heardFrequency) : std::string()) +
               '\n';
    };
    const auto heard = [&](const Arrival &a) {
        row(std::to_string(a.front), a.tEmitted, a.xEmitted, a.tArrives, a.heardFrequency);
    };
    // The boom's row before the first front that does not arrive before it: nothing is heard before the cone.
    const auto boomAt = !flyOver.boom ? flyOver.arrivals.end()
                                      : std::ranges::find_if(flyOver.arrivals, [&](const Arrival &a) {
                                            return a.tArrives >= flyOver.boom->tArrives;
                                        });
    std::for_each(flyOver.arrivals.begin(), boomAt, heard);
    if (flyOver.boom)
        row("boom", flyOver.boom->tEmitted, flyOver.boom->xEmitted, flyOver.boom->tArrives, std::nullopt);
    std::for_each(boomAt, flyOver.arrivals.end(), heard);
    return out;
}

void appendCsv(std::string &out, const CsvForm &form, long long tickNumber, double drawnAt, double dtWave,
               const WaveFrame &frame)
{
    const char separator = form.decimalComma ? ';' : ',';
    const std::string prefix = std::to_string(tickNumber) + separator + cell(form, drawnAt) + separator;
    for (std::size_t k = 0; k < frame.size(); ++k) {
        const WaveCircle &c = frame[k];
        const bool isSource = k + 1 == frame.size(); // the last circle is the source marker
        if (isSource && !form.source)
            continue;
        const std::size_t wave = isSource ? 0 : k + 1;
        char colour[16];
        std::snprintf(colour, sizeof colour, "0x%08X", static_cast<unsigned>(c.colour));
        out += prefix + std::to_string(wave) + separator + cell(form, c.x) + separator + cell(form, c.y) + separator +
               cell(form, c.radius) + separator + colour;
        if (form.age) {
            // The tick's own sum, so that radius = aSound * age as the model computed it; the source has no age.
            out += separator;
            if (!isSource)
                out += cell(form, drawnAt + static_cast<double>(wave - 1) * dtWave);
        }
        out += '\n';
    }
}

} // namespace conwave
