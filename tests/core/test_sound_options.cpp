#include <gtest/gtest.h>

#include <vector>

#include "core/options/sound_options.h"

using namespace qv;

namespace {

SoundSettings customSettings() {
    SoundSettings s;
    s.effectsOn = true;
    s.waveFiles = {WaveFileSetting{"C:\\waves\\great.wav", true},
                   WaveFileSetting{"good.wav", false}, WaveFileSetting{"low.wav", true}};
    return s;
}

}  // namespace

TEST(SoundOptionsModel, EffectsSwitchActsAtOnceAndCancelPutsItBack) {
    SoundSettings settings = customSettings();
    {
        SoundOptionsModel model(settings);
        EXPECT_FALSE(model.toggleEffects());
        EXPECT_FALSE(settings.effectsOn);  // the application hears the change before OK
        EXPECT_TRUE(model.toggleEffects());
        EXPECT_FALSE(model.toggleEffects());
        model.cancel();
        EXPECT_TRUE(settings.effectsOn);
    }
    settings.effectsOn = false;
    SoundOptionsModel model(settings);
    EXPECT_TRUE(model.toggleEffects());
    model.accept();
    EXPECT_TRUE(settings.effectsOn);
}

TEST(SoundOptionsModel, PathsAndEnableFlagsChangeOnlyOnOk) {
    const SoundSettings before = customSettings();
    SoundSettings settings = before;
    {
        SoundOptionsModel model(settings);
        EXPECT_EQ(model.path(0), "C:\\waves\\great.wav");
        EXPECT_FALSE(model.enabled(1));
        model.setPath(1, "/home/me/typed.wav");
        model.toggleEnabled(1);
        model.toggleEnabled(2);
        EXPECT_EQ(settings, before);
        model.cancel();
    }
    EXPECT_EQ(settings, before);

    SoundOptionsModel model(settings);
    model.setPath(1, "/home/me/typed.wav");
    model.setPath(0, "/home/me/browsed.wav");
    model.toggleEnabled(1);
    model.toggleEnabled(2);
    model.accept();
    EXPECT_EQ(settings.waveFiles[0], (WaveFileSetting{"/home/me/browsed.wav", true}));
    EXPECT_EQ(settings.waveFiles[1], (WaveFileSetting{"/home/me/typed.wav", true}));
    EXPECT_EQ(settings.waveFiles[2], (WaveFileSetting{"low.wav", false}));
    EXPECT_TRUE(settings.effectsOn);
}

TEST(SoundOptionsModel, LongPathsAreCutWholeCharactersAndBadIndexesIgnored) {
    SoundSettings settings = customSettings();
    SoundOptionsModel model(settings);
    std::string longPath = std::string(258, 'a') + "\xC3\xA9" + "tail";  // 'é' is character 259
    model.setPath(2, longPath);
    EXPECT_EQ(model.path(2), std::string(258, 'a') + "\xC3\xA9");
    model.setPath(3, "x");
    model.setPath(-1, "x");
    model.toggleEnabled(7);
    EXPECT_EQ(model.path(3), "");
    EXPECT_FALSE(model.enabled(-1));
    model.accept();
    EXPECT_EQ(settings.waveFiles[0].path, "C:\\waves\\great.wav");
}

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
