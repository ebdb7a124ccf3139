// Lets a test answer the next modal window (message box or dialog) that the code under test opens.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace klaxora::test {

// Polls until a modal window is up, then hands it to `answer`, which must close it.
inline void answerNextModal(std::function<void(QWidget*)> answer, int pollMs = 5)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer = std::move(answer), poll, pollMs]() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
            *poll = nullptr; // break the self-reference
            return;
        }
        QTimer::singleShot(pollMs, [poll]() {
            if (*poll) {
                (*poll)();
            }
        });
    };
    QTimer::singleShot(0, [poll]() { (*poll)(); });
}

} // namespace klaxora::test
