// The frames as CSV rows, exactly (the default, which scripts read) or in a form for spreadsheets.
#pragma once

#include "wave_tick.h"

#include <string>

namespace conwave {

// How the rows are written. The default writes every number exactly, the source marker as wave 0, with commas.
struct CsvForm {
    int digits = 0;            // significant digits to round every number to; 0 writes them exactly
    bool source = true;        // the source marker's row (wave 0) after the wavefronts of each tick
    bool age = false;          // a last column: how long ago each wavefront was emitted [s]
    bool decimalComma = false; // ";" between cells and "," as the decimal point

    bool operator==(const CsvForm &) const = default;
};

// The header line, newline included: tick,tNow,wave,x,y,radius,colour (and ,age).
std::string csvHeader(const CsvForm &form);

struct FlyOver;

// The fly-over as the listener hears it, header included: front,tEmitted,xEmitted,tArrives,heardFrequency, one row
// per front in the order heard and above Mach 1, when its front was sent within the span, a row "boom" in its place
// in that order (first: nothing arrives before the cone). The frequency is empty where dtA/dtE is 0 (the cone's own
// front) or undefined (a front that a moving source sent at the listener). Only the digits and the decimal comma of
// the form apply.
std::string flyOverCsv(const CsvForm &form, const FlyOver &flyOver);

// Appends the rows of one frame drawn at clock value drawnAt, with wavefront i emitted (i - 1) * dtWave before
// wavefront 1.
void appendCsv(std::string &out, const CsvForm &form, long long tickNumber, double drawnAt, double dtWave,
               const WaveFrame &frame);

} // namespace conwave
