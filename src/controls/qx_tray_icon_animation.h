// The frames and timing of an animated tray icon, and the timer that steps through them.
#pragma once

#include <QIcon>
#include <QStringList>
#include <QTimer>

namespace klaxora {

class TQXTrayIcon95;

// Where the frame names point: the program's own resources (":/icons/<name>") or files.
enum class TQXTrayIconAnimationOptions { aoIconsInExe, aoIconsAreFiles };

class TQXTrayIconAnimation {
public:
    explicit TQXTrayIconAnimation(TQXTrayIcon95& owner);
    TQXTrayIconAnimation(const TQXTrayIconAnimation&) = delete;
    TQXTrayIconAnimation& operator=(const TQXTrayIconAnimation&) = delete;

    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    const QStringList& Icons() const { return icons_; }
    void SetIcons(const QStringList& icons);
    TQXTrayIconAnimationOptions Options() const { return options_; }
    void SetOptions(TQXTrayIconAnimationOptions options) { options_ = options; }

    // Shows frame 0 at once, then one frame per Interval while the owner's state is animated.
    void Start();
    void Stop();
    // One step: OnAnimation, show the frame at the current index, advance (wrapping to 0).
    void Tick();

    bool Running() const { return frameTimer_.isActive(); }
    int FrameIndex() const { return frameIndex_; }
    // Puts the current frame into Icon. A frame file that cannot be read leaves Icon as it was; a
    // missing resource gives an empty icon. An index past the list changes nothing.
    void LoadCurrentFrame(QIcon& icon) const;

private:
    static QString ResourcePath(const QString& name);

    TQXTrayIcon95& owner_;
    int interval_ = 1000;
    QStringList icons_;
    TQXTrayIconAnimationOptions options_ = TQXTrayIconAnimationOptions::aoIconsAreFiles;
    QTimer frameTimer_;
    int frameIndex_ = 0;
};

} // namespace klaxora
