#include "results/Results.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <string_view>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation
#else
#include <unistd.h>
#endif

#include "platform/FileError.h"
#include "platform/KeyFaults.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace results {
namespace {

const wchar_t kWhiteSpace[] = L" \t\r\n\v\f";

// An open results file. Only regular files are read: a directory, device or pipe under a
// results file's name is refused, so reading always ends.
class ResultsFile final : public ByteSource {
  public:
    explicit ResultsFile(const char* name) {
        if (const int fault = Fault(platform::KeyOperation::OpenResults)) {
            error_ = fault;
            return;
        }
#ifdef _WIN32
        // Other writers are denied while the file is open.
        error_ = _sopen_s(&fd_, name, _O_RDONLY | _O_BINARY, _SH_DENYWR, 0);
        if (error_ != 0) {
            fd_ = -1;
            // Another program writing the file is a sharing violation, not a denied access.
            if (_doserrno == ERROR_SHARING_VIOLATION) {
                error_ = EBUSY;
            }
            // A folder under the name is refused as access denied; say what it really is.
            const DWORD attributes = GetFileAttributesA(name);
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
                notAFile_ = true;
            }
        }
#else
        fd_ = ::open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        error_ = fd_ < 0 ? errno : 0;
#endif
        if (fd_ >= 0) {
            struct stat info {};
            if (::fstat(fd_, &info) != 0) {
                error_ = errno;
            } else if (!S_ISREG(info.st_mode)) {
                notAFile_ = true;
            }
            if (error_ != 0 || notAFile_) {
                Close();
            }
        }
    }
    ~ResultsFile() override {
        Close();
    }
    ResultsFile(const ResultsFile&) = delete;
    ResultsFile& operator=(const ResultsFile&) = delete;

    platform::FileErrorCause cause() const {
        if (notAFile_) {
            return platform::FileErrorCause::NotAFile;
        }
        // Absent is only a file the system says is not there; a key gone is an error.
        const platform::FileErrorCause cause = platform::CauseFromErrno(error_);
        return cause == platform::FileErrorCause::NotFound && error_ != ENOENT
                   ? platform::FileErrorCause::Generic
                   : cause;
    }

    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        if (const int fault = Fault(platform::KeyOperation::ReadResults)) {
            errno = fault;
            return -1;
        }
        for (;;) {
#ifdef _WIN32
            const int n = ::_read(fd_, buffer, static_cast<unsigned>(size));
#else
            const ssize_t n = ::read(fd_, buffer, size);
#endif
            if (n >= 0) {
                return n;
            }
            if (errno != EINTR) {
                return -1;
            }
        }
    }

  private:
    // The errno value of a fault a test set for the operation; 0: none.
    static int Fault(platform::KeyOperation operation) {
        const int error = platform::AskKeyFault(operation).error;
#ifdef _WIN32
        return error == 0 ? 0 : platform::ErrnoFromWindowsError(static_cast<unsigned long>(error));
#else
        return error;
#endif
    }

    void Close() {
        if (fd_ >= 0) {
#ifdef _WIN32
            ::_close(fd_);
#else
            ::close(fd_);
#endif
            fd_ = -1;
        }
    }

    int fd_ = -1;
    int error_ = 0;
    bool notAFile_ = false;
};

std::wstring Unreadable() {
    return platform::LoadText(IDS_RESULTS_UNREADABLE);
}

constexpr std::string_view kBlanks = " \t\r\n\v\f";

bool Contains(std::string_view text, std::string_view what) {
    return text.find(what) != std::string_view::npos;
}

