#include "BenchRegistry.h"

// Each benchmark's file defines its factory; the table is the one place that lists them.
std::unique_ptr<PairedBenchmark> CreateGrid100kBenchmark();

const std::vector<NamedBenchmark> &benchmarkTable() {
    static const std::vector<NamedBenchmark> all = {
        {"grid-100k",
         "100,000 items: the equipment list grid, sorted by code, from a new connection to its "
         "first painted screen with footer sums",
         &CreateGrid100kBenchmark},
    };
    return all;
}
