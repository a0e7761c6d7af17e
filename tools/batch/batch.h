// conwave-frames --batch: the restart, the sentence and the first frame for many parameter texts at once, one
// line in and one line out, so that a script can hold its own rules against the program's over thousands of texts.
#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace conwave {

struct Wording;

// Each input line is a JSON array of the three texts, ["1.5", "4", "1"]; each output line is, tab-separated,
//   refused  FIELD  MESSAGE                  the restart refused (FIELD is M, nWave or tMax), or
//   drawn  CAPTION  SENTENCE  CIRCLES        CIRCLES: "x r" of every circle of the first tick, ";" between them,
//                                            each number the float as a double in 17 significant digits.
// With a listener, an accepted line is instead
//   heard  BOOM  ARRIVALS                     BOOM: the boom's time or "none"; ARRIVALS: "front tEmitted xEmitted
//                                            tArrives heardFrequency" of every front in the order heard, ";" between
//                                            them (the frequency empty with the cone), or
//   refused  listener  MESSAGE               the fly-over cannot be worked out.
// The texts are read as the window reads them in the wording's language. Returns false at the first line that is
// not such an array, with what is wrong in why.
struct BatchListener {
    double height = 0.0;        // [m]
    std::optional<double> span; // [s]; by default each line's own, flyOverSpan
};
bool runBatch(std::istream &in, std::ostream &out, const Wording &wording, const std::optional<BatchListener> &listener,
              std::string &why);

// The three strings of a JSON array ["a", "b", "c"]; none when the text is anything else.
std::optional<std::array<std::string, 3>> jsonTexts(std::string_view line);

} // namespace conwave
