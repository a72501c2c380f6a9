// The main of the benchmarks that use the platform: one platform session for the run, as a
// program has.
#include <benchmark/benchmark.h>

#include "platform/session/Session.h"

int main(int argc, char** argv) {
    const keldra::platform::Session session;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
