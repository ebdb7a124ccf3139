// Event handlers of the windows run through Guarded: an error they raise ends the handler and is shown in
// the application's standard error box, and the program goes on. The error is caught here, before it could
// unwind through the toolkit's signal and event code, which is not built for exceptions.
#pragma once

#include "command/translated_text.h"
#include "ui/message_boxes.h"

#include <QString>

#include <exception>
#include <utility>

namespace klaxora {

template <typename Handler>
auto guarded(Handler handler)
{
    return [handler = std::move(handler)]() {
        try {
            handler();
        } catch (const std::exception& error) {
            showErrorBox(QString::fromStdString(translatedError(error)));
        }
    };
}

} // namespace klaxora
