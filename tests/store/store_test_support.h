// Shared pieces of the store tests: a scratch folder, a file system whose steps can be made to fail,
// and recording stand-ins for the window side of the store.
#pragma once

#include "store/alarm_store.h"
#include "store/alarm_store_ui.h"
#include "store/clock.h"
#include "store/date_time.h"
#include "store/file_system.h"
#include "store/format_settings.h"
#include "store/store_description.h"
#include "support/alarm_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace klaxora::testing {

// 10 June 2026 is a Wednesday, 14 June 2026 a Sunday.
inline DateTime at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0, int ms = 0)
{
    return encodeDate(year, month, day) + encodeTime(hour, minute, second, ms);
}

// An en_US-like user: "m/d/yy", 12-hour clock.
inline FormatSettings usUser()
{
    FormatSettings user;
    user.shortDatePattern = "m/d/yy";
    user.shortTimePattern = "h:mm AMPM";
    user.longTimePattern = "h:mm:ss AMPM";
    return user;
}

// A German-like user: "dd.mm.yyyy", 24-hour clock, no day-half designators.
inline FormatSettings germanUser()
{
    FormatSettings user;
    user.shortDatePattern = "dd.mm.yyyy";
    user.dateSeparator = ".";
    user.shortTimePattern = "hh:mm";
    user.longTimePattern = "hh:mm:ss";
    user.timeAmString.clear();
    user.timePmString.clear();
    return user;
}

// A fresh folder below the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "klaxora-store-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::vector<std::string> names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::string path_;
};

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

enum class FileStep { Read, Open, Write, Flush, Sync, Close, Rename, MakeFolder };

// The real file system, except that one chosen step fails with a chosen error code, for every path or
// only for paths below one folder. A failing write writes half of its data first, as a full disk would.
class FaultyFileSystem final : public FileSystem {
public:
    void failAt(FileStep step, int error, std::string onlyBelow = {})
    {
        fault_ = Fault{step, error};
        onlyBelow_ = std::move(onlyBelow);
    }
    void heal() { fault_.reset(); }

    int readWholeFile(const std::string& path, std::string& contents) override
    {
        return fails(FileStep::Read, path) ? fault_->error : real_.readWholeFile(path, contents);
    }
    int openTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override
    {
        return fails(FileStep::Open, targetPath) ? fault_->error
                                                 : real_.openTemporary(targetPath, handle, temporaryPath);
    }
    int write(FileHandle handle, std::string_view data) override
    {
        if (!fails(FileStep::Write))
            return real_.write(handle, data);
        (void)real_.write(handle, data.substr(0, data.size() / 2));
        return fault_->error;
    }
    int flush(FileHandle handle) override
    {
        return fails(FileStep::Flush) ? fault_->error : real_.flush(handle);
    }
    int sync(FileHandle handle) override
    {
        return fails(FileStep::Sync) ? fault_->error : real_.sync(handle);
    }
    int close(FileHandle handle) override
    {
        const int error = real_.close(handle);
        return fails(FileStep::Close) ? fault_->error : error;
    }
    int rename(const std::string& from, const std::string& to) override
    {
        return fails(FileStep::Rename, to) ? fault_->error : real_.rename(from, to);
    }
    int syncFolder(const std::string& folder) override { return real_.syncFolder(folder); }
    int remove(const std::string& path) override { return real_.remove(path); }
    void removeLeftoverTemporaries(const std::string& targetPath) override
    {
        real_.removeLeftoverTemporaries(targetPath);
    }
    int makeFolder(const std::string& path) override
    {
        return fails(FileStep::MakeFolder, path) ? fault_->error : real_.makeFolder(path);
    }

private:
    struct Fault {
        FileStep step;
        int error;
    };
    bool fails(FileStep step, const std::string& path = {}) const
    {
        return fault_ && fault_->step == step && path.compare(0, onlyBelow_.size(), onlyBelow_) == 0;
    }

    PosixFileSystem real_;
    std::optional<Fault> fault_;
    std::string onlyBelow_;
};

// Writes down every notice about the rows, in order.
class RecordingObserver final : public AlarmRowsObserver {
public:
    void beginInsertRow(int index) override { log("insert " + std::to_string(index)); }
    void endInsertRow() override { log("end insert"); }
    void beginRemoveRow(int index) override { log("remove " + std::to_string(index)); }
    void endRemoveRow() override { log("end remove"); }
    void beginResetRows() override { log("reset"); }
    void endResetRows() override { log("end reset"); }

    std::string events() const { return events_.str(); }
    void clear() { events_.str(""); }

private:
    void log(const std::string& event) { events_ << event << ';'; }
    std::ostringstream events_;
};

// The window side: a selection, a visible flag and counters.
class FakeHost final : public AlarmStoreHost {
public:
    void processPendingEvents() override { ++processedEvents; }
    int selectedRow() const override { return selected; }
    void selectRow(int index) override { selected = index; }
    void focusListIfVisible() override { focusRequests += visible ? 1 : 0; }
    void updateButtons() override { ++buttonUpdates; }

    int selected = -1;
    bool visible = true;
    int processedEvents = 0;
    int focusRequests = 0;
    int buttonUpdates = 0;
};

// A store on a scratch folder, wired to a recording host and observer, with the clock at noon of
// Wednesday 10 June 2026.
class StoreTest : public ::testing::Test {
protected:
    explicit StoreTest(const FormatSettings& user = usUser())
        : formats(user), store(clock, formats, folder.path(), fs)
    {
        store.setHost(&host);
        store.setRowsObserver(&observer);
    }

    std::string alarmFile() const { return folder.file("Alarms.dat"); }
    // The file as the seven fields an older reader reads.
    std::string alarmFileText() const { return test::withoutUids(readFile(alarmFile())); }

    // One value of every entry of a list, in list order.
    template <typename Item, typename Get>
    static auto collect(const OwningList<Item>& list, Get get)
    {
        std::vector<std::decay_t<decltype(get(std::declval<const Item&>()))>> values;
        for (int i = 0; i < list.count(); ++i)
            values.push_back(get(list[i]));
        return values;
    }
    std::vector<AlarmId> baseIds() const
    {
        return collect(store.baseAlarmList(), [](const auto& a) { return a.id; });
    }
    std::vector<AlarmId> todayIds() const
    {
        return collect(store.todayList(), [](const auto& a) { return a.id; });
    }
    std::vector<AlarmId> rowIds() const
    {
        return collect(store.rows(), [](const auto& r) { return r.object.id; });
    }
    std::vector<std::string> rowTexts() const
    {
        return collect(store.rows(), [](const auto& r) { return r.text; });
    }

    TempFolder folder;
    FaultyFileSystem fs;
    FakeClock clock{at(2026, 6, 10, 12, 0, 0)};
    DateTimeFormats formats;
    AlarmStore store;
    FakeHost host;
    RecordingObserver observer;
};

} // namespace klaxora::testing
