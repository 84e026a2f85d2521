// The benchmarks of the game's hot paths. Everything runs in a temporary
// working directory with the game's assets linked in, so saving never
// touches a real save/. Run through scripts/bench.sh (it needs a display).
//
// `inkwright_benchmarks --time-store-load kanji|words` is the child mode of
// the store-loading benchmarks: it loads that store once, as the game's
// first use does, and prints the nanoseconds taken.

#include "bench/Registration.hpp"
#include "bench/StoreLoadTiming.hpp"
#include "support/TestDirectory.hpp"

#include <benchmark/benchmark.h>

#include <string>

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--time-store-load")
        return StoreLoadTiming::timeInThisProcess(argv[2]);

    registerWindowBenchmarks();
    registerStoreBenchmarks();
    registerWidgetBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const TestDirectory directory;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
