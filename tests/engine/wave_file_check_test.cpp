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

using test::Wave;
using test::WaveFormat;

class WaveFileCheckTest : public ::testing::Test {
protected:
    WaveFileCheckTest()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "klaxora-wave-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
    }
    ~WaveFileCheckTest() override { std::filesystem::remove_all(folder_); }

    WaveFileKind Check(const std::string& bytes)
    {
        const std::string path = folder_ + "/sound.wav";
        test::WriteBytes(path, bytes);
        return CheckWaveFile(path);
    }

    std::string folder_;
    const std::string samples_ = std::string(4000, '\x10');
};

TEST_F(WaveFileCheckTest, AcceptsWhole8And16BitPcmInOneOrTwoChannels)
{
    EXPECT_EQ(WaveFileKind::Playable, Check(test::Tone(440, 0.2, 0.5)));
    EXPECT_EQ(WaveFileKind::Playable, Check(Wave(WaveFormat{1, 2, 48000, 16}, samples_)));
    EXPECT_EQ(WaveFileKind::Playable, Check(Wave(WaveFormat{1, 1, 22050, 8}, samples_)));
    EXPECT_EQ(WaveFileKind::Playable,
              Check(Wave(WaveFormat{1, 1, 96000, 16}, samples_) + "LIST\x04\0\0\0abcd"));
}

TEST_F(WaveFileCheckTest, WholeFilesInFormatsTheBackendCannotPlayAreConverted)
{
    EXPECT_EQ(WaveFileKind::NeedsConversion,
              Check(Wave(WaveFormat{1, 1, 44100, 24}, samples_.substr(0, 3999))));
    EXPECT_EQ(WaveFileKind::NeedsConversion, Check(Wave(WaveFormat{3, 1, 44100, 32}, samples_))); // float
    EXPECT_EQ(WaveFileKind::NeedsConversion, Check(Wave(WaveFormat{7, 1, 8000, 8}, samples_)));   // u-law
    EXPECT_EQ(WaveFileKind::NeedsConversion, Check(Wave(WaveFormat{17, 1, 8000, 4}, samples_)));  // IMA ADPCM
    EXPECT_EQ(WaveFileKind::NeedsConversion,
              Check(Wave(WaveFormat{1, 6, 48000, 16}, samples_.substr(0, 3996))));
    EXPECT_EQ(WaveFileKind::NeedsConversion, Check(Wave(WaveFormat{0xFFFE, 2, 48000, 16}, samples_)));
}

TEST_F(WaveFileCheckTest, RefusesOtherFilesAndWhatWouldKeepTheBackendLoadingForever)
{
    const std::string whole = Wave(WaveFormat{}, samples_);
    EXPECT_EQ(WaveFileKind::Unusable, Check(""));
    EXPECT_EQ(WaveFileKind::Unusable, Check("hello\n"));
    EXPECT_EQ(WaveFileKind::Unusable, Check(whole.substr(0, 11)));
    EXPECT_EQ(WaveFileKind::Unusable, Check(whole.substr(0, 44)));   // the header alone
    EXPECT_EQ(WaveFileKind::Unusable, Check(whole.substr(0, 1000))); // cut off inside the data
    std::string hugeFormat = whole;
    hugeFormat[16] = '\x40';
    hugeFormat[18] = '\x0F'; // a format chunk of about a megabyte
    EXPECT_EQ(WaveFileKind::Unusable, Check(hugeFormat));
    EXPECT_EQ(WaveFileKind::Unusable, Check(Wave(WaveFormat{}, "")));                 // nothing to hear
    EXPECT_EQ(WaveFileKind::Unusable, Check("RIFF\x10\0\0\0WAVEdata\x04\0\0\0abcd")); // data without format
    EXPECT_EQ(WaveFileKind::Unusable, Check("RIFF\x10\0\0\0WAVELIST\x04\0\0\0abcd")); // no data at all
    EXPECT_EQ(WaveFileKind::Unusable, CheckWaveFile(folder_ + "/missing.wav"));
    EXPECT_EQ(WaveFileKind::Unusable, CheckWaveFile(folder_));
}

} // namespace
} // namespace klaxora
