// Turns a WAV file that QSoundEffect cannot play (24 or 32 bits, floating point, WAVE_FORMAT_EXTENSIBLE,
// more than two channels, compressed) into one it can: 16-bit PCM at the same rate in one or two
// channels, with the library that reads the formats (libsndfile).
#pragma once

#include <string>

namespace klaxora {

// Writes the converted sound to the open, empty file `descriptor`; channels beyond the first two are
// mixed into both. False when `from` cannot be read as a WAV file with sound in it.
bool convertWaveToPcm16(const std::string& from, int descriptor);

} // namespace klaxora
