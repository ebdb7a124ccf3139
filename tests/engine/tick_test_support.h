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
#include "support/alarm_lines.h"

#include <cerrno>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace klaxora::test {

using klaxora::testing::at;

// Files live in a map; fsync costs nothing, so a simulated week can write thousands of times.
class MemoryFileSystem final : public FileSystem {
public:
    // While set, opening a file for writing fails with ENOSPC ("disk full").
    bool failWrites = false;
    int completedWrites = 0; // files replaced

    std::string contents(const std::string& path) const
    {
        const auto found = files_.find(path);
        return found == files_.end() ? std::string() : found->second;
    }
    void setContents(const std::string& path, const std::string& contents) { files_[path] = contents; }

    int readWholeFile(const std::string& path, std::string& contents) override
    {
        const auto found = files_.find(path);
        if (found == files_.end()) {
            return ENOENT;
        }
        contents = found->second;
        return 0;
    }
    int openTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override
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
    int write(FileHandle handle, std::string_view data) override
    {
        open_.at(handle)->data.append(data);
        return 0;
    }
    int flush(FileHandle) override { return 0; }
    int sync(FileHandle) override { return 0; }
    int close(FileHandle handle) override
    {
        const auto found = open_.find(handle);
        files_[found->second->path] = found->second->data;
        open_.erase(found);
        return 0;
    }
    int rename(const std::string& from, const std::string& to) override
    {
        files_[to] = files_.at(from);
        files_.erase(from);
        ++completedWrites;
        return 0;
    }
    int syncFolder(const std::string&) override { return 0; }
    int remove(const std::string& path) override
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

    int readWholeFile(const std::string& path, std::string& contents) override
    {
        ++reads;
        return failReads ? EIO : files_.readWholeFile(path, contents);
    }
    int openTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override
    {
        return files_.openTemporary(targetPath, handle, temporaryPath);
    }
    int write(FileHandle handle, std::string_view data) override { return files_.write(handle, data); }
    int flush(FileHandle handle) override { return files_.flush(handle); }
    int sync(FileHandle handle) override { return files_.sync(handle); }
    int close(FileHandle handle) override { return files_.close(handle); }
    int rename(const std::string& from, const std::string& to) override { return files_.rename(from, to); }
    int syncFolder(const std::string& folder) override { return files_.syncFolder(folder); }
    int remove(const std::string& path) override { return files_.remove(path); }

private:
    FileSystem& files_;
};

// The list window as the store sees it.
class ListWindow final : public AlarmStoreHost {
public:
    std::function<void()> onProcessEvents;
    int selected = -1;

    void processPendingEvents() override
    {
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    int selectedRow() const override { return selected; }
    void selectRow(int index) override { selected = index; }
    void focusListIfVisible() override {}
    void updateButtons() override {}
};

class FakeTimer final : public AlarmTimer {
public:
    bool enabled = false;
    std::vector<bool> switches;

protected:
    void setEnabled(bool on) override
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
    std::vector<std::vector<std::string>> missedTogether;
    bool deleteAllMissed = false;
    std::vector<std::string> errors;
    std::string clockText;
    int repaints = 0;
    int processedEvents = 0;

    int showAlarmMessage(const std::string& message) override
    {
        messages.push_back(message);
        return answer(message);
    }
    bool showMissedAlarms(const std::vector<std::string>& lines) override
    {
        missedTogether.push_back(lines);
        return deleteAllMissed;
    }
    void playSoundNow(const std::string& waveFile) override { sounds.push_back(waveFile); }
    void processPendingEvents() override
    {
        ++processedEvents;
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    void showClockText(const std::string& text) override { clockText = text; }
    void repaintAlarmList() override { ++repaints; }
    void showError(const std::string& text) override
    {
        errors.push_back(text);
        if (onShowError) {
            onShowError();
        }
    }
};

// The user's settings of an en_US desktop.
inline FormatSettings usUserSettings()
{
    return klaxora::testing::usUser();
}

// A store in memory, its file loaded once as at start-up, and a tick driving it.
struct TickRig {
    explicit TickRig(DateTime now)
        : clock(now), formats(usUserSettings()), store(clock, formats, "/alarms", files)
    {
        store.setHost(&window);
        store.loadFromDisk();
    }

    // The seven fields of each line; the identities are random.
    std::string alarmFile() const { return test::withoutUids(files.contents(store.alarmFilePath())); }

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
