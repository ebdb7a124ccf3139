// A notice of a due alarm on the desktop, beside the notification window: a desktop (or compositor) may
// not keep that window above the others, and the notice is what the user then sees. It only points at
// the window; the answer is given there, never twice.
#pragma once

#include <QString>

#include <functional>

namespace klaxora {

class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    // Puts up the notice for an alarm's message. A desktop without a notice service shows nothing, and
    // that is no error.
    virtual void show(const QString& message) = 0;
    // Takes the notice down: the alarm was answered in the window.
    virtual void withdraw() = 0;
    // Called when the user picks the notice itself (its default action).
    virtual void setOnPicked(std::function<void()> onPicked) = 0;
};

} // namespace klaxora
