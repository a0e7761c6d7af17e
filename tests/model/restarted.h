// A state restarted from three texts, as the window's START makes it: the tests' common start.
#pragma once

#include "wave_state.h"

#include <string_view>

namespace conwave::test {

inline WaveState restarted(std::string_view m, std::string_view nWave, std::string_view tMax)
{
    WaveState state;
    initialise(state);
    restart(state, m, nWave, tMax);
    return state;
}

} // namespace conwave::test
