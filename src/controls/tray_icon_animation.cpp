#include "controls/tray_icon_animation.h"

#include "controls/tray_icon.h"

#include <QImageReader>

namespace klaxora {

TrayIconAnimation::TrayIconAnimation(TrayIcon& owner) : owner_(owner)
{
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { tick(); });
}

void TrayIconAnimation::setInterval(int milliseconds)
{
    if (milliseconds == interval_) {
        return;
    }
    interval_ = milliseconds;
    if (owner_.state() == TrayIconState::tsAnimated && owner_.active()) {
        stop();
        start();
    }
}

void TrayIconAnimation::setIcons(const QStringList& icons)
{
    icons_ = icons;
    if (owner_.state() == TrayIconState::tsAnimated && owner_.active()) {
        frameIndex_ = 0;
    }
}

void TrayIconAnimation::start()
{
    frameIndex_ = 0;
    tick();
    // An interval of 0 or less shows the first frame only, as a stopped timer would.
    if (owner_.state() == TrayIconState::tsAnimated && interval_ > 0) {
        frameTimer_.start(interval_);
    }
}

void TrayIconAnimation::stop()
{
    frameTimer_.stop();
}

void TrayIconAnimation::tick()
{
    owner_.animated();
    owner_.updateIcon();
    frameIndex_ = frameIndex_ < icons_.size() - 1 ? frameIndex_ + 1 : 0;
}

void TrayIconAnimation::loadCurrentFrame(QIcon& icon) const
{
    if (frameIndex_ >= icons_.size()) {
        return;
    }
    const bool inProgram = options_ == TrayIconAnimationOptions::aoIconsInExe;
    const QString path = inProgram ? resourcePath(icons_[frameIndex_]) : icons_[frameIndex_];
    // QIcon reads lazily and cannot tell an unreadable picture from a good one, so read it once here.
    if (!QImageReader(path).read().isNull()) {
        icon = QIcon(path);
    } else if (inProgram) {
        icon = QIcon();
    }
    // An unreadable file must not blank the icon or stop the animation: the old picture stays.
}

QString TrayIconAnimation::resourcePath(const QString& name)
{
    return QStringLiteral(":/icons/") + name;
}

} // namespace klaxora
