// The File menu's sound commands: "No Alarm Sound" and "Select Default Sound File (*.wav)". The window
// wires its menu items to these and shows the check mark from Preferences::NoAlarmSound.
#pragma once

#include "engine/alarm_timer.h"
#include "engine/sound_player.h"
#include "store/preferences_file.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace klaxora {

class SoundMenuCommands {
public:
    // Asks the user for a file name, starting in `initialFolder` with the file-type filter `filter`;
    // nothing when the user cancels.
    using FileChooser = std::function<std::optional<std::string>(const std::string& initialFolder,
                                                                 const std::string& filter)>;
    // Writes the preferences file; throws when it cannot.
    using PreferencesSaver = std::function<void(const Preferences&)>;

    static constexpr const char* WaveFilter = "WAVE files (*.wav)";

    // All must outlive the commands. `programDirectory` is where the file choice starts.
    SoundMenuCommands(Preferences& preferences, PreferencesSaver save, SoundPlayer& player, AlarmTimer& timer,
                      FileChooser chooseFile, std::string programDirectory);

    // Turns the switch over and saves; an error of the save reaches the caller, the switch keeps its new
    // state.
    void toggleNoAlarmSound();
    // Lets the user choose the default sound for new alarms. A name holding ".WAV" (in any case,
    // anywhere) switches sounds on, is played as a preview and saved; any other name changes nothing.
    // Errors of these steps are dropped.
    void selectSoundFile();

    // The file-open dialog: a typed name need not exist.
    static FileChooser openDialogChooser(QWidget* parent);

private:
    Preferences& preferences_;
    PreferencesSaver save_;
    SoundPlayer& player_;
    AlarmTimer& timer_;
    FileChooser chooseFile_;
    std::string programDirectory_;
};

} // namespace klaxora
