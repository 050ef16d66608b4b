#include "tools/genassets/GenAssets.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quindle::gen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRate = kSampleRate;

// The same numbers on every machine (std distributions are not).
class TNoise {
public:
    explicit TNoise(uint64_t seed) : FState(seed * 0x9E3779B97F4A7C15ull + 1) {}
    double Uniform() // [0, 1)
    {
        FState ^= FState >> 12;
        FState ^= FState << 25;
        FState ^= FState >> 27;
        return static_cast<double>((FState * 0x2545F4914F6CDD1Dull) >> 11) / 9007199254740992.0;
    }
    double Signed() { return Uniform() * 2.0 - 1.0; }
    double Between(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

private:
    uint64_t FState;
};

// A second-order filter after the well-known cookbook formulas.
class TBiquad {
public:
    void BandPass(double freq, double q)
    {
        const double w = 2 * kPi * freq / kRate, alpha = std::sin(w) / (2 * q);
        Set(alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w), 1 - alpha);
    }
    void LowPass(double freq, double q)
    {
        const double w = 2 * kPi * freq / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
        Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    }
    void HighPass(double freq, double q)
    {
        const double w = 2 * kPi * freq / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
        Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    }
    double operator()(double x)
    {
        const double y = FB0 * x + FB1 * FX1 + FB2 * FX2 - FA1 * FY1 - FA2 * FY2;
        FX2 = FX1;
        FX1 = x;
        FY2 = FY1;
        FY1 = y;
        return y;
    }

private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2)
    {
        FB0 = b0 / a0;
        FB1 = b1 / a0;
        FB2 = b2 / a0;
        FA1 = a1 / a0;
        FA2 = a2 / a0;
    }
    double FB0 = 1, FB1 = 0, FB2 = 0, FA1 = 0, FA2 = 0;
    double FX1 = 0, FX2 = 0, FY1 = 0, FY2 = 0;
};

int Samples(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

// Scales to the given peak, fades the end so nothing clicks, and rounds.
std::vector<int16_t> Finish(std::vector<double> s, double peak)
{
    double max = 1e-9;
    for (double v : s)
        max = std::max(max, std::abs(v));
    const int fade = std::min<int>(Samples(0.004), static_cast<int>(s.size()) / 4);
    for (int i = 0; i < fade; ++i) {
        const double g = static_cast<double>(i) / fade;
        s[s.size() - 1 - i] *= g;
    }
    std::vector<int16_t> out(s.size());
    for (size_t i = 0; i < s.size(); ++i)
        out[i] = static_cast<int16_t>(std::lround(std::clamp(s[i] / max * peak, -1.0, 1.0) * 32767));
    return out;
}

// A noise burst through a band-pass filter, added into `out` at `start`.
void AddBurst(std::vector<double>& out, TNoise& noise, int start, double freq, double q,
              double attack, double decay, double gain)
{
    TBiquad band;
    band.BandPass(freq, q);
    const int length = std::min<int>(Samples(attack + decay * 6), static_cast<int>(out.size()) - start);
    for (int i = 0; i < length; ++i) {
        const double t = i / kRate;
        const double env = t < attack ? t / attack : std::exp(-(t - attack) / decay);
        out[start + i] += band(noise.Signed()) * env * gain;
    }
}

} // namespace

std::vector<int16_t> ShuffleCue()
{
    TNoise noise(101);
    std::vector<double> s(Samples(0.42));
    const double total = s.size() / kRate;

    // The whoosh: noise swelling through a band that sweeps up and back.
    TBiquad band, low;
    low.LowPass(5000, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate, x = t / total;
        if (i % 32 == 0)
            band.BandPass(700 + 2300 * std::sin(kPi * std::pow(x, 0.8)), 1.4);
        const double env = std::pow(std::sin(kPi * std::pow(x, 0.6)), 2);
        s[i] = low(band(noise.Signed())) * env * 0.9;
    }
    // The riffle: card flicks coming faster, then settling.
    double t = 0.02, gap = 0.032;
    while (t < total - 0.06) {
        AddBurst(s, noise, Samples(t), noise.Between(2500, 4200), 2.0, 0.0004, 0.0016,
                 noise.Between(1.2, 2.0));
        t += gap * noise.Between(0.85, 1.15);
        gap = std::max(0.014, gap * 0.9);
    }
    return Finish(std::move(s), 0.6);
}

