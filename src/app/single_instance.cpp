#include "app/single_instance.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace klaxora {

#ifdef _WIN32

SingleInstance::SingleInstance(const std::string& name, const std::string&)
{
    const std::wstring wide(name.begin(), name.end());
    handle_ = CreateSemaphoreW(nullptr, 0, 1, wide.c_str());
    if (handle_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle_);
        handle_ = nullptr;
        otherHolds_ = true;
    }
}

SingleInstance::~SingleInstance()
{
    if (handle_ != nullptr) {
        CloseHandle(handle_);
    }
}

std::string SingleInstance::DefaultFolder()
{
    return {};
}

#else

SingleInstance::SingleInstance(const std::string& name, const std::string& folder)
{
    const std::string path = folder + "/" + name + ".lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        return;
    }
    // The kernel drops a flock with the last descriptor of the process, also after SIGKILL.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        otherHolds_ = (errno == EWOULDBLOCK);
        ::close(fd_);
        fd_ = -1;
    }
}

SingleInstance::~SingleInstance()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string SingleInstance::DefaultFolder()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0') {
        return runtime;
    }
    // Without a runtime folder the lock goes to /tmp, made per user by the uid in its name.
    const std::string folder = "/tmp/klaxora-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

#endif

} // namespace klaxora
