#include "taskfile/TaskFile.h"

#include <fcntl.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "platform/Utf8.h"

namespace taskfile {
namespace {

bool Narrow(const std::wstring& wide, std::string& out) {
    out.clear();
    for (wchar_t c : wide) {
        if (c <= 0 || c > 0x7e) {
            return false;
        }
        out += static_cast<char>(c);
    }
    return true;
}

#ifdef _WIN32
// The errno value that stands for the last Windows error of a file call.
int ErrnoFromLastError() {
    switch (GetLastError()) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_ACCESS_DENIED:
            return EACCES;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EBUSY;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_NOT_READY:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_INVALID_DRIVE:
            return ENOENT;
        default:
            return EIO;
    }
}
int CreateTemporary(std::string& name) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        name = ".k4400-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) +
               ".tmp";
        int fd = -1;
        if (_sopen_s(&fd, name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYRW,
                     _S_IREAD | _S_IWRITE) == 0) {
            return fd;
        }
        if (errno != EEXIST) {
            // A key pulled out, or a drive that is no longer there: the folder is not found.
            const unsigned long error = _doserrno;
            if (error == ERROR_NOT_READY || error == ERROR_DEV_NOT_EXIST ||
                error == ERROR_DEVICE_NOT_CONNECTED || error == ERROR_INVALID_DRIVE ||
                error == ERROR_PATH_NOT_FOUND) {
                errno = ENOENT;
            }
            return -1;
        }
    }
    return -1;
}
bool WriteAll(int fd, const std::string& line) {
    return _write(fd, line.data(), static_cast<unsigned>(line.size())) ==
           static_cast<int>(line.size());
}
bool Sync(int fd) {
    return _commit(fd) == 0;
}
bool CloseFile(int fd) {
    return _close(fd) == 0;
}
// Windows refuses to replace or delete a read-only file; a task file under our name is ours
// to replace or remove all the same.
void AllowChange(const char* name) {
    const DWORD attributes = GetFileAttributesA(name);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(name, attributes & ~FILE_ATTRIBUTE_READONLY);
    }
}
bool Replace(const std::string& from, const char* to) {
    AllowChange(to);
    if (MoveFileExA(from.c_str(), to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    errno = ErrnoFromLastError();
    const DWORD attributes = GetFileAttributesA(to);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        errno = EISDIR;
    } else if (errno == EACCES) {
        // A file another program holds open is refused as access denied: ask it directly.
        const HANDLE held = CreateFileA(to, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_SHARING_VIOLATION) {
                errno = EBUSY;
            }
        } else {
            CloseHandle(held);
        }
    }
    return false;
}
// MoveFileEx with MOVEFILE_WRITE_THROUGH returns once the move is on the medium.
int SyncFolder() {
    return 0;
}
int Unlink(const char* name) {
    AllowChange(name);
    if (_unlink(name) == 0) {
        return 0;
    }
    // A file another program holds open is refused as access denied: say what it is.
    if (_doserrno == ERROR_SHARING_VIOLATION || _doserrno == ERROR_LOCK_VIOLATION) {
        errno = EBUSY;
    }
    return -1;
}
bool IsRegularFile(const char* name) {
    const DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}
bool IsFolder(const char* name) {
    const DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
std::wstring CurrentFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH + 1, folder);
    return length > 0 && length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}
#else
int CreateTemporary(std::string& name) {
    char pattern[] = ".k4400-XXXXXX";
    const int fd = ::mkstemp(pattern);
    if (fd >= 0) {
        name = pattern;
        ::fchmod(fd, 0644);
    }
    return fd;
}
bool WriteAll(int fd, const std::string& line) {
    std::size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(fd, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}
bool Sync(int fd) {
    return ::fsync(fd) == 0;
}
bool CloseFile(int fd) {
    return ::close(fd) == 0;
}
bool Replace(const std::string& from, const char* to) {
    return ::rename(from.c_str(), to) == 0;
}
int SyncFolder() {
    const int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        return errno;
    }
    const int error = ::fsync(dir) == 0 ? 0 : errno;
    ::close(dir);
    return error;
}
int Unlink(const char* name) {
    return ::unlink(name);  // never a folder, unlike remove()
}
bool IsRegularFile(const char* name) {
    struct stat info {};
    return ::lstat(name, &info) == 0 && S_ISREG(info.st_mode);
}
bool IsFolder(const char* name) {
    struct stat info {};
    return ::lstat(name, &info) == 0 && S_ISDIR(info.st_mode);
}
// The current folder's name; empty when the system cannot say it (it was removed).
std::wstring CurrentFolder() {
    char folder[4096];
    if (!::getcwd(folder, sizeof folder)) {
        return std::wstring();
    }
    return platform::FromUtf8(folder);
}
#endif

