// WAV files made in memory for the sound tests.
#pragma once

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

inline void PutLittle(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// A RIFF WAVE file: the format chunk, then a data chunk that claims `dataSize` bytes and holds `data`.
inline std::string Wave(const WaveFormat& format, const std::string& data, std::uint32_t dataSize)
{
    std::string wave = "RIFF";
    PutLittle(wave, 36 + dataSize, 4);
    wave += "WAVEfmt ";
    PutLittle(wave, 16, 4);
    PutLittle(wave, format.tag, 2);
    PutLittle(wave, format.channels, 2);
    PutLittle(wave, format.rate, 4);
    PutLittle(wave, format.rate * format.channels * format.bits / 8, 4);
    PutLittle(wave, format.channels * format.bits / 8, 2);
    PutLittle(wave, format.bits, 2);
    wave += "data";
    PutLittle(wave, dataSize, 4);
    return wave + data;
}

inline std::string Wave(const WaveFormat& format, const std::string& data)
{
    return Wave(format, data, static_cast<std::uint32_t>(data.size()));
}

// A sine tone, 16-bit mono.
inline std::string Tone(double frequency, double seconds, double amplitude, std::uint32_t rate = 44100)
{
    std::string samples;
    const auto count = static_cast<std::uint32_t>(seconds * rate);
    for (std::uint32_t i = 0; i < count; ++i) {
        const double value = amplitude * std::sin(2 * std::numbers::pi * frequency * i / rate);
        PutLittle(samples, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * 32767))),
                  2);
    }
    return Wave(WaveFormat{1, 1, rate, 16}, samples);
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace klaxora::test
