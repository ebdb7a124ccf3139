#include "engine/wave_conversion.h"

#include <sndfile.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace klaxora {

namespace {

struct CloseSoundFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, CloseSoundFile>;

bool isWave(int format)
{
    const int container = format & SF_FORMAT_TYPEMASK;
    return container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX || container == SF_FORMAT_RF64;
}

// One frame of `channels` samples to at most two: a channel beyond the second goes into both at half
// weight, and the sum is scaled back so that the mix cannot clip where no channel did.
void mixDown(const float* frame, int channels, float* out)
{
    if (channels <= 2) {
        std::copy(frame, frame + channels, out);
        return;
    }
    float extra = 0;
    for (int c = 2; c < channels; ++c) {
        extra += frame[c];
    }
    const float weight = 1.0F + 0.5F * static_cast<float>(channels - 2);
    out[0] = (frame[0] + 0.5F * extra) / weight;
    out[1] = (frame[1] + 0.5F * extra) / weight;
}

} // namespace

bool convertWaveToPcm16(const std::string& from, int descriptor)
{
    SF_INFO in{};
    const SoundFile source(sf_open(from.c_str(), SFM_READ, &in));
    if (!source || !isWave(in.format) || in.channels < 1 || in.frames <= 0) {
        return false;
    }
    SF_INFO out{};
    out.samplerate = in.samplerate;
    out.channels = std::min(in.channels, 2);
    out.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const SoundFile target(sf_open_fd(descriptor, SFM_WRITE, &out, SF_FALSE));
    if (!target) {
        return false;
    }
    // Floating-point sources may go past full scale; libsndfile clips them instead of wrapping round.
    sf_command(target.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
    constexpr sf_count_t Frames = 4096;
    std::vector<float> frames(static_cast<std::size_t>(Frames * in.channels));
    std::vector<float> mixed(static_cast<std::size_t>(Frames * out.channels));
    sf_count_t total = 0;
    for (sf_count_t got = 0; (got = sf_readf_float(source.get(), frames.data(), Frames)) > 0;) {
        for (sf_count_t i = 0; i < got; ++i) {
            mixDown(&frames[static_cast<std::size_t>(i * in.channels)], in.channels,
                    &mixed[static_cast<std::size_t>(i * out.channels)]);
        }
        if (sf_writef_float(target.get(), mixed.data(), got) != got) {
            return false;
        }
        total += got;
    }
    return total > 0 && sf_error(source.get()) == SF_ERR_NO_ERROR;
}

} // namespace klaxora
