// Placeholder until the EPS converter's benchmark is written.
#include <benchmark/benchmark.h>
