#include "cli/Tasks.h"

#include <cerrno>

#include "cli/Bind.h"
#include "cli/Json.h"
#include "forms/PasswordResetForm.h"
#include "platform/FileError.h"
#include "platform/KeyFolder.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "platform/Utf8.h"
#include "taskfile/TaskFile.h"

namespace cli {
namespace {

// What a task command came to: the lines its forms composed, or the refusal.
struct Settled {
    taskfile::TaskLines lines;
    std::optional<forms::Refusal> refusal;
};

Settled Settle(const Invocation& in) {
    BoundTask bound = Bind(in);
    if (bound.refused) {
        return {{}, bound.refused};
    }
    if (bound.address) {
        if (auto refusal = bound.address->Check()) {
            return {{}, refusal};
        }
        return {bound.address->Compose(), std::nullopt};
    }
    if (bound.storage) {
        if (auto refusal = bound.storage->Check()) {
            return {{}, refusal};
        }
        bound.modules->storage = bound.storage->Accepted();
        if (auto refusal = bound.modules->Check()) {
            return {{}, refusal};
        }
        return {bound.modules->Compose(), std::nullopt};
    }
    return {forms::PasswordResetForm().Compose(), std::nullopt};
}

std::string Json(const Invocation& in, bool written, const json::Members& files,
                 const json::Members& tail) {
    json::Members members{{"version", "1"},
                          {"command", json::String(in.command)},
                          {"written", json::Bool(written)},
                          {"dry_run", json::Bool(in.dryRun)},
                          {"files", json::Object(files)}};
    members.insert(members.end(), tail.begin(), tail.end());
    return json::Object(members) + "\n";
}

json::Members Failed(const std::wstring& message) {
    return {{"failed", json::Object({{"message", json::String(message)}})}};
}

void Tell(std::ostream& err, const std::wstring& message) {
    err << "k4400-init-cli: " << platform::ToUtf8(message) << "\n";
}

}  // namespace

std::string KeyFailureJson(const Invocation& in, const std::wstring& message) {
    return Json(in, false, {}, Failed(message));
}

int RunTask(const Invocation& in, std::ostream& out, std::ostream& err) {
    const Settled settled = Settle(in);
    if (settled.refusal) {
        const forms::Refusal& refusal = *settled.refusal;
        Tell(err, refusal.Text());
        if (refusal.question) {
            err << "k4400-init-cli: nothing written; --yes answers OK and writes it.\n";
        }
        if (in.json) {
            out << Json(in, false, {},
                        {{"refused", json::Object({{"field", json::String(OptionOf(refusal.entry))},
                                                   {"message", json::String(refusal.Text())},
                                                   {"question", json::Bool(refusal.question)}})}});
        }
        return kExitRefused;
    }
    if (!in.dryRun) {
        // A write killed half-way leaves its temporary file; it is never a command.
        taskfile::RemoveLeftoverTemporaries();
        if (const auto result = taskfile::WriteTask(settled.lines); result.failure.messageId) {
            const std::wstring message = taskfile::DescribeTaskWriteFailure(result);
            Tell(err, message);
            if (in.json) {
                out << Json(in, false, {}, Failed(message));
            }
            return kExitKey;
        }
    }
    // A task in a folder the system does not read is never executed: say so, never refuse
    // (rehearsal folders are such folders).
    const platform::KeyPlace place = platform::ProbeKeyPlace();
    if (!in.dryRun && !place.OnKey()) {
        Tell(err, platform::LoadFormatted(IDS_FW_KEY_NOT_TOP, {place.folder}));
    }
    json::Members files;
    for (const taskfile::TaskLine& task : settled.lines) {
        files.emplace_back(task.file, json::String(task.line));
        if (!in.json) {
            out << task.file << ": " << task.line << "\n";
        }
    }
    if (in.json) {
        out << Json(in, !in.dryRun, files,
                    {{"key", json::Object({{"folder", json::String(place.folder)},
                                           {"top_folder", json::Bool(place.topFolder)},
                                           {"removable", json::Bool(place.removable)}})}});
    }
    return kExitDone;
}

int RunClear(const Invocation& in, std::ostream& out, std::ostream& err) {
    json::Members states;
    std::wstring failures;
    for (const char* name : {taskfile::kTaskFile, taskfile::kFileModuleTaskFile}) {
        std::string state;
        int failure = taskfile::IsTaskFilePresent(name);
        if (failure == 0) {
            state = "absent";
        } else if (failure < 0 && in.dryRun) {
            state = "present";
        } else if (failure < 0 && (failure = taskfile::RemoveTaskFile(name)) == 0) {
            state = "removed";
        }
        if (state.empty()) {
            // What stays on the key: a task the system would execute, or a folder under the
            // task file's name, where no task can be written.
            state = "kept";
            std::wstring message = taskfile::DescribeCause(platform::CauseFromErrno(failure), name);
            if (failure != EISDIR) {
                message = platform::LoadFormatted(IDS_FW_TASK_KEPT, {platform::FromUtf8(name)}) +
                          L"\n\n" + message;
            }
            Tell(err, message);
            failures += (failures.empty() ? L"" : L"\n") + message;
        }
        states.emplace_back(name, json::String(state));
        if (!in.json) {
            out << name << ": " << state << "\n";
        }
    }
    if (in.json) {
        json::Members members{{"version", "1"},
                              {"command", json::String(in.command)},
                              {"dry_run", json::Bool(in.dryRun)},
                              {"files", json::Object(states)}};
        if (!failures.empty()) {
            const json::Members failed = Failed(failures);
            members.insert(members.end(), failed.begin(), failed.end());
        }
        out << json::Object(members) << "\n";
    }
    return failures.empty() ? kExitDone : kExitKey;
}

}  // namespace cli
