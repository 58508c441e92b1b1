#include "results/Results.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

#include "platform/FileError.h"
#include "platform/Platform.h"

namespace results {
namespace {

constexpr int IDS_RESULTS_UNREADABLE = 172;

const wchar_t kWhiteSpace[] = L" \t\r\n\v\f";

// An open results file. Only regular files are read: a directory, device or pipe under a
// results file's name is refused, so reading always ends.
class ResultsFile final : public ByteSource {
  public:
    explicit ResultsFile(const char* name) {
#ifdef _WIN32
        // Other writers are denied while the file is open.
        const int rc = _sopen_s(&fd_, name, _O_RDONLY | _O_BINARY, _SH_DENYWR, 0);
        error_ = rc == 0 ? 0 : errno;
        if (rc != 0) {
            fd_ = -1;
        }
#else
        fd_ = ::open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        error_ = fd_ < 0 ? errno : 0;
#endif
        if (fd_ >= 0) {
            struct stat info {};
            if (::fstat(fd_, &info) != 0) {
                error_ = errno;
            } else if (S_ISDIR(info.st_mode)) {
                error_ = EISDIR;
            } else if (!S_ISREG(info.st_mode)) {
                error_ = EINVAL;
            }
            if (error_ != 0) {
                Close();
            }
        }
    }
    ~ResultsFile() override {
        Close();
    }
    ResultsFile(const ResultsFile&) = delete;
    ResultsFile& operator=(const ResultsFile&) = delete;

    int error() const {
        return error_;
    }

    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
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
};

// Each byte becomes one character; A-Z become a-z. Reuses the line's storage.
void WidenLoweredInto(const std::string& bytes, std::wstring& wide) {
    wide.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        wide[i] = static_cast<wchar_t>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
}

std::wstring Unreadable() {
    return platform::Current().LoadString(IDS_RESULTS_UNREADABLE);
}

bool Contains(const std::wstring& text, const wchar_t* what) {
    return text.find(what) != std::wstring::npos;
}

// Reads a line into `line` (lowered); false at the end of the source or on a read error.
class Lines {
  public:
    explicit Lines(LineReader& reader) : reader_(reader) {}

    bool Next(std::wstring& line) {
        if (failed_) {
            return false;
        }
        const LineReader::Status status = reader_.Next(bytes_);
        if (status == LineReader::Status::Line) {
            WidenLoweredInto(bytes_, line);
            return true;
        }
        failed_ = status == LineReader::Status::Error;
        line.clear();
        return false;
    }

    // A line read by position: past the end it is empty.
    std::wstring Positional() {
        std::wstring line;
        Next(line);
        return line;
    }

