#include "taskfile/KeyFiles.h"

#include <fcntl.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>

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

#include "platform/FileError.h"
#include "platform/Utf8.h"
#include "taskfile/TaskFile.h"

namespace taskfile::files {

#ifdef _WIN32
int ErrnoFromLastError();
#endif

using platform::KeyOperation;

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

bool Fails(const platform::KeyFault& fault) {
    if (fault.error == 0) {
        return false;
    }
#ifdef _WIN32
    SetLastError(static_cast<DWORD>(fault.error));
    _doserrno = static_cast<unsigned long>(fault.error);
    errno = ErrnoFromLastError();
#else
    errno = fault.error;
#endif
    return true;
}
bool Injected(KeyOperation operation) {
    return Fails(platform::AskKeyFault(operation));
}

#ifdef _WIN32
// The errno value that stands for the last Windows error of a file call.
int ErrnoFromLastError() {
    return platform::ErrnoFromWindowsError(GetLastError());
}
int CreateTemporary(std::string& name) {
    if (Injected(KeyOperation::CreateScratch)) {
        return -1;
    }
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        name = ".k4400-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) +
               ".tmp";
        int fd = -1;
        if (_sopen_s(&fd, name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYRW,
                     _S_IREAD | _S_IWRITE) == 0) {
            return fd;
        }
        if (errno != EEXIST) {
            // Classified from Windows' own error: a key pulled out, or a drive that is no
            // longer there, is a device gone, not a missing file.
            errno = platform::ErrnoFromWindowsError(_doserrno);
            return -1;
        }
    }
    return -1;
}
bool WriteAll(int fd, const std::string& line) {
    if (Injected(KeyOperation::Write)) {
        return false;
    }
    return _write(fd, line.data(), static_cast<unsigned>(line.size())) ==
           static_cast<int>(line.size());
}
bool Sync(int fd) {
    return !Injected(KeyOperation::Sync) && _commit(fd) == 0;
}
bool CloseFile(int fd) {
    const bool closed = _close(fd) == 0;  // closed either way: a failure is only reported
    return !Injected(KeyOperation::Close) && closed;
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
    if (Injected(KeyOperation::Replace)) {
        return false;
    }
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
    return Injected(KeyOperation::SyncFolder) ? errno : 0;
}
int Unlink(const char* name) {
    if (Injected(KeyOperation::Remove)) {
        return -1;
    }
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
// What `name` holds when read back past the system's cache: unbuffered reads of whole
// sectors into a page-aligned buffer, or a plain read where the file system refuses them.
// False when it cannot be read.
bool ReadUncached(const char* name, std::size_t most, std::string& bytes) {
    const std::size_t size = (most + 4096) / 4096 * 4096;
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_NO_BUFFERING, nullptr);
    const bool unbuffered = file != INVALID_HANDLE_VALUE;
    if (!unbuffered) {
        file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE) {
        errno = ErrnoFromLastError();
        return false;
    }
    void* buffer = VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD read = 0;
    const bool ok = buffer && ReadFile(file, buffer, static_cast<DWORD>(size), &read, nullptr);
    if (!ok) {
        errno = ErrnoFromLastError();
    } else {
        bytes.assign(static_cast<const char*>(buffer), read);
    }
    if (buffer) {
        VirtualFree(buffer, 0, MEM_RELEASE);
    }
    CloseHandle(file);
    return ok;
}
std::wstring CurrentFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH + 1, folder);
    return length > 0 && length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}
#else
int CreateTemporary(std::string& name) {
    if (Injected(KeyOperation::CreateScratch)) {
        return -1;
    }
    char pattern[] = ".k4400-XXXXXX";
    const int fd = ::mkstemp(pattern);
    if (fd >= 0) {
        name = pattern;
        ::fchmod(fd, 0644);
    }
    return fd;
}
bool WriteAll(int fd, const std::string& line) {
    if (Injected(KeyOperation::Write)) {
        return false;
    }
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
    return !Injected(KeyOperation::Sync) && ::fsync(fd) == 0;
}
bool CloseFile(int fd) {
    const bool closed = ::close(fd) == 0;  // closed either way: a failure is only reported
    return !Injected(KeyOperation::Close) && closed;
}
bool Replace(const std::string& from, const char* to) {
    return !Injected(KeyOperation::Replace) && ::rename(from.c_str(), to) == 0;
}
int SyncFolder() {
    if (Injected(KeyOperation::SyncFolder)) {
        return errno;
    }
    const int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        return errno;
    }
    const int error = ::fsync(dir) == 0 ? 0 : errno;
    ::close(dir);
    return error;
}
int Unlink(const char* name) {
    if (Injected(KeyOperation::Remove)) {
        return -1;
    }
    return ::unlink(name);  // never a folder, unlike remove()
}
bool IsRegularFile(const char* name) {
    struct stat info {};
    return ::lstat(name, &info) == 0 && S_ISREG(info.st_mode);
}
// What `name` holds when read back past the system's cache: O_DIRECT reads of whole blocks
// into an aligned buffer, or where the file system refuses them (tmpfs), a plain read after
// the file's cached pages are dropped. False when it cannot be read.
bool ReadUncached(const char* name, std::size_t most, std::string& bytes) {
    const std::size_t size = (most + 4096) / 4096 * 4096;
    void* buffer = nullptr;
    if (::posix_memalign(&buffer, 4096, size) != 0) {
        errno = ENOMEM;
        return false;
    }
    int fd = ::open(name, O_RDONLY | O_DIRECT | O_CLOEXEC);
    if (fd < 0 && errno == EINVAL) {
        fd = ::open(name, O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        }
    }
    bool ok = fd >= 0;
    std::size_t done = 0;
    while (ok && done < size) {
        const ssize_t n = ::read(fd, static_cast<char*>(buffer) + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n >= 0;
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (ok) {
        bytes.assign(static_cast<const char*>(buffer), done);
    }
    if (fd >= 0) {
        ::close(fd);
    }
    std::free(buffer);
    return ok;
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

}  // namespace taskfile::files

namespace taskfile {

int IsTaskFilePresent(const char* name) {
#ifdef _WIN32
    const DWORD attributes = files::Injected(platform::KeyOperation::Attributes)
                                 ? INVALID_FILE_ATTRIBUTES
                                 : GetFileAttributesA(name);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        // Only "file not found" is a file that is not there; a drive gone is no answer.
        return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : files::ErrnoFromLastError();
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EISDIR : -1;
#else
    struct stat info {};
    if (files::Injected(platform::KeyOperation::Attributes) || ::lstat(name, &info) != 0) {
        if (errno != ENOENT) {
            return errno;
        }
        // Not there, or the key itself gone: the folder tells which.
        struct stat folder {};
        if (files::Injected(platform::KeyOperation::Attributes) || ::stat(".", &folder) != 0) {
            return errno == ENOENT ? ENODEV : errno;
        }
        return 0;
    }
    return S_ISDIR(info.st_mode) ? EISDIR : -1;
#endif
}

}  // namespace taskfile
