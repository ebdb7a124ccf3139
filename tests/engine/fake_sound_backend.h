// A sound backend that plays nothing: it writes down what it is asked to do and answers each source with
// the status chosen for it, later from the event loop, as QSoundEffect does.
#pragma once

#include "engine/sound_backend.h"

#include <QString>
#include <QTimer>
#include <QUrl>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace klaxora::test {

class FakeSoundBackend final : public SoundBackend {
public:
    struct Shared {
        bool hasOutput = true;
        // Status reported for a source; Ready when not listed, nothing at all for std::nullopt.
        std::map<QString, std::optional<Status>> outcome;
        // The converted copy of a file; none (a file that cannot be read) when not listed.
        std::map<QString, QString> conversions;
        // "play <url>", "convert <path>", "stop", "abandon", "beep", in order; outlives the backend.
        std::vector<std::string> log;
    };

    explicit FakeSoundBackend(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

    bool hasOutput() const override { return shared_->hasOutput; }
    void play(const QUrl& source) override
    {
        stop();
        shared_->log.push_back("play " + source.toString().toStdString());
        const auto chosen = shared_->outcome.find(source.toString());
        const std::optional<Status> status =
            chosen == shared_->outcome.end() ? std::optional<Status>(Status::Ready) : chosen->second;
        if (status) {
            const int generation = ++generation_;
            QTimer::singleShot(0, [this, generation, status, alive = std::weak_ptr<int>(alive_)] {
                if (!alive.expired() && generation == generation_) {
                    reportStatus(*status);
                }
            });
        }
    }
    QString convertedWave(const QString& path) override
    {
        shared_->log.push_back("convert " + path.toStdString());
        const auto found = shared_->conversions.find(path);
        return found == shared_->conversions.end() ? QString() : found->second;
    }
    void stop() override
    {
        ++generation_; // a source that is stopped reports nothing more
        shared_->log.push_back("stop");
    }
    void abandon() override
    {
        ++generation_;
        shared_->log.push_back("abandon");
    }
    void beep() override { shared_->log.push_back("beep"); }

private:
    std::shared_ptr<Shared> shared_;
    int generation_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace klaxora::test
