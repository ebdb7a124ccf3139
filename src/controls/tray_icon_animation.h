// The frames and timing of an animated tray icon, and the timer that steps through them.
#pragma once

#include <QIcon>
#include <QStringList>
#include <QTimer>

namespace klaxora {

class TrayIcon;

// Where the frame names point: the program's own resources (":/icons/<name>") or files.
enum class TrayIconAnimationOptions { aoIconsInExe, aoIconsAreFiles };

class TrayIconAnimation {
public:
    explicit TrayIconAnimation(TrayIcon& owner);
    TrayIconAnimation(const TrayIconAnimation&) = delete;
    TrayIconAnimation& operator=(const TrayIconAnimation&) = delete;

    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    const QStringList& icons() const { return icons_; }
    void setIcons(const QStringList& icons);
    TrayIconAnimationOptions options() const { return options_; }
    void setOptions(TrayIconAnimationOptions options) { options_ = options; }

    // Shows frame 0 at once, then one frame per Interval while the owner's state is animated.
    void start();
    void stop();
    // One step: OnAnimation, show the frame at the current index, advance (wrapping to 0).
    void tick();

    bool running() const { return frameTimer_.isActive(); }
    int frameIndex() const { return frameIndex_; }
    // Puts the current frame into Icon. A frame file that cannot be read leaves Icon as it was; a
    // missing resource gives an empty icon. An index past the list changes nothing.
    void loadCurrentFrame(QIcon& icon) const;

private:
    static QString resourcePath(const QString& name);

    TrayIcon& owner_;
    int interval_ = 1000;
    QStringList icons_;
    TrayIconAnimationOptions options_ = TrayIconAnimationOptions::aoIconsAreFiles;
    QTimer frameTimer_;
    int frameIndex_ = 0;
};

} // namespace klaxora
