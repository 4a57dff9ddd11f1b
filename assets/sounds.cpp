#include "assets/sounds.h"

#include "base/wave.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <mutex>
#include <numbers>

namespace vantor {
namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Note frequencies of the fanfares (equal temperament, A4 = 440 Hz).
constexpr double note(int semitonesFromA4) {
    return 440.0 * std::exp2(semitonesFromA4 / 12.0);
}
const double E3 = note(-17), F3 = note(-16), Fs3 = note(-15), G3 = note(-14), A3 = note(-12),
             C4 = note(-9), D4 = note(-7), E4 = note(-5), F4 = note(-4), G4 = note(-2),
             A4 = note(0), C5 = note(3), D5 = note(5), E5 = note(7), G5 = note(10), A5 = note(12),
             C6 = note(15), E6 = note(19), G6 = note(22);

// A mono mixing buffer in seconds and floating point; rendered into PCM once at the end.
class TMix {
public:
    explicit TMix(double seconds) : buffer_(static_cast<std::size_t>(seconds * kRate) + 1, 0.0) {}

    // Calls f(t) for every sample from `start` for `length` seconds, t counted from the start.
    void add(double start, double length, const std::function<double(double)>& f) {
        const auto first = static_cast<std::size_t>(std::max(0.0, start) * kRate);
        const auto count = static_cast<std::size_t>(length * kRate);
        for (std::size_t i = 0; i < count && first + i < buffer_.size(); ++i)
            buffer_[first + i] += f(static_cast<double>(i) / kRate);
    }

