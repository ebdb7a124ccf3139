#include "store/user_error.h"

namespace klaxora {

std::string UserText::in(const Translate& translate) const
{
    const std::string own = context != nullptr ? translate(context, text.c_str()) : text;
    if (values.empty())
        return own;
    std::vector<std::string> filledValues;
    filledValues.reserve(values.size());
    for (const UserText& value : values) {
        filledValues.push_back(value.in(translate));
    }
    return fillText(own, filledValues);
}

UserError::UserError(UserText text) : std::runtime_error(text.in(untranslated)), text_(std::move(text)) {}

UserText userTextOf(const std::exception& error)
{
    if (const auto* userError = dynamic_cast<const UserError*>(&error))
        return userError->userText();
    return {nullptr, error.what(), {}};
}

} // namespace klaxora
