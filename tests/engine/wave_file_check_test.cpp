// Which files are handed to the sound backend: whole 8- and 16-bit PCM WAVs as they are, whole WAVs in
// other formats after a conversion. Everything else, above all what would keep QSoundEffect loading
// forever, gets the default sound instead.
#include "engine/wave_bytes.h"
#include "engine/wave_file_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace klaxora {
namespace {

using test::wave;
using test::WaveFormat;

class WaveFileCheckTest : public ::testing::Test {
protected:
    WaveFileCheckTest()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "klaxora-wave-XXXXXX").string();
        folder = mkdtemp(pattern.data());
    }
    ~WaveFileCheckTest() override { std::filesystem::remove_all(folder); }

    WaveFileKind check(const std::string& bytes)
    {
        const std::string path = folder + "/sound.wav";
        test::writeBytes(path, bytes);
        return checkWaveFile(path);
    }

    std::string folder;
    const std::string samples = std::string(4000, '\x10');
};

TEST_F(WaveFileCheckTest, AcceptsWhole8And16BitPcmInOneOrTwoChannels)
{
    EXPECT_EQ(WaveFileKind::Playable, check(test::tone(440, 0.2, 0.5)));
    EXPECT_EQ(WaveFileKind::Playable, check(wave(WaveFormat{1, 2, 48000, 16}, samples)));
    EXPECT_EQ(WaveFileKind::Playable, check(wave(WaveFormat{1, 1, 22050, 8}, samples)));
    EXPECT_EQ(WaveFileKind::Playable,
              check(wave(WaveFormat{1, 1, 96000, 16}, samples) + "LIST\x04\0\0\0abcd"));
}

TEST_F(WaveFileCheckTest, WholeFilesInFormatsTheBackendCannotPlayAreConverted)
{
    EXPECT_EQ(WaveFileKind::NeedsConversion,
              check(wave(WaveFormat{1, 1, 44100, 24}, samples.substr(0, 3999))));
    EXPECT_EQ(WaveFileKind::NeedsConversion, check(wave(WaveFormat{3, 1, 44100, 32}, samples))); // float
    EXPECT_EQ(WaveFileKind::NeedsConversion, check(wave(WaveFormat{7, 1, 8000, 8}, samples)));   // u-law
    EXPECT_EQ(WaveFileKind::NeedsConversion, check(wave(WaveFormat{17, 1, 8000, 4}, samples)));  // IMA ADPCM
    EXPECT_EQ(WaveFileKind::NeedsConversion,
              check(wave(WaveFormat{1, 6, 48000, 16}, samples.substr(0, 3996))));
    EXPECT_EQ(WaveFileKind::NeedsConversion, check(wave(WaveFormat{0xFFFE, 2, 48000, 16}, samples)));
}

TEST_F(WaveFileCheckTest, RefusesOtherFilesAndWhatWouldKeepTheBackendLoadingForever)
{
    const std::string whole = wave(WaveFormat{}, samples);
    EXPECT_EQ(WaveFileKind::Unusable, check(""));
    EXPECT_EQ(WaveFileKind::Unusable, check("hello\n"));
    EXPECT_EQ(WaveFileKind::Unusable, check(whole.substr(0, 11)));
    EXPECT_EQ(WaveFileKind::Unusable, check(whole.substr(0, 44)));   // the header alone
    EXPECT_EQ(WaveFileKind::Unusable, check(whole.substr(0, 1000))); // cut off inside the data
    std::string hugeFormat = whole;
    hugeFormat[16] = '\x40';
    hugeFormat[18] = '\x0F'; // a format chunk of about a megabyte
    EXPECT_EQ(WaveFileKind::Unusable, check(hugeFormat));
    EXPECT_EQ(WaveFileKind::Unusable, check(wave(WaveFormat{}, "")));                 // nothing to hear
    EXPECT_EQ(WaveFileKind::Unusable, check("RIFF\x10\0\0\0WAVEdata\x04\0\0\0abcd")); // data without format
    EXPECT_EQ(WaveFileKind::Unusable, check("RIFF\x10\0\0\0WAVELIST\x04\0\0\0abcd")); // no data at all
    EXPECT_EQ(WaveFileKind::Unusable, checkWaveFile(folder + "/missing.wav"));
    EXPECT_EQ(WaveFileKind::Unusable, checkWaveFile(folder));
}

} // namespace
} // namespace klaxora
