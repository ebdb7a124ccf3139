// Keeps the alarm message and the sound path to what the alarm file can hold: no "^" (the file's field
// separator), no control characters (line ends and Ctrl-Z would end the line or the file), and no more
// characters than the record keeps. A keystroke or paste with a refused character is refused whole; one
// that would run past the capacity keeps what fits and beeps, like an edit box with a maximum length.
#pragma once

#include <QValidator>

#include <cstddef>
#include <functional>

namespace klaxora {

class AlarmTextValidator : public QValidator {
    Q_OBJECT

public:
    // `beep` sounds when typed or pasted characters are cut at the capacity (the desktop's beep unless
    // given).
    AlarmTextValidator(std::size_t capacity, QObject* parent, std::function<void()> beep = {});

    State validate(QString& input, int& pos) const override;

    // True when the alarm file can hold `text` in a field of `capacity` characters.
    static bool fits(const QString& text, std::size_t capacity);

private:
    std::size_t capacity_;
    std::function<void()> beep_;
};

} // namespace klaxora
