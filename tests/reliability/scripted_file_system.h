// The real file system with a trace of every call, in which the call with a chosen number fails with a
// chosen error code. A failing write writes half of its data first and a failing read delivers half of
// the file, as a full disk or a bad sector would; a failing close still releases the handle. Nothing is
// forced onto the disk (Sync and SyncFolder only count).
#pragma once

#include "store/file_system.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace klaxora::testing {

enum class FsCall { Read, Open, Write, Flush, Sync, Close, Rename, SyncFolder, Remove };

inline const char* fsCallName(FsCall call)
{
    static const char* const names[] = {"Read",  "Open",   "Write",      "Flush", "Sync",
                                        "Close", "Rename", "SyncFolder", "Remove"};
    return names[static_cast<int>(call)];
}

class ScriptedFileSystem final : public FileSystem {
public:
    // Call number `index` (counted from 0 since the last ClearTrace) fails with `error`.
    void failCall(std::size_t index, int error) { fault_ = Fault{index, error}; }
    // Every clean-up of a temporary file fails as well.
    void failEveryRemove(int error) { removeError_ = error; }
    void heal()
    {
        fault_.reset();
        removeError_ = 0;
    }
    void clearTrace() { trace_.clear(); }
    // Runs before every call is carried out (to look at the files as they stand then).
    void setBeforeCall(std::function<void()> beforeCall) { beforeCall_ = std::move(beforeCall); }
    const std::vector<FsCall>& trace() const { return trace_; }

    int readWholeFile(const std::string& path, std::string& contents) override
    {
        const int real = real_.readWholeFile(path, contents);
        if (const int error = injected(FsCall::Read)) {
            contents.resize(contents.size() / 2);
            return error;
        }
        return real;
    }
    int openTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override
    {
        if (const int error = injected(FsCall::Open))
            return error;
        return real_.openTemporary(targetPath, handle, temporaryPath);
    }
    int write(FileHandle handle, std::string_view data) override
    {
        if (const int error = injected(FsCall::Write)) {
            (void)real_.write(handle, data.substr(0, data.size() / 2));
            return error;
        }
        return real_.write(handle, data);
    }
    int flush(FileHandle handle) override
    {
        const int error = injected(FsCall::Flush);
        return error != 0 ? error : real_.flush(handle);
    }
    // The flushed data are with the kernel already; forcing them onto the disk would prove nothing here
    // and cost milliseconds for each of hundreds of writes.
    int sync(FileHandle) override { return injected(FsCall::Sync); }
    int close(FileHandle handle) override
    {
        const int error = injected(FsCall::Close);
        const int real = real_.close(handle);
        return error != 0 ? error : real;
    }
    int rename(const std::string& from, const std::string& to) override
    {
        const int error = injected(FsCall::Rename);
        return error != 0 ? error : real_.rename(from, to);
    }
    int syncFolder(const std::string&) override { return injected(FsCall::SyncFolder); }
    int remove(const std::string& path) override
    {
        const int error = injected(FsCall::Remove);
        if (error != 0)
            return error;
        return removeError_ != 0 ? removeError_ : real_.remove(path);
    }

private:
    struct Fault {
        std::size_t index;
        int error;
    };

    int injected(FsCall call)
    {
        if (beforeCall_)
            beforeCall_();
        trace_.push_back(call);
        return fault_ && fault_->index == trace_.size() - 1 ? fault_->error : 0;
    }

    PosixFileSystem real_;
    std::vector<FsCall> trace_;
    std::optional<Fault> fault_;
    int removeError_ = 0;
    std::function<void()> beforeCall_;
};

} // namespace klaxora::testing
