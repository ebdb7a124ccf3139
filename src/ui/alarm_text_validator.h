// Keeps the alarm message and the sound path to what the alarm file can hold: no "^" (the file's field
// separator), no control characters (line ends and Ctrl-Z would end the line or the file), and no more
// characters than the record keeps. A keystroke or paste that would break this is refused whole, so
// nothing the user enters is changed or cut later without notice.
#pragma once

#include <QValidator>

#include <cstddef>

namespace klaxora {

class AlarmTextValidator : public QValidator {
    Q_OBJECT

public:
    AlarmTextValidator(std::size_t capacity, QObject* parent);

    State validate(QString& input, int& pos) const override;

    // True when the alarm file can hold `text` in a field of `capacity` characters.
    static bool Fits(const QString& text, std::size_t capacity);

private:
    std::size_t capacity_;
};

} // namespace klaxora
