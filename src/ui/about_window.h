// The About window: the product's name, platform line and version in raised lettering on a borderless,
// stay-on-top window centred on the screen. Created for each "About" and freed by the caller.
#pragma once

#include <QDialog>

class QLabel;

namespace klaxora {

class BevelPanel;
class EffectLabel;
class FlatButton;

class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Ok is hidden until the caller shows it: without it the window cannot be closed by mouse.
    void showOkButton();

protected:
    void showEvent(QShowEvent* event) override;
    // Only Ok and Enter close the window; it has no cancel.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void formCreate();
    void okButtonClick();
    void centerOnScreen();

    // The window's parts; each has an objectName of its own member name without the underscore.
    BevelPanel* framePanel_;
    EffectLabel* nameLabel_;
    EffectLabel* platformLabel_;
    EffectLabel* versionLabel_;
    QLabel* editionLabel_;
    FlatButton* okButton_;
};

} // namespace klaxora
