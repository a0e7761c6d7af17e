// The animation as one self-contained HTML page that plays, pauses and steps it in any browser.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace conwave {

struct WaveState;

// The page in a language Conwave speaks, for the parameter texts as typed (none: as at start-up, before any START)
// and the state the restart made of them. The page carries, as data, everything its scripts take from the program:
// the limits, the picture's look, and every text in the page's language; the scripts hold the logic only. It also
// carries the picture's sentence as this program words it, so that a check can hold the page's own against it.
std::string frameHtml(const std::vector<std::string_view> &texts, const WaveState &state, std::string_view language);

} // namespace conwave
