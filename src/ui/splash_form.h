// The About window: the product's name, platform line and version in raised lettering on a borderless,
// stay-on-top window centred on the screen. Created for each "About" and freed by the caller.
#pragma once

#include <QDialog>

class QLabel;

namespace klaxora {

class BevelPanel;
class TEffectLabel;
class TFlatButton;

class TSplashform : public QDialog {
    Q_OBJECT

public:
    explicit TSplashform(QWidget* parent = nullptr);

    // The controls under their form names.
    BevelPanel* Panel1;
    TEffectLabel* EffectLabel1;
    TEffectLabel* EffectLabel3;
    TEffectLabel* EffectLabel2;
    QLabel* Label32;
    // Hidden until the caller shows it: without it the window cannot be closed by mouse.
    TFlatButton* Okbutton;

protected:
    void showEvent(QShowEvent* event) override;
    // Only Ok and Enter close the window; it has no cancel.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void OKbuttonClick();
    void CenterOnScreen();
};

} // namespace klaxora
