#pragma once

// Benchmarks run without a display: the offscreen platform unless one is chosen.
void useOffscreenPlatform();
// Runs the benchmarks registered in this executable; the application object must exist.
int runRegisteredBenchmarks(int argc, char **argv);
