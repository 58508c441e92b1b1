#pragma once
// The records that the storage system and its file modules write back onto the key, and
// the reader that fills them from satask_result.html and DORNA_results.txt.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileError.h"
#include "results/LineReader.h"

namespace results {

// Every entry holds this before a read; an entry that still holds it was not reported.
inline const std::wstring kPlaceholder = L"x";

enum TaskResultEntry {
    Status = 0,
    Command,
    ExitCode,
    Output,
    ClusterName,
    ClusterIp,
    ClusterGateway,
    ClusterMask,
    ClusterIp6,
    ClusterGateway6,
    ClusterPrefix6,
    SecondClusterIp,
    SecondClusterGateway,
    SecondClusterMask,
    SecondClusterIp6,
    SecondClusterGateway6,
    SecondClusterPrefix6,
    ServiceIp,
    ServiceGateway,
    ServiceMask,
    ServiceIp6,
    ServiceGateway6,
    ServicePrefix6,
    TimeToCharge,
    BatteryStatus,
    kTaskResultCount = 26
};

enum FileModuleEntry {
    FileModuleStatus = 0,
    OutputResult = 1,
    InputCommand = 3,
    OutputMessage = 4,
    ConsoleIp = 5,
    FileModuleIp1 = 6,
    FileModuleIp2 = 7,
    kFileModuleResultCount = 9
};

using TaskResults = std::array<std::wstring, kTaskResultCount>;
using FileModuleResults = std::array<std::wstring, kFileModuleResultCount>;

inline constexpr char kTaskResultsFile[] = "satask_result.html";
inline constexpr char kFileModuleResultsFile[] = "DORNA_results.txt";

// Sets every entry to the placeholder.
template <std::size_t N>
void ResetToPlaceholder(std::array<std::wstring, N>& entries) {
    entries.fill(kPlaceholder);
}

// Reads satask_result.html and then DORNA_results.txt from the current directory into the
// two records (both filled with the placeholder by the caller). Returns 0 when the task
// results are usable and the file-module step ended normally, -1 otherwise. When a file
// exists but cannot be opened, the reader shows the file error's description itself and
// sets *reported; the caller then has nothing more to show.
//
// What became of each file goes into *files: None when it was opened and read, NotFound
// when it is absent, the cause when it could not be opened; nothing when the reader did not
// come to it (the file modules' file after task results that cannot be used).
struct ResultsFiles {
    std::optional<platform::FileErrorCause> task;
    std::optional<platform::FileErrorCause> fileModules;
};
int ReadResults(TaskResults& task, FileModuleResults& fileModules, bool* reported = nullptr,
                ResultsFiles* files = nullptr);
// The same read, showing nothing: the description of a file that cannot be opened goes into
// `messages`, for whoever reports the results.
int ReadResultsQuietly(TaskResults& task, FileModuleResults& fileModules, ResultsFiles& files,
                       std::vector<std::wstring>& messages);

// The two steps on sources already open, for the reader above and for tests and fuzzing.
// ReadTaskResults returns 0 when the file-module step should follow, -1 when the task
// results are unusable (Status says why). ReadFileModuleResults returns 0, or -1 on a read
// error (the task Status then holds the reason).
int ReadTaskResults(LineReader& reader, TaskResults& task);
int ReadFileModuleResults(LineReader& reader, FileModuleResults& fileModules, TaskResults& task);

// Cuts the value of a "key value" line: leading white space, then the key when the line
// starts with it, then white space again are removed; trailing characters stay.
std::wstring CutKeyedValue(const std::wstring& line, const std::wstring& key);

// Each byte becomes one character; A-Z become a-z, nothing else changes.
std::wstring WidenLowered(const std::string& bytes);

}  // namespace results
