// The Qt side of the texts that the code without a GUI library marks for translation: looked up in the
// translations the program installed (English when there are none).
#pragma once

#include <string>

namespace klaxora {

std::string translatedText(const char* context, const char* text);

} // namespace klaxora
