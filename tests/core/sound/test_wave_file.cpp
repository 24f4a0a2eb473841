#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/sound/wave_file.h"
#include "core/util/file_io.h"
#include "test_support.h"

using namespace qv;

namespace {

std::vector<std::uint8_t> waveHeader(std::uint16_t tag, std::uint16_t bits,
                                     bool listFirst = false) {
    std::vector<std::uint8_t> b;
    auto tagBytes = [&](const char* t) {
        for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(t[i]));
    };
    auto u16 = [&](unsigned v) {
        b.push_back(std::uint8_t(v));
        b.push_back(std::uint8_t(v >> 8));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xffff);
        u16(v >> 16);
    };
    tagBytes("RIFF");
    u32(1000);
    tagBytes("WAVE");
    if (listFirst) {
        tagBytes("LIST");
        u32(5);  // odd size: a pad byte follows
        b.insert(b.end(), 6, 0);
    }
    tagBytes("fmt ");
    u32(16);
    u16(tag);
    u16(1);
    u32(22050);
    u32(22050 * bits / 8);
    u16(bits / 8);
    u16(bits);
    tagBytes("data");
    u32(0);
    return b;
}

}  // namespace

TEST(WaveFormat, AcceptsUncompressedWavesOnly) {
    WaveFormat f;
    ASSERT_TRUE(readWaveFormat(waveHeader(1, 16), f));
    EXPECT_EQ(f.sampleRate, 22050u);
    EXPECT_TRUE(isPlayableWave(f));
    ASSERT_TRUE(readWaveFormat(waveHeader(1, 8, true), f));  // chunk before "fmt "
    EXPECT_EQ(f.bitsPerSample, 8);
    EXPECT_TRUE(isPlayableWave(f));
    ASSERT_TRUE(readWaveFormat(waveHeader(0x55, 16), f));  // MP3 inside RIFF
    EXPECT_FALSE(isPlayableWave(f));
}

TEST(WaveFormat, DamagedHeadersAreRejectedWithoutReadingPastTheData) {
    WaveFormat f;
    std::vector<std::uint8_t> good = waveHeader(1, 16);
    for (std::size_t n = 0; n < 36; ++n) {
        std::vector<std::uint8_t> cut(good.begin(), good.begin() + std::ptrdiff_t(n));
        EXPECT_FALSE(readWaveFormat(cut, f)) << n;
    }
    std::vector<std::uint8_t> notWave = good;
    notWave[8] = 'X';
    EXPECT_FALSE(readWaveFormat(notWave, f));
    std::vector<std::uint8_t> hugeChunk = waveHeader(1, 16, true);
    hugeChunk[16] = hugeChunk[17] = hugeChunk[18] = hugeChunk[19] = 0xff;  // LIST size 4 GB
    EXPECT_FALSE(readWaveFormat(hugeChunk, f));
    std::vector<std::uint8_t> shortFmt = good;
    shortFmt[16] = 8;
    EXPECT_FALSE(readWaveFormat(shortFmt, f));
}

TEST(WaveFormat, APlayableFileLastsItsSampleBytes) {
    test::TempDir dir;
    std::vector<std::uint8_t> bytes = waveHeader(1, 16);  // 22050 Hz mono: 44100 bytes a second
    ASSERT_EQ(bytes.size(), 44u);
    const auto write = [&](const std::string& name, std::size_t samples) {
        std::vector<std::uint8_t> file = bytes;
        file.resize(file.size() + samples);
        return writeFileAtomic(dir.file(name), file).ok();
    };
    ASSERT_TRUE(write("second.wav", 44100) && write("header.wav", 0) && write("tick.wav", 441));
    struct Case {
        const char* name;
        std::uint64_t ms;
    };
    for (const Case& c : {Case{"second.wav", 1000}, Case{"header.wav", 0}, Case{"tick.wav", 10}}) {
        const auto wave = readPlayableWave(dir.file(c.name));
        ASSERT_TRUE(wave) << c.name;
        EXPECT_EQ(wave->durationMs, c.ms) << c.name;
    }
    EXPECT_FALSE(readPlayableWave(dir.file("missing.wav")));
    ASSERT_TRUE(writeFileAtomic(dir.file("mp3.wav"), waveHeader(0x55, 16)).ok());
    EXPECT_FALSE(readPlayableWave(dir.file("mp3.wav")));
}

TEST(WaveFormat, PlayableWithinEachLimitAndNotOnePast) {
    struct Case {
        std::uint16_t tag, channels;
        std::uint32_t rate;
        std::uint16_t bits;
        bool playable;
    };
    const Case cases[] = {
        {1, 1, 22050, 16, true},      {3, 2, 44100, 32, true},    {0xFFFE, 8, 48000, 24, true},
        {1, 9, 48000, 16, false},     {1, 0, 48000, 16, false},   {1, 1, 1000, 8, true},
        {1, 1, 999, 8, false},        {1, 1, 384000, 16, true},   {1, 1, 384001, 16, false},
        {1, 1, 22050, 12, false},     {2, 1, 22050, 16, false},
    };
    for (const Case& c : cases) {
        const WaveFormat f{c.tag, c.channels, c.rate, c.bits};
        EXPECT_EQ(isPlayableWave(f), c.playable)
            << c.tag << " " << c.channels << " " << c.rate << " " << c.bits;
    }
}
