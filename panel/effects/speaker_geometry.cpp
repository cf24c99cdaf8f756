#include "effects/speaker_geometry.h"

#include <cmath>

SPEAKER_POLAR PolarOf(SpeakerPosition position, int cx, int cy) {
    const double u = position.left - cx;
    const double v = cy - position.top; // the screen's y axis turned upward
    double angle;
    if (v >= 0 && u >= 0)
        angle = std::atan2(v, u);
    else if (v >= 0)
        angle = kSpeakerPi - std::atan2(v, -u);
    else if (u < 0)
        angle = std::atan2(-v, -u) + kSpeakerPi;
    else
        angle = kSpeakerTwoPi - std::atan2(-v, u);
    SPEAKER_POLAR polar;
    polar.angle = static_cast<float>(angle);
    polar.distance = std::sqrt(u * u + v * v);
    return polar;
}

SpeakerPosition PositionOf(const SPEAKER_POLAR& polar, int cx, int cy) {
    SpeakerPosition p;
    p.left = static_cast<int>(cx + std::cos(polar.angle) * polar.distance);
    p.top = static_cast<int>(cy - std::sin(polar.angle) * polar.distance);
    return p;
}

void DefaultSpeakerLayout(int cx, int cy, int r, SpeakerPosition layout[kSpeakerCount]) {
    const int h = r / 2;
    const double d = h * 1.6;
    auto onCircle = [&](double turns) {
        const double a = turns * kSpeakerPi;
        return SpeakerPosition{static_cast<int>(std::cos(a) * d + cx),
                               static_cast<int>(cy - std::sin(a) * d)};
    };
    layout[0] = onCircle(0.75);                        // L
    layout[1] = onCircle(0.25);                        // R
    layout[2] = {cx, static_cast<int>(cy - d)};        // C
    layout[3] = {cx, cy - h};                          // SUB
    layout[4] = {static_cast<int>(cx - d), cy};        // LS
    layout[5] = {static_cast<int>(cx + d), cy};        // RS
    layout[6] = onCircle(1.25);                        // LB
    layout[7] = onCircle(1.75);                        // RB
}

VIRTUAL_7CH1_PARAMETERS VirtualBlock(int enable, const float distances[kSpeakerCount],
                                     const float angles[kSpeakerCount], int r) {
    VIRTUAL_7CH1_PARAMETERS block{};
    block.enable = enable;
    for (int i = 0; i < kSpeakerCount; ++i) {
        // Without a circle there is no ratio; the speakers then stand at the listener.
        float ratio = r > 0 ? static_cast<float>(static_cast<long double>(distances[i]) * 1.7L / r)
                            : 0.0f;
        if (ratio < 0.0f) ratio = 0.0f;
        if (ratio > 1.7f) ratio = 1.7f;
        block.ratio[i] = ratio;
        block.angle[i] = angles[i];
    }
    return block;
}
