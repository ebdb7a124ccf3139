// "No Alarm Sound" and "Select Default Sound File (*.wav)": what they change, save and play, and what
// they leave alone.
#include "engine/fake_sound_backend.h"
#include "engine/sound_menu_commands.h"
#include "engine/tick_test_support.h"
#include "support/modal_answer.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace klaxora {
namespace {

using namespace std::chrono_literals;

class SoundMenuCommandsTest : public ::testing::Test {
protected:
    SoundMenuCommandsTest()
    {
        preferences.noAlarmSound = true;
        preferences.defaultWaveFile = "/old/ring.wav";
    }

    // Offers `typed` as the user's choice (nothing for a cancel) and notes what the dialog was given.
    void userChooses(std::optional<std::string> typed) { choice = std::move(typed); }
    void makeSavesFail() { savesFail = true; }

    Preferences preferences;
    std::vector<Preferences> saved;
    bool savesFail = false;
    std::optional<std::string> choice;
    std::string askedFolder, askedFilter;
    bool timerOnWhileChoosing = true;
    test::FakeTimer timer;
    std::shared_ptr<test::FakeSoundBackend::Shared> sound =
        std::make_shared<test::FakeSoundBackend::Shared>();
    SoundPlayer player{std::make_unique<test::FakeSoundBackend>(sound), 60ms};
    SoundMenuCommands commands{preferences,
                               [this](const Preferences& written) {
                                   if (savesFail) {
                                       throw std::runtime_error("Unable to write to /opt/klaxora/ALARM.INI");
                                   }
                                   saved.push_back(written);
                               },
                               player,
                               timer,
                               [this](const std::string& folder, const std::string& filter) {
                                   askedFolder = folder;
                                   askedFilter = filter;
                                   timerOnWhileChoosing = timer.enabled;
                                   return choice;
                               },
                               "/opt/klaxora/"};
};

TEST_F(SoundMenuCommandsTest, NoAlarmSoundTurnsOverAndSavesOrReportsTheFailedSave)
{
    commands.toggleNoAlarmSound();
    EXPECT_FALSE(preferences.noAlarmSound);
    ASSERT_EQ(saved.size(), 1U);
    EXPECT_FALSE(saved[0].noAlarmSound);
    commands.toggleNoAlarmSound();
    EXPECT_TRUE(preferences.noAlarmSound);

    // A failed save is reported, and the switch keeps its new state.
    makeSavesFail();
    EXPECT_THROW(commands.toggleNoAlarmSound(), std::runtime_error);
    EXPECT_FALSE(preferences.noAlarmSound);
}

TEST_F(SoundMenuCommandsTest, AChosenWaveFileSwitchesSoundsOnIsPreviewedAndSaved)
{
    userChooses("/home/me/sounds/Bell.wav");
    commands.selectSoundFile();
    EXPECT_EQ(askedFolder, "/opt/klaxora/");
    EXPECT_EQ(askedFilter, "WAVE files (*.wav)");
    EXPECT_FALSE(timerOnWhileChoosing);
    EXPECT_TRUE(timer.enabled);
    EXPECT_FALSE(preferences.noAlarmSound);
    EXPECT_EQ(preferences.defaultWaveFile, "/home/me/sounds/Bell.wav");
    ASSERT_EQ(saved.size(), 1U);
    EXPECT_EQ(saved[0].defaultWaveFile, "/home/me/sounds/Bell.wav");
    // A typed name need not exist; what cannot be played is previewed with the default sound.
    ASSERT_FALSE(sound->log.empty());
    EXPECT_EQ(sound->log.back(), "play " + SoundPlayer::defaultSoundUrl().toString().toStdString());
}

TEST_F(SoundMenuCommandsTest, ANameWithoutDotWavInAnyCaseOrACancelChangesNothing)
{
    for (const std::optional<std::string>& name :
         {std::optional<std::string>("/s/bell.mp3"), std::optional<std::string>("/s/wav"),
          std::optional<std::string>()}) {
        userChooses(name);
        commands.selectSoundFile();
        EXPECT_TRUE(preferences.noAlarmSound);
        EXPECT_EQ(preferences.defaultWaveFile, "/old/ring.wav");
        EXPECT_TRUE(saved.empty());
        EXPECT_TRUE(sound->log.empty());
        EXPECT_TRUE(timer.enabled);
    }
    for (const char* name : {"/s/BELL.WAV.BAK", "/s/x.Wav"}) {
        userChooses(name);
        commands.selectSoundFile();
        EXPECT_EQ(preferences.defaultWaveFile, name);
    }
}

TEST_F(SoundMenuCommandsTest, AFailedSaveOfTheChoiceIsDropped)
{
    makeSavesFail();
    userChooses("/s/bell.wav");
    EXPECT_NO_THROW(commands.selectSoundFile());
    EXPECT_EQ(preferences.defaultWaveFile, "/s/bell.wav");
    EXPECT_FALSE(preferences.noAlarmSound);
    EXPECT_TRUE(timer.enabled);
}

TEST(SoundFileDialogTest, OffersWaveFilesFromTheProgramFolderAndTakesATypedNameThatDoesNotExist)
{
    QTemporaryDir folder;
    QStringList filters;
    QString shownFolder;
    test::answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        shownFolder = dialog->directory().absolutePath();
        dialog->selectFile(QStringLiteral("new-bell.wav"));
        static_cast<QDialog*>(dialog)->accept(); // the file dialog's own accept, as the Open button
    });
    const std::optional<std::string> chosen = SoundMenuCommands::openDialogChooser(nullptr)(
        folder.path().toStdString() + "/", SoundMenuCommands::WaveFilter);
    EXPECT_EQ(filters, QStringList{QStringLiteral("WAVE files (*.wav)")});
    EXPECT_EQ(shownFolder, folder.path());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, folder.filePath(QStringLiteral("new-bell.wav")).toStdString());

    test::answerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(
        SoundMenuCommands::openDialogChooser(nullptr)(folder.path().toStdString(), "WAVE files (*.wav)"));
}

} // namespace
} // namespace klaxora
