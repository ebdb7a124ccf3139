#include "engine/embedded_sound_backend.h"

#include "app/embedded_module.h"

#include <QApplication>

#include <cstdio>
#include <string>

// The module's file, placed in the program by the build (cmake/EmbeddedModule.cmake).
extern "C" const unsigned char klaxora_sound_module_begin[];
extern "C" const unsigned char klaxora_sound_module_end[];

namespace klaxora {

namespace {

std::unique_ptr<SoundBackend> LoadModule(const QString& convertedFolder)
{
    std::string error;
    void* entry = LoadEmbeddedModule("klaxora-sound", klaxora_sound_module_begin, klaxora_sound_module_end,
                                     "KlaxoraCreateSoundBackend", error);
    if (entry == nullptr) {
        // Without the module every alarm only beeps; say why once.
        std::fprintf(stderr, "Klaxora!: no sound output, the sound module cannot be loaded: %s\n",
                     error.c_str());
        return nullptr;
    }
    using Create = SoundBackend* (*)(const char*);
    return std::unique_ptr<SoundBackend>(
        reinterpret_cast<Create>(entry)(convertedFolder.toUtf8().constData()));
}

} // namespace

SoundBackend* EmbeddedSoundBackend::Backend() const
{
    if (!tried_) {
        tried_ = true;
        backend_ = LoadModule(convertedFolder_);
        if (backend_) {
            // The module's reports go out as this backend's own; loading is the only change made under
            // a const call.
            auto* self = const_cast<EmbeddedSoundBackend*>(this);
            backend_->SetStatusHandler([self](Status status) { self->ReportStatus(status); });
        }
    }
    return backend_.get();
}

bool EmbeddedSoundBackend::HasOutput() const
{
    const SoundBackend* backend = Backend();
    return backend != nullptr && backend->HasOutput();
}

void EmbeddedSoundBackend::Play(const QUrl& source)
{
    if (SoundBackend* backend = Backend()) {
        backend->Play(source);
    }
}

QString EmbeddedSoundBackend::ConvertedWave(const QString& path)
{
    SoundBackend* backend = Backend();
    return backend != nullptr ? backend->ConvertedWave(path) : QString();
}

void EmbeddedSoundBackend::Stop()
{
    if (backend_) {
        backend_->Stop();
    }
}

void EmbeddedSoundBackend::Abandon()
{
    if (backend_) {
        backend_->Abandon();
    }
}

void EmbeddedSoundBackend::Beep()
{
    QApplication::beep();
}

} // namespace klaxora
