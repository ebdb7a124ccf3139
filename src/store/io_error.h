// Input/output failures of the two files, with the program's error texts.
#pragma once

#include <stdexcept>
#include <string>

namespace klaxora {

// The text for a system error code: "File not found", "File access denied", "Disk full", ...,
// or "I/O error %d" for codes without a text of their own.
std::string inOutErrorText(int errorCode);

class InOutError : public std::runtime_error {
public:
    explicit InOutError(int errorCode) : std::runtime_error(inOutErrorText(errorCode)), errorCode_(errorCode)
    {
    }
    int errorCode() const { return errorCode_; }

private:
    int errorCode_;
};

} // namespace klaxora
