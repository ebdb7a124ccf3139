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
    virtual int readWholeFile(const std::string& path, std::string& contents) = 0;
    // Creates a new, empty file beside `targetPath` (same folder, so a rename can replace the target)
    // and opens it for writing; `temporaryPath` receives its name.
    virtual int openTemporary(const std::string& targetPath, FileHandle& handle,
                              std::string& temporaryPath) = 0;
    virtual int write(FileHandle handle, std::string_view data) = 0;
    virtual int flush(FileHandle handle) = 0;
    // Forces the written data onto the disk.
    virtual int sync(FileHandle handle) = 0;
    // Always releases the handle, also when it reports an error.
    virtual int close(FileHandle handle) = 0;
    // Replaces `to` by `from` in one step.
    virtual int rename(const std::string& from, const std::string& to) = 0;
    // Forces the folder's names onto the disk, so that after a power cut it names the file renamed into
    // it and not the one that was replaced.
    virtual int syncFolder(const std::string& folder) = 0;
    virtual int remove(const std::string& path) = 0;
    // Removes temporary files of `targetPath` that a process killed in the middle of a save left behind.
    // Best effort: nothing is reported, since a leftover costs only disk space.
    virtual void removeLeftoverTemporaries(const std::string& targetPath) { (void)targetPath; }
    // Makes the folder and any missing folders above it, readable by the user alone; 0 when it exists.
    // Stand-ins that never need a folder made say so with ENOSYS.
    virtual int makeFolder(const std::string& path)
    {
        (void)path;
        return ENOSYS;
    }
};

// The real file system (POSIX, with the Windows equivalents where they differ).
class PosixFileSystem final : public FileSystem {
public:
    int readWholeFile(const std::string& path, std::string& contents) override;
    int openTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override;
    int write(FileHandle handle, std::string_view data) override;
    int flush(FileHandle handle) override;
    int sync(FileHandle handle) override;
    int close(FileHandle handle) override;
    int rename(const std::string& from, const std::string& to) override;
    int syncFolder(const std::string& folder) override;
    int remove(const std::string& path) override;
    void removeLeftoverTemporaries(const std::string& targetPath) override;
    int makeFolder(const std::string& path) override;
};

// `folder` followed by `name`, with one path separator between them.
std::string joinPath(const std::string& folder, std::string_view name);

} // namespace klaxora
