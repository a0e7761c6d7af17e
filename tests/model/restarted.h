// A state restarted from three texts, as the window's START makes it: the model tests' common start.
#pragma once

#include "wave_state.h"

namespace conwave::test {

inline WaveState restarted(const char *m, const char *nWave, const char *tMax)
{
    WaveState state;
    initialise(state);
    restart(state, m, nWave, tMax);
    return state;
}

} // namespace conwave::test
