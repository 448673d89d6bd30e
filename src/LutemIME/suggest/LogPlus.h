#pragma once

// The log-semiring sum -log(e^-a + e^-b) of two 32-bit weights, computed as
// the library's log weight does it, so that grouped paths add up bit for bit
// alike: +infinity is the zero, and the correction runs in 64 bits.
float LogPlus(float a, float b);
