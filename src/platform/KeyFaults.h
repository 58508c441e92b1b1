#pragma once
// The key's file operations, each one a place where a test can make it fail with a cause, or
// stop the program right there, as a pulled key or a power cut would. The program asks
// before each operation; without a test nothing is ever injected.

#include <functional>

namespace platform {

enum class KeyOperation {
    CreateScratch,  // the temporary file made beside a task file
    Write,
    Sync,
    Close,
    Replace,     // the temporary renamed over the task file
    SyncFolder,  // the folder synced, so that the new name is on the medium
    ReadBack,    // the task file read back past the cache
    Remove,      // a task file or a leftover temporary removed
    Attributes,  // what is under a name: a file, a folder, nothing
    OpenResults,
    ReadResults,
};

struct KeyFault {
    // The error the operation fails with: an errno value, on Windows a Windows error code;
    // 0: it runs.
    int error = 0;
    // ReadBack only: the key gives back other bytes than were written.
    bool garble = false;
};

// A test's hook, asked before each operation (it may also end the program there); an empty
// one takes it away.
void SetKeyFaultHook(std::function<KeyFault(KeyOperation)> hook);
KeyFault AskKeyFault(KeyOperation operation);

}  // namespace platform