std::string_view TrimLeft(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::wstring Widen(std::string_view bytes) {
    std::wstring wide(bytes.size(), L'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]));
    }
    return wide;
}

// Lines as bytes with A-Z lowered. Keys are searched in these bytes; only the values that are
// kept become wide text. Next is false at the end of the source or on a read error.
class Lines {
  public:
    explicit Lines(LineReader& reader) : reader_(reader) {}

    bool Next(std::string& line) {
        if (failed_) {
            line.clear();
            return false;
        }
        const LineReader::Status status = reader_.Next(line);
        if (status == LineReader::Status::Line) {
            for (char& c : line) {
                if (c >= 'A' && c <= 'Z') {
                    c = static_cast<char>(c + ('a' - 'A'));
                }
            }
            return true;
        }
        failed_ = status == LineReader::Status::Error;
        line.clear();
        return false;
    }

    // A line read by position: past the end it is empty.
    const std::string& Positional() {
        Next(positional_);
        return positional_;
    }

    // Reads until a line contains `key`; false when the source ends first.
    bool FindLine(std::string_view key, std::string& line) {
        while (Next(line)) {
            if (Contains(line, key)) {
                return true;
            }
        }
        return false;
    }

    bool failed() const { return failed_; }

  private:
    LineReader& reader_;
    std::string positional_;
    bool failed_ = false;
};

// The value of a "key value" line (see CutKeyedValue), as wide text.
std::wstring Cut(std::string_view line, std::string_view key) {
    std::string_view value = TrimLeft(line);
    if (value.substr(0, key.size()) == key) {
        value = TrimLeft(value.substr(key.size()));
    }
    return Widen(value);
}

// The text up to, not including, the next double quote; empty when there is none.
std::string_view QuotedValue(std::string_view text) {
    const std::size_t quote = text.find('"');
    return quote == std::string_view::npos ? std::string_view() : text.substr(0, quote);
}

// What remains of `text` from `offset` characters after the start of `key`; a missing key
// counts as found at -1, and a start past the end leaves nothing.
std::string_view After(std::string_view text, std::string_view key, std::size_t offset) {
    const std::size_t found = text.find(key);
    const std::size_t start = found == std::string_view::npos ? offset - 1 : found + offset;
    return start < text.size() ? text.substr(start) : std::string_view();
}

std::wstring Trimmed(const std::wstring& text) {
    const wchar_t* blanks = L" \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring::npos) {
        return std::wstring();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

void RemoveAll(std::wstring& text, const std::wstring& what) {
    for (std::size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at)) {
        text.erase(at, what.size());
    }
}

int Fail(TaskResults& task) {
    task[Status] = Unreadable();
    return -1;
}

// The six entries of one address set, read by position.
void ReadAddressSet(Lines& lines, TaskResults& task, int first) {
    static constexpr std::string_view kKeys[] = {"cluster_ip",   "cluster_gw",
                                                 "cluster_mask", "cluster_ip_6",
                                                 "cluster_gw_6", "cluster_prefix_6"};
    for (int i = 0; i < 6; ++i) {
        task[first + i] = Cut(lines.Positional(), kKeys[i]);
    }
}

// Everything after the "cluster_ip_count" line.
void ReadStatusValues(Lines& lines, TaskResults& task) {
    lines.Positional();
    ReadAddressSet(lines, task, ClusterIp);
    lines.Positional();
    ReadAddressSet(lines, task, SecondClusterIp);

    std::string line;
    if (lines.FindLine("service_ip_address ", line)) {
        task[ServiceIp] = Cut(line, "service_ip_address");
    }
    static constexpr std::string_view kServiceKeys[] = {"service_gateway", "service_subnet_mask",
                                                        "service_ip_address_6", "service_gateway_6",
                                                        "service_prefix_6"};
    for (int i = 0; i < 5; ++i) {
        task[ServiceGateway + i] = Cut(lines.Positional(), kServiceKeys[i]);
    }
    if (lines.FindLine("time_to_charge ", line)) {
        task[TimeToCharge] = Cut(line, "time_to_charge");
    }
    if (lines.FindLine("battery_status ", line)) {
        task[BatteryStatus] = Cut(line, "battery_status");
    }
    lines.Positional();
    task[BatteryStatus] = Cut(lines.Positional(), "battery_status");
}

}  // namespace

std::wstring WidenLowered(const std::string& bytes) {
    std::wstring wide = Widen(bytes);
    for (wchar_t& c : wide) {
        if (c >= L'A' && c <= L'Z') {
            c = static_cast<wchar_t>(c + (L'a' - L'A'));
        }
    }
    return wide;
}

std::wstring CutKeyedValue(const std::wstring& line, const std::wstring& key) {
    const wchar_t* blanks = L" \t\r\n\v\f";
    std::wstring value = line.substr(std::min(line.size(), line.find_first_not_of(blanks)));
    if (value.compare(0, key.size(), key) == 0) {
        value.erase(0, key.size());
        value.erase(0, std::min(value.size(), value.find_first_not_of(blanks)));
    }
    return value;
}

