// AlarmOptionsDialog, "Alarm Options": what an alarm does when it fires (its mode) and which WAV file it
// plays. The dialog edits two values that its caller sets before showing it and reads back after OK: WaveFile
// and the ticked mode button.
#pragma once

#include "controls/flat_button.h"
#include "store/alarm_records.h"
#include "ui/modal_result.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace klaxora {

// What the options dialog takes from the rest of the program.
struct AlarmOptionsServices {
    // Asks for a file, starting in `initialFolder` with `fileName` preset (may be empty) and `filter`;
    // nothing when the user cancels. The chosen name need not exist.
    using FileChooser =
        std::function<std::optional<std::string>(QWidget* parent, const std::string& initialFolder,
                                                 const std::string& fileName, const std::string& filter)>;

    // Starts playing a WAV file and returns at once; plays whatever "No Alarm Sound" says.
    std::function<void(const std::string& waveFile)> playWaveFile;
    FileChooser chooseFile;
    // Where the file choice starts: the program's folder.
    std::string programDirectory;
};

// The platform's file-open dialog.
AlarmOptionsServices::FileChooser openFileDialogChooser();

class AlarmOptionsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* WaveFilter = "WAVE files (*.wav)";

    explicit AlarmOptionsDialog(AlarmOptionsServices services, QWidget* parent = nullptr);

    // The WAV file path (UTF-8); the edit box shows it and gives its text back only on Ok.
    const std::string& waveFile() const { return waveFile_; }
    void setWaveFile(const std::string& waveFile);

    // Ticks the button of an alarm mode, running the enable rule; another value ticks nothing.
    void tickAlarmMode(AlarmMode mode);
    // The mode of the ticked button.
    AlarmMode tickedAlarmMode() const;

    // Modal run: 1 (OK) or 2 (Cancel); any other close counts as Cancel.
    int showModal();

    // Handlers.
    void formActivate();
    void modeButtonClick();
    void chooseWaveButtonClick();
    void playNowClick();
    void okButtonClick();
    void cancelButtonClick();
    void helpButtonClick();

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void createControls();
    void takeChosenFile(const std::string& chosen);

    AlarmOptionsServices services_;
    std::string waveFile_;

    // The window's parts; each has an objectName of its own member name without the underscore.
    QLabel* modeCaption_;
    QRadioButton* messageAndSoundButton_;
    QRadioButton* messageOnlyButton_;
    QRadioButton* soundOnlyButton_;
    QLabel* waveFileCaption_;
    QLineEdit* waveFileEdit_;
    QPushButton* chooseWaveButton_;
    QPushButton* playNowButton_;
    FlatButton* okButton_;
    FlatButton* cancelButton_;
    FlatButton* helpButton_;
};

} // namespace klaxora
