#include "cli/Cli.h"

#include <filesystem>
#include <fstream>

#include "cli/Options.h"
#include "cli/Report.h"
#include "cli/Tasks.h"
#include "platform/FileError.h"
#include "platform/KeyFolder.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
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

// Whether the output reached its reader. A full disk or a closed pipe refuses it: the script
// that reads it must not take an empty or cut report for the whole one, so it is told on
// stderr, with what the key holds now, and the exit code says the key's state is to be read
// there.
bool Delivered(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) {
        return true;
    }
    err << "k4400-init-cli: " << platform::ToUtf8(platform::LoadText(IDS_FW_OUTPUT_FAILED)) << "\n";
    std::string held;
    for (const char* name : {taskfile::kTaskFile, taskfile::kFileModuleTaskFile}) {
        std::error_code error;
        if (fs::is_regular_file(name, error)) {
            std::ifstream file(name, std::ios::binary);
            std::string line(taskfile::kMostTaskLine, '\0');
            file.read(line.data(), static_cast<std::streamsize>(line.size()));
            line.resize(static_cast<std::size_t>(file.gcount()));
            held += std::string(name) + ": " + line + "\n";
        }
    }
    err << "k4400-init-cli: "
        << platform::ToUtf8(
               platform::LoadText(held.empty() ? IDS_FW_KEY_HOLDS_NOTHING : IDS_FW_KEY_HOLDS))
        << "\n"
        << held;
    return false;
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
    const KeyFolder key(in.key);
    if (!key.Problem().empty()) {
        err << "k4400-init-cli: " << platform::ToUtf8(key.Problem()) << "\n";
        if (in.json) {
            out << (in.command == "results" ? ResultsKeyFailureJson(key.Problem())
                                            : KeyFailureJson(in, key.Problem()));
        }
        out.flush();
        return kExitKey;
    }
    const int code = FindCommand(in.command)->run(in, out, err);
    return Delivered(out, err) ? code : kExitKey;
}

}  // namespace cli
