// Synthesises the default score sounds as mono 16-bit PCM wave files: "great.wav", a short
// brass fanfare for great scores, and "good.wav", a two-note chime for the others. Run by
// hand:
//   make_score_sounds data
// The output is committed; the synthesis is deterministic.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

double noteFreq(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Rises over `attack`, holds, and falls over `release` before `len`; zero outside.
double envelope(double t, double len, double attack, double release) {
    if (t < 0.0 || t >= len) return 0.0;
    const double a = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    const double r = release > 0.0 ? std::min(1.0, (len - t) / release) : 1.0;
    return a * r;
}

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

// A struck bell: slightly inharmonic partials, the higher ones dying away faster.
double bell(double t, double freq, double decay) {
    if (t < 0.0) return 0.0;
    static const double ratios[] = {1.0, 2.0, 2.76, 4.07};
    static const double gains[] = {1.0, 0.45, 0.22, 0.08};
    double v = 0.0;
    for (int k = 0; k < 4; ++k) {
        v += gains[k] * std::exp(-t * decay * (1.0 + k * 0.8)) *
             std::sin(kTwoPi * freq * ratios[k] * t);
    }
    // A few milliseconds of onset so the strike does not click.
    return v * std::min(1.0, t / 0.003) / 1.75;
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

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffffu);
    put16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

// Scales the peak to `peak` of full scale and writes a canonical 44-byte-header wave file.
bool writeWave(const std::string& path, std::vector<double> samples, double peak) {
    double loudest = 0.0;
    for (double s : samples) loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0.0 ? peak / loudest : 0.0;

    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (double s : samples) {
        const long v = std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767.0);
        put16(out, unsigned(std::uint16_t(std::int16_t(v))));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    if (!file) {
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
