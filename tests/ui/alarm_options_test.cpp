// The alarm options dialog: the enable rule, Choose, Play Now, Ok and Cancel, and its keys.
#include "dialog_test_support.h"
#include "ui/alarm_options.h"
#include "ui/help_files.h"
#include "ui/help_window.h"

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
        services.PlayWaveFile = [this](const std::string& file) { played.push_back(file); };
        services.ChooseFile = [this](QWidget*, const std::string& folder, const std::string& fileName,
                                     const std::string& filter) -> std::optional<std::string> {
            choices.push_back({folder, fileName, filter});
            if (chooserFails)
                throw std::runtime_error("no file dialog");
            return chosen;
        };
        services.ProgramDirectory = "/opt/klaxora/";
        options = std::make_unique<TAlarmOptions>(services);
    }

    void Show()
    {
        options->show();
        QApplication::processEvents();
    }
    QString Edit() const { return options->WaveFileEdit->text(); }

    test::StoreOnDisk disk; // a scratch folder for sound files
    AlarmOptionsServices services;
    std::vector<std::string> played;
    std::vector<Choice> choices;
    std::optional<std::string> chosen;
    bool chooserFails = false;
    std::unique_ptr<TAlarmOptions> options;
};

TEST_F(OptionsTest, MessageOnlyDisablesTheFileControlsAndTakesTheFocusAway)
{
    options->TickAlarmMode(amMessageOnly);
    Show();
    EXPECT_EQ(options->size(), QSize(440, 273));
    EXPECT_FALSE(options->WaveFileEdit->isEnabled());
    EXPECT_FALSE(options->SelectWavButton->isEnabled());
    EXPECT_TRUE(options->BitBtn2->isEnabled());
    EXPECT_EQ(options->focusWidget(), options->ShowMessage);

    QTest::mouseClick(options->PlaySound, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_TRUE(options->WaveFileEdit->isEnabled());
    EXPECT_TRUE(options->SelectWavButton->isEnabled());
    EXPECT_EQ(options->TickedAlarmMode(), amSoundOnly);
    options->TickAlarmMode(amMessageAndSound);
    EXPECT_EQ(options->TickedAlarmMode(), amMessageAndSound);
    options->TickAlarmMode(7); // ticks nothing
    EXPECT_EQ(options->TickedAlarmMode(), amMessageAndSound);

    auto other = std::make_unique<TAlarmOptions>(services);
    other->show();
    EXPECT_EQ(other->focusWidget(), other->WaveFileEdit);
}

TEST_F(OptionsTest, PlayNowPlaysTheConfirmedFileNotTheTypedText)
{
    const std::string previous = disk.MakeFile("previous.wav");
    const std::string typed = disk.MakeFile("typed.wav");
    options->SetWaveFile(previous);
    Show();
    EXPECT_EQ(Edit(), QString::fromStdString(previous));
    options->WaveFileEdit->setText(QString::fromStdString(typed));
    QTest::mouseClick(options->BitBtn2, Qt::LeftButton);
    EXPECT_EQ(played, std::vector<std::string>{previous});

    options->SetWaveFile(disk.folder.filePath("missing.wav").toStdString());
    options->BitBtn2Click();
    options->SetWaveFile("");
    options->BitBtn2Click();
    EXPECT_EQ(played.size(), 1u);
}

TEST_F(OptionsTest, OkTakesTheTypedTextAndCancelKeepsWaveFile)
{
    options->SetWaveFile("/sounds/old.wav");
    test::AnswerNextModal([](QWidget* modal) {
        auto* dialog = static_cast<TAlarmOptions*>(modal);
        dialog->WaveFileEdit->clear();
        dialog->OkbuttonClick();
    });
    EXPECT_EQ(options->ShowModal(), ModalResult::Ok);
    EXPECT_EQ(options->WaveFile(), "");

    options->SetWaveFile("/sounds/old.wav");
    test::AnswerNextModal([](QWidget* modal) {
        auto* dialog = static_cast<TAlarmOptions*>(modal);
        dialog->WaveFileEdit->setText("/sounds/new.wav");
        dialog->close(); // closing the window counts as Cancel
    });
    EXPECT_EQ(options->ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(options->WaveFile(), "/sounds/old.wav");
}

TEST_F(OptionsTest, EnterAndEscapeExceptThatEnterPressesAFocusedPushButton)
{
    const std::string bell = disk.MakeFile("bell.wav");
    options->SetWaveFile(bell);
    Show();
    options->SelectWavButton->setFocus();
    QTest::keyClick(options->SelectWavButton, Qt::Key_Return);
    EXPECT_EQ(choices.size(), 1u);
    EXPECT_TRUE(options->isVisible());

    QTest::keyClick(options->BitBtn2, Qt::Key_Return);
    EXPECT_EQ(played, std::vector<std::string>{bell});
    EXPECT_TRUE(options->isVisible());

    QTest::keyClick(options->SelectWavButton, Qt::Key_Escape);
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(options->result(), ModalResult::Cancel);

    Show();
    options->WaveFileEdit->setText("/sounds/typed.wav");
    QTest::keyClick(options->WaveFileEdit, Qt::Key_Return);
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(options->result(), ModalResult::Ok);
    EXPECT_EQ(options->WaveFile(), "/sounds/typed.wav");
    EXPECT_EQ(choices.size(), 1u);
}

TEST_F(OptionsTest, ChooseStartsInTheProgramFolderAndTakesOnlyWavNames)
{
    const std::string existing = disk.MakeFile("bell.wav");
    options->SetWaveFile(existing);
    Show();
    chosen = disk.folder.filePath("Chime.Wav").toStdString();
    options->SelectWavButtonClick();
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].initialFolder, "/opt/klaxora/");
    EXPECT_EQ(choices[0].fileName, existing);
    EXPECT_EQ(choices[0].filter, "WAVE files (*.wav)");
    EXPECT_EQ(options->WaveFile(), *chosen);
    EXPECT_EQ(Edit(), QString::fromStdString(*chosen));

    // The name chosen last does not exist: no preset. A file that is not a WAV is ignored.
    chosen = "/tmp/notes.txt";
    options->SelectWavButtonClick();
    EXPECT_EQ(choices[1].fileName, "");
    EXPECT_EQ(options->WaveFile(), disk.folder.filePath("Chime.Wav").toStdString());

    chosen = "/tmp/old.wav.d/notes.txt";
    options->SelectWavButtonClick();
    EXPECT_EQ(options->WaveFile(), *chosen);

    const std::string before = options->WaveFile();
    chosen = std::nullopt;
    options->SelectWavButtonClick();
    chooserFails = true;
    options->SelectWavButtonClick();
    EXPECT_EQ(options->WaveFile(), before);
}