FolderSync folderSync = &SyncFolder;

}  // namespace

std::string ComposeTaskCommand(int kind, const std::wstring& address,
                               const std::wstring& maskOrPrefix, const std::wstring& gateway) {
    std::string a, m, g;
    if (!Narrow(address, a) || !Narrow(maskOrPrefix, m) || !Narrow(gateway, g)) {
        return std::string();
    }
    switch (kind) {
        case InitIPv4:
            return "satask mkcluster -clusterip " + a + " -gw " + g + " -mask " + m;
        case InitIPv6:
            return "satask mkcluster -clusterip_6 " + a + " -gw_6 " + g + " -prefix_6 " + m;
        case ResetPassword:
            return "satask resetpassword";
        case ServiceIPv4:
            return "satask chserviceip -serviceip " + a + " -gw " + g + " -mask " + m;
        case ServiceIPv6:
            return "satask chserviceip -serviceip_6 " + a + " -gw_6 " + g + " -prefix_6 " + m;
        case ServiceDefault:
            return "satask chserviceip -default";
        default:
            return std::string();
    }
}

std::string ComposeStorageCommand(const UnifiedTaskAddresses& a) {
    return "satask mknascluster -clusterip " + a.clusterip + " -mask " + a.mask + " -gw " + a.gw +
           " -consoleip " + a.consoleip;
}

std::string ComposeFileModuleCommand(const UnifiedTaskAddresses& a) {
    return "cfginit --ip=" + a.consoleip + " --netmask=" + a.mask + " --gateway=" + a.gw +
           " --serviceip1=" + a.serviceip1 + " --serviceip2=" + a.serviceip2 +
           " --internalips=" + a.internalips + " --veltaraip=" + a.clusterip;
}

void SetFolderSync(FolderSync sync) {
    folderSync = sync ? sync : &SyncFolder;
}

WriteFailure WriteCommandFile(const char* name, const std::string& line) {
    // A full medium is reported with the message that speaks of free space, whichever step
    // ran out of it.
    auto failed = [](int messageId, int error) {
        const platform::FileErrorCause cause = platform::CauseFromErrno(error);
        return WriteFailure{
            cause == platform::FileErrorCause::DiskFull ? IDS_TASKFILE_WRITE_FAILED : messageId,
            cause};
    };
    std::string temporary;
    const int fd = CreateTemporary(temporary);
    if (fd < 0) {
        return failed(IDS_TASKFILE_OPEN_FAILED, errno);
    }
    const bool written = WriteAll(fd, line);
    const bool synced = written && Sync(fd);
    const int error = errno;
    const bool closed = CloseFile(fd);
    if (!written || !synced || !closed) {
        const int cause = !written || !synced ? error : errno;
        Unlink(temporary.c_str());
        return failed(IDS_TASKFILE_WRITE_FAILED, cause);
    }
    if (!Replace(temporary, name)) {
        const int cause = errno;
        Unlink(temporary.c_str());
        return failed(IDS_TASKFILE_OPEN_FAILED, cause);
    }
    // The command is complete under its name, but the name may not be on the medium: a
    // failure here is a failed write, and the command goes, so that no task is left behind
    // that the user was told was not written.
    if (const int syncError = folderSync(); syncError != 0) {
        Unlink(name);
        return failed(IDS_TASKFILE_WRITE_FAILED, syncError);
    }
    return {};
}

