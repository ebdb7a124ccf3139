#include "ui/about_window.h"

#include "controls/bevel_panel.h"
#include "controls/effect_label.h"
#include "controls/flat_button.h"
#include "ui/button_pictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace klaxora {

namespace {

QFont pixelFont(const QString& family, int pixels, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The lettering of the two smaller labels and of the name: black on a grey shadow, in the order a
// stored form gives it (shadow colour, then the scheme, then the font colour).
void setRaisedLettering(EffectLabel* label)
{
    label->setColourShadow(QColor(0x80, 0x80, 0x80));
    label->setColourScheme(ColourScheme::csText);
    label->setFontColour(Qt::black);
    label->setTransparent(true);
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(385, 242);
    setFont(pixelFont(QStringLiteral("Arial"), 11, false, false));

    framePanel_ = new BevelPanel(this);
    framePanel_->setObjectName(QStringLiteral("framePanel"));
    framePanel_->setGeometry(rect());
    framePanel_->setSingleBorder(true);
    framePanel_->setBevelInner(PanelBevel::bvLowered);
    framePanel_->setBorderWidth(5);
    const int inside = framePanel_->frameWidth();

    nameLabel_ = new EffectLabel(framePanel_);
    nameLabel_->setObjectName(QStringLiteral("nameLabel"));
    nameLabel_->setGeometry(inside, inside, width() - 2 * inside, 69);
    nameLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    nameLabel_->setText(QStringLiteral("Klaxora!"));
    nameLabel_->setFont(pixelFont(QStringLiteral("Times New Roman"), 64, true, true));
    setRaisedLettering(nameLabel_);

    platformLabel_ = new EffectLabel(framePanel_);
    platformLabel_->setObjectName(QStringLiteral("platformLabel"));
    platformLabel_->setGeometry(221, 84, 95, 25);
    platformLabel_->setText(tr("for Windows"));
    platformLabel_->setFont(pixelFont(QStringLiteral("Times New Roman"), 16, true, true));
    setRaisedLettering(platformLabel_);

    // Flat lettering: no depth and no highlight direction, so the three layers fall on one another.
    versionLabel_ = new EffectLabel(framePanel_);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    versionLabel_->setGeometry(135, 120, 112, 22);
    versionLabel_->setText(tr("Version 1.9a"));
    versionLabel_->setFont(pixelFont(QStringLiteral("Times New Roman"), 16, true, true));
    versionLabel_->setDepthHighlight(0);
    versionLabel_->setDepthShadow(0);
    versionLabel_->setDirectionHighlight(EffectDirection::edNone);
    versionLabel_->setColourShadow(QColor(0x80, 0x80, 0x80));
    versionLabel_->setEffectStyle(EffectStyle::esCustom);
    versionLabel_->setColourScheme(ColourScheme::csText);
    versionLabel_->setFontColour(Qt::black);
    versionLabel_->setTransparent(true);

    editionLabel_ = new QLabel(tr("32-bit version for Windows 95"), framePanel_);
    editionLabel_->setObjectName(QStringLiteral("editionLabel"));
    editionLabel_->setGeometry(106, 141, 163, 14);
    editionLabel_->setFont(pixelFont(QStringLiteral("Arial"), 11, true, false));
    QPalette red = editionLabel_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    editionLabel_->setPalette(red);
    editionLabel_->hide();

    okButton_ = new FlatButton(framePanel_);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(283, 193, 81, 33);
    okButton_->setCaption(tr("Ok"));
    okButton_->setBitmap(okPicture());
    okButton_->setButtonLayout(flatbtn::blBitmapLeft);
    okButton_->setDefault(true);
    okButton_->hide();
    connect(okButton_, &FlatButton::clicked, this, &AboutWindow::okButtonClick);

    formCreate();
}

void AboutWindow::formCreate()
{
    editionLabel_->show();
}

void AboutWindow::showOkButton()
{
    okButton_->setVisible(true);
}

void AboutWindow::okButtonClick()
{
    accept();
}

void AboutWindow::showEvent(QShowEvent* event)
{
    centerOnScreen();
    QDialog::showEvent(event);
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutWindow::centerOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

} // namespace klaxora
