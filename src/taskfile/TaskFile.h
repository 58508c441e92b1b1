#pragma once
// The task files that carry a command from the wizard to the storage system (satask.txt)
// and to the file modules (cfgtask.txt): one line each, no line end.

#include <string>
#include <vector>

#include "platform/FileError.h"

namespace taskfile {

enum TaskKind {
    InitIPv4 = 1,
    InitIPv6 = 2,
    ResetPassword = 3,
    ServiceIPv4 = 4,
    ServiceIPv6 = 5,
    ServiceDefault = 6,
};

inline constexpr char kTaskFile[] = "satask.txt";
inline constexpr char kFileModuleTaskFile[] = "cfgtask.txt";
// No task line is longer (the unified file modules' line is at most 192 characters).
inline constexpr std::size_t kMostTaskLine = 256;

// The command line for a kind; fields are inserted as passed, the gateway before the mask
// or prefix. Empty for a kind outside 1 to 6 or a field that is not plain ASCII.
std::string ComposeTaskCommand(int kind, const std::wstring& address,
                               const std::wstring& maskOrPrefix, const std::wstring& gateway);

// Writes the command into satask.txt. Returns 0 when it is on the medium, 1 when it is not
// (the user has then seen message 171 or 191). A kind outside 1 to 6 touches no file.
int WriteTaskCommand(int kind, std::wstring address, std::wstring maskOrPrefix,
                     std::wstring gateway);

struct UnifiedTaskAddresses {
    std::string clusterip;
    std::string mask;
    std::string gw;
    std::string consoleip;
    std::string serviceip1;
    std::string serviceip2;
    std::string internalips;
};

std::string ComposeStorageCommand(const UnifiedTaskAddresses& addresses);
std::string ComposeFileModuleCommand(const UnifiedTaskAddresses& addresses);

// Writes satask.txt and then cfgtask.txt. Returns 0 when both are on the medium, 1 after
// a failure that the user has already seen.
int WriteUnifiedTaskFiles(const UnifiedTaskAddresses& addresses);

// A task as the key carries it: each file's name and its one line, in the order written.
struct TaskLine {
    const char* file;
    std::string line;
};
using TaskLines = std::vector<TaskLine>;

// Why a command file could not be written: the message to show (171 or 191) and the cause,
// which the message names after its own words.
struct WriteFailure {
    int messageId = 0;  // 0: written
    platform::FileErrorCause cause = platform::FileErrorCause::None;
    // The command was whole under its name when the failure came, and could not be taken
    // back (the key gone): it stays there for the system to execute.
    bool kept = false;
};

// Writes a task's files in order, each whole or not at all, and the task as a unit: when a
// later file fails, the earlier ones of this task go again. Shows nothing: the failure and
// the file it concerns come back (messageId 0 when every file is on the medium).
struct TaskWriteResult {
    WriteFailure failure;
    const char* file = nullptr;
    // The task's files that stay on the key after the failure, which could not be removed.
    std::vector<const char*> kept;
};
TaskWriteResult WriteTask(const TaskLines& task);
// The failure as the user is told it: the message, its cause, and each file that stays.
std::wstring DescribeTaskWriteFailure(const TaskWriteResult& result);

// The message for a failed write of `file`, as the user is shown it: the message's own
// words, then the cause (for a file that is not found, the folder it was to be in).
std::wstring DescribeWriteFailure(const WriteFailure& failure, const char* file);

// A cause in the user's words, naming the file; for a file that is not found, the folder it
// was to be in (the key was removed).
std::wstring DescribeCause(platform::FileErrorCause cause, const char* file);

// WriteTask, with the failure shown in a message about files. 0 written, 1 not (told).
int WriteTaskFiles(const TaskLines& task);

// Deletes a task file in the current directory: a file or a link (read-only or not), never a
// folder. Returns 0 (also for a folder, which is no task), or the errno value of the
// failure, ENOENT for a file that is not there.
int RemoveQuietly(const char* name);

// Removes a task file, looking again after a failed removal: 0 when none is left under its
// name (removed, never there, or a folder, which is no task), else the errno value of why
// one stays there for the system to execute.
int RemoveTaskFile(const char* name);

// Whether a task file is in the current directory: 0 when it is not, -1 when it is (a file or
// a link), or the errno value of what stops telling (EISDIR: a folder under its name).
int IsTaskFilePresent(const char* name);

// Removes the temporary files that a write killed half-way left in the current directory:
// only regular files named the way this program names its own.
void RemoveLeftoverTemporaries();
bool IsLeftoverTemporaryName(const std::string& name);

// Writes `line` under `name` so that the name only ever holds a complete, synced command:
// the line goes to a temporary file in the same directory, which replaces `name` once it is
// on the medium, and the folder is synced so that the new name is on the medium too.
WriteFailure WriteCommandFile(const char* name, const std::string& line);

}  // namespace taskfile
