// Reads the results files in the current directory once and prints the process's peak
// resident memory, so that bench/results-memory.sh can show that memory does not grow with
// the size of a hostile results file.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "results/Results.h"

int main() {
    results::TaskResults task;
    results::FileModuleResults fileModules;
    results::ResetToPlaceholder(task);
    results::ResetToPlaceholder(fileModules);
    const auto start = std::chrono::steady_clock::now();
    const int result = results::ReadResults(task, fileModules);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("result %d, %.2f s, peak RSS %ld KiB\n", result, seconds, usage.ru_maxrss);
    return 0;
}
