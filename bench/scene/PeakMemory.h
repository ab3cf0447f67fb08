#pragma once

// The most memory the process has held so far, in MiB.
double peakMemoryMiB();
