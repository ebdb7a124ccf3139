#include "controls/qx_tray_icon_animation.h"

#include "controls/qx_tray_icon.h"

namespace klaxora {

TQXTrayIconAnimation::TQXTrayIconAnimation(TQXTrayIcon95& owner) : owner_(owner)
{
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { Tick(); });
}

void TQXTrayIconAnimation::SetInterval(int milliseconds)
{
    if (milliseconds == interval_) {
        return;
    }
    interval_ = milliseconds;
    if (owner_.State() == TQXTrayIconState::tsAnimated && owner_.Active()) {
        Stop();
        Start();
    }
}

void TQXTrayIconAnimation::SetIcons(const QStringList& icons)
{
    icons_ = icons;
    if (owner_.State() == TQXTrayIconState::tsAnimated && owner_.Active()) {
        frameIndex_ = 0;
    }
}

void TQXTrayIconAnimation::Start()
{
    frameIndex_ = 0;
    Tick();
    // An interval of 0 or less shows the first frame only, as a stopped timer would.
    if (owner_.State() == TQXTrayIconState::tsAnimated && interval_ > 0) {
        frameTimer_.start(interval_);
    }
}

void TQXTrayIconAnimation::Stop()
{
    frameTimer_.stop();
}

void TQXTrayIconAnimation::Tick()
{
    owner_.Animated();
    owner_.UpdateIcon();
    frameIndex_ = frameIndex_ < icons_.size() - 1 ? frameIndex_ + 1 : 0;
}

void TQXTrayIconAnimation::LoadCurrentFrame(QIcon& icon) const
{
    if (frameIndex_ >= icons_.size()) {
        return;
    }
    const QString& name = icons_[frameIndex_];
    if (options_ == TQXTrayIconAnimationOptions::aoIconsInExe) {
        icon = QIcon(ResourcePath(name));
        return;
    }
    // An unreadable frame must not blank the icon or stop the animation: the old picture stays.
    QIcon frame(name);
    if (!frame.isNull()) {
        icon = frame;
    }
}

QString TQXTrayIconAnimation::ResourcePath(const QString& name)
{
    return QStringLiteral(":/icons/") + name;
}

} // namespace klaxora
