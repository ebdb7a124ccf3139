// Stand-ins for everything around the tick: an in-memory file system whose writes can be made to fail,
// the window sides of the store and of the tick, and a timer that remembers how it was switched.
#pragma once

#include "engine/alarm_tick.h"
#include "engine/alarm_timer.h"
#include "store/alarm_store.h"
#include "store/alarm_store_ui.h"
#include "store/clock.h"
#include "store/date_time.h"
#include "store/file_system.h"
#include "store/format_settings.h"
#include "store/store_test_support.h"

#include <cerrno>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace klaxora::test {

using klaxora::testing::At;

// Files live in a map; fsync costs nothing, so a simulated week can write thousands of times.
class MemoryFileSystem final : public FileSystem {
public:
    // While set, opening a file for writing fails with ENOSPC ("disk full").
    bool failWrites = false;
    int completedWrites = 0; // files replaced

    std::string Contents(const std::string& path) const
    {
        const auto found = files_.find(path);
        return found == files_.end() ? std::string() : found->second;
    }
    void SetContents(const std::string& path, const std::string& contents) { files_[path] = contents; }

    int ReadWholeFile(const std::string& path, std::string& contents) override
    {
        const auto found = files_.find(path);
        if (found == files_.end()) {
            return ENOENT;
        }
        contents = found->second;
        return 0;
    }
    int OpenTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override
    {
        if (failWrites) {
            return ENOSPC;
        }
        temporaryPath = targetPath + ".tmp" + std::to_string(++temporaries_);
        auto open = std::make_unique<OpenFile>(OpenFile{temporaryPath, {}});
        // The store only hands the handle back; it never looks inside.
        handle = reinterpret_cast<FileHandle>(open.get());
        open_[handle] = std::move(open);
        return 0;
    }
    int Write(FileHandle handle, std::string_view data) override
    {
        open_.at(handle)->data.append(data);
        return 0;
    }
    int Flush(FileHandle) override { return 0; }
    int Sync(FileHandle) override { return 0; }
    int Close(FileHandle handle) override
    {
        const auto found = open_.find(handle);
        files_[found->second->path] = found->second->data;
        open_.erase(found);
        return 0;
    }
    int Rename(const std::string& from, const std::string& to) override
    {
        files_[to] = files_.at(from);
        files_.erase(from);
        ++completedWrites;
        return 0;
    }
    int SyncFolder(const std::string&) override { return 0; }
    int Remove(const std::string& path) override
    {
        files_.erase(path);
        return 0;
    }

private:
    struct OpenFile {
        std::string path;
        std::string data;
    };
    std::map<std::string, std::string> files_;
    std::map<FileHandle, std::unique_ptr<OpenFile>> open_;
    int temporaries_ = 0;
};

// Passes everything on to another file system; counts the reads, and fails them with EIO while asked to.
class ReadWatchingFileSystem final : public FileSystem {
public:
    explicit ReadWatchingFileSystem(FileSystem& files) : files_(files) {}

    int reads = 0;
    bool failReads = false;

    int ReadWholeFile(const std::string& path, std::string& contents) override
    {
        ++reads;
        return failReads ? EIO : files_.ReadWholeFile(path, contents);
    }
    int OpenTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override
    {
        return files_.OpenTemporary(targetPath, handle, temporaryPath);
    }
    int Write(FileHandle handle, std::string_view data) override { return files_.Write(handle, data); }
    int Flush(FileHandle handle) override { return files_.Flush(handle); }
    int Sync(FileHandle handle) override { return files_.Sync(handle); }
    int Close(FileHandle handle) override { return files_.Close(handle); }
    int Rename(const std::string& from, const std::string& to) override { return files_.Rename(from, to); }
    int SyncFolder(const std::string& folder) override { return files_.SyncFolder(folder); }
    int Remove(const std::string& path) override { return files_.Remove(path); }

private:
    FileSystem& files_;
};

// The list window as the store sees it.
class ListWindow final : public AlarmStoreHost {
public:
    std::function<void()> onProcessEvents;
    int selected = -1;

    void ProcessPendingEvents() override
    {
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    int SelectedRow() const override { return selected; }
    void SelectRow(int index) override { selected = index; }
    void FocusListIfVisible() override {}
    void Setbuttons() override {}
};

class FakeTimer final : public AlarmTimer {
public:
    bool enabled = false;
    std::vector<bool> switches;

protected:
    void SetEnabled(bool on) override
    {
        enabled = on;
        switches.push_back(on);
    }
};

// The tick's window: answers the dialog through `answer` and records everything it is asked to do.
class FakeTickHost final : public AlarmTickHost {
public:
    std::function<int(const std::string& message)> answer = [](const std::string&) { return 1; };
    std::function<void()> onProcessEvents;
    std::function<void()> onShowError;
    std::vector<std::string> messages;
    std::vector<std::string> sounds;
    std::vector<std::string> errors;
    std::string clockText;
    int repaints = 0;
    int processedEvents = 0;

    int ShowAlarmMessage(const std::string& message) override
    {
        messages.push_back(message);
        return answer(message);
    }
    void PlaySoundNow(const std::string& waveFile) override { sounds.push_back(waveFile); }
    void ProcessPendingEvents() override
    {
        ++processedEvents;
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    void ShowClockText(const std::string& text) override { clockText = text; }
    void RepaintAlarmList() override { ++repaints; }
    void ShowError(const std::string& text) override
    {
        errors.push_back(text);
        if (onShowError) {
            onShowError();
        }
    }
};

// The user's settings of an en_US desktop.
inline FormatSettings UsUserSettings()
{
    return klaxora::testing::UsUser();
}

// A store in memory, its file loaded once as at start-up, and a tick driving it.
struct TickRig {
    explicit TickRig(TDateTime now)
        : clock(now), formats(UsUserSettings()), store(clock, formats, "/alarms", files)
    {
        store.SetHost(&window);
        store.LoadFromDisk();
    }

    std::string AlarmFile() const { return files.Contents(store.AlarmFilePath()); }

    FakeClock clock;
    MemoryFileSystem files;
    DateTimeFormats formats;
    AlarmStore store;
    ListWindow window;
    FakeTimer timer;
    FakeTickHost host;
    AlarmTick tick{store, clock, timer, host};
};

} // namespace klaxora::test
