#pragma once

#include "bench/scene/BenchOptions.h"

// The scene stepped on one thread with a fixed clock, once keeping pictures between
// frames and once redrawing, in alternating rounds: the processor time of each iteration
// (drawing included), which other programs on the machine disturb far less than wall time.
void runStepped(const BenchOptions& options);
