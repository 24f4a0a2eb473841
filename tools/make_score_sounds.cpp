// Synthesises the default score sounds as mono 16-bit PCM wave files: "great.wav", a short
// brass fanfare for great scores, and "good.wav", a two-note chime for the others. Run by
// hand:
//   make_score_sounds data
// The output is committed; the synthesis is deterministic.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "generator_support.h"

namespace {

using namespace qv::tools;

constexpr int kRate = 22050;

// A brass-like tone: a stack of harmonics whose upper ones bloom in just after the attack,
// with a gentle vibrato once the note has settled.
double brass(double t, double freq) {
    const double vibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.15);
    const double bloom = std::min(1.0, t / 0.04);
    double v = 0.0;
    for (int k = 1; k <= 7; ++k) {
        const double gain = (k == 1 ? 1.0 : 0.8 / k) * (k > 2 ? bloom : 1.0);
        v += gain * std::sin(kTwoPi * freq * k * vibrato * t);
    }
    return v / 2.2;
}

// A struck bell, silent before its strike.
double bell(double t, double freq, double decay) {
    if (t < 0.0) return 0.0;
    // A few milliseconds of onset so the strike does not click.
    return bellPartials(t, freq, decay) * std::min(1.0, t / 0.003) / 1.75;
}

std::vector<double> render(double seconds, const std::function<double(double)>& f) {
    std::vector<double> samples(std::size_t(seconds * kRate));
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = f(double(i) / kRate);
    // Every sound ends in silence whatever its shape.
    const std::size_t tail = std::min<std::size_t>(samples.size(), kRate / 100);
    for (std::size_t i = 0; i < tail; ++i) samples[samples.size() - 1 - i] *= double(i) / tail;
    return samples;
}

// G4 C5 E5 rising to a held G5 over a C major chord.
std::vector<double> fanfare() {
    struct Note {
        int midi;
        double start, length, gain;
    };
    const Note notes[] = {{67, 0.00, 0.14, 0.9}, {72, 0.12, 0.14, 0.9},  {76, 0.24, 0.14, 0.9},
                          {79, 0.36, 0.76, 1.0}, {72, 0.36, 0.76, 0.45}, {76, 0.36, 0.76, 0.45},
                          {60, 0.36, 0.76, 0.35}};
    return render(1.15, [&](double t) {
        double v = 0.0;
        for (const Note& n : notes) {
            const double local = t - n.start;
            const double env = envelope(local, n.length, 0.012, n.length > 0.5 ? 0.35 : 0.04);
            if (env > 0.0) v += n.gain * env * brass(local, noteFreq(n.midi));
        }
        return v;
    });
}

// C6 then G6, two bells ringing together.
std::vector<double> chime() {
    return render(0.8, [](double t) {
        return 0.9 * bell(t, noteFreq(84), 5.0) + 0.8 * bell(t - 0.16, noteFreq(91), 5.5);
    });
}

// Scales the peak to `peak` of full scale and writes the wave file.
bool writeWave(const std::string& path, const std::vector<double>& samples, double peak) {
    double loudest = 0.0;
    for (double s : samples) loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0.0 ? peak / loudest : 0.0;
    if (!writeBytes(path, encodeWave(kRate, samples, gain))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s: %.2f s\n", path.c_str(), double(samples.size()) / kRate);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : "data";
    bool ok = writeWave(dir + "/great.wav", fanfare(), 0.7);
    ok = writeWave(dir + "/good.wav", chime(), 0.6) && ok;
    return ok ? 0 : 1;
}
