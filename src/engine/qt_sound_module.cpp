// The sound module's entry point, the one symbol it exports (see embedded_sound_backend.h).
#include "engine/qt_sound_backend.h"

// `convertedFolder`: UTF-8, where converted copies of WAV files go.
extern "C" __attribute__((visibility("default"))) klaxora::SoundBackend*
KlaxoraCreateSoundBackend(const char* convertedFolder)
{
    return new klaxora::QtSoundBackend(QString::fromUtf8(convertedFolder));
}