std::vector<int16_t> ClickCue()
{
    TNoise noise(202);
    std::vector<double> s(Samples(0.08));
    // A small wooden block: a few inharmonic modes that die away fast.
    struct TMode { double Freq, Gain, Decay; };
    const TMode modes[] = {{980, 1.0, 0.011}, {2210, 0.45, 0.006}, {3630, 0.2, 0.0035}};
    TBiquad soft;
    soft.LowPass(1800, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        const double attack = std::min(1.0, t / 0.0006);
        double v = 0;
        for (const TMode& m : modes)
            v += m.Gain * std::sin(2 * kPi * m.Freq * t * (1 - 0.25 * t)) * std::exp(-t / m.Decay);
        v += soft(noise.Signed()) * std::exp(-t / 0.0012) * 0.5; // the knock itself
        s[i] = v * attack;
    }
    return Finish(std::move(s), 0.55);
}

std::vector<int16_t> UhOhCue()
{
    std::vector<double> s(Samples(0.35));
    // A falling minor third, hummed: "uh", a breath, then a longer "oh".
    struct TNote { double Start, Length, Freq, Glide; };
    const TNote notes[] = {{0.0, 0.13, 466.16, 0.0}, {0.15, 0.20, 392.0, -0.04}};
    TBiquad vowel;
    vowel.LowPass(1400, 0.9);
    for (const TNote& n : notes) {
        const int first = Samples(n.Start), count = Samples(n.Length);
        double phase = 0;
        for (int i = 0; i < count && first + i < static_cast<int>(s.size()); ++i) {
            const double t = i / kRate, x = t / n.Length;
            const double freq = n.Freq * (1 + n.Glide * x * x) * (1 + 0.004 * std::sin(2 * kPi * 5.5 * t));
            phase += 2 * kPi * freq / kRate;
            const double attack = std::min(1.0, t / 0.018);
            const double release = std::min(1.0, (n.Length - t) / 0.05);
            const double env = attack * release * (0.75 + 0.25 * std::exp(-t / 0.05));
            const double tone = std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
            s[first + i] += tone * env;
        }
    }
    for (double& v : s)
        v = vowel(v);
    return Finish(std::move(s), 0.32);
}

std::vector<int16_t> ApplauseCue()
{
    TNoise noise(303);
    const double total = 1.7;
    std::vector<double> s(Samples(total));
    // How busy the crowd is: a quick swell, a hold, a tail of last claps.
    auto density = [&](double t) {
        if (t < 0.12)
            return t / 0.12;
        if (t < 0.9)
            return 1.0;
        return std::max(0.0, 1 - (t - 0.9) / (total - 0.95));
    };
    const double peakRate = 70; // claps per second
    double t = 0;
    for (;;) {
        t += -std::log(1 - noise.Uniform()) / peakRate;
        if (t >= total - 0.05)
            break;
        const double d = density(t);
        if (noise.Uniform() > d)
            continue;
        // Each pair of hands has its own pitch and sharpness.
        AddBurst(s, noise, Samples(t), noise.Between(800, 2600), noise.Between(0.9, 1.8), 0.0006,
                 noise.Between(0.004, 0.009), noise.Between(0.35, 1.0) * (0.5 + 0.5 * d));
    }
    // A soft bed under the claps, following the same swell.
    TBiquad bed, bedLow;
    bed.HighPass(500, 0.7);
    bedLow.LowPass(4000, 0.7);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] += bedLow(bed(noise.Signed())) * density(i / kRate) * 0.12;
    return Finish(std::move(s), 0.85);
}

} // namespace quindle::gen
