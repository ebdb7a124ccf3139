#include "ui/splash_form.h"

#include "controls/bevel_panel.h"
#include "controls/effect_label.h"
#include "controls/flat_button.h"
#include "ui/button_pictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace klaxora {

namespace {

QFont PixelFont(const QString& family, int pixels, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The lettering of the two smaller labels and of the name: black on a grey shadow, in the order a
// stored form gives it (shadow colour, then the scheme, then the font colour).
void SetRaisedLettering(TEffectLabel* label)
{
    label->SetColourShadow(QColor(0x80, 0x80, 0x80));
    label->SetColourScheme(TColourScheme::csText);
    label->SetFontColour(Qt::black);
    label->SetTransparent(true);
}

} // namespace

TSplashform::TSplashform(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(385, 242);
    setFont(PixelFont(QStringLiteral("Arial"), 11, false, false));

    Panel1 = new BevelPanel(this);
    Panel1->setGeometry(rect());
    Panel1->SetSingleBorder(true);
    Panel1->SetBevelInner(TPanelBevel::bvLowered);
    Panel1->SetBorderWidth(5);
    const int inside = Panel1->FrameWidth();

    EffectLabel1 = new TEffectLabel(Panel1);
    EffectLabel1->setObjectName(QStringLiteral("EffectLabel1"));
    EffectLabel1->setGeometry(inside, inside, width() - 2 * inside, 69);
    EffectLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    EffectLabel1->setText(QStringLiteral("Klaxora!"));
    EffectLabel1->setFont(PixelFont(QStringLiteral("Times New Roman"), 64, true, true));
    SetRaisedLettering(EffectLabel1);

    EffectLabel3 = new TEffectLabel(Panel1);
    EffectLabel3->setObjectName(QStringLiteral("EffectLabel3"));
    EffectLabel3->setGeometry(221, 84, 95, 25);
    EffectLabel3->setText(QStringLiteral("for Windows"));
    EffectLabel3->setFont(PixelFont(QStringLiteral("Times New Roman"), 16, true, true));
    SetRaisedLettering(EffectLabel3);

    // Flat lettering: no depth and no highlight direction, so the three layers fall on one another.
    EffectLabel2 = new TEffectLabel(Panel1);
    EffectLabel2->setObjectName(QStringLiteral("EffectLabel2"));
    EffectLabel2->setGeometry(135, 120, 112, 22);
    EffectLabel2->setText(QStringLiteral("Version 1.9a"));
    EffectLabel2->setFont(PixelFont(QStringLiteral("Times New Roman"), 16, true, true));
    EffectLabel2->SetDepthHighlight(0);
    EffectLabel2->SetDepthShadow(0);
    EffectLabel2->SetDirectionHighlight(TEffectDirection::edNone);
    EffectLabel2->SetColourShadow(QColor(0x80, 0x80, 0x80));
    EffectLabel2->SetEffectStyle(TEffectStyle::esCustom);
    EffectLabel2->SetColourScheme(TColourScheme::csText);
    EffectLabel2->SetFontColour(Qt::black);
    EffectLabel2->SetTransparent(true);

    Label32 = new QLabel(QStringLiteral("32-bit version for Windows 95"), Panel1);
    Label32->setObjectName(QStringLiteral("Label32"));
    Label32->setGeometry(106, 141, 163, 14);
    Label32->setFont(PixelFont(QStringLiteral("Arial"), 11, true, false));
    QPalette red = Label32->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label32->setPalette(red);
    Label32->hide();

    Okbutton = new TFlatButton(Panel1);
    Okbutton->setObjectName(QStringLiteral("Okbutton"));
    Okbutton->setGeometry(283, 193, 81, 33);
    Okbutton->setCaption(QStringLiteral("Ok"));
    Okbutton->setBitmap(OkPicture());
    Okbutton->setButtonLayout(flatbtn::blBitmapLeft);
    Okbutton->setDefault(true);
    Okbutton->hide();
    connect(Okbutton, &TFlatButton::clicked, this, &TSplashform::OKbuttonClick);

    FormCreate();
}

void TSplashform::FormCreate()
{
    Label32->show();
}

void TSplashform::OKbuttonClick()
{
    accept();
}

void TSplashform::showEvent(QShowEvent* event)
{
    CenterOnScreen();
    QDialog::showEvent(event);
}

void TSplashform::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TSplashform::CenterOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

} // namespace klaxora
