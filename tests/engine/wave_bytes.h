// WAV files made in memory for the sound tests.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <string>

namespace klaxora::test {

struct WaveFormat {
    std::uint16_t tag = 1; // PCM
    std::uint16_t channels = 1;
    std::uint32_t rate = 44100;
    std::uint16_t bits = 16;
};

inline void putLittle(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// A RIFF WAVE file: the format chunk, then a data chunk that claims `dataSize` bytes and holds `data`.
inline std::string wave(const WaveFormat& format, const std::string& data, std::uint32_t dataSize)
{
    std::string wave = "RIFF";
    putLittle(wave, 36 + dataSize, 4);
    wave += "WAVEfmt ";
    putLittle(wave, 16, 4);
    putLittle(wave, format.tag, 2);
    putLittle(wave, format.channels, 2);
    putLittle(wave, format.rate, 4);
    putLittle(wave, format.rate * format.channels * format.bits / 8, 4);
    putLittle(wave, format.channels * format.bits / 8, 2);
    putLittle(wave, format.bits, 2);
    wave += "data";
    putLittle(wave, dataSize, 4);
    return wave + data;
}

inline std::string wave(const WaveFormat& format, const std::string& data)
{
    return wave(format, data, static_cast<std::uint32_t>(data.size()));
}

// The samples of a sine tone in `format`, the same in every channel: 8-, 16- or 24-bit PCM, or 32-bit
// floating point (tag 3).
inline std::string toneSamples(const WaveFormat& format, double frequency, double seconds, double amplitude)
{
    std::string samples;
    const auto count = static_cast<std::uint32_t>(seconds * format.rate);
    for (std::uint32_t i = 0; i < count; ++i) {
        const double value = amplitude * std::sin(2 * std::numbers::pi * frequency * i / format.rate);
        for (int channel = 0; channel < format.channels; ++channel) {
            if (format.tag == 3) {
                putLittle(samples, std::bit_cast<std::uint32_t>(static_cast<float>(value)), 4);
            } else if (format.bits == 8) {
                putLittle(samples, static_cast<std::uint32_t>(128 + std::lround(value * 127)), 1);
            } else {
                const double full = static_cast<double>((1U << (format.bits - 1)) - 1);
                putLittle(samples,
                          static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(value * full))),
                          format.bits / 8);
            }
        }
    }
    return samples;
}

// A sine tone, 16-bit mono.
inline std::string tone(double frequency, double seconds, double amplitude, std::uint32_t rate = 44100)
{
    const WaveFormat format{1, 1, rate, 16};
    return wave(format, toneSamples(format, frequency, seconds, amplitude));
}

// A WAVE_FORMAT_EXTENSIBLE file of PCM samples, as Windows writes for more than two channels or more
// than 16 bits.
inline std::string extensibleWave(const WaveFormat& format, const std::string& data)
{
    std::string wave = "RIFF";
    putLittle(wave, static_cast<std::uint32_t>(4 + 8 + 40 + 8 + data.size()), 4);
    wave += "WAVEfmt ";
    putLittle(wave, 40, 4);
    putLittle(wave, 0xFFFE, 2);
    putLittle(wave, format.channels, 2);
    putLittle(wave, format.rate, 4);
    putLittle(wave, format.rate * format.channels * format.bits / 8, 4);
    putLittle(wave, format.channels * format.bits / 8, 2);
    putLittle(wave, format.bits, 2);
    putLittle(wave, 22, 2);                                                    // size of the extension
    putLittle(wave, format.bits, 2);                                           // valid bits
    putLittle(wave, (1U << format.channels) - 1, 4);                           // the first speakers, in order
    wave += std::string("\x01\0\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 16); // PCM
    wave += "data";
    putLittle(wave, static_cast<std::uint32_t>(data.size()), 4);
    return wave + data;
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace klaxora::test
