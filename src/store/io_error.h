// Input/output failures of the two files, with the program's error texts.
#pragma once

#include "store/user_error.h"

namespace klaxora {

// The text for a system error code: "File not found", "File access denied", "Disk full", ...,
// or "I/O error %1" for codes without a text of their own.
UserText inOutErrorText(int errorCode);

class InOutError : public UserError {
public:
    explicit InOutError(int errorCode) : UserError(inOutErrorText(errorCode)), errorCode_(errorCode) {}
    int errorCode() const { return errorCode_; }

private:
    int errorCode_;
};

} // namespace klaxora
