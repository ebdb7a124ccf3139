// The Qt side of the texts that the code without a GUI library marks for translation: looked up in the
// translations the program installed (English when there are none).
#pragma once

#include <exception>
#include <string>

namespace klaxora {

std::string translatedText(const char* context, const char* text);
// The error's text in the user's language where it is one of ours, its what() otherwise.
std::string translatedError(const std::exception& error);

} // namespace klaxora
