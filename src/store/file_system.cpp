#include "store/file_system.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace klaxora {

namespace {

#ifdef _WIN32
constexpr int kCreateFlags = _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY;
int CurrentProcessId()
{
    return _getpid();
}
#else
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
int CurrentProcessId()
{
    return static_cast<int>(getpid());
}
#endif

// Makes the new file readable as the old one was; a new file keeps the modes the process gives it.
void TakeOverPermissions(int descriptor, const std::string& targetPath)
{
#ifdef _WIN32
    (void)descriptor;
    (void)targetPath;
#else
    struct stat old {};
    if (stat(targetPath.c_str(), &old) == 0)
        (void)fchmod(descriptor, old.st_mode & 07777);
#endif
}

} // namespace

int PosixFileSystem::ReadWholeFile(const std::string& path, std::string& contents)
{
    contents.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return errno;
    char buffer[65536];
    int error = 0;
    errno = 0;
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        contents.append(buffer, got);
        if (got < sizeof buffer) {
            if (std::ferror(file))
                error = errno != 0 ? errno : EIO;
            break;
        }
    }
    std::fclose(file);
    return error;
}

int PosixFileSystem::OpenTemporary(const std::string& targetPath, FileHandle& handle,
                                   std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    handle = nullptr;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath =
            targetPath + "." + std::to_string(CurrentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
        const int descriptor = ::open(temporaryPath.c_str(), kCreateFlags, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        TakeOverPermissions(descriptor, targetPath);
        handle = ::fdopen(descriptor, "wb");
        if (handle == nullptr) {
            const int error = errno;
            ::close(descriptor);
            ::unlink(temporaryPath.c_str());
            return error;
        }
        return 0;
    }
    return EEXIST;
}

int PosixFileSystem::Write(FileHandle handle, std::string_view data)
{
    errno = 0;
    if (!data.empty() && std::fwrite(data.data(), 1, data.size(), handle) != data.size())
        return errno != 0 ? errno : EIO;
    return 0;
}

int PosixFileSystem::Flush(FileHandle handle)
{
    return std::fflush(handle) == 0 ? 0 : errno;
}

int PosixFileSystem::Sync(FileHandle handle)
{
#ifdef _WIN32
    return _commit(_fileno(handle)) == 0 ? 0 : errno;
#else
    return ::fsync(fileno(handle)) == 0 ? 0 : errno;
#endif
}

int PosixFileSystem::Close(FileHandle handle)
{
    return std::fclose(handle) == 0 ? 0 : errno;
}

int PosixFileSystem::Rename(const std::string& from, const std::string& to)
{
#ifdef _WIN32
    // std::rename does not replace an existing file on Windows.
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
#else
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
#endif
}

int PosixFileSystem::Remove(const std::string& path)
{
    return std::remove(path.c_str()) == 0 ? 0 : errno;
}

std::string JoinPath(const std::string& folder, std::string_view name)
{
    std::string path = folder;
    if (!path.empty() && path.back() != '/'
#ifdef _WIN32
        && path.back() != '\\'
#endif
    )
        path += '/';
    path += name;
    return path;
}

} // namespace klaxora
