#include "platform/FileError.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation
#endif

#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace platform {

FileErrorCause CauseFromErrno(int error) {
    switch (error) {
        case 0:
            return FileErrorCause::None;
        case ENOENT:
        case ENODEV:  // the key gone
        case ENXIO:
            return FileErrorCause::NotFound;
        case EACCES:
        case EPERM:
            return FileErrorCause::AccessDenied;
        case EROFS:
            return FileErrorCause::ReadOnly;
        case ENOSPC:
        case EFBIG:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return FileErrorCause::DiskFull;
        case EISDIR:
            return FileErrorCause::NotAFile;
        case ENAMETOOLONG:
        case ENOTDIR:
        case ELOOP:
        case EINVAL:
            return FileErrorCause::BadPath;
        case EBUSY:
#ifdef ETXTBSY
        case ETXTBSY:
#endif
            return FileErrorCause::SharingViolation;
        case EMFILE:
        case ENFILE:
            return FileErrorCause::TooManyOpen;
        default:
            return FileErrorCause::Generic;
    }
}

#ifdef _WIN32
int ErrnoFromWindowsError(unsigned long code) {
    switch (code) {
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
            return ENOENT;
        // The key pulled out, or a drive no longer there: not the file, the device is gone.
        case ERROR_PATH_NOT_FOUND:
        case ERROR_NOT_READY:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_INVALID_DRIVE:
            return ENODEV;
        default:
            return EIO;
    }
}
#endif

std::wstring DescribeFileError(FileErrorCause cause, const std::wstring& fileName) {
    int id = IDS_FW_FILE_GENERIC;
    switch (cause) {
        case FileErrorCause::NotFound:
            id = IDS_FW_FILE_NOT_FOUND;
            break;
        case FileErrorCause::AccessDenied:
            id = IDS_FW_FILE_ACCESS_DENIED;
            break;
        case FileErrorCause::ReadOnly:
            id = IDS_FW_FILE_READ_ONLY;
            break;
        case FileErrorCause::DiskFull:
            id = IDS_FW_FILE_DISK_FULL;
            break;
        case FileErrorCause::NotAFile:
            id = IDS_FW_FILE_NOT_A_FILE;
            break;
        case FileErrorCause::BadPath:
            id = IDS_FW_FILE_BAD_PATH;
            break;
        case FileErrorCause::SharingViolation:
            id = IDS_FW_FILE_SHARING;
            break;
        case FileErrorCause::TooManyOpen:
            id = IDS_FW_FILE_TOO_MANY_OPEN;
            break;
        default:
            break;
    }
    std::wstring text = LoadFormatted(id, {fileName});
    if (text.size() > 1023) {
        text.resize(1023);
    }
    return text;
}

}  // namespace platform
