#pragma once
// Names the task that an echoed command reports, and whether it succeeded.

#include <string>
#include <vector>

namespace results {

enum ResultKind {
    ResetPasswordOk = 0,
    ResetPasswordFailed = 1,
    ServiceIpDefaultOk = 2,
    ServiceIpDefaultFailed = 3,
    ServiceIpOk = 4,
    ServiceIpFailed = 5,
    ServiceIp6Ok = 6,
    ServiceIp6Failed = 7,
    InitOk = 8,
    InitFailed = 9,
    Init6Ok = 10,
    Init6Failed = 11,
    UnifiedInitOk = 12,
    UnifiedFileModulesFailed = 13,
    UnifiedStorageFailed = 14,
    UnrecognisedTask = 15,
};

// The kind's name as written above ("InitOk"), for reports that scripts read.
const char* ResultKindName(ResultKind kind);

// command: the echoed command (lowered, "-usb" removed, trimmed); exitCode: the storage
// system's exit code; fileModuleResult: the file modules' result code or the placeholder.
ResultKind ClassifyTask(std::wstring command, std::wstring exitCode, std::wstring fileModuleResult);

// The words of a command: blanks separate them; other white space before a word is skipped.
std::vector<std::wstring> SplitWords(const std::wstring& command);

}  // namespace results
