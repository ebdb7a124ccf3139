// Answering the message box that the code under test opens next, and what that box showed.
#pragma once

#include "support/modal_answer.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <memory>

namespace klaxora::test {

struct SeenMessageBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// The message box that opens next is answered with `press`; what it showed is filled in once it was seen.
inline std::shared_ptr<SeenMessageBox>
answerNextMessageBox(QMessageBox::StandardButton press = QMessageBox::Ok)
{
    auto seen = std::make_shared<SeenMessageBox>();
    answerNextModal([seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            seen->text = QStringLiteral("<not a message box: %1>").arg(modal->metaObject()->className());
            modal->close();
            return;
        }
        *seen = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())};
        box->button(press)->click();
    });
    return seen;
}

} // namespace klaxora::test
