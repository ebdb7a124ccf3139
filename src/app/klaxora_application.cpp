#include "app/klaxora_application.h"

#include "command/translated_text.h"
#include "ui/message_boxes.h"

#include <exception>

namespace klaxora {

KlaxoraApplication::KlaxoraApplication(int& argc, char** argv)
    : QApplication(argc, argv), presenter_([](const QString& text) { showErrorBox(text); })
{
    // Window captions are set by each window; the display name would be appended to them on X11.
    setApplicationName(QStringLiteral("Klaxora!"));
}

bool KlaxoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        presenter_(QString::fromStdString(translatedError(error)));
    } catch (...) {
        presenter_(QCoreApplication::translate("KlaxoraApplication", "Unknown error"));
    }
    return false;
}

} // namespace klaxora