int ReadTaskResults(LineReader& reader, TaskResults& task) {
    Lines lines(reader);
    std::string line;

    // The task line: the first that mentions "exit".
    bool found = false;
    while (lines.Next(line)) {
        if (Contains(line, "exit")) {
            found = true;
            break;
        }
        if (Contains(line, "command_end")) {
            return Fail(task);
        }
    }
    if (lines.failed()) {
        return Fail(task);
    }
    std::string_view command, output, exitCode;
    if (found) {
        std::string_view rest = After(line, "command=", 9);
        command = QuotedValue(rest);
        rest = After(rest, "output=", 8);
        output = QuotedValue(rest);
        rest = After(rest, "exit=", 6);
        exitCode = QuotedValue(rest);
    }
    if (command.empty() || exitCode.empty()) {
        return Fail(task);
    }
    std::wstring wideCommand = Widen(command);
    RemoveAll(wideCommand, L"-usb");
    task[Command] = Trimmed(wideCommand);
    task[ExitCode] = Widen(exitCode);
    task[Output] = Widen(output);

    // The status command, then its block up to the address count.
    bool statusBlock = false;
    while (lines.Next(line)) {
        if (Contains(line, "sainfo lsservicestatus")) {
            statusBlock = true;
            break;
        }
        if (Contains(line, "command_end")) {
            return Fail(task);
        }
    }
    while (statusBlock && lines.Next(line)) {
        if (Contains(line, "command_end")) {
            return Fail(task);
        }
        if (Contains(line, "cluster_name ")) {
            task[ClusterName] = Cut(line, "cluster_name");
        } else if (Contains(line, "cluster_ip_count")) {
            ReadStatusValues(lines, task);
            if (lines.failed()) {
                return Fail(task);
            }
            task[Status] = L"Success";
            return 0;
        }
    }
    return lines.failed() ? Fail(task) : 0;
}

int ReadFileModuleResults(LineReader& reader, FileModuleResults& fileModules, TaskResults& task) {
    struct Key {
        std::string_view key;
        std::string_view prefix;
        int entry;
    };
    static constexpr Key kKeys[] = {
        {"input command", "input command|", InputCommand},
        {"output result", "output result|", OutputResult},
        {"output message", "output message|", OutputMessage},
        {"console ip", "console ip|", ConsoleIp},
        {"dorna ip1", "dorna ip1|", FileModuleIp1},
        {"dorna ip2", "dorna ip2|", FileModuleIp2},
    };
    Lines lines(reader);
    std::string line;
    while (lines.Next(line)) {
        for (const Key& key : kKeys) {
            if (!Contains(line, key.key)) {
                continue;
            }
            // Only the first key a line holds is filled: a message that mentions another
            // key must not overwrite that key's value.
            std::string_view value = line;
            const std::string_view indented = TrimLeft(line);
            if (indented.substr(0, key.prefix.size()) == key.prefix) {
                value = indented.substr(key.prefix.size());
            }
            const std::size_t end = value.find_last_not_of('|');
            fileModules[key.entry] =
                Widen(value.substr(0, end == std::string_view::npos ? 0 : end + 1));
            break;
        }
    }
    if (lines.failed()) {
        Fail(task);
        return -1;
    }
    fileModules[FileModuleStatus] = L"Success";
    return 0;
}

namespace {

// The read of both files; a file that exists but cannot be opened is described to `tell`.
template <class Tell>
int Read(TaskResults& task, FileModuleResults& fileModules, ResultsFiles& seen, Tell tell) {
    seen = ResultsFiles{};
    // A results file that could not be opened: the reason goes into `status`, and is told
    // unless the file simply is not there.
    auto record = [&](platform::FileErrorCause cause, std::wstring& status, const wchar_t* name) {
        if (cause == platform::FileErrorCause::NotFound) {
            status = L"File not found";
            return;
        }
        status = platform::DescribeFileError(cause, name);
        tell(status);
    };
    {
        ResultsFile file(kTaskResultsFile);
        const platform::FileErrorCause cause = file.cause();
        seen.task = cause;
        if (cause != platform::FileErrorCause::None) {
            record(cause, task[Status], L"satask_result.html");
            return -1;
        }
        LineReader reader(file);
        if (ReadTaskResults(reader, task) != 0) {
            return -1;
        }
    }
    ResultsFile file(kFileModuleResultsFile);
    const platform::FileErrorCause cause = file.cause();
    seen.fileModules = cause;
    if (cause != platform::FileErrorCause::None) {
        record(cause, fileModules[FileModuleStatus], L"DORNA_results.txt");
        return cause == platform::FileErrorCause::NotFound ? 0 : -1;
    }
    LineReader reader(file);
    return ReadFileModuleResults(reader, fileModules, task);
}

}  // namespace

int ReadResults(TaskResults& task, FileModuleResults& fileModules, bool* reported,
                ResultsFiles* files) {
    if (reported) {
        *reported = false;
    }
    ResultsFiles ignored;
    return Read(task, fileModules, files ? *files : ignored, [&](const std::wstring& text) {
        platform::ShowFileMessage(text);
        if (reported) {
            *reported = true;
        }
    });
}

int ReadResultsQuietly(TaskResults& task, FileModuleResults& fileModules, ResultsFiles& files,
                       std::vector<std::wstring>& messages) {
    return Read(task, fileModules, files,
                [&](const std::wstring& text) { messages.push_back(text); });
}

}  // namespace results
