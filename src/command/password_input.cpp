#include "command/password_input.h"

#include <QCoreApplication>

#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace klaxora {

namespace {

// Echo off while the password is typed, on again however the reading ends.
class HiddenTyping {
public:
    HiddenTyping() : terminal_(isatty(STDIN_FILENO) == 1 && tcgetattr(STDIN_FILENO, &saved_) == 0)
    {
        if (!terminal_)
            return;
        std::fputs(
            QCoreApplication::translate("CommandLine", "Calendar password: ").toLocal8Bit().constData(),
            stderr);
        termios hidden = saved_;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    }
    ~HiddenTyping()
    {
        if (!terminal_)
            return;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
        // The Enter typed was not echoed.
        std::fputc('\n', stderr);
    }
    HiddenTyping(const HiddenTyping&) = delete;
    HiddenTyping& operator=(const HiddenTyping&) = delete;

private:
    termios saved_{};
    const bool terminal_;
};

} // namespace

std::optional<std::string> readPasswordLine()
{
    const HiddenTyping hidden;
    std::string line;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
        line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.empty())
        return std::nullopt;
    return line;
}

} // namespace klaxora
