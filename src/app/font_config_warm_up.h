// Reads the desktop's font configuration on a thread of its own while the toolkit starts. Qt reads it
// through fontconfig the first time the program measures a text, which the main window does before it
// can show; the reading (its XML files and caches) takes about as long as building the whole window.
#pragma once

#include <thread>

namespace klaxora {

class FontConfigWarmUp {
public:
    // Starts the reading; does nothing where Qt does not use fontconfig.
    FontConfigWarmUp();
    // Waits for the reading to end.
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits for the reading to end, so that no text is measured while the configuration is being read
    // twice.
    void Wait();

private:
    std::thread thread_;
};

} // namespace klaxora
