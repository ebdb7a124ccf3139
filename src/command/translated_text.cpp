#include "command/translated_text.h"

#include "store/user_error.h"

#include <QCoreApplication>

namespace klaxora {

std::string translatedText(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

std::string translatedError(const std::exception& error)
{
    return userTextOf(error).in(translatedText);
}

} // namespace klaxora
