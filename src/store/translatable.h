// Texts a person reads, written in English in the code that has no GUI library and translated where they
// are shown. QT_TRANSLATE_NOOP only marks a text for the translators' tool (lupdate), as Qt's macro of
// that name does; the side with Qt looks the text up under its context.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace klaxora {

// A marked text in the user's language; the English text itself where nothing translates.
using Translate = std::function<std::string(const char* context, const char* text)>;

inline std::string untranslated(const char*, const char* text)
{
    return text;
}

// `text` with %1, %2 ... replaced by the values in order.
std::string fillText(std::string_view text, const std::vector<std::string>& values);

} // namespace klaxora
