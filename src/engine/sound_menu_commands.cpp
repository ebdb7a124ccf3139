#include "engine/sound_menu_commands.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QString>

#include <exception>
#include <utility>

namespace klaxora {

SoundMenuCommands::SoundMenuCommands(Preferences& preferences, PreferencesSaver save, SoundPlayer& player,
                                     AlarmTimer& timer, FileChooser chooseFile, std::string programDirectory)
    : preferences_(preferences), save_(std::move(save)), player_(player), timer_(timer),
      chooseFile_(std::move(chooseFile)), programDirectory_(std::move(programDirectory))
{
}

void SoundMenuCommands::toggleNoAlarmSound()
{
    preferences_.noAlarmSound = !preferences_.noAlarmSound;
    save_(preferences_);
}

void SoundMenuCommands::selectSoundFile()
{
    TimerOffBracket timerOff(timer_);
    const std::optional<std::string> chosen = chooseFile_(programDirectory_, WaveFilter);
    if (!chosen || !QString::fromStdString(*chosen).toUpper().contains(QStringLiteral(".WAV"))) {
        return;
    }
    try {
        preferences_.noAlarmSound = false;
        player_.play(*chosen);
        preferences_.defaultWaveFile = *chosen;
        save_(preferences_);
    } catch (const std::exception&) {
        // Not worth a message: the choice holds for this run even when it could not be saved.
    }
}

SoundMenuCommands::FileChooser SoundMenuCommands::openDialogChooser(QWidget* parent)
{
    return
        [parent](const std::string& initialFolder, const std::string& filter) -> std::optional<std::string> {
            QFileDialog dialog(parent, QCoreApplication::translate("SoundMenuCommands", "Open"),
                               QString::fromStdString(initialFolder), QString::fromStdString(filter));
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::AnyFile);
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
                return std::nullopt;
            }
            return dialog.selectedFiles().constFirst().toStdString();
        };
}

} // namespace klaxora
