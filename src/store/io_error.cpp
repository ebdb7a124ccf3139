#include "store/io_error.h"

#include <cerrno>

namespace klaxora {

UserText inOutErrorText(int errorCode)
{
    switch (errorCode) {
    case ENOENT:
        return {"InOutError", QT_TRANSLATE_NOOP("InOutError", "File not found"), {}};
    case ENOTDIR:
    case ENAMETOOLONG:
    case EISDIR:
        return {"InOutError", QT_TRANSLATE_NOOP("InOutError", "Invalid filename"), {}};
    case EMFILE:
    case ENFILE:
        return {"InOutError", QT_TRANSLATE_NOOP("InOutError", "Too many open files"), {}};
    case EACCES:
    case EPERM:
    case EROFS:
        return {"InOutError", QT_TRANSLATE_NOOP("InOutError", "File access denied"), {}};
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return {"InOutError", QT_TRANSLATE_NOOP("InOutError", "Disk full"), {}};
    default:
        return {"InOutError",
                QT_TRANSLATE_NOOP("InOutError", "I/O error %1"),
                {{nullptr, std::to_string(errorCode), {}}}};
    }
}

} // namespace klaxora
