// The alarm options dialog: the enable rule, Choose, Play Now, Ok and Cancel, and its keys.
#include "dialog_test_support.h"
#include "support/named_child.h"
#include "ui/alarm_options_dialog.h"
#include "ui/help_files.h"
#include "ui/help_window.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace klaxora {
namespace {

struct Choice {
    std::string initialFolder;
    std::string fileName;
    std::string filter;
};

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest()
    {
        services.playWaveFile = [this](const std::string& file) { played.push_back(file); };
        services.chooseFile = [this](QWidget*, const std::string& folder, const std::string& fileName,
                                     const std::string& filter) -> std::optional<std::string> {
            choices.push_back({folder, fileName, filter});
            if (chooserFails)
                throw std::runtime_error("no file dialog");
            return chosen;
        };
        services.programDirectory = "/opt/klaxora/";
        options = std::make_unique<AlarmOptionsDialog>(services);
    }

    void show()
    {
        options->show();
        QApplication::processEvents();
    }
    QString edit() const { return testing::namedChild<QLineEdit>(*options, "waveFileEdit")->text(); }

    test::StoreOnDisk disk; // a scratch folder for sound files
    AlarmOptionsServices services;
    std::vector<std::string> played;
    std::vector<Choice> choices;
    std::optional<std::string> chosen;
    bool chooserFails = false;
    std::unique_ptr<AlarmOptionsDialog> options;
};

TEST_F(OptionsTest, MessageOnlyDisablesTheFileControlsAndTakesTheFocusAway)
{
    options->tickAlarmMode(amMessageOnly);
    show();
    EXPECT_EQ(options->size(), QSize(440, 273));
    EXPECT_FALSE(testing::namedChild<QLineEdit>(*options, "waveFileEdit")->isEnabled());
    EXPECT_FALSE(testing::namedChild<QPushButton>(*options, "chooseWaveButton")->isEnabled());
    EXPECT_TRUE(testing::namedChild<QPushButton>(*options, "playNowButton")->isEnabled());
    EXPECT_EQ(options->focusWidget(), testing::namedChild<QRadioButton>(*options, "messageOnlyButton"));

    QTest::mouseClick(testing::namedChild<QRadioButton>(*options, "soundOnlyButton"), Qt::LeftButton, {},
                      QPoint(8, 10));
    EXPECT_TRUE(testing::namedChild<QLineEdit>(*options, "waveFileEdit")->isEnabled());
    EXPECT_TRUE(testing::namedChild<QPushButton>(*options, "chooseWaveButton")->isEnabled());
    EXPECT_EQ(options->tickedAlarmMode(), amSoundOnly);
    options->tickAlarmMode(amMessageAndSound);
    EXPECT_EQ(options->tickedAlarmMode(), amMessageAndSound);
    options->tickAlarmMode(7); // ticks nothing
    EXPECT_EQ(options->tickedAlarmMode(), amMessageAndSound);

    auto other = std::make_unique<AlarmOptionsDialog>(services);
    other->show();
    EXPECT_EQ(other->focusWidget(), testing::namedChild<QLineEdit>(*other, "waveFileEdit"));
}

// A screen reader reads the sound file field by its caption and the mode buttons by theirs, all without
// their accelerator marks.
TEST_F(OptionsTest, FieldsReadByTheirCaptions)
{
    show();
    QStringList names;
    for (const char* name :
         {"waveFileEdit", "messageAndSoundButton", "messageOnlyButton", "soundOnlyButton"}) {
        names << QAccessible::queryAccessibleInterface(testing::namedChild<QWidget>(*options, name))
                     ->text(QAccessible::Name);
    }
    EXPECT_EQ(names.join(" | "),
              "WAV File to play: | Show Message and Play Sound | Only Show Message | Only Play Sound");
}

TEST_F(OptionsTest, PlayNowPlaysTheConfirmedFileNotTheTypedText)
{
    const std::string previous = disk.makeFile("previous.wav");
    const std::string typed = disk.makeFile("typed.wav");
    options->setWaveFile(previous);
    show();
    EXPECT_EQ(edit(), QString::fromStdString(previous));
    testing::namedChild<QLineEdit>(*options, "waveFileEdit")->setText(QString::fromStdString(typed));
    QTest::mouseClick(testing::namedChild<QPushButton>(*options, "playNowButton"), Qt::LeftButton);
    EXPECT_EQ(played, std::vector<std::string>{previous});

    options->setWaveFile(disk.folder.filePath("missing.wav").toStdString());
    options->playNowClick();
    options->setWaveFile("");
    options->playNowClick();
    EXPECT_EQ(played.size(), 1u);
}

TEST_F(OptionsTest, OkTakesTheTypedTextAndCancelKeepsWaveFile)
{
    options->setWaveFile("/sounds/old.wav");
    test::answerNextModal([](QWidget* modal) {
        auto* dialog = static_cast<AlarmOptionsDialog*>(modal);
        testing::namedChild<QLineEdit>(*dialog, "waveFileEdit")->clear();
        dialog->okButtonClick();
    });
    EXPECT_EQ(options->showModal(), ModalResult::Ok);
    EXPECT_EQ(options->waveFile(), "");

    options->setWaveFile("/sounds/old.wav");
    test::answerNextModal([](QWidget* modal) {
        auto* dialog = static_cast<AlarmOptionsDialog*>(modal);
        testing::namedChild<QLineEdit>(*dialog, "waveFileEdit")->setText("/sounds/new.wav");
        dialog->close(); // closing the window counts as Cancel
    });
    EXPECT_EQ(options->showModal(), ModalResult::Cancel);
    EXPECT_EQ(options->waveFile(), "/sounds/old.wav");
}

