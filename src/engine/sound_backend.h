// What the sound player needs of the platform's audio: play one source at a time, report how loading
// it went, and the system beep. Behind an interface so that the player's decisions can be tested.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <utility>

namespace klaxora {

class SoundBackend {
public:
    enum class Status { Loading, Ready, Error };
    using StatusHandler = std::function<void(Status)>;

    virtual ~SoundBackend() = default;

    // False when there is no audio output at all (for example no sound server): then nothing played
    // through this backend can be heard.
    virtual bool hasOutput() const = 0;
    // Stops any sound, then loads the source and plays it once. Only the source started last reports
    // its status, and never from inside this call.
    virtual void play(const QUrl& source) = 0;
    // A copy of the WAV file at `path` that Play can load (16-bit PCM, at most two channels), for a WAV
    // in a format it cannot: a private temporary file that lasts until the next call. Empty when the
    // file cannot be read as a WAV.
    virtual QString convertedWave(const QString& path) = 0;
    virtual void stop() = 0;
    // Gives up on a source that has been loading far too long, and stops it.
    virtual void abandon() = 0;
    virtual void beep() = 0;

    void setStatusHandler(StatusHandler handler) { statusHandler_ = std::move(handler); }

protected:
    void reportStatus(Status status)
    {
        if (statusHandler_) {
            statusHandler_(status);
        }
    }

private:
    StatusHandler statusHandler_;
};

} // namespace klaxora