// Mended: a sound path the alarm file cannot hold is refused where it is entered.
TEST_F(OptionsTest, SoundPathRefusesWhatTheFileCannotHold)
{
    Show();
    QTest::keyClicks(options->WaveFileEdit, "/a^b.wav");
    EXPECT_EQ(Edit(), "/ab.wav");
    options->WaveFileEdit->setText(QString(255, QLatin1Char('x')));
    QTest::keyClicks(options->WaveFileEdit, "y");
    EXPECT_EQ(Edit(), QString(255, QLatin1Char('x')));
    // A paste past the capacity keeps the characters that fit.
    options->WaveFileEdit->setText(QString(250, QLatin1Char('x')));
    QApplication::clipboard()->setText(QStringLiteral("/sounds/ring.wav"));
    options->WaveFileEdit->paste();
    EXPECT_EQ(Edit(), QString(250, QLatin1Char('x')) + QStringLiteral("/soun"));

    options->SetWaveFile("/sounds/old.wav");
    chosen = "/sounds/odd^name.wav";
    const auto box = test::AnswerNextMessageBox();
    options->SelectWavButtonClick();
    EXPECT_TRUE(box->text.startsWith("The alarm file cannot hold this file name:"));
    EXPECT_EQ(options->WaveFile(), "/sounds/old.wav");
}

TEST_F(OptionsTest, HelpOpensTheOptionsTopic)
{
    Show();
    QTest::mouseClick(options->Helpbutton, Qt::LeftButton, {}, QPoint(10, 10));
    auto* help = options->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->source(), HelpTopicUrl(QStringLiteral("KLAXORA.HLP"), 2004));
}

TEST_F(OptionsTest, TypedTextSurvivesAnotherWindowAndACancelledChooserAndIsRefilledOnlyWhenShown)
{
    options->SetWaveFile("/sounds/kept.wav");
    Show();
    options->WaveFileEdit->setText("/sounds/typed.wav");
    // Another window comes in front and goes again.
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(options.get(), &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(options.get(), &activate);
    EXPECT_EQ(Edit(), "/sounds/typed.wav");
    QTest::mouseClick(options->SelectWavButton, Qt::LeftButton);
    QApplication::sendEvent(options.get(), &activate);
    ASSERT_EQ(choices.size(), 1U);
    EXPECT_EQ(Edit(), "/sounds/typed.wav") << "the chooser was cancelled";

    options->hide();
    Show();
    EXPECT_EQ(Edit(), "/sounds/kept.wav");
}

} // namespace
} // namespace klaxora
