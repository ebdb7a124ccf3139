// The notification-area service seen by the tray icon component: one routine for add, modify and
// delete, fed with the record that the component keeps between calls. The real service is
// QtTrayShell; tests put a recorder in its place.
#pragma once

#include <QIcon>
#include <QString>

namespace klaxora {

class TrayIconMessageWindow;

enum class TrayShellMessage { NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2 };

// The mouse messages the shell reports for the icon, as the message window understands them.
enum class TrayMouseMessage {
    WM_MOUSEMOVE,
    WM_LBUTTONDOWN,
    WM_LBUTTONUP,
    WM_LBUTTONDBLCLK,
    WM_RBUTTONDOWN,
    WM_RBUTTONUP,
    WM_RBUTTONDBLCLK
};

constexpr unsigned NIF_MESSAGE = 1;
constexpr unsigned NIF_ICON = 2;
constexpr unsigned NIF_TIP = 4;
constexpr unsigned TrayIconId = 42;
constexpr unsigned TrayCallbackMessage = 1124; // WM_USER + 100
constexpr qsizetype TrayTipCapacity = 63;      // characters

struct TrayNotifyIconData {
    TrayIconMessageWindow* hWnd = nullptr; // receives the mouse messages of the icon
    unsigned uID = TrayIconId;
    unsigned uFlags = 0;
    unsigned uCallbackMessage = TrayCallbackMessage;
    QIcon hIcon;
    QString szTip;
};

class TrayShell {
public:
    virtual ~TrayShell() = default;
    // The result is not reported: a failed add or modify leaves the component as it is.
    virtual void shellNotifyIcon(TrayShellMessage message, const TrayNotifyIconData& data) = 0;
};

} // namespace klaxora
