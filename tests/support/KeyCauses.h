#pragma once
// The causes a key's file operation fails with, as the system says them: errno values on
// Linux, Windows error codes on Windows (so that Windows' own classification is exercised),
// each with the cause the user is told.

#include <cerrno>
#include <vector>

#include "platform/FileError.h"

#ifdef _WIN32
#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation
#endif

namespace tests {

struct KeyCause {
    const char* name;
    int error;
    platform::FileErrorCause described;
    bool sticky = false;  // the key gone: this operation and every later one fail
};

inline const std::vector<KeyCause>& KeyCauses() {
    using C = platform::FileErrorCause;
#ifdef _WIN32
    static const std::vector<KeyCause> causes = {
        {"no space", ERROR_DISK_FULL, C::DiskFull},
        {"I/O error", ERROR_CRC, C::Generic},
        {"access denied", ERROR_ACCESS_DENIED, C::AccessDenied},
        {"the key gone", ERROR_DEVICE_NOT_CONNECTED, C::NotFound, true},
        {"sharing violation", ERROR_SHARING_VIOLATION, C::SharingViolation},
        {"device not ready", ERROR_NOT_READY, C::NotFound, true}};
#else
    static const std::vector<KeyCause> causes = {{"no space", ENOSPC, C::DiskFull},
                                                 {"I/O error", EIO, C::Generic},
                                                 {"access denied", EACCES, C::AccessDenied},
                                                 {"the key gone", ENODEV, C::NotFound, true}};
#endif
    return causes;
}

}  // namespace tests
