#include "cli/Cli.h"

#include <filesystem>

#include "cli/Json.h"
#include "cli/Messages.h"
#include "cli/Options.h"
#include "cli/Report.h"
#include "cli/Tasks.h"
#include "platform/FileError.h"
#include "platform/KeyFolder.h"
#include "platform/Utf8.h"
#include "taskfile/TaskFile.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using platform::FileErrorCause;

// Works in the key folder as the wizard does when started from it, and leaves it again.
class KeyFolder {
  public:
    explicit KeyFolder(const std::string& key) {
        if (!key.empty()) {
            Enter(fs::path(std::u8string(key.begin(), key.end())), platform::FromUtf8(key));
        } else if (const auto instead = platform::KeyFolderInstead()) {
            // Started in the Windows or system folder: the key is the program's own folder.
            Enter(fs::path(*instead), *instead);
        }
    }
    ~KeyFolder() {
        if (entered_) {
            std::error_code ignored;
            fs::current_path(home_, ignored);
        }
    }
    KeyFolder(const KeyFolder&) = delete;
    KeyFolder& operator=(const KeyFolder&) = delete;

    // Why the folder could not be entered; empty when it was (or none was named).
    const std::wstring& Problem() const { return problem_; }

  private:
    void Enter(const fs::path& path, const std::wstring& name) {
        std::error_code error;
        home_ = fs::current_path(error);
        if (!fs::exists(path, error)) {
            cause_ = FileErrorCause::NotFound;
        } else if (!fs::is_directory(path, error)) {
            cause_ = FileErrorCause::BadPath;
        } else if (fs::current_path(path, error); error) {
            cause_ = platform::CauseFromErrno(error.default_error_condition().value());
        } else {
            entered_ = true;
        }
        if (cause_ != FileErrorCause::None) {
            problem_ = platform::DescribeFileError(cause_, name);
        }
    }

    fs::path home_;
    bool entered_ = false;
    FileErrorCause cause_ = FileErrorCause::None;
    std::wstring problem_;
};

std::string Failed(const Invocation& in, const std::wstring& message) {
    return json::Object({{"command", json::String(in.command)},
                         {"failed", json::Object({{"message", json::String(message)}})}});
}

int ReportTask(const Invocation& in, const TaskOutcome& outcome, const MessageCatcher& messages,
               std::ostream& out, std::ostream& err) {
    switch (outcome.result) {
        case TaskOutcome::Written: {
            json::Members files;
            for (const auto& [name, line] : outcome.files) {
                files.emplace_back(name, json::String(line));
                if (!in.json) {
                    out << name << ": " << line << "\n";
                }
            }
            if (in.json) {
                out << json::Object({{"command", json::String(in.command)},
                                     {"written", json::Bool(!in.dryRun)},
                                     {"files", json::Object(files)}})
                    << "\n";
            }
            return kExitDone;
        }
        case TaskOutcome::Refused:
            if (outcome.question) {
                err << "k4400-init-cli: nothing written; --yes answers OK and writes it.\n";
            }
            if (in.json) {
                out << json::Object({{"command", json::String(in.command)},
                                     {"refused",
                                      json::Object({{"field", json::String(outcome.field)},
                                                    {"message", json::String(outcome.message)},
                                                    {"question", json::Bool(outcome.question)}})}})
                    << "\n";
            }
            return kExitRefused;
        case TaskOutcome::NotWritten:
            if (in.json) {
                out << Failed(in,
                              messages.shown.empty() ? std::wstring() : messages.shown.back().text)
                    << "\n";
            }
            return kExitKey;
    }
    return kExitKey;
}

// Removes the task files, as Cancel on a done page does; --dry-run only looks.
int Clear(const Invocation& in, std::ostream& out) {
    json::Members states;
    int code = kExitDone;
    for (const char* name : {taskfile::kTaskFile, taskfile::kFileModuleTaskFile}) {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(name, error);
        std::wstring state;
        if (!fs::exists(status)) {
            state = L"absent";
        } else if (fs::is_directory(status)) {
            // Not a task file, but no task file can be written under its name either.
            state = platform::DescribeFileError(FileErrorCause::NotAFile, platform::FromUtf8(name));
            code = kExitKey;
        } else if (in.dryRun) {
            state = L"present";
        } else if (const int failure = taskfile::RemoveQuietly(name); failure != 0) {
            state = platform::DescribeFileError(platform::CauseFromErrno(failure),
                                                platform::FromUtf8(name));
            code = kExitKey;
        } else {
            state = L"removed";
        }
        states.emplace_back(name, json::String(state));
        if (!in.json) {
            out << name << ": " << platform::ToUtf8(state) << "\n";
        }
    }
    if (in.json) {
        out << json::Object(
                   {{"command", json::String(in.command)}, {"files", json::Object(states)}})
            << "\n";
    }
    return code;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Invocation in = ParseInvocation(args);
    switch (in.action) {
        case Invocation::Help:
            out << HelpText(in.command);
            return kExitDone;
        case Invocation::Version:
            out << VersionText();
            return kExitDone;
        case Invocation::Error:
            err << "k4400-init-cli: " << in.error << "\nTry 'k4400-init-cli --help'.\n";
            return kExitUsage;
        case Invocation::Run:
            break;
    }
    MessageCatcher messages(in.yes);
    const KeyFolder key(in.key);
    if (!key.Problem().empty()) {
        err << "k4400-init-cli: " << platform::ToUtf8(key.Problem()) << "\n";
        if (in.json) {
            out << Failed(in, key.Problem()) << "\n";
        }
        return kExitKey;
    }
    // Every message the wizard would have shown, in order, as the wizard words it.
    auto tell = [&err, &messages] {
        for (const MessageCatcher::Shown& message : messages.shown) {
            err << "k4400-init-cli: " << platform::ToUtf8(message.text) << "\n";
        }
    };
    if (in.command == "results") {
        const int code = ReportResults(in, messages, out);
        tell();
        if (code == kExitNoResults) {
            err << "k4400-init-cli: "
                << platform::ToUtf8(
                       platform::DescribeFileError(FileErrorCause::NotFound, L"satask_result.html"))
                << "\n";
        }
        return code;
    }
    if (in.command == "clear") {
        return Clear(in, out);
    }
    if (!in.dryRun) {
        // A write killed half-way leaves its temporary file; it is never a command.
        taskfile::RemoveLeftoverTemporaries();
    }
    const TaskOutcome outcome = in.dryRun ? RehearseTask(in, messages) : RunTask(in, messages);
    tell();
    return ReportTask(in, outcome, messages, out, err);
}

}  // namespace cli
