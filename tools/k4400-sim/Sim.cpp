#include "Sim.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "Results.h"
#include "Task.h"

namespace fs = std::filesystem;

namespace sim {
namespace {

int Fail(const std::string& why) {
    std::fprintf(stderr, "k4400-sim: %s; nothing was written\n", why.c_str());
    return 2;
}

}  // namespace

int Run(const Options& o) {
    if (!fs::is_directory(o.key)) {
        return Fail("no key folder at " + o.key.string());
    }
    const fs::path task = o.key / "satask.txt";
    const fs::path cfg = o.key / "cfgtask.txt";
    std::error_code ignored;
    const bool haveTask = fs::exists(fs::symlink_status(task, ignored));
    const bool haveCfg = fs::exists(fs::symlink_status(cfg, ignored));
    if (!haveTask && !haveCfg) {
        std::fprintf(stderr, "k4400-sim: no satask.txt or cfgtask.txt in %s\n",
                     o.key.string().c_str());
        return 1;
    }

    // Decide everything before writing anything.
    State state = LoadState(o.key / ".k4400-sim-state");
    std::string storageResults, fileModuleResults;
    try {
        if (haveTask) {
            const std::string command = ReadTaskFile(task);
            State after = state;
            try {
                ExecuteStorage(command, after);
            } catch (const Refusal& refusal) {
                throw Refusal{"satask.txt: " + refusal.why};
            }
            if (!o.fail) {
                state = after;
            }
            storageResults = StorageResults(command + " -usb", o.fail ? o.failText : "",
                                            o.fail ? o.failCode : "0", state);
        }
        if (haveCfg) {
            const std::string line = ReadTaskFile(cfg);
            fileModuleResults = FileModuleResults(line, ExecuteFileModules(line), o.failFileModules,
                                                  o.fileModuleText);
        }
    } catch (const Refusal& refusal) {
        return Fail(refusal.why);
    }

    bool ok = true;
    if (haveTask && !o.omitStorage) {
        ok = ok && WriteFile(o.key / "satask_result.html", Finish(storageResults, o));
    }
    if (haveCfg && !o.omitFileModules) {
        ok = ok && WriteFile(o.key / "DORNA_results.txt", Finish(fileModuleResults, o));
    }
    ok = ok && WriteFile(o.key / ".k4400-sim-state", StateText(state));
    if (!ok) {
        std::fprintf(stderr, "k4400-sim: could not write the results in %s\n",
                     o.key.string().c_str());
        return 2;
    }
    std::printf("k4400-sim: executed%s%s in %s\n", haveTask ? " satask.txt" : "",
                haveCfg ? " cfgtask.txt" : "", o.key.string().c_str());
    return 0;
}

}  // namespace sim
