// Capacities of the controls count characters, not UTF-16 units: a cut never splits a surrogate pair.
#pragma once

#include <QString>

namespace klaxora {

// The first Count characters of Text (all of it when it is shorter).
inline QString leadingCharacters(const QString& text, qsizetype count)
{
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count && end < text.size(); ++taken) {
        const bool pair =
            text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

} // namespace klaxora
