// Synthesises the program's nine built-in sounds (500..508) as mono 16-bit PCM wave files.
// Run by hand:
//   make_sounds src/gui/resources/sounds
// Each file keeps the byte size of the sound it replaces, so the sample count is fixed and
// the sample rate is chosen per sound to give it a comfortable length. The output is
// committed; the synthesis is deterministic (no library random numbers).

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

struct Signal {
    int rate;
    std::vector<double> samples;  // -1..1
    double seconds() const { return double(samples.size()) / rate; }
};

// A struck bell at roughly full scale.
double bell(double t, double freq, double decay) {
    return bellPartials(t, freq, decay) / 1.75;
}

// A mellow plucked tone: fundamental and two soft harmonics.
double pluck(double t, double freq, double decay) {
    double env = std::exp(-t * decay);
    return env *
           (std::sin(kTwoPi * freq * t) + 0.3 * std::sin(kTwoPi * 2 * freq * t) +
            0.1 * std::sin(kTwoPi * 3 * freq * t)) /
           1.4;
}

Signal render(int rate, std::size_t count, const std::function<double(double)>& f) {
    Signal s{rate, std::vector<double>(count)};
    for (std::size_t i = 0; i < count; ++i) s.samples[i] = f(double(i) / rate);
    // Fade the very end so every sound stops silently whatever its shape.
    const std::size_t tail = std::min<std::size_t>(count, std::size_t(rate) / 200 + 1);
    for (std::size_t i = 0; i < tail; ++i) s.samples[count - 1 - i] *= double(i) / tail;
    return s;
}

std::size_t samplesFor(int fileBytes) {
    return std::size_t(fileBytes - kWaveHeaderBytes) / 2;
}

// 500: a soft two-note chime (the number picker opens).
Signal pickerChime() {
    const double len = 4200.0 / 11025;
    return render(11025, samplesFor(8444), [len](double t) {
        double v = 0.38 * bell(t, noteFreq(79), 9.0) * envelope(t, len, 0.004, 0.02);
        double t2 = t - 0.09;
        if (t2 > 0) v += 0.34 * bell(t2, noteFreq(84), 9.0) * envelope(t2, len - 0.09, 0.004, 0.02);
        return v;
    });
}

// 501: a single soft chime (a wheeling table is chosen).
Signal wheelChime() {
    const double len = 2836.0 / 8000;
    return render(8000, samplesFor(5716), [len](double t) {
        return 0.42 * bell(t, noteFreq(81), 8.0) * envelope(t, len, 0.003, 0.02);
    });
}

// 502: a cheerful rising arpeggio ending on a held chord (a guarantee check finished).
Signal finishedArpeggio() {
    const double len = 18043.0 / 11025;
    const int notes[] = {72, 76, 79, 84};
    const double step = 0.12;
    return render(11025, samplesFor(36130), [&](double t) {
        double v = 0.0;
        for (int k = 0; k < 4; ++k) {
            double tk = t - k * step;
            if (tk < 0) continue;
            double decay = k == 3 ? 2.4 : 4.0;
            v += pluck(tk, noteFreq(notes[k]), decay) * envelope(tk, len - k * step, 0.005, 0.15);
        }
        // The chord under the last note.
        double tc = t - 4 * step;
        if (tc > 0) {
            double env = std::exp(-tc * 2.2) * envelope(tc, len - 4 * step, 0.02, 0.2);
            v += 0.5 * env *
                 (bell(tc, noteFreq(72), 1.5) + bell(tc, noteFreq(76), 1.5) +
                  bell(tc, noteFreq(79), 1.5));
        }
        return 0.22 * v;
    });
}

// 503: the click, a very short soft tick.
Signal click() {
    const double len = 431.0 / 11025;
    Lcg rng(503);
    return render(11025, samplesFor(906), [len, &rng](double t) {
        double env = std::exp(-t * 180.0) * envelope(t, len, 0.0008, 0.004);
        double tone = std::sin(kTwoPi * 1800.0 * t) + 0.4 * std::sin(kTwoPi * 3100.0 * t);
        double noise = (rng.next() * 2.0 - 1.0) * std::exp(-t * 600.0);
        return 0.35 * env * (0.7 * tone + 0.3 * noise);
    });
}

