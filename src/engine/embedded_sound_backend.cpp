#include "engine/embedded_sound_backend.h"

#include <QApplication>

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

// The module's file, placed in the program by the build (sound_module_image.cpp.in).
extern "C" const unsigned char klaxora_sound_module_begin[];
extern "C" const unsigned char klaxora_sound_module_end[];

namespace klaxora {

namespace {

std::unique_ptr<SoundBackend> NoModule(const std::string& why)
{
    // Without the module every alarm only beeps; say why once.
    std::fprintf(stderr, "Klaxora!: no sound output, the sound module cannot be loaded: %s\n", why.c_str());
    return nullptr;
}

// The module goes to the dynamic loader as an anonymous file in memory, so the program stays one file
// that can be copied anywhere.
std::unique_ptr<SoundBackend> LoadModule()
{
    const int file = memfd_create("klaxora-sound", MFD_CLOEXEC);
    if (file < 0) {
        return NoModule(std::string("memfd_create: ") + std::strerror(errno));
    }
    const unsigned char* data = klaxora_sound_module_begin;
    while (data < klaxora_sound_module_end) {
        const ssize_t written = write(file, data, static_cast<size_t>(klaxora_sound_module_end - data));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            const int error = errno;
            close(file);
            return NoModule(std::string("write: ") + std::strerror(error));
        }
        data += written;
    }
    void* module = dlopen(("/proc/self/fd/" + std::to_string(file)).c_str(), RTLD_NOW | RTLD_LOCAL);
    close(file); // the loader keeps its own mapping
    if (module == nullptr) {
        return NoModule(dlerror());
    }
    using Create = SoundBackend* (*)();
    const auto create = reinterpret_cast<Create>(dlsym(module, "KlaxoraCreateSoundBackend"));
    if (create == nullptr) {
        return NoModule(dlerror());
    }
    // The module stays loaded to the end of the process, as linked libraries do.
    return std::unique_ptr<SoundBackend>(create());
}

} // namespace

SoundBackend* EmbeddedSoundBackend::Backend() const
{
    if (!tried_) {
        tried_ = true;
        backend_ = LoadModule();
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
