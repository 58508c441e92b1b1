#include "platform/FileError.h"

#include <cerrno>

#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace platform {

FileErrorCause CauseFromErrno(int error) {
    switch (error) {
        case 0:
            return FileErrorCause::None;
        case ENOENT:
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
