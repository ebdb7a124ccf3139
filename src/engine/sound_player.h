// Plays alarm sounds the way the program promises: asynchronously, one at a time (a new sound replaces
// one still playing), and never in silence when something was asked for: a name that is empty or cannot
// be played gives the program's own default alarm sound, and if even that cannot play, the system beep.
#pragma once

#include "engine/sound_backend.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>
#include <string>

namespace klaxora {

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    // A file that neither plays nor fails within loadTimeout (and as much again for each megabyte) counts
    // as unplayable and is abandoned. Files known to hang the backend are not even tried, so this is
    // only a safety net.
    explicit SoundPlayer(std::unique_ptr<SoundBackend> backend,
                         std::chrono::milliseconds loadTimeout = std::chrono::milliseconds(1500));
    // A sound still playing stops with its owner.
    ~SoundPlayer() override;

    // Returns at once; the sound plays once, to its end, unless another one replaces it. The name is
    // used in full, whatever its length.
    void play(const std::string& fileName);
    void stop();

    // The program's own alarm sound, shipped inside the program.
    static QUrl defaultSoundUrl();

private:
    enum class Attempt { None, File, DefaultSound };

    void start(Attempt attempt, const QUrl& source);
    void onStatus(SoundBackend::Status status);
    void fallBack();

    std::unique_ptr<SoundBackend> backend_;
    // For a file of less than a megabyte.
    std::chrono::milliseconds loadTimeout_;
    QTimer loadTimer_;
    Attempt attempt_ = Attempt::None;
};

} // namespace klaxora
