// A notification area that records every call, and can click the icon the way the shell does.
#pragma once

#include "controls/tray_icon_message_window.h"
#include "controls/tray_shell.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>

#include <ostream>
#include <string>
#include <vector>

namespace klaxora {

struct RecordedTrayCall {
    TrayShellMessage message;
    TrayNotifyIconData data;
};

// The calls go to a list of the test's, which outlives the component and its shell.
class FakeTrayShell : public TrayShell {
public:
    explicit FakeTrayShell(std::vector<RecordedTrayCall>& calls) : calls_(calls) {}

    void shellNotifyIcon(TrayShellMessage message, const TrayNotifyIconData& data) override
    {
        calls_.push_back({message, data});
    }

    // Sends a mouse message to the window and callback number of the last record.
    void deliver(TrayMouseMessage mouseMessage) const
    {
        const TrayNotifyIconData& data = calls_.back().data;
        data.hWnd->trayCallback(data.uCallbackMessage, mouseMessage);
    }

private:
    std::vector<RecordedTrayCall>& calls_;
};

inline QIcon solidIcon(const QColor& colour)
{
    QPixmap picture(16, 16);
    picture.fill(colour);
    return QIcon(picture);
}

// The colour of a solid icon; invalid for an empty one.
inline QColor iconColour(const QIcon& icon)
{
    const QImage picture = icon.pixmap(16, 16).toImage();
    return picture.isNull() ? QColor() : picture.pixelColor(8, 8);
}

} // namespace klaxora

// Readable colours in test failures.
inline void printTo(const QColor& colour, std::ostream* out)
{
    *out << (colour.isValid() ? colour.name(QColor::HexArgb).toStdString() : std::string("(none)"));
}
