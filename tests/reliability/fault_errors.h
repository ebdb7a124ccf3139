// The errors each file step can meet on a real system, with the text the user reads for each.
#pragma once

#include "scripted_file_system.h"

#include <cerrno>
#include <string>
#include <vector>

namespace klaxora::testing {

struct ErrorCase {
    int code;
    std::string text;
};

inline std::vector<ErrorCase> errorsAt(FsCall call)
{
    const auto io = [](int code) { return ErrorCase{code, "I/O error " + std::to_string(code)}; };
    const ErrorCase diskFull{ENOSPC, "Disk full"};
    const ErrorCase overQuota{EDQUOT, "Disk full"};
    const ErrorCase denied{EACCES, "File access denied"};
    const ErrorCase notPermitted{EPERM, "File access denied"};
    const ErrorCase readOnly{EROFS, "File access denied"};
    const ErrorCase tooManyOpen{EMFILE, "Too many open files"};
    const ErrorCase tooManyInSystem{ENFILE, "Too many open files"};
    const ErrorCase nameTooLong{ENAMETOOLONG, "Invalid filename"};
    const ErrorCase isFolder{EISDIR, "Invalid filename"};
    const ErrorCase folderGone{ENOENT, "File not found"};
    switch (call) {
    case FsCall::Read:
        return {denied, notPermitted, tooManyOpen, tooManyInSystem, nameTooLong, isFolder, io(EIO)};
    case FsCall::Open:
        return {diskFull,    overQuota,       denied,      notPermitted, readOnly,
                tooManyOpen, tooManyInSystem, nameTooLong, folderGone,   io(EIO)};
    case FsCall::Write:
    case FsCall::Flush:
    case FsCall::Close:
        return {diskFull, overQuota, io(EIO), io(EFBIG)};
    case FsCall::Sync:
    case FsCall::SyncFolder:
        return {diskFull, overQuota, readOnly, io(EIO)};
    case FsCall::Rename:
        return {diskFull,    overQuota, denied,    notPermitted, readOnly,
                nameTooLong, io(EIO),   io(EBUSY), io(EXDEV)};
    case FsCall::Remove:
        return {denied, io(EIO)};
    }
    return {};
}

} // namespace klaxora::testing
