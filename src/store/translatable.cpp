#include "store/translatable.h"

namespace klaxora {

std::string fillText(std::string_view text, const std::vector<std::string>& values)
{
    std::string filled;
    filled.reserve(text.size() + 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number =
            i + 1 < text.size() && text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9'
                ? static_cast<std::size_t>(text[i + 1] - '1')
                : values.size();
        if (number < values.size()) {
            filled += values[number];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace klaxora
