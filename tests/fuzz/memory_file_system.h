// Files kept in memory, so that a fuzz target can load and rewrite thousands of times a second. Handles
// are real streams (open_memstream) whose text becomes the temporary file when they are closed.
#pragma once

#include "store/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace klaxora::fuzz {

class MemoryFileSystem final : public FileSystem {
public:
    ~MemoryFileSystem() override
    {
        for (auto& [handle, open] : open_)
            (void)close(handle);
    }

    int readWholeFile(const std::string& path, std::string& contents) override
    {
        const auto file = files.find(path);
        if (file == files.end())
            return ENOENT;
        contents = file->second;
        return 0;
    }
    int openTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override
    {
        temporaryPath = targetPath + "." + std::to_string(++counter_) + ".tmp";
        auto open = std::make_unique<OpenFile>();
        handle = open_memstream(&open->buffer, &open->size);
        if (handle == nullptr)
            return errno;
        open->path = temporaryPath;
        files[temporaryPath];
        open_[handle] = std::move(open);
        return 0;
    }
    int write(FileHandle handle, std::string_view data) override
    {
        return std::fwrite(data.data(), 1, data.size(), handle) == data.size() ? 0 : EIO;
    }
    int flush(FileHandle handle) override { return std::fflush(handle) == 0 ? 0 : EIO; }
    int sync(FileHandle) override { return 0; }
    int close(FileHandle handle) override
    {
        const auto open = open_.find(handle);
        const int error = std::fclose(handle) == 0 ? 0 : EIO;
        files[open->second->path].assign(open->second->buffer, open->second->size);
        std::free(open->second->buffer);
        open_.erase(open);
        return error;
    }
    int rename(const std::string& from, const std::string& to) override
    {
        const auto file = files.find(from);
        if (file == files.end())
            return ENOENT;
        files[to] = std::move(file->second);
        files.erase(from);
        return 0;
    }
    int syncFolder(const std::string&) override { return 0; }
    int remove(const std::string& path) override { return files.erase(path) == 1 ? 0 : ENOENT; }

    std::map<std::string, std::string> files;

private:
    struct OpenFile {
        std::string path;
        char* buffer = nullptr;
        std::size_t size = 0;
    };
    std::map<FileHandle, std::unique_ptr<OpenFile>> open_;
    unsigned counter_ = 0;
};

} // namespace klaxora::fuzz
