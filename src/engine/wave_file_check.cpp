#include "engine/wave_file_check.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>

namespace klaxora {

namespace {

std::uint32_t little32(const unsigned char* bytes)
{
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::uint16_t little16(const unsigned char* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

bool isPlayableAsItIs(const unsigned char* format)
{
    const std::uint16_t tag = little16(format);
    const std::uint16_t channels = little16(format + 2);
    const std::uint32_t sampleRate = little32(format + 4);
    const std::uint16_t blockAlign = little16(format + 12);
    const std::uint16_t bits = little16(format + 14);
    return tag == 1 && (channels == 1 || channels == 2) && sampleRate > 0 && (bits == 8 || bits == 16) &&
           blockAlign == channels * bits / 8;
}

} // namespace

WaveFileKind checkWaveFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    unsigned char header[12];
    if (!file.read(reinterpret_cast<char*>(header), sizeof header) || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "WAVE", 4) != 0) {
        return WaveFileKind::Unusable;
    }
    file.seekg(0, std::ios::end);
    const auto fileSize = static_cast<std::uint64_t>(file.tellg());

    std::optional<WaveFileKind> format;
    std::uint64_t offset = sizeof header;
    while (offset + 8 <= fileSize) {
        unsigned char chunk[8];
        file.seekg(static_cast<std::streamoff>(offset));
        if (!file.read(reinterpret_cast<char*>(chunk), sizeof chunk)) {
            return WaveFileKind::Unusable;
        }
        const std::uint32_t size = little32(chunk + 4);
        // A chunk that runs past the end of the file is a cut-off file.
        if (offset + 8 + size > fileSize) {
            return WaveFileKind::Unusable;
        }
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            unsigned char fields[16];
            if (size < sizeof fields || !file.read(reinterpret_cast<char*>(fields), sizeof fields)) {
                return WaveFileKind::Unusable;
            }
            format = isPlayableAsItIs(fields) ? WaveFileKind::Playable : WaveFileKind::NeedsConversion;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            // The format must come first, and there must be something to hear.
            return format && size > 0 ? *format : WaveFileKind::Unusable;
        }
        offset += 8 + size + (size & 1U); // chunks are padded to an even length
    }
    return WaveFileKind::Unusable;
}

} // namespace klaxora
