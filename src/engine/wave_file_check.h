// Whether a file is a WAV that the sound backend can load and play: a RIFF WAVE file with 8- or 16-bit
// PCM in one or two channels, and all of its sound data present. Anything else is better not handed to
// QSoundEffect at all: some formats end in an error, and an empty, cut-off or malformed file keeps it
// loading forever, after which deleting any sound effect blocks the program.
#pragma once

#include <string>

namespace klaxora {

bool IsPlayableWaveFile(const std::string& path);

} // namespace klaxora
