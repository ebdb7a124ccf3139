#include "ui/alarm_options_dialog.h"

#include "controls/picture_canvas.h"
#include "ui/alarm_text_validator.h"
#include "ui/button_pictures.h"
#include "ui/help_window.h"
#include "ui/message_boxes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>
#include <utility>

namespace klaxora {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

bool fileExists(const std::string& path)
{
    return !path.empty() && QFileInfo(fromUtf8(path)).isFile();
}

FlatButton* makeBottomButton(QWidget* parent, const QString& caption, const QString& hint,
                             const QImage& picture, const QRect& geometry)
{
    auto* button = new FlatButton(parent);
    button->setCaption(caption);
    button->setHint(hint);
    button->setBitmap(picture);
    button->setButtonLayout(flatbtn::blBitmapLeft);
    button->setGeometry(geometry);
    return button;
}

QPushButton* makeGlyphButton(QWidget* parent, const QString& caption, const QString& hint,
                             const QImage& glyph, const QRect& geometry)
{
    auto* button = new QPushButton(transparentByTopLeft(glyph), caption, parent);
    button->setToolTip(hint);
    // Not a default button, or the dialog would mark one as taking Enter while the edit box has the focus;
    // AlarmOptionsDialog::eventFilter lets Enter press the button that has the focus.
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

QRadioButton* makeModeButton(QWidget* parent, const QString& caption, const QString& hint, int top)
{
    auto* button = new QRadioButton(caption, parent);
    button->setToolTip(hint);
    button->setGeometry(32, top, 300, 20);
    return button;
}

} // namespace

AlarmOptionsServices::FileChooser openFileDialogChooser()
{
    return [](QWidget* parent, const std::string& initialFolder, const std::string& fileName,
              const std::string& filter) -> std::optional<std::string> {
        QFileDialog dialog(parent, QCoreApplication::translate("SoundMenuCommands", "Open"),
                           fromUtf8(initialFolder), fromUtf8(filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!fileName.empty())
            dialog.selectFile(fromUtf8(fileName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst().toStdString();
    };
}

AlarmOptionsDialog::AlarmOptionsDialog(AlarmOptionsServices services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      services_(std::move(services))
{
    setWindowTitle(tr("Alarm Options"));
    setFixedSize(440, 273);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    createControls();
}

void AlarmOptionsDialog::createControls()
{
    modeCaption_ = new QLabel(tr("When this alarm is triggered, Klaxora! should:"), this);
    modeCaption_->setObjectName(QStringLiteral("modeCaption"));
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(13);
    bold.setBold(true);
    modeCaption_->setFont(bold);
    modeCaption_->setGeometry(16, 12, 408, 18);

    messageAndSoundButton_ =
        makeModeButton(this, tr("&Show Message and Play Sound"),
                       tr("At alarm time, both show the \nmessage  and play the sound"), 38);
    messageAndSoundButton_->setObjectName(QStringLiteral("messageAndSoundButton"));
    messageOnlyButton_ = makeModeButton(this, tr("Only Show &Message"),
                                        tr("At alarm time, only show the message\n(no sound)"), 60);
    messageOnlyButton_->setObjectName(QStringLiteral("messageOnlyButton"));
    soundOnlyButton_ = makeModeButton(this, tr("Only &Play Sound"),
                                      tr("At alarm time, only play the \nsound (no message)"), 82);
    soundOnlyButton_->setObjectName(QStringLiteral("soundOnlyButton"));
    messageAndSoundButton_->setChecked(true);
    for (QRadioButton* button : {messageAndSoundButton_, messageOnlyButton_, soundOnlyButton_}) {
        connect(button, &QRadioButton::toggled, this, [this](bool ticked) {
            if (ticked)
                modeButtonClick();
        });
    }

    waveFileEdit_ = new QLineEdit(this);
    waveFileEdit_->setObjectName(QStringLiteral("waveFileEdit"));
    waveFileEdit_->setToolTip(tr("Type in the path and name of the .WAV file"));
    waveFileEdit_->setValidator(new AlarmTextValidator(WaveFileCapacity, waveFileEdit_));
    waveFileEdit_->setGeometry(16, 136, 234, 22);
    waveFileCaption_ = new QLabel(tr("&WAV File to play:"), this);
    waveFileCaption_->setObjectName(QStringLiteral("waveFileCaption"));
    waveFileCaption_->setBuddy(waveFileEdit_);
    waveFileCaption_->setGeometry(16, 118, 234, 16);

    chooseWaveButton_ =
        makeGlyphButton(this, tr("&Choose"), tr("Select the .WAV file from a Windows\nFile Open dialog"),
                        chooseFilePicture(), QRect(258, 134, 80, 26));
    chooseWaveButton_->setObjectName(QStringLiteral("chooseWaveButton"));
    playNowButton_ = makeGlyphButton(this, tr("Play &Now"), tr("Play the .WAV file you have selected"),
                                     playNowPicture(), QRect(344, 134, 84, 26));
    playNowButton_->setObjectName(QStringLiteral("playNowButton"));
    chooseWaveButton_->installEventFilter(this);
    playNowButton_->installEventFilter(this);
    connect(chooseWaveButton_, &QPushButton::clicked, this, &AlarmOptionsDialog::chooseWaveButtonClick);
    connect(playNowButton_, &QPushButton::clicked, this, &AlarmOptionsDialog::playNowClick);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 273 - 53, 440, 53);
    panel->setObjectName(QStringLiteral("buttonPanel"));
    okButton_ =
        makeBottomButton(panel, tr("Ok"), tr("Save the alarm options"), okPicture(), QRect(40, 9, 100, 34));
    okButton_->setObjectName(QStringLiteral("okButton"));
    cancelButton_ = makeBottomButton(panel, tr("&Cancel"), tr("Cancel all changes made"), cancelPicture(),
                                     QRect(170, 9, 100, 34));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    helpButton_ = makeBottomButton(panel, tr("&Help"), tr("Get Windows help for Klaxora!"), helpPicture(),
                                   QRect(300, 9, 100, 34));
    helpButton_->setObjectName(QStringLiteral("helpButton"));
    okButton_->setDefault(true);
    cancelButton_->setCancel(true);
    connect(okButton_, &FlatButton::clicked, this, &AlarmOptionsDialog::okButtonClick);
    connect(cancelButton_, &FlatButton::clicked, this, &AlarmOptionsDialog::cancelButtonClick);
    connect(helpButton_, &FlatButton::clicked, this, &AlarmOptionsDialog::helpButtonClick);

    // The edit box first; the mode buttons before Choose, so that with the edit box disabled the ticked
    // mode button is the first control that can take the focus.
    setTabOrder(waveFileEdit_, messageAndSoundButton_);
    setTabOrder(messageAndSoundButton_, messageOnlyButton_);
    setTabOrder(messageOnlyButton_, soundOnlyButton_);
    setTabOrder(soundOnlyButton_, chooseWaveButton_);
    setTabOrder(chooseWaveButton_, playNowButton_);
}

void AlarmOptionsDialog::setWaveFile(const std::string& waveFile)
{
    waveFile_ = waveFile;
}

void AlarmOptionsDialog::tickAlarmMode(AlarmMode mode)
{
    switch (mode) {
    case amMessageAndSound:
        messageAndSoundButton_->setChecked(true);
        break;
    case amMessageOnly:
        messageOnlyButton_->setChecked(true);
        break;
    case amSoundOnly:
        soundOnlyButton_->setChecked(true);
        break;
    default:
        break;
    }
}

AlarmMode AlarmOptionsDialog::tickedAlarmMode() const
{
    if (messageAndSoundButton_->isChecked())
        return amMessageAndSound;
    if (soundOnlyButton_->isChecked())
        return amSoundOnly;
    return amMessageOnly;
}

int AlarmOptionsDialog::showModal()
{
    return exec() == ModalResult::Ok ? ModalResult::Ok : ModalResult::Cancel;
}

void AlarmOptionsDialog::formActivate()
{
    waveFileEdit_->setText(fromUtf8(waveFile_));
}

void AlarmOptionsDialog::modeButtonClick()
{
    const bool withSound = messageAndSoundButton_->isChecked() || soundOnlyButton_->isChecked();
    waveFileEdit_->setEnabled(withSound);
    chooseWaveButton_->setEnabled(withSound);
}

void AlarmOptionsDialog::chooseWaveButtonClick()
{
    const std::string preset = fileExists(waveFile_) ? waveFile_ : std::string();
    try {
        const std::optional<std::string> chosen =
            services_.chooseFile(this, services_.programDirectory, preset, WaveFilter);
        if (chosen)
            takeChosenFile(*chosen);
    } catch (const std::exception&) {
        // A choice that cannot be taken over leaves the sound file as it was.
    }
}

void AlarmOptionsDialog::takeChosenFile(const std::string& chosen)
{
    const QString path = fromUtf8(chosen);
    if (!path.toUpper().contains(QStringLiteral(".WAV")))
        return;
    if (!AlarmTextValidator::fits(path, WaveFileCapacity)) {
        informationBox(tr("The alarm file cannot hold this file name:\n%1\nPlease choose a file whose "
                          "path has no \"^\" and at most %2 characters.")
                           .arg(path)
                           .arg(WaveFileCapacity));
        return;
    }
    waveFile_ = chosen;
    waveFileEdit_->setText(path);
}

void AlarmOptionsDialog::playNowClick()
{
    if (fileExists(waveFile_))
        services_.playWaveFile(waveFile_);
}

void AlarmOptionsDialog::okButtonClick()
{
    waveFile_ = waveFileEdit_->text().toStdString();
    done(ModalResult::Ok);
}

void AlarmOptionsDialog::cancelButtonClick()
{
    done(ModalResult::Cancel);
}

void AlarmOptionsDialog::reject()
{
    cancelButtonClick();
}

void AlarmOptionsDialog::helpButtonClick()
{
    showHelpContext(this, QStringLiteral("KLAXORA.HLP"), 2004);
}

bool AlarmOptionsDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && (watched == chooseWaveButton_ || watched == playNowButton_)) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void AlarmOptionsDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Only as it is shown: refilled at every activation, the box lost what the user had typed when
    // another window or the file chooser had been in front.
    formActivate();
    // The edit box is disabled only while "Only Show Message" is ticked.
    QWidget* first = waveFileEdit_->isEnabled() ? static_cast<QWidget*>(waveFileEdit_) : messageOnlyButton_;
    first->setFocus(Qt::OtherFocusReason);
}

} // namespace klaxora
