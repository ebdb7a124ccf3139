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
inline TDateTime At(int year, int month, int day, int hour = 12, int minute = 0, int second = 0, int ms = 0)
{
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, ms);
}

// An en_US-like user: "m/d/yy", 12-hour clock.
inline FormatSettings UsUser()
{
    FormatSettings user;
    user.ShortDatePattern = "m/d/yy";
    user.ShortTimePattern = "h:mm AMPM";
    user.LongTimePattern = "h:mm:ss AMPM";
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

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::string path_;
};

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

enum class FileStep { Read, Open, Write, Flush, Sync, Close, Rename, MakeFolder };

// The real file system, except that one chosen step fails with a chosen error code, for every path or
// only for paths below one folder. A failing write writes half of its data first, as a full disk would.
class FaultyFileSystem final : public FileSystem {
public:
    void FailAt(FileStep step, int error, std::string onlyBelow = {})
    {
        fault_ = Fault{step, error};
        onlyBelow_ = std::move(onlyBelow);
    }
    void Heal() { fault_.reset(); }

    int ReadWholeFile(const std::string& path, std::string& contents) override
    {
        return Fails(FileStep::Read, path) ? fault_->error : real_.ReadWholeFile(path, contents);
    }
    int OpenTemporary(const std::string& targetPath, FileHandle& handle, std::string& temporaryPath) override
    {
        return Fails(FileStep::Open, targetPath) ? fault_->error
                                                 : real_.OpenTemporary(targetPath, handle, temporaryPath);
    }
    int Write(FileHandle handle, std::string_view data) override
    {
        if (!Fails(FileStep::Write))
            return real_.Write(handle, data);
        (void)real_.Write(handle, data.substr(0, data.size() / 2));
        return fault_->error;
    }
    int Flush(FileHandle handle) override
    {
        return Fails(FileStep::Flush) ? fault_->error : real_.Flush(handle);
    }
    int Sync(FileHandle handle) override
    {
        return Fails(FileStep::Sync) ? fault_->error : real_.Sync(handle);
    }
    int Close(FileHandle handle) override
    {
        const int error = real_.Close(handle);
        return Fails(FileStep::Close) ? fault_->error : error;
    }
    int Rename(const std::string& from, const std::string& to) override
    {
        return Fails(FileStep::Rename, to) ? fault_->error : real_.Rename(from, to);
    }
    int Remove(const std::string& path) override { return real_.Remove(path); }
    void RemoveLeftoverTemporaries(const std::string& targetPath) override
    {
        real_.RemoveLeftoverTemporaries(targetPath);
    }
    int MakeFolder(const std::string& path) override
    {
        return Fails(FileStep::MakeFolder, path) ? fault_->error : real_.MakeFolder(path);
    }

private:
    struct Fault {
        FileStep step;
        int error;
    };
    bool Fails(FileStep step, const std::string& path = {}) const
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
    void BeginInsertRow(int index) override { Log("insert " + std::to_string(index)); }
    void EndInsertRow() override { Log("end insert"); }
    void BeginRemoveRow(int index) override { Log("remove " + std::to_string(index)); }
    void EndRemoveRow() override { Log("end remove"); }
    void BeginResetRows() override { Log("reset"); }
    void EndResetRows() override { Log("end reset"); }

    std::string Events() const { return events_.str(); }
    void Clear() { events_.str(""); }

private:
    void Log(const std::string& event) { events_ << event << ';'; }
    std::ostringstream events_;
};

// The window side: a selection, a visible flag and counters.
class FakeHost final : public AlarmStoreHost {
public:
    void ProcessPendingEvents() override { ++processedEvents; }
    int SelectedRow() const override { return selected; }
    void SelectRow(int index) override { selected = index; }
    void FocusListIfVisible() override { focusRequests += visible ? 1 : 0; }
    void Setbuttons() override { ++setbuttonsCalls; }

    int selected = -1;
    bool visible = true;
    int processedEvents = 0;
    int focusRequests = 0;
    int setbuttonsCalls = 0;
};

// A store on a scratch folder, wired to a recording host and observer, with the clock at noon of
// Wednesday 10 June 2026.
class StoreTest : public ::testing::Test {
protected:
    explicit StoreTest(const FormatSettings& user = UsUser())
        : formats(user), store(clock, formats, folder.Path(), fs)
    {
        store.SetHost(&host);
        store.SetRowsObserver(&observer);
    }

    std::string AlarmFile() const { return folder.File("Alarms.dat"); }

    // One value of every entry of a list, in list order.
    template <typename Item, typename Get>
    static auto Collect(const OwningList<Item>& list, Get get)
    {
        std::vector<std::decay_t<decltype(get(std::declval<const Item&>()))>> values;
        for (int i = 0; i < list.Count(); ++i)
            values.push_back(get(list[i]));
        return values;
    }
    std::vector<AlarmId> BaseIds() const
    {
        return Collect(store.BaseAlarmList(), [](const auto& a) { return a.Id; });
    }
    std::vector<AlarmId> TodayIds() const
    {
        return Collect(store.TodayList(), [](const auto& a) { return a.Id; });
    }
    std::vector<AlarmId> RowIds() const
    {
        return Collect(store.Rows(), [](const auto& r) { return r.Object.Id; });
    }
    std::vector<std::string> RowTexts() const
    {
        return Collect(store.Rows(), [](const auto& r) { return r.Text; });
    }

    TempFolder folder;
    FaultyFileSystem fs;
    FakeClock clock{At(2026, 6, 10, 12, 0, 0)};
    DateTimeFormats formats;
    AlarmStore store;
    FakeHost host;
    RecordingObserver observer;
};

} // namespace klaxora::testing
