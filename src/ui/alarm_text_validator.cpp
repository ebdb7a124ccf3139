#include "ui/alarm_text_validator.h"

#include <QApplication>
#include <QStringView>

#include <optional>

namespace klaxora {

namespace {

// The number of characters of `text`, or nothing when the alarm file cannot hold one of them.
std::optional<std::size_t> storableLength(const QString& text)
{
    // A lone surrogate would not survive the conversion to UTF-8.
    if (!QStringView(text).isValidUtf16())
        return std::nullopt;
    std::size_t characters = 0;
    for (const char32_t c : text.toUcs4()) {
        if (c == U'^' || QChar::category(c) == QChar::Other_Control)
            return std::nullopt;
        ++characters;
    }
    return characters;
}

} // namespace

AlarmTextValidator::AlarmTextValidator(std::size_t capacity, QObject* parent, std::function<void()> beep)
    : QValidator(parent), capacity_(capacity), beep_(beep ? std::move(beep) : [] { QApplication::beep(); })
{
}

QValidator::State AlarmTextValidator::validate(QString& input, int& pos) const
{
    const std::optional<std::size_t> length = storableLength(input);
    if (!length)
        return Invalid;
    if (*length <= capacity_)
        return Acceptable;
    // What was just typed or pasted ends at the cursor: its last characters go, its first ones stay.
    std::size_t excess = *length - capacity_;
    int cut = pos;
    while (excess > 0 && cut > 0) {
        const bool pair = cut >= 2 && input[cut - 1].isLowSurrogate() && input[cut - 2].isHighSurrogate();
        cut -= pair ? 2 : 1;
        --excess;
    }
    if (excess > 0)
        return Invalid;
    input.remove(cut, pos - cut);
    pos = cut;
    beep_();
    return Acceptable;
}

bool AlarmTextValidator::fits(const QString& text, std::size_t capacity)
{
    const std::optional<std::size_t> length = storableLength(text);
    return length && *length <= capacity;
}

} // namespace klaxora
