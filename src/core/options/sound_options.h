#pragma once
// The rules of the sound options dialog, kept apart from the window so they can be tested:
// the sound-effects switch acts on the application at once (and is put back on Cancel),
// while the score sounds' paths and enable flags are edited on copies installed on OK.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/options/settings.h"

namespace qv {

// The built-in event sounds, by what they mark.
enum class EventSound {
    PickNumbers = 500,    // a number-picking dialog opens
    WheelChosen = 501,    // a wheeling table was chosen for a ticket file
    CheckFinished = 502,  // a wheel guarantee check ran to its end
    Click = 503,          // almost every button and number box
    ColdPick = 504,
    HotPick = 505,
    Print = 506,
    RandomPick = 507,
    GuaranteeFailed = 508,  // a combination fails the wheel's guarantee
};
inline constexpr int kFirstEventSound = static_cast<int>(EventSound::PickNumbers);
inline constexpr int kLastEventSound = static_cast<int>(EventSound::GuaranteeFailed);

class SoundOptionsModel {
public:
    static constexpr int kWaveFiles = 3;
    static constexpr std::size_t kPathChars = kMaxPathChars;

    explicit SoundOptionsModel(SoundSettings& settings);

    // The text of score sound i's path field (0 great, 1 medium, 2 lower). Typing and
    // browsing both set it; only OK installs it. Longer text is cut to kPathChars characters.
    const std::string& path(int i) const;
    void setPath(int i, std::string_view text);

    bool enabled(int i) const;
    void toggleEnabled(int i);

    // The application's own flag, changed at once so the user hears the difference.
    bool effectsOn() const { return settings_.effectsOn; }
    // Returns the new state; the caller plays the click when it became true.
    bool toggleEffects();

    void accept();
    void cancel();

private:
    static bool valid(int i) { return i >= 0 && i < kWaveFiles; }

    SoundSettings& settings_;
    bool effectsKept_;
    std::array<WaveFileSetting, kWaveFiles> copies_;
};

}  // namespace qv