    // Pseudo-random noise in [-1, 1], the same every run so the cues never change.
    double noise() {
        seed_ = seed_ * 1664525u + 1013904223u;
        return static_cast<double>(seed_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

    // Peak-normalised to `peak` of full scale, faded in and out against clicks.
    std::vector<std::uint8_t> wave(double peak = 0.6) {
        double top = 1e-9;
        for (double v : buffer_) top = std::max(top, std::abs(v));
        const std::size_t fade = std::min<std::size_t>(buffer_.size(), kRate / 200);
        TPcmSound sound;
        sound.channels = 1;
        sound.sampleRate = kRate;
        sound.samples.reserve(buffer_.size());
        for (std::size_t i = 0; i < buffer_.size(); ++i) {
            double v = buffer_[i] / top * peak;
            if (i + fade >= buffer_.size())
                v *= static_cast<double>(buffer_.size() - i) / static_cast<double>(fade);
            if (i < kRate / 1000) v *= static_cast<double>(i) / (kRate / 1000); // 1 ms fade-in
            sound.samples.push_back(static_cast<std::int16_t>(std::lround(v * 32767.0)));
        }
        return encodeWave(sound);
    }

private:
    std::vector<double> buffer_;
    std::uint32_t seed_ = 0x2545F491u;
};

// Attack, hold and release in seconds: a smooth rise, a plateau and a smooth fall.
double envelope(double t, double length, double attack, double release) {
    if (t < 0 || t >= length) return 0;
    double g = 1.0;
    if (t < attack) g = std::sin(0.5 * std::numbers::pi * t / attack);
    if (t > length - release) g *= std::sin(0.5 * std::numbers::pi * (length - t) / release);
    return g;
}

// A bell or glass: slightly inharmonic partials, the higher ones dying sooner.
void bell(TMix& m, double start, double freq, double amp, double decay) {
    const double ratios[] = {1.0, 2.0, 2.76, 4.07};
    const double levels[] = {1.0, 0.45, 0.25, 0.1};
    m.add(start, decay * 5, [=](double t) {
        double v = 0;
        for (int i = 0; i < 4; ++i)
            v += levels[i] * std::sin(kTwoPi * freq * ratios[i] * t) *
                 std::exp(-t * (1 + i) / decay);
        return amp * v * std::min(1.0, t * 400); // a 2.5 ms strike, no click
    });
}

// A soft brass voice: a band-limited sawtooth with a gentle attack and a late vibrato.
void brass(TMix& m, double start, double length, double freq, double amp) {
    m.add(start, length, [=, phase = 0.0](double t) mutable {
        // The vibrato fades in after the attack; the phase is summed so the pitch never jumps.
        const double depth = 0.004 * std::clamp((t - 0.1) / 0.1, 0.0, 1.0);
        phase += kTwoPi * freq * (1 + depth * std::sin(kTwoPi * 5.5 * t)) / kRate;
        double v = 0;
        for (int n = 1; n <= 7; ++n) v += std::sin(n * phase) / (n * (n > 3 ? 1.6 : 1.0));
        return amp * v * envelope(t, length, 0.02, std::min(0.06, length / 3));
    });
}

// A mellow round voice (sine with a little second and third harmonic) for the quieter cues.
void mellow(TMix& m, double start, double length, double freq, double amp) {
    m.add(start, length, [=](double t) {
        const double p = kTwoPi * freq * t;
        const double v = std::sin(p) + 0.25 * std::sin(2 * p) + 0.08 * std::sin(3 * p);
        return amp * v * envelope(t, length, 0.015, length * 0.5) * std::exp(-t * 1.5);
    });
}

// Knock on wood: two damped modes and a short click of noise.
void knock(TMix& m, double start, double freq, double amp) {
    m.add(start, 0.12, [=, &m](double t) {
        const double body = std::sin(kTwoPi * freq * t) * std::exp(-t / 0.022) +
                            0.5 * std::sin(kTwoPi * freq * 2.31 * t) * std::exp(-t / 0.012);
        const double click = t < 0.004 ? m.noise() * (1 - t / 0.004) * 0.3 : 0.0;
        return amp * (body + click);
    });
}

// A burst of low-passed noise dying away: paper, card stock, air.
void rustle(TMix& m, double start, double length, double amp, double smoothing, double decay) {
    m.add(start, length, [=, &m, low = 0.0](double t) mutable {
        low += smoothing * (m.noise() - low);
        return amp * low * std::exp(-t / decay) * std::min(1.0, t * 1500);
    });
}

std::vector<std::uint8_t> shuffle() {
    TMix m(0.78);
    // A riffle: the cards fall fast in the middle and slow at both ends.
    double t = 0.02;
    for (int i = 0; i < 30; ++i) {
        const double x = i / 29.0;
        rustle(m, t, 0.02, 0.5 + 0.5 * std::abs(m.noise()), 0.55, 0.004);
        t += 0.014 + 0.014 * (std::pow(2 * x - 1, 2));
    }
    // The bridge: the halves pushed together.
    rustle(m, t + 0.02, 0.16, 1.6, 0.12, 0.04);
    return m.wave(0.55);
}

std::vector<std::uint8_t> cardLaid() {
    TMix m(0.16);
    rustle(m, 0.0, 0.09, 1.0, 0.3, 0.016);
    m.add(0.0, 0.12,
          [](double t) { return 0.5 * std::sin(kTwoPi * 150 * t) * std::exp(-t / 0.03); });
    return m.wave(0.55);
}

std::vector<std::uint8_t> passKnock() {
    TMix m(0.34);
    knock(m, 0.0, 330, 1.0);
    knock(m, 0.16, 310, 0.8);
    return m.wave(0.6);
}

std::vector<std::uint8_t> roundWon() {
    TMix m(0.72);
    brass(m, 0.00, 0.10, C5, 0.8);
    brass(m, 0.09, 0.10, E5, 0.8);
    brass(m, 0.18, 0.10, G5, 0.85);
    brass(m, 0.27, 0.42, C6, 1.0);
    bell(m, 0.27, C6 * 2, 0.12, 0.08);
    return m.wave();
}

std::vector<std::uint8_t> roundMiddle() {
    TMix m(0.5);
    mellow(m, 0.0, 0.2, A4, 1.0);
    mellow(m, 0.16, 0.32, D5, 0.9);
    return m.wave(0.5);
}

std::vector<std::uint8_t> roundLast() {
    TMix m(0.75);
    mellow(m, 0.00, 0.2, E4, 1.0);
    mellow(m, 0.18, 0.2, D4, 0.9);
    mellow(m, 0.36, 0.38, C4, 0.9);
    return m.wave(0.5);
}

std::vector<std::uint8_t> gameGood() {
    TMix m(0.85);
    brass(m, 0.00, 0.11, G4, 0.7);
    brass(m, 0.11, 0.11, C5, 0.75);
    brass(m, 0.22, 0.11, E5, 0.8);
    for (double f : {C5, E5, G5}) brass(m, 0.34, 0.48, f, 0.6);
    return m.wave();
}

std::vector<std::uint8_t> gameBad() {
    TMix m(1.25);
    brass(m, 0.00, 0.22, G3, 0.9);
    brass(m, 0.23, 0.22, Fs3, 0.9);
    brass(m, 0.46, 0.22, F3, 0.9);
    m.add(0.69, 0.52, [p = 0.0](double t) mutable {
        p += kTwoPi * E3 * (1 + 0.012 * std::sin(kTwoPi * 6 * t)) / kRate;
        double v = 0;
        for (int n = 1; n <= 6; ++n) v += std::sin(n * p) / n;
        return 0.9 * v * envelope(t, 0.52, 0.02, 0.25);
    });
    return m.wave(0.5);
}

std::vector<std::uint8_t> cycleBest() {
    TMix m(1.7);
    brass(m, 0.00, 0.075, C5, 0.7);
    brass(m, 0.08, 0.075, C5, 0.7);
    brass(m, 0.16, 0.075, C5, 0.7);
    brass(m, 0.24, 0.26, G5, 0.85);
    brass(m, 0.52, 0.12, E5, 0.75);
    brass(m, 0.64, 0.12, G5, 0.8);
    for (double f : {C5, E5, G5, C6}) brass(m, 0.78, 0.85, f, 0.5);
    for (int i = 0; i < 5; ++i) bell(m, 0.8 + 0.09 * i, (i % 2 ? E6 : G6), 0.12, 0.09);
    return m.wave();
}

std::vector<std::uint8_t> cycleGood() {
    TMix m(1.0);
    brass(m, 0.00, 0.11, C5, 0.7);
    brass(m, 0.11, 0.11, E5, 0.75);
    brass(m, 0.22, 0.11, G5, 0.8);
    for (double f : {E5, G5, C6}) brass(m, 0.34, 0.6, f, 0.55);
    bell(m, 0.34, C6 * 2, 0.1, 0.1);
    return m.wave();
}

std::vector<std::uint8_t> cycleBad() {
    TMix m(1.1);
    mellow(m, 0.00, 0.17, E4, 1.0);
    mellow(m, 0.16, 0.17, D4, 0.95);
    mellow(m, 0.32, 0.17, C4, 0.9);
    for (double f : {A3, C4, E4}) mellow(m, 0.48, 0.6, f, 0.6);
    return m.wave(0.5);
}

std::vector<std::uint8_t> selectDing() {
    TMix m(0.1);
    bell(m, 0.0, G6, 1.0, 0.035);
    return m.wave(0.45);
}

std::vector<std::uint8_t> deselectDing() {
    TMix m(0.09);
    // A little lower and gliding down, so taking a card back sounds like the opposite.
    m.add(0.0, 0.09, [](double t) {
        const double f = note(17) * (1 - 0.8 * t);
        return std::sin(kTwoPi * f * t) * std::exp(-t / 0.03) * std::min(1.0, t * 2000);
    });
    return m.wave(0.45);
}

std::vector<std::uint8_t> windowOpens() {
    TMix m(0.32);
    // Air rising in pitch: noise through a low-pass whose cut-off opens up.
    m.add(0.0, 0.2, [&m, low = 0.0](double t) mutable {
        const double a = 0.02 + 0.25 * t / 0.2;
        low += a * (m.noise() - low);
        return 0.5 * low * envelope(t, 0.2, 0.08, 0.08);
    });
    bell(m, 0.15, E6, 0.35, 0.04);
    return m.wave(0.45);
}

std::vector<std::uint8_t> softError() {
    TMix m(0.3);
    for (auto [start, f] : {std::pair{0.0, E4}, std::pair{0.13, C4}}) {
        m.add(start, 0.13, [f](double t) {
            const double p = kTwoPi * f * t;
            const double v = std::sin(p) + std::sin(3 * p) / 5 + std::sin(5 * p) / 12;
            return v * envelope(t, 0.13, 0.01, 0.05);
        });
    }
    return m.wave(0.45);
}

std::vector<std::uint8_t> messageChime() {
    TMix m(0.62);
    bell(m, 0.0, E6, 1.0, 0.12);
    bell(m, 0.14, C6, 1.0, 0.16);
    return m.wave(0.5);
}

std::vector<std::uint8_t> tick() {
    TMix m(0.035);
    m.add(0.0, 0.035, [&m](double t) {
        const double click = t < 0.002 ? m.noise() * 0.5 : 0.0;
        return click + std::sin(kTwoPi * 2400 * t) * std::exp(-t / 0.006);
    });
    return m.wave(0.4);
}

std::vector<std::uint8_t> urgentTick() {
    TMix m(0.11);
    // Two sharper, higher strokes: the last seconds are running out.
    for (double start : {0.0, 0.05}) {
        m.add(start, 0.05, [](double t) {
            return std::sin(kTwoPi * 3200 * t) * std::exp(-t / 0.008) +
                   0.4 * std::sin(kTwoPi * 1600 * t) * std::exp(-t / 0.012);
        });
    }
    return m.wave(0.55);
}

struct TCueRecipe {
    std::string_view name;
    std::vector<std::uint8_t> (*make)();
};

constexpr std::array<TCueRecipe, 18> kRecipes = {{
    {"WTasoKo", shuffle},
    {"WHodsDo", cardLaid},
    {"WDiPass", passKnock},
    {"WKoGutX", roundWon},
    {"WNichya", roundMiddle},
    {"WKoBadX", roundLast},
    {"WKoGood", gameGood},
    {"WKoBads", gameBad},
    {"WFiBest", cycleBest},
    {"WFiGood", cycleGood},
    {"WFiBads", cycleBad},
    {"SDing00", selectDing},
    {"SDing0N", deselectDing},
    {"WOpenFo", windowOpens},
    {"WWrongs", softError},
    {"WToMenK", messageChime},
    {"STimerA", tick},
    {"STimerB", urgentTick},
}};

constexpr std::array<std::string_view, kRecipes.size()> kNames = [] {
    std::array<std::string_view, kRecipes.size()> names{};
    for (std::size_t i = 0; i < kRecipes.size(); ++i) names[i] = kRecipes[i].name;
    return names;
}();

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        return up(x) == up(y);
    });
}

} // namespace

std::span<const std::string_view> builtinSoundNames() {
    return kNames;
}

std::string_view builtinSoundName(std::string_view name) {
    for (const TCueRecipe& recipe : kRecipes)
        if (sameName(recipe.name, name)) return recipe.name;
    return {};
}

const std::vector<std::uint8_t>* builtinSound(std::string_view name) {
    static std::mutex lock;
    static std::array<std::unique_ptr<const std::vector<std::uint8_t>>, kRecipes.size()> made;
    for (std::size_t i = 0; i < kRecipes.size(); ++i) {
        if (!sameName(kRecipes[i].name, name)) continue;
        std::lock_guard guard(lock);
        if (!made[i])
            made[i] = std::make_unique<const std::vector<std::uint8_t>>(kRecipes[i].make());
        return made[i].get();
    }
    return nullptr;
}

} // namespace vantor
