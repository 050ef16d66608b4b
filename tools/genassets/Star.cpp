#include "tools/genassets/GenAssets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quindle::gen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kWidth = 48, kHeight = 40, kFrames = 24;
constexpr int kSub = 4; // samples per pixel side
// The dialog's face colour, so soft edges blend into it.
constexpr double kFace[3] = {192, 192, 192};

struct TVec {
    double X, Y, Z;
};
TVec operator-(TVec a, TVec b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }
double Dot(TVec a, TVec b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }
TVec Cross(TVec a, TVec b)
{
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}
TVec Unit(TVec a)
{
    const double l = std::sqrt(Dot(a, a));
    return {a.X / l, a.Y / l, a.Z / l};
}

// Which side of edge a→b the point lies on.
double Side(double px, double py, TVec a, TVec b)
{
    return (b.X - a.X) * (py - a.Y) - (b.Y - a.Y) * (px - a.X);
}

double SegmentDistance(double px, double py, TVec a, TVec b)
{
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double len = dx * dx + dy * dy;
    const double u = len > 0 ? std::clamp(((px - a.X) * dx + (py - a.Y) * dy) / len, 0.0, 1.0) : 0;
    return std::hypot(px - (a.X + u * dx), py - (a.Y + u * dy));
}

// A five-pointed star with a raised centre, turning about its upright axis.
class TStar {
public:
    TStar(double angle)
    {
        const double c = std::cos(angle), s = std::sin(angle);
        // Seen from behind, the back's raised centre faces us.
        const double apexZ = c >= 0 ? kDepth : -kDepth;
        auto turn = [&](TVec p) { return TVec{p.X * c + p.Z * s, p.Y, -p.X * s + p.Z * c}; };
        FApex = turn({0, 0, apexZ});
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 == 0 ? kOuter : kInner;
            const double a = -kPi / 2 + i * kPi / 5;
            FRim[i] = turn({r * std::cos(a), r * std::sin(a), 0});
        }
        for (int i = 0; i < 10; ++i) {
            TVec n = Unit(Cross(FRim[i] - FApex, FRim[(i + 1) % 10] - FApex));
            if (n.Z < 0)
                n = {-n.X, -n.Y, -n.Z};
            FNormal[i] = n;
        }
        FEdgeOn = std::abs(c);
    }

    // The colour at a point relative to the centre, or false off the star.
    bool Shade(double x, double y, double rgb[3]) const
    {
        for (int i = 0; i < 10; ++i) {
            const TVec a = FApex, b = FRim[i], d = FRim[(i + 1) % 10];
            const double s1 = Side(x, y, a, b), s2 = Side(x, y, b, d), s3 = Side(x, y, d, a);
            const bool inside = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
            const double rim = SegmentDistance(x, y, b, d);
            if (!inside && rim > 0.6)
                continue;
            Facet(FNormal[i], rgb);
            if (rim < 0.6) { // a dark rim keeps the shape crisp on grey
                for (int k = 0; k < 3; ++k)
                    rgb[k] = rgb[k] * 0.35 + kRimColour[k] * 0.65;
            }
            return true;
        }
        return false;
    }

    // How wide the star looks: 1 face on, 0 edge on.
    double Width() const { return FEdgeOn; }

    static constexpr double kOuter = 15.5, kInner = 6.6, kDepth = 4.5;

private:
    static void Facet(TVec n, double rgb[3])
    {
        const TVec light = Unit({-0.5, -0.75, 1.0});
        const TVec half = Unit({light.X, light.Y, light.Z + 1});
        const double diffuse = std::max(0.0, Dot(n, light));
        const double shine = std::pow(std::max(0.0, Dot(n, half)), 24) * 0.55;
        const double gold[3] = {255, 196, 38};
        for (int k = 0; k < 3; ++k)
            rgb[k] = std::min(255.0, gold[k] * (0.32 + 0.78 * diffuse) + 255 * shine);
    }

    static constexpr double kRimColour[3] = {122, 78, 6};
    TVec FApex{};
    std::array<TVec, 10> FRim{};
    std::array<TVec, 10> FNormal{};
    double FEdgeOn = 1;
};

// A four-pointed glint; its size swells and fades with `phase` (0..1).
double Glint(double dx, double dy, double phase)
{
    const double size = 4.5 * std::max(0.0, std::sin(2 * kPi * phase));
    if (size <= 0.05)
        return 0;
    const double ax = std::abs(dx), ay = std::abs(dy);
    const double arms = std::max(0.0, 1 - ax / size) * std::max(0.0, 1 - ay / (0.22 * size))
                      + std::max(0.0, 1 - ay / size) * std::max(0.0, 1 - ax / (0.22 * size));
    const double core = std::max(0.0, 1 - std::hypot(dx, dy) / (0.35 * size));
    return std::min(1.0, arms + core);
}

} // namespace

std::vector<TRgbFrame> StarFrames()
{
    const double cx = 24, cy = 18;
    struct TGlintAt { double X, Y, Phase; };
    // Kept clear of the top-left pixel, which must stay the background.
    const TGlintAt glints[] = {{7, 8, 0.0}, {41, 6, 0.33}, {42, 30, 0.62}, {6, 29, 0.82}};

    std::vector<TRgbFrame> frames;
    for (int f = 0; f < kFrames; ++f) {
        const TStar star(2 * kPi * f / kFrames);
        TRgbFrame frame{kWidth, kHeight, std::vector<uint8_t>(kWidth * kHeight * 3)};
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                double sum[3] = {0, 0, 0};
                for (int sy = 0; sy < kSub; ++sy) {
                    for (int sx = 0; sx < kSub; ++sx) {
                        const double px = x + (sx + 0.5) / kSub, py = y + (sy + 0.5) / kSub;
                        double rgb[3] = {kFace[0], kFace[1], kFace[2]};
                        // The star's shadow on the floor narrows as it turns.
                        const double sw = 3 + 12 * star.Width();
                        const double e = std::pow((px - cx) / sw, 2) + std::pow((py - 36.5) / 1.6, 2);
                        if (e < 1)
                            for (double& c : rgb)
                                c *= 1 - 0.22 * (1 - e);
                        if (!star.Shade(px - cx, py - cy, rgb)) {
                            for (const TGlintAt& g : glints) {
                                const double a = Glint(px - g.X, py - g.Y,
                                                       std::fmod(g.Phase + 2.0 * f / kFrames, 1.0));
                                const double white[3] = {255, 252, 215};
                                for (int k = 0; k < 3; ++k)
                                    rgb[k] = rgb[k] * (1 - a) + white[k] * a;
                            }
                        }
                        for (int k = 0; k < 3; ++k)
                            sum[k] += rgb[k];
                    }
                }
                uint8_t* out = frame.At(x, y);
                for (int k = 0; k < 3; ++k)
                    out[k] = static_cast<uint8_t>(std::lround(sum[k] / (kSub * kSub)));
            }
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

} // namespace quindle::gen
