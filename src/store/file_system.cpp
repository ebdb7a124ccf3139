#include "store/file_system.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace klaxora {

namespace {

#ifdef _WIN32
constexpr int CreateFlags = _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY;
int currentProcessId()
{
    return _getpid();
}
#else
constexpr int CreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
int currentProcessId()
{
    return static_cast<int>(getpid());
}
#endif

// Makes the new file readable as the old one was; a new file keeps the modes the process gives it.
void takeOverPermissions(int descriptor, const std::string& targetPath)
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

int PosixFileSystem::readWholeFile(const std::string& path, std::string& contents)
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

namespace {

// The process id in "<target>.<pid>-<n>.tmp", or -1 when `name` is not such a temporary of `target`.
int temporaryOwner(std::string_view name, std::string_view target)
{
    constexpr std::string_view suffix = ".tmp";
    if (name.size() <= target.size() + 1 + suffix.size() || name.substr(0, target.size()) != target ||
        name[target.size()] != '.' || name.substr(name.size() - suffix.size()) != suffix)
        return -1;
    const std::string_view middle =
        name.substr(target.size() + 1, name.size() - target.size() - 1 - suffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || dash + 1 == middle.size())
        return -1;
    int pid = 0;
    for (std::size_t i = 0; i < middle.size(); ++i) {
        if (i == dash)
            continue;
        if (middle[i] < '0' || middle[i] > '9')
            return -1;
        if (i < dash)
            pid = pid * 10 + (middle[i] - '0');
    }
    return pid;
}

bool processIsGone(int pid)
{
#ifdef _WIN32
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr)
        return true;
    CloseHandle(process);
    return false;
#else
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#endif
}

} // namespace

void PosixFileSystem::removeLeftoverTemporaries(const std::string& targetPath)
{
    const std::filesystem::path target(targetPath);
    const std::string targetName = target.filename().string();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), error)) {
        const int owner = temporaryOwner(entry.path().filename().string(), targetName);
        // Only files of processes that have ended: a save under way in another process stays untouched.
        if (owner >= 0 && owner != currentProcessId() && processIsGone(owner))
            std::filesystem::remove(entry.path(), error);
    }
}

int PosixFileSystem::openTemporary(const std::string& targetPath, FileHandle& handle,
                                   std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    handle = nullptr;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath =
            targetPath + "." + std::to_string(currentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
        const int descriptor = ::open(temporaryPath.c_str(), CreateFlags, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        takeOverPermissions(descriptor, targetPath);
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

int PosixFileSystem::write(FileHandle handle, std::string_view data)
{
    errno = 0;
    if (!data.empty() && std::fwrite(data.data(), 1, data.size(), handle) != data.size())
        return errno != 0 ? errno : EIO;
    return 0;
}

int PosixFileSystem::flush(FileHandle handle)
{
    return std::fflush(handle) == 0 ? 0 : errno;
}

int PosixFileSystem::sync(FileHandle handle)
{
#ifdef _WIN32
    return _commit(_fileno(handle)) == 0 ? 0 : errno;
#else
    return ::fsync(fileno(handle)) == 0 ? 0 : errno;
#endif
}

int PosixFileSystem::close(FileHandle handle)
{
    return std::fclose(handle) == 0 ? 0 : errno;
}

int PosixFileSystem::rename(const std::string& from, const std::string& to)
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

int PosixFileSystem::syncFolder(const std::string& folder)
{
#ifdef _WIN32
    // Windows has no call that flushes a folder; the MOVEFILE_WRITE_THROUGH of Rename returns only once
    // the rename is on the disk.
    (void)folder;
    return 0;
#else
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    int error = ::fsync(descriptor) == 0 ? 0 : errno;
    ::close(descriptor);
    // A file system that cannot sync a folder at all (some network and FUSE ones) says so with EINVAL;
    // there is nothing more to be done there, and it is no failed save.
    if (error == EINVAL)
        error = 0;
    return error;
#endif
}

int PosixFileSystem::remove(const std::string& path)
{
    return std::remove(path.c_str()) == 0 ? 0 : errno;
}

int PosixFileSystem::makeFolder(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return 0;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty() && parent != std::filesystem::path(path)) {
        if (const int parentError = makeFolder(parent.string()); parentError != 0)
            return parentError;
    }
#ifdef _WIN32
    if (_mkdir(path.c_str()) == 0 || errno == EEXIST)
        return 0;
#else
    if (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST)
        return 0;
#endif
    return errno;
}

std::string joinPath(const std::string& folder, std::string_view name)
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
