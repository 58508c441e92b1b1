#include "taskfile/TaskFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/KeyFaults.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "platform/Utf8.h"
#include "taskfile/KeyFiles.h"

namespace taskfile {

using namespace files;
using platform::KeyOperation;

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
    // (Where even that removal fails, the key gone, the user hears that the command stays.)
    auto withdrawn = [name](WriteFailure failure) {
        failure.kept = Unlink(name) != 0;
        return failure;
    };
    if (const int syncError = SyncFolder(); syncError != 0) {
        return withdrawn(failed(IDS_TASKFILE_WRITE_FAILED, syncError));
    }
    // What the key gives back must be what was written: a key that loses or changes bytes
    // would hand the system another command. Such a task goes, and the user hears why.
    std::string back;
    const platform::KeyFault fault = platform::AskKeyFault(KeyOperation::ReadBack);
    if (Fails(fault) || !ReadUncached(name, line.size(), back)) {
        return withdrawn(failed(IDS_TASKFILE_WRITE_FAILED, errno));
    }
    if (fault.garble && !back.empty()) {
        back[back.size() / 2] ^= 0x20;
    }
    if (back != line) {
        return withdrawn(WriteFailure{IDS_FW_KEY_LOSES_WRITES, platform::FileErrorCause::None});
    }
    return {};
}

TaskWriteResult WriteTask(const TaskLines& task) {
    for (std::size_t i = 0; i < task.size(); ++i) {
        if (const WriteFailure failure = WriteCommandFile(task[i].file, task[i].line);
            failure.messageId) {
            // The files are one task: a cluster creation without its file-module
            // configuration must not reach the system, so what this task wrote goes.
            TaskWriteResult result{failure, task[i].file, {}};
            for (std::size_t j = 0; j < i; ++j) {
                if (Unlink(task[j].file) != 0) {
                    result.kept.push_back(task[j].file);
                }
            }
            if (failure.kept) {
                result.kept.push_back(task[i].file);
            }
            return result;
        }
    }
    return {};
}

std::wstring DescribeWriteFailure(const WriteFailure& failure, const char* file) {
    std::wstring text = platform::LoadText(failure.messageId);
    if (failure.cause != platform::FileErrorCause::None) {
        text += L"\n\n" + DescribeCause(failure.cause, file);
    }
    return text;
}

std::wstring DescribeTaskWriteFailure(const TaskWriteResult& result) {
    std::wstring text = DescribeWriteFailure(result.failure, result.file);
    for (const char* file : result.kept) {
        text += L"\n\n" + platform::LoadFormatted(IDS_FW_TASK_KEPT, {platform::FromUtf8(file)});
    }
    return text;
}

int WriteTaskFiles(const TaskLines& task) {
    if (const TaskWriteResult result = WriteTask(task); result.failure.messageId) {
        platform::ShowFileMessage(DescribeTaskWriteFailure(result));
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
    const int present = IsTaskFilePresent(name);
    if (present == EISDIR) {
        return 0;  // not a task file: nothing of ours to remove
    }
    if (present >= 0) {
        return present == 0 ? ENOENT : present;  // not there, or it cannot be told
    }
    return Unlink(name) == 0 ? 0 : errno;
}

int RemoveTaskFile(const char* name) {
    const int failure = RemoveQuietly(name);
    if (failure == 0 || failure == ENOENT) {
        return 0;
    }
    // A read-only medium refuses the removal of a file that is not there at all.
    const int present = IsTaskFilePresent(name);
    return present == 0 || present == EISDIR ? 0 : failure;
}

std::wstring DescribeCause(platform::FileErrorCause cause, const char* file) {
    std::wstring named(file, file + std::strlen(file));
    if (cause == platform::FileErrorCause::NotFound) {
        if (const std::wstring folder = CurrentFolder(); !folder.empty()) {
            named = folder;
        }
    }
    return platform::DescribeFileError(cause, named);
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
