// The animation as one self-contained HTML page that plays, pauses and steps it in any browser.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace conwave {

struct WaveState;

// The page for the parameter texts as typed (none: as at start-up, before any START) and the state the restart
// made of them. The page computes its frames with the same arithmetic as the tick; it carries the picture's
// sentence as this program words it, so that a check can hold the page's own wording against it.
std::string frameHtml(const std::vector<std::string_view> &texts, const WaveState &state);

} // namespace conwave
