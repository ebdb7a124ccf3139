// Errors a person reads. The code without a GUI library builds them in English; each keeps its marked
// source text and the values that fill it, so that the side that shows it can put it into the user's
// language.
#pragma once

#include "store/translatable.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace klaxora {

struct UserText {
    const char* context = nullptr; // null: `text` is shown as it is, in no language of ours
    std::string text;              // with %1, %2 ... for the values
    std::vector<UserText> values;

    // The text with its values, each translated first.
    std::string in(const Translate& translate) const;
};

class UserError : public std::runtime_error {
public:
    explicit UserError(UserText text);
    const UserText& userText() const { return text_; }

private:
    UserText text_;
};

// The error as its user text; one of no UserError gives its what() as it is.
UserText userTextOf(const std::exception& error);

} // namespace klaxora
