#include "taskfile/TaskFile.h"

#include <fcntl.h>
#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/Platform.h"
#include "platform/StringIds.h"

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

void ShowMessage(int id) {
    platform::ShowFileMessage(platform::Current().LoadString(id));
}

#ifdef _WIN32
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
bool Replace(const std::string& from, const char* to) {
    return MoveFileExA(from.c_str(), to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void SyncDirectory() {}
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
void SyncDirectory() {
    const int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}
#endif

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

int WriteCommandFile(const char* name, const std::string& line) {
    std::string temporary;
    const int fd = CreateTemporary(temporary);
    if (fd < 0) {
        return IDS_TASKFILE_OPEN_FAILED;
    }
    const bool written = WriteAll(fd, line);
    const bool synced = written && Sync(fd);
    const bool closed = CloseFile(fd);
    if (!written || !synced || !closed) {
        std::remove(temporary.c_str());
        return IDS_TASKFILE_WRITE_FAILED;
    }
    if (!Replace(temporary, name)) {
        std::remove(temporary.c_str());
        return IDS_TASKFILE_OPEN_FAILED;
    }
    SyncDirectory();
    return 0;
}

int WriteTaskCommand(int kind, std::wstring address, std::wstring maskOrPrefix,
                     std::wstring gateway) {
    const std::string command = ComposeTaskCommand(kind, address, maskOrPrefix, gateway);
    if (command.empty()) {
        return 1;  // no caller passes such a kind or field; nothing is touched
    }
    const int failure = WriteCommandFile(kTaskFile, command);
    if (failure != 0) {
        ShowMessage(failure);
        return 1;
    }
    return 0;
}

int WriteUnifiedTaskFiles(const UnifiedTaskAddresses& addresses) {
    int failure = WriteCommandFile(kTaskFile, ComposeStorageCommand(addresses));
    if (failure == 0) {
        failure = WriteCommandFile(kFileModuleTaskFile, ComposeFileModuleCommand(addresses));
    }
    if (failure != 0) {
        ShowMessage(failure);
        return 1;
    }
    return 0;
}

void RemoveQuietly(const char* name) {
    std::remove(name);
}

}  // namespace taskfile
