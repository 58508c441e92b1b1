#pragma once
// The task files that carry a command from the wizard to the storage system (satask.txt)
// and to the file modules (cfgtask.txt): one line each, no line end.

#include <string>

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

// Deletes a task file in the current directory: a file or a link (read-only or not), never a
// folder. Returns 0 (also for a folder, which is no task), or the errno value of the
// failure, ENOENT for a file that is not there.
int RemoveQuietly(const char* name);

// Removes the temporary files that a write killed half-way left in the current directory:
// only regular files named the way this program names its own.
void RemoveLeftoverTemporaries();
bool IsLeftoverTemporaryName(const std::string& name);

// Why a command file could not be written: the message to show (171 or 191) and the cause,
// which the message names after its own words.
struct WriteFailure {
    int messageId = 0;  // 0: written
    platform::FileErrorCause cause = platform::FileErrorCause::None;
};

// Writes `line` under `name` so that the name only ever holds a complete, synced command:
// the line goes to a temporary file in the same directory, which replaces `name` once it is
// on the medium, and the folder is synced so that the new name is on the medium too.
WriteFailure WriteCommandFile(const char* name, const std::string& line);

// The step that makes the rename durable: syncs the current folder, returning 0 or an errno
// value. Tests put a failing one in its place; nullptr restores the real one.
using FolderSync = int (*)();
void SetFolderSync(FolderSync sync);

}  // namespace taskfile
