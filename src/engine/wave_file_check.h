// How a file may be played: a whole RIFF WAVE file with 8- or 16-bit PCM in one or two channels goes to
// the sound backend as it is; a whole WAV in another format (24 or 32 bits, floating point,
// WAVE_FORMAT_EXTENSIBLE, more channels) is converted first, since QSoundEffect ends in an error on it.
// Anything else (missing, empty, cut off, not a WAV) is better not handed to QSoundEffect at all: it keeps
// it loading forever, after which deleting any sound effect blocks the program.
#pragma once

#include <string>

namespace klaxora {

enum class WaveFileKind { Unusable, Playable, NeedsConversion };

WaveFileKind checkWaveFile(const std::string& path);

} // namespace klaxora
