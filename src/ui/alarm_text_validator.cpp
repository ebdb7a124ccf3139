#include "ui/alarm_text_validator.h"

#include <QStringView>

namespace klaxora {

AlarmTextValidator::AlarmTextValidator(std::size_t capacity, QObject* parent)
    : QValidator(parent), capacity_(capacity)
{
}

QValidator::State AlarmTextValidator::validate(QString& input, int& /*pos*/) const
{
    return Fits(input, capacity_) ? Acceptable : Invalid;
}

bool AlarmTextValidator::Fits(const QString& text, std::size_t capacity)
{
    // A lone surrogate would not survive the conversion to UTF-8.
    if (!QStringView(text).isValidUtf16())
        return false;
    std::size_t characters = 0;
    for (const char32_t c : text.toUcs4()) {
        if (c == U'^' || QChar::category(c) == QChar::Other_Control)
            return false;
        ++characters;
    }
    return characters <= capacity;
}

} // namespace klaxora