    // Reads until a line contains `key`; false when the source ends first.
    bool FindLine(const wchar_t* key, std::wstring& line) {
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
    std::string bytes_;
    bool failed_ = false;
};

// The value from `start` of `text` up to, not including, the next double quote; empty when
// `start` lies past the end or the closing quote is missing.
std::wstring QuotedValue(const std::wstring& text) {
    const std::size_t quote = text.find(L'"');
    return quote == std::wstring::npos ? std::wstring() : text.substr(0, quote);
}

// What remains of `text` from `offset` characters after the start of `key`; a missing key
// counts as found at -1.
std::wstring After(const std::wstring& text, const wchar_t* key, std::size_t offset) {
    const std::size_t found = text.find(key);
    const std::size_t start = found == std::wstring::npos ? offset - 1 : found + offset;
    return start < text.size() ? text.substr(start) : std::wstring();
}

void RemoveAll(std::wstring& text, const std::wstring& what) {
    for (std::size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at)) {
        text.erase(at, what.size());
    }
}

std::wstring Trimmed(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::wstring::npos) {
        return std::wstring();
    }
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

std::wstring TrimLeft(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    return first == std::wstring::npos ? std::wstring() : text.substr(first);
}

int Fail(TaskResults& task) {
    task[Status] = Unreadable();
    return -1;
}

// The six entries of one address set, read by position.
void ReadAddressSet(Lines& lines, TaskResults& task, int first) {
    static const wchar_t* const kKeys[] = {L"cluster_ip",   L"cluster_gw",   L"cluster_mask",
                                           L"cluster_ip_6", L"cluster_gw_6", L"cluster_prefix_6"};
    for (int i = 0; i < 6; ++i) {
        task[first + i] = CutKeyedValue(lines.Positional(), kKeys[i]);
    }
}

// Everything after the "cluster_ip_count" line.
void ReadStatusValues(Lines& lines, TaskResults& task) {
    lines.Positional();
    ReadAddressSet(lines, task, ClusterIp);
    lines.Positional();
    ReadAddressSet(lines, task, SecondClusterIp);

    std::wstring line;
    if (lines.FindLine(L"service_ip_address ", line)) {
        task[ServiceIp] = CutKeyedValue(line, L"service_ip_address");
    }
    static const wchar_t* const kServiceKeys[] = {L"service_gateway", L"service_subnet_mask",
                                                  L"service_ip_address_6", L"service_gateway_6",
                                                  L"service_prefix_6"};
    for (int i = 0; i < 5; ++i) {
        task[ServiceGateway + i] = CutKeyedValue(lines.Positional(), kServiceKeys[i]);
    }
    if (lines.FindLine(L"time_to_charge ", line)) {
        task[TimeToCharge] = CutKeyedValue(line, L"time_to_charge");
    }
    if (lines.FindLine(L"battery_status ", line)) {
        task[BatteryStatus] = CutKeyedValue(line, L"battery_status");
    }
    lines.Positional();
    task[BatteryStatus] = CutKeyedValue(lines.Positional(), L"battery_status");
}

}  // namespace

std::wstring WidenLowered(const std::string& bytes) {
    std::wstring wide;
    WidenLoweredInto(bytes, wide);
    return wide;
}

std::wstring CutKeyedValue(const std::wstring& line, const std::wstring& key) {
    std::wstring value = TrimLeft(line);
    if (value.compare(0, key.size(), key) == 0) {
        value = TrimLeft(value.substr(key.size()));
    }
    return value;
}

int ReadTaskResults(LineReader& reader, TaskResults& task) {
    Lines lines(reader);
    std::wstring line;

    // The task line: the first that mentions "exit".
    bool found = false;
    while (lines.Next(line)) {
        if (Contains(line, L"exit")) {
            found = true;
            break;
        }
        if (Contains(line, L"command_end")) {
            return Fail(task);
        }
    }
    if (lines.failed()) {
        return Fail(task);
    }
    std::wstring command, output, exitCode;
    if (found) {
        std::wstring rest = After(line, L"command=", 9);
        command = QuotedValue(rest);
        rest = After(rest, L"output=", 8);
        output = QuotedValue(rest);
        rest = After(rest, L"exit=", 6);
        exitCode = QuotedValue(rest);
    }
    if (command.empty() || exitCode.empty()) {
        return Fail(task);
    }
    RemoveAll(command, L"-usb");
    task[Command] = Trimmed(command);
    task[ExitCode] = exitCode;
    task[Output] = output;

    // The status command, then its block up to the address count.
    bool statusBlock = false;
    while (lines.Next(line)) {
        if (Contains(line, L"sainfo lsservicestatus")) {
            statusBlock = true;
            break;
        }
        if (Contains(line, L"command_end")) {
            return Fail(task);
        }
    }
    while (statusBlock && lines.Next(line)) {
        if (Contains(line, L"command_end")) {
            return Fail(task);
        }
        if (Contains(line, L"cluster_name ")) {
            task[ClusterName] = CutKeyedValue(line, L"cluster_name");
        } else if (Contains(line, L"cluster_ip_count")) {
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
        const wchar_t* key;
        const wchar_t* prefix;
        int entry;
    };
    static const Key kKeys[] = {
        {L"input command", L"input command|", InputCommand},
        {L"output result", L"output result|", OutputResult},
        {L"output message", L"output message|", OutputMessage},
        {L"console ip", L"console ip|", ConsoleIp},
        {L"dorna ip1", L"dorna ip1|", FileModuleIp1},
        {L"dorna ip2", L"dorna ip2|", FileModuleIp2},
    };
    Lines lines(reader);
    std::wstring line;
    while (lines.Next(line)) {
        for (const Key& key : kKeys) {
            if (!Contains(line, key.key)) {
                continue;
            }
            // Only the first key a line holds is filled: a message that mentions another
            // key must not overwrite that key's value.
            std::wstring value = line;
            const std::wstring indented = TrimLeft(line);
            const std::wstring prefix = key.prefix;
            if (indented.compare(0, prefix.size(), prefix) == 0) {
                value = indented.substr(prefix.size());
            }
            const std::size_t end = value.find_last_not_of(L'|');
            value.erase(end == std::wstring::npos ? 0 : end + 1);
            fileModules[key.entry] = value;
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

int ReadResults(TaskResults& task, FileModuleResults& fileModules, bool* reported) {
    if (reported) {
        *reported = false;
    }
    // A results file that could not be opened: the reason goes into `status`, and is shown
    // unless the file simply is not there.
    auto record = [&](platform::FileErrorCause cause, std::wstring& status, const wchar_t* name) {
        if (cause == platform::FileErrorCause::NotFound) {
            status = L"File not found";
            return;
        }
        status = platform::DescribeFileError(cause, name);
        platform::ShowFileMessage(status);
        if (reported) {
            *reported = true;
        }
    };

    {
        ResultsFile file(kTaskResultsFile);
        const platform::FileErrorCause cause = platform::CauseFromErrno(file.error());
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
    const platform::FileErrorCause cause = platform::CauseFromErrno(file.error());
    if (cause != platform::FileErrorCause::None) {
        record(cause, fileModules[FileModuleStatus], L"DORNA_results.txt");
        return cause == platform::FileErrorCause::NotFound ? 0 : -1;
    }
    LineReader reader(file);
    return ReadFileModuleResults(reader, fileModules, task);
}

}  // namespace results
