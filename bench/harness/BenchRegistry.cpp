#include "BenchRegistry.h"

// Each benchmark's file defines its factory; the table is the one place that lists them.
std::unique_ptr<PairedBenchmark> CreateGrid100kBenchmark();
std::unique_ptr<PairedBenchmark> CreateList100kBenchmark();
std::unique_ptr<PairedBenchmark> CreateList1MBenchmark();
std::unique_ptr<PairedBenchmark> CreateKeystroke1MBenchmark();
std::unique_ptr<PairedBenchmark> CreateTyping1MBenchmark();
std::unique_ptr<PairedBenchmark> CreateScroll1MBenchmark();
std::unique_ptr<PairedBenchmark> CreateStart100kBenchmark();
std::unique_ptr<PairedBenchmark> CreateMem100kBenchmark();

const std::vector<NamedBenchmark> &benchmarkTable() {
    static const std::vector<NamedBenchmark> all = {
        {"grid-100k",
         "100,000 items: the equipment list grid, sorted by code, from a new connection to its "
         "first painted screen with footer sums",
         &CreateGrid100kBenchmark},
        {"list-100k",
         "100,000 items: the main window's list after a change of filter (a type node and a "
         "one-character name search) to its first screen painted with the new final count and "
         "footer sums",
         &CreateList100kBenchmark},
        {"list-1M", "1,000,000 items: the same as list-100k", &CreateList1MBenchmark},
        {"keystroke-1M",
         "1,000,000 items: one character typed into the value box, to its first screen painted "
         "(the count follows)",
         &CreateKeystroke1MBenchmark},
        {"typing-1M",
         "1,000,000 items: five characters typed 80 ms apart, to the final count and sums shown",
         &CreateTyping1MBenchmark},
        {"scroll-1M",
         "1,000,000 items: the whole list jumped to row 500,000 and to its last row, each to "
         "its paint",
         &CreateScroll1MBenchmark},
        {"start-100k",
         "100,000 items against an empty register: a new process through the login to the main "
         "window shown with its list and idle",
         &CreateStart100kBenchmark},
        {"mem-100k",
         "100,000 items against 1,000: the resident memory (MB) of that process with the main "
         "window idle",
         &CreateMem100kBenchmark},
    };
    return all;
}
