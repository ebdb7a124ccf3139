#include "controls/accelerator_text.h"

namespace klaxora {

AcceleratorText parseAcceleratorText(const QString& caption)
{
    AcceleratorText result;
    result.plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        const bool prefix = c == u'&' && i + 1 < caption.size();
        if (!prefix) {
            result.plain.append(c);
        } else if (caption.at(i + 1) == u'&') {
            result.plain.append(u'&');
            ++i;
        } else {
            result.underlined.append(int(result.plain.size()));
        }
    }
    return result;
}

std::optional<QChar> acceleratorOf(const QString& caption)
{
    const qsizetype amp = caption.indexOf(u'&');
    if (amp < 0 || amp + 1 >= caption.size())
        return std::nullopt;
    return caption.at(amp + 1);
}

bool isAccelerator(QChar typed, const QString& caption)
{
    const std::optional<QChar> key = acceleratorOf(caption);
    return key && key->toCaseFolded() == typed.toCaseFolded();
}

} // namespace klaxora
