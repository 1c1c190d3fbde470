// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/file_system.h"

#include <cerrno>

std::string IoErrorText(IoError error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "File not found";
    case InvalidFilename:
    case ENAMETOOLONG:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return "File access denied";
    case ReadBeyondEndOfFile:
        return "Read beyond end of file";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(error);
    }
}
