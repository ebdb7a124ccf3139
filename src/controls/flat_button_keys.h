// Hands a window's keys to its flat buttons, which never have the keyboard focus themselves.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace klaxora {

// Watches the keys that reach a window after its focused widget has passed them on: Enter goes
// to a Default button, Escape to a Cancel button, and a typed character to the button whose
// caption has it as accelerator (Alt with the accelerator is taken by the button's own shortcut).
// The router lives as a child of the window. FlatButton installs it when shown.
class FlatButtonKeys : public QObject {
    Q_OBJECT

public:
    // Installs the router on `form` unless it has one.
    static void install(QWidget* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FlatButtonKeys(QWidget* form);
    bool route(const QKeyEvent& key);

    QWidget* form_;
};

} // namespace klaxora
