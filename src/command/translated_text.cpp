#include "command/translated_text.h"

#include <QCoreApplication>

namespace klaxora {

std::string translatedText(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

} // namespace klaxora
