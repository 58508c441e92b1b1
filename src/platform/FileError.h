#pragma once
// Descriptions of file errors, the way the framework words them for the user.

#include <string>

namespace platform {

enum class FileErrorCause {
    None,
    NotFound,
    AccessDenied,
    ReadOnly,  // the medium is write-protected or mounted read-only
    DiskFull,  // no room left on the medium
    NotAFile,  // a folder, device or pipe has the name
    BadPath,
    SharingViolation,
    TooManyOpen,
    Generic
};

// Classifies an errno value.
FileErrorCause CauseFromErrno(int error);

#ifdef _WIN32
// The errno value that stands for a Windows error code of a file call: a file that is not
// there ENOENT, the key pulled out or a drive no longer there ENODEV (both "not found"),
// another program's hold a sharing violation.
int ErrnoFromWindowsError(unsigned long code);
#endif

// A clear description of the failure for the named file, in the user's language, at most
// 1023 characters.
std::wstring DescribeFileError(FileErrorCause cause, const std::wstring& fileName);

}  // namespace platform
