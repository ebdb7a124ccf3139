// The sound module's entry point, the one symbol it exports (see embedded_sound_backend.h).
#include "engine/qt_sound_backend.h"

extern "C" __attribute__((visibility("default"))) klaxora::SoundBackend* KlaxoraCreateSoundBackend()
{
    return new klaxora::QtSoundBackend();
}
