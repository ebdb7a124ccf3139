// One run of the program in the year simulation, from its start to its close: the alarm store on the
// in-memory file system and the real tick, with the main window played by a host that records what was
// announced and lets the simulated user answer.
#pragma once

#include "engine/alarm_tick.h"
#include "engine/alarm_timer.h"
#include "engine/tick_test_support.h"
#include "engine/zone_clock.h"
#include "store/alarm_store.h"
#include "store/format_settings.h"

#include <functional>
#include <string>

namespace klaxora::year {

// What one tick announced.
struct Heard {
    int messages = 0;
    int sounds = 0;
    int messageNumber = -1;
    bool toldAsMissed = false;      // the message came under a "Missed: due at ..." line
    std::size_t missedTogether = 0; // lines of the window of many missed alarms, answered "Delete All"
    int soundNumber = -1;
    long long wallAt = -1; // when the first of sound and dialog came
    long long utcAt = -1;
    int answer = 0;
    long long answerWall = 0;
    long long answerUtc = 0;
    std::string clockText;
    std::string error;

    void reset();
};

class AnsweringHost final : public AlarmTickHost {
public:
    // `answer` plays the user in front of the dialog and may move the clock on.
    AnsweringHost(const test::ZoneClock& clock, std::function<int(const std::string&)> answer)
        : clock_(clock), answer_(std::move(answer))
    {
    }

    Heard heard;

    int showAlarmMessage(const std::string& message) override;
    bool showMissedAlarms(const std::vector<std::string>& lines) override;
    void playSoundNow(const std::string& waveFile) override;
    void processPendingEvents() override {}
    void showClockText(const std::string& text) override { heard.clockText = text; }
    void repaintAlarmList() override {}
    void showError(const std::string& text) override { heard.error = text; }

private:
    void mark();

    const test::ZoneClock& clock_;
    std::function<int(const std::string&)> answer_;
};

class SwitchTimer final : public AlarmTimer {
public:
    bool on = false;

protected:
    void setEnabled(bool enabled) override { on = enabled; }
};

struct SimulatedProgram {
    SimulatedProgram(const test::ZoneClock& clock, FileSystem& fileSystem, const std::string& folder,
                     std::function<int(const std::string&)> answer)
        : files(fileSystem), store(clock, formats, folder, files), host(clock, std::move(answer)),
          tick(store, clock, timer, host)
    {
        store.setHost(&window);
    }

    DateTimeFormats formats{test::usUserSettings()};
    test::ReadWatchingFileSystem files; // the file system the store sees, counting its loads
    AlarmStore store;
    test::ListWindow window;
    SwitchTimer timer;
    AnsweringHost host;
    AlarmTick tick;
};

} // namespace klaxora::year