TaskWriteResult WriteTask(const TaskLines& task) {
    for (std::size_t i = 0; i < task.size(); ++i) {
        if (const WriteFailure failure = WriteCommandFile(task[i].file, task[i].line);
            failure.messageId) {
            // The files are one task: a cluster creation without its file-module
            // configuration must not reach the system, so what this task wrote goes.
            for (std::size_t j = 0; j < i; ++j) {
                Unlink(task[j].file);
            }
            return {failure, task[i].file};
        }
    }
    return {};
}

std::wstring DescribeWriteFailure(const WriteFailure& failure, const char* file) {
    std::wstring text = platform::LoadText(failure.messageId);
    using platform::FileErrorCause;
    std::wstring named(file, file + std::strlen(file));
    if (failure.cause == FileErrorCause::NotFound) {
        if (const std::wstring folder = CurrentFolder(); !folder.empty()) {
            named = folder;
        }
    }
    if (failure.cause != FileErrorCause::None && failure.cause != FileErrorCause::Generic) {
        text += L"\n\n" + platform::DescribeFileError(failure.cause, named);
    }
    return text;
}

int WriteTaskFiles(const TaskLines& task) {
    if (const TaskWriteResult result = WriteTask(task); result.failure.messageId) {
        platform::ShowFileMessage(DescribeWriteFailure(result.failure, result.file));
        return 1;
    }
    return 0;
}

int WriteTaskCommand(int kind, std::wstring address, std::wstring maskOrPrefix,
                     std::wstring gateway) {
    const std::string command = ComposeTaskCommand(kind, address, maskOrPrefix, gateway);
    if (command.empty()) {
        return 1;  // no caller passes such a kind or field; nothing is touched
    }
    return WriteTaskFiles({{kTaskFile, command}});
}

int WriteUnifiedTaskFiles(const UnifiedTaskAddresses& addresses) {
    return WriteTaskFiles({{kTaskFile, ComposeStorageCommand(addresses)},
                           {kFileModuleTaskFile, ComposeFileModuleCommand(addresses)}});
}

int RemoveQuietly(const char* name) {
    if (IsFolder(name)) {
        return 0;  // not a task file: nothing of ours to remove
    }
    return Unlink(name) == 0 ? 0 : errno;
}

int IsTaskFilePresent(const char* name) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(name);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : ErrnoFromLastError();
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EISDIR : -1;
#else
    struct stat info {};
    if (::lstat(name, &info) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    return S_ISDIR(info.st_mode) ? EISDIR : -1;
#endif
}

bool IsLeftoverTemporaryName(const std::string& name) {
    const std::string prefix = ".k4400-";
    if (name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    const std::string rest = name.substr(prefix.size());
    // mkstemp's six letters and digits, or Windows' "<process>-<attempt>.tmp".
    if (rest.size() == 6 && std::all_of(rest.begin(), rest.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c));
        })) {
        return true;
    }
    const std::size_t dash = rest.find('-');
    const std::size_t dot = rest.size() >= 4 ? rest.size() - 4 : std::string::npos;
    auto digits = [&](std::size_t from, std::size_t to) {
        return from < to && std::all_of(rest.begin() + from, rest.begin() + to,
                                        [](char c) { return c >= '0' && c <= '9'; });
    };
    return dash != std::string::npos && dot != std::string::npos && dash < dot &&
           rest.compare(dot, 4, ".tmp") == 0 && digits(0, dash) && digits(dash + 1, dot);
}

namespace {

// The names in the working directory; names a temporary cannot have (not plain ASCII) are
// left out.
std::vector<std::string> DirectoryNames() {
    std::vector<std::string> names;
#ifdef _WIN32
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(L"*", &found);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        std::string name;
        if (Narrow(found.cFileName, name)) {
            names.push_back(name);
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
#else
    DIR* dir = opendir(".");
    if (!dir) {
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        names.emplace_back(entry->d_name);
    }
    closedir(dir);
#endif
    return names;
}

}  // namespace

void RemoveLeftoverTemporaries() {
    std::vector<std::string> leftovers;
    for (const std::string& name : DirectoryNames()) {
        if (IsLeftoverTemporaryName(name) && IsRegularFile(name.c_str())) {
            leftovers.push_back(name);
        }
    }
    for (const std::string& name : leftovers) {
        Unlink(name.c_str());
    }
}

}  // namespace taskfile
