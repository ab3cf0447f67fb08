#pragma once

// What the process costs, read from the operating system.

// The most memory the process has held so far, in MiB.
double peakMemoryMiB();

// The memory the process holds now, in KiB (0 when it cannot be read).
long residentKiB();

// Processor time of all the process's threads so far, user and system, in seconds.
double processorSeconds();
