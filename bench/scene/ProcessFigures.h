#pragma once

#include <cstdint>
#include <cstdio>

// What the process costs, read from the operating system.

// The most memory the process has held so far, in MiB.
double peakMemoryMiB();

// The memory the process holds now, in KiB (0 when it cannot be read).
long residentKiB();

// Processor time of all the process's threads so far, user and system, in seconds.
double processorSeconds();

// Whether the stream writes to a terminal (a console on Windows).
bool isTerminal(std::FILE* stream);

// A clock fine enough to time one stepped iteration, in nanoseconds, and what it measures:
// the calling thread's processor time where the system counts it finely, the wall clock
// where it counts in scheduler ticks (Windows: 10 to 16 ms).
std::uint64_t iterationClockNanoseconds();
extern const char* const iterationClockName;
