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
