// Small pieces of the markup the frames tool writes (SVG, HTML, JSON), and the parameters' caption they share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace conwave {

struct WaveState;
struct Wording;

// A colour 0x00BBGGRR as SVG and CSS write it: "#RRGGBB".
std::string svgColour(std::uint32_t colour);

// One attribute with a leading space: name="value". The value must already be markup-safe.
std::string attribute(std::string_view name, std::string_view value);

// Text for an HTML or SVG element or attribute: &, <, >, " and ' escaped.
std::string escapedMarkup(std::string_view text);

// A JSON string that is also safe inside a script element: "<", ">" and "&" are escaped, so no text can close it.
std::string jsonString(std::string_view text);

// "M = 1.2, nWave = 4, tMax = 1": the parameters as the restart read them, written as the program writes numbers,
// with the wording's decimal sign.
std::string parameterCaption(const WaveState &state, const Wording &wording);

// The pattern of that caption: %1, %2 and %3 take M, nWave and tMax.
inline constexpr std::string_view kParameterCaption = "M = %1, nWave = %2, tMax = %3";

} // namespace conwave