TEST_F(OptionsTest, EnterAndEscapeExceptThatEnterPressesAFocusedPushButton)
{
    const std::string bell = disk.makeFile("bell.wav");
    options->setWaveFile(bell);
    show();
    testing::namedChild<QPushButton>(*options, "chooseWaveButton")->setFocus();
    QTest::keyClick(testing::namedChild<QPushButton>(*options, "chooseWaveButton"), Qt::Key_Return);
    EXPECT_EQ(choices.size(), 1u);
    EXPECT_TRUE(options->isVisible());

    QTest::keyClick(testing::namedChild<QPushButton>(*options, "playNowButton"), Qt::Key_Return);
    EXPECT_EQ(played, std::vector<std::string>{bell});
    EXPECT_TRUE(options->isVisible());

    QTest::keyClick(testing::namedChild<QPushButton>(*options, "chooseWaveButton"), Qt::Key_Escape);
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(options->result(), ModalResult::Cancel);

    show();
    testing::namedChild<QLineEdit>(*options, "waveFileEdit")->setText("/sounds/typed.wav");
    QTest::keyClick(testing::namedChild<QLineEdit>(*options, "waveFileEdit"), Qt::Key_Return);
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(options->result(), ModalResult::Ok);
    EXPECT_EQ(options->waveFile(), "/sounds/typed.wav");
    EXPECT_EQ(choices.size(), 1u);
}

TEST_F(OptionsTest, ChooseStartsInTheProgramFolderAndTakesOnlyWavNames)
{
    const std::string existing = disk.makeFile("bell.wav");
    options->setWaveFile(existing);
    show();
    chosen = disk.folder.filePath("Chime.Wav").toStdString();
    options->chooseWaveButtonClick();
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].initialFolder, "/opt/klaxora/");
    EXPECT_EQ(choices[0].fileName, existing);
    EXPECT_EQ(choices[0].filter, "WAVE files (*.wav)");
    EXPECT_EQ(options->waveFile(), *chosen);
    EXPECT_EQ(edit(), QString::fromStdString(*chosen));

    // The name chosen last does not exist: no preset. A file that is not a WAV is ignored.
    chosen = "/tmp/notes.txt";
    options->chooseWaveButtonClick();
    EXPECT_EQ(choices[1].fileName, "");
    EXPECT_EQ(options->waveFile(), disk.folder.filePath("Chime.Wav").toStdString());

    chosen = "/tmp/old.wav.d/notes.txt";
    options->chooseWaveButtonClick();
    EXPECT_EQ(options->waveFile(), *chosen);

    const std::string before = options->waveFile();
    chosen = std::nullopt;
    options->chooseWaveButtonClick();
    chooserFails = true;
    options->chooseWaveButtonClick();
    EXPECT_EQ(options->waveFile(), before);
}

// Mended: a sound path the alarm file cannot hold is refused where it is entered.
TEST_F(OptionsTest, SoundPathRefusesWhatTheFileCannotHold)
{
    show();
    QTest::keyClicks(testing::namedChild<QLineEdit>(*options, "waveFileEdit"), "/a^b.wav");
    EXPECT_EQ(edit(), "/ab.wav");
    testing::namedChild<QLineEdit>(*options, "waveFileEdit")->setText(QString(255, QLatin1Char('x')));
    QTest::keyClicks(testing::namedChild<QLineEdit>(*options, "waveFileEdit"), "y");
    EXPECT_EQ(edit(), QString(255, QLatin1Char('x')));
    // A paste past the capacity keeps the characters that fit.
    testing::namedChild<QLineEdit>(*options, "waveFileEdit")->setText(QString(250, QLatin1Char('x')));
    QApplication::clipboard()->setText(QStringLiteral("/sounds/ring.wav"));
    testing::namedChild<QLineEdit>(*options, "waveFileEdit")->paste();
    EXPECT_EQ(edit(), QString(250, QLatin1Char('x')) + QStringLiteral("/soun"));

    options->setWaveFile("/sounds/old.wav");
    chosen = "/sounds/odd^name.wav";
    const auto box = test::answerNextMessageBox();
    options->chooseWaveButtonClick();
    EXPECT_TRUE(box->text.startsWith("The alarm file cannot hold this file name:"));
    EXPECT_EQ(options->waveFile(), "/sounds/old.wav");
}

TEST_F(OptionsTest, HelpOpensTheOptionsTopic)
{
    show();
    QTest::mouseClick(testing::namedChild<FlatButton>(*options, "helpButton"), Qt::LeftButton, {},
                      QPoint(10, 10));
    auto* help = options->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source(), helpTopicUrl(QStringLiteral("KLAXORA.HLP"), 2004));
}

TEST_F(OptionsTest, TypedTextSurvivesAnotherWindowAndACancelledChooserAndIsRefilledOnlyWhenShown)
{
    options->setWaveFile("/sounds/kept.wav");
    show();
    testing::namedChild<QLineEdit>(*options, "waveFileEdit")->setText("/sounds/typed.wav");
    // Another window comes in front and goes again.
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(options.get(), &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(options.get(), &activate);
    EXPECT_EQ(edit(), "/sounds/typed.wav");
    QTest::mouseClick(testing::namedChild<QPushButton>(*options, "chooseWaveButton"), Qt::LeftButton);
    QApplication::sendEvent(options.get(), &activate);
    ASSERT_EQ(choices.size(), 1U);
    EXPECT_EQ(edit(), "/sounds/typed.wav") << "the chooser was cancelled";

    options->hide();
    show();
    EXPECT_EQ(edit(), "/sounds/kept.wav");
}

} // namespace
} // namespace klaxora
