#include "command/single_instance.h"

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

std::string SingleInstance::defaultFolder()
{
    return {};
}

#else

SingleInstance::SingleInstance(const std::string& name, const std::string& folder)
{
    if (folder.empty()) {
        return;
    }
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

namespace {

// Makes `path` with mode 0700 unless it exists, and tells whether it is a real folder (not a link) of
// this user that no one else may enter: only then can no one else hold or replace the lock in it.
bool makeOwnFolder(const std::string& path)
{
    (void)::mkdir(path.c_str(), 0700);
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 077) == 0;
}

std::string cacheFolder()
{
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache == '/') {
        return cache;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
        return std::string(home) + "/.cache";
    }
    return {};
}

} // namespace

std::string SingleInstance::defaultFolder()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0') {
        return runtime;
    }
    return privateFolder("/tmp", cacheFolder());
}

std::string SingleInstance::privateFolder(const std::string& temporary, const std::string& cache)
{
    // In a shared folder anyone may make this name first; the uid in it only keeps users apart.
    const std::string shared = temporary + "/klaxora-" + std::to_string(::geteuid());
    if (makeOwnFolder(shared)) {
        return shared;
    }
    if (cache.empty()) {
        return {};
    }
    (void)::mkdir(cache.c_str(), 0700);
    const std::string own = cache + "/klaxora";
    return makeOwnFolder(own) ? own : std::string();
}

#endif

} // namespace klaxora
