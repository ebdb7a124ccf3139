// Captions with '&' accelerator marks: the text shown, the marked characters and the accelerator key.
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace klaxora {

struct AcceleratorText {
    QString plain;         // "&&" gives one '&'; "&x" gives x; a final '&' stays
    QList<int> underlined; // positions in `plain` of the characters that followed a single '&'
};

AcceleratorText parseAcceleratorText(const QString& caption);

// The caption without accelerator prefixes, as it goes into a hint.
inline QString withoutAcceleratorPrefixes(const QString& caption)
{
    return parseAcceleratorText(caption).plain;
}

// The character after the first '&', if there is one.
std::optional<QChar> acceleratorOf(const QString& caption);

// Whether a typed character selects a caption, without regard to case.
bool isAccelerator(QChar typed, const QString& caption);

} // namespace klaxora
