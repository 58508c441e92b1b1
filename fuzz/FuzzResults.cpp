// Any bytes as satask_result.html and as DORNA_results.txt, then what start-up makes of them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/StartupDecisions.h"
#include "results/ClassifyTask.h"
#include "results/Results.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    results::TaskResults task;
    results::FileModuleResults fileModules;
    results::ResetToPlaceholder(task);
    results::ResetToPlaceholder(fileModules);
    results::MemorySource taskSource(bytes);
    results::LineReader taskReader(taskSource);
    const int read = results::ReadTaskResults(taskReader, task);
    results::MemorySource moduleSource(bytes);
    results::LineReader moduleReader(moduleSource);
    results::ReadFileModuleResults(moduleReader, fileModules, task);
    if (read == 0) {
        const auto kind = results::ClassifyTask(task[results::Command], task[results::ExitCode],
                                                fileModules[results::OutputResult]);
        const auto decision = app::DecideOutcome(kind, task, fileModules);
        app::DecideAfterDialog(decision.outcome, 1);
    }
    return 0;
}
