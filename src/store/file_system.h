// The few file operations the store needs, behind an interface so that tests can make any step fail
// with any error code. Every operation returns 0 or the system's error code (errno).
#pragma once

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>

namespace klaxora {

using FileHandle = std::FILE*;

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole file; ENOENT when it does not exist.
    virtual int ReadWholeFile(const std::string& path, std::string& contents) = 0;
    // Creates a new, empty file beside `targetPath` (same folder, so a rename can replace the target)
    // and opens it for writing; `temporaryPath` receives its name.
    virtual int OpenTemporary(const std::string& targetPath, FileHandle& handle,
                              std::string& temporaryPath) = 0;
    virtual int Write(FileHandle handle, std::string_view data) = 0;
    virtual int Flush(FileHandle handle) = 0;
    // Forces the written data onto the disk.
    virtual int Sync(FileHandle handle) = 0;
    // Always releases the handle, also when it reports an error.
    virtual int Close(FileHandle handle) = 0;
    // Replaces `to` by `from` in one step.
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
    // Removes temporary files of `targetPath` that a process killed in the middle of a save left behind.
    // Best effort: nothing is reported, since a leftover costs only disk space.
    virtual void RemoveLeftoverTemporaries(const std::string& targetPath) { (void)targetPath; }
    // Makes the folder and any missing folders above it, readable by the user alone; 0 when it exists.
    // Stand-ins that never need a folder made say so with ENOSYS.
    virtual int MakeFolder(const std::string& path)
    {
        (void)path;
        return ENOSYS;
    }
};

// The real file system (POSIX, with the Windows equivalents where they differ).
class PosixFileSystem final : public FileSystem {
public:
    int ReadWholeFile(const std::string& path, std::string& contents) override;
    int OpenTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override;
    int Write(FileHandle handle, std::string_view data) override;
    int Flush(FileHandle handle) override;
    int Sync(FileHandle handle) override;
    int Close(FileHandle handle) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    void RemoveLeftoverTemporaries(const std::string& targetPath) override;
    int MakeFolder(const std::string& path) override;
};

// `folder` followed by `name`, with one path separator between them.
std::string JoinPath(const std::string& folder, std::string_view name);

} // namespace klaxora
