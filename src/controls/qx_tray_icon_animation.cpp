#include "controls/qx_tray_icon_animation.h"

#include "controls/qx_tray_icon.h"

#include <QImageReader>

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
    const bool inProgram = options_ == TQXTrayIconAnimationOptions::aoIconsInExe;
    const QString path = inProgram ? ResourcePath(icons_[frameIndex_]) : icons_[frameIndex_];
    // QIcon reads lazily and cannot tell an unreadable picture from a good one, so read it once here.
    if (!QImageReader(path).read().isNull()) {
        icon = QIcon(path);
    } else if (inProgram) {
        icon = QIcon();
    }
    // An unreadable file must not blank the icon or stop the animation: the old picture stays.
}

QString TQXTrayIconAnimation::ResourcePath(const QString& name)
{
    return QStringLiteral(":/icons/") + name;
}

} // namespace klaxora
