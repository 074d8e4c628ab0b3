#pragma once
// The cost of one whole sample inside the program's own code: the screen pixel
// read, the colour applied to the main window (swatch, hex, sliders, sample
// text) and stored, measured in this process on the real window classes.
#include "Figures.h"

namespace program_bench {

// Milliseconds per sample, one value per sample taken; empty when the window
// could not be built.
Series measureWholeSamples(int samples);

}  // namespace program_bench
