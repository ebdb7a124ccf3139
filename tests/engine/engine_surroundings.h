// What the engine is built on in its tests: a store on an in-memory file system, read at noon of
// 10 June 2026 on a fake clock, a window that records what the tick shows in it, and a fake sound backend.
#pragma once

#include "engine/alarm_engine.h"
#include "engine/fake_sound_backend.h"
#include "engine/tick_test_support.h"

#include <QString>

#include <memory>
#include <vector>

namespace klaxora::test {

class RecordingEngineWindow final : public AlarmEngineWindow {
public:
    void showClockText(const QString& text) override { clockText = text; }
    void repaintAlarmList() override { ++repaints; }
    void showError(const QString& text) override { errors.push_back(text); }

    QString clockText;
    int repaints = 0;
    std::vector<QString> errors;
};

struct EngineSurroundings {
    EngineSurroundings()
    {
        store.setHost(&listWindow);
        store.loadFromDisk();
    }

    FakeClock clock{at(2026, 6, 10, 12, 0)};
    MemoryFileSystem files;
    DateTimeFormats formats{usUserSettings()};
    AlarmStore store{clock, formats, "/alarms", files};
    ListWindow listWindow;
    Preferences preferences;
    RecordingEngineWindow window;
    std::shared_ptr<FakeSoundBackend::Shared> sound = std::make_shared<FakeSoundBackend::Shared>();
};

} // namespace klaxora::test
