// Small pieces of the markup the frames tool writes (SVG, HTML, JSON). Plain C++ without the model: the build step
// that embeds the translations writes its strings with them too.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace conwave {

// A colour 0x00BBGGRR as SVG and CSS write it: "#RRGGBB".
std::string svgColour(std::uint32_t colour);

// One attribute with a leading space: name="value". The value must already be markup-safe.
std::string attribute(std::string_view name, std::string_view value);

// Text for an HTML or SVG element or attribute: &, <, >, " and ' escaped.
std::string escapedMarkup(std::string_view text);

// A JSON string that is also safe inside a script element: "<", ">" and "&" are escaped, so no text can close it.
// It is a C++ string literal of the same text as well.
std::string jsonString(std::string_view text);

} // namespace conwave