// A sweep between two frequencies with a bright, soft timbre.
Signal sweep(int rate, int fileBytes, double from, double to, double gain) {
    const std::size_t count = samplesFor(fileBytes);
    const double len = double(count) / rate;
    double phase = 0.0;
    double last = 0.0;
    return render(rate, count, [=](double t) mutable {
        double x = t / len;
        double freq = from * std::pow(to / from, x);
        phase += kTwoPi * freq * (t - last);
        last = t;
        double env = envelope(t, len, 0.01, 0.06) * (0.75 + 0.25 * std::cos(kTwoPi * 3.0 * x));
        return gain * env * (std::sin(phase) + 0.25 * std::sin(2 * phase));
    });
}

// 504: cold pick, a falling whistle.
Signal coldSweep() {
    return sweep(8000, 3376, 1400.0, 420.0, 0.38);
}

// 505: hot pick, a rising whistle.
Signal hotSweep() {
    return sweep(11025, 7014, 380.0, 1600.0, 0.38);
}

// 506: printing, a short run of mechanical ticks.
Signal printerTicks() {
    const double len = 2251.0 / 8000;
    Lcg rng(506);
    std::vector<double> noise(2251);
    for (double& n : noise) n = rng.next() * 2.0 - 1.0;
    return render(8000, samplesFor(4546), [&](double t) {
        const double period = 0.035;
        int k = int(t / period);
        double tk = t - k * period;
        double env = std::exp(-tk * 220.0) * envelope(t, len, 0.001, 0.02);
        double n = noise[std::min<std::size_t>(noise.size() - 1, std::size_t(t * 8000))];
        double pitch = (k % 2 == 0) ? 1150.0 : 950.0;
        return 0.4 * env * (0.55 * std::sin(kTwoPi * pitch * tk) + 0.45 * n);
    });
}

// 507: random pick, quick blips at scattered pitches.
Signal randomBlips() {
    const double len = 3421.0 / 11025;
    Lcg rng(507);
    std::vector<double> pitches(12);
    for (double& p : pitches) p = noteFreq(72 + int(rng.next() * 19));
    return render(11025, samplesFor(6886), [&](double t) {
        const double period = len / pitches.size();
        int k = std::min<int>(int(pitches.size()) - 1, int(t / period));
        double tk = t - k * period;
        double env = envelope(tk, period * 0.8, 0.002, 0.01);
        return 0.3 * env *
               (std::sin(kTwoPi * pitches[k] * tk) + 0.2 * std::sin(kTwoPi * 2 * pitches[k] * tk));
    });
}

// 508: failed, a low two-step buzz going down.
Signal failedBuzz() {
    const double len = 8750.0 / 11025;
    return render(11025, samplesFor(17544), [len](double t) {
        double half = len / 2;
        bool second = t >= half;
        double tn = second ? t - half : t;
        double freq = second ? 98.0 : 123.5;
        double env = envelope(tn, half - 0.02, 0.01, 0.05);
        // A band-limited square: a few odd harmonics keep it buzzy without harshness.
        double v = 0.0;
        for (int h = 1; h <= 9; h += 2) v += std::sin(kTwoPi * freq * h * tn) / h;
        return 0.3 * env * v;
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    struct Item {
        int id;
        int bytes;
        Signal (*make)();
    };
    const Item items[] = {
        {500, 8444, pickerChime},  {501, 5716, wheelChime},  {502, 36130, finishedArpeggio},
        {503, 906, click},         {504, 3376, coldSweep},   {505, 7014, hotSweep},
        {506, 4546, printerTicks}, {507, 6886, randomBlips}, {508, 17544, failedBuzz}};
    int failures = 0;
    for (const Item& item : items) {
        const Signal s = item.make();
        const std::vector<std::uint8_t> bytes = encodeWave(s.rate, s.samples);
        if (int(bytes.size()) != item.bytes) {
            std::fprintf(stderr, "%d: %zu bytes, expected %d\n", item.id, bytes.size(), item.bytes);
            ++failures;
            continue;
        }
        double peak = 0.0;
        for (double v : s.samples) peak = std::max(peak, std::abs(v));
        const std::string path = dir + "/" + std::to_string(item.id) + ".wav";
        if (!writeBytes(path, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
            continue;
        }
        std::printf("%s: %zu bytes, %d Hz, %.3f s, peak %.2f\n", path.c_str(), bytes.size(), s.rate,
                    s.seconds(), peak);
    }
    return failures == 0 ? 0 : 1;
}
