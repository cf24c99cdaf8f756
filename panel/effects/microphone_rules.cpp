#include "effects/microphone_rules.h"

namespace {
const int kPitchSteps[kVoiceModeCount] = {0, -3, 7, -10, 12};
} // namespace

int VoicePitchStep(int mode) {
    return mode >= 0 && mode < kVoiceModeCount ? kPitchSteps[mode] : 0;
}

int VoiceModeOfLevel(uint32_t level) {
    for (int mode = 0; mode < kVoiceModeCount; ++mode)
        if (level == static_cast<uint32_t>(12 + kPitchSteps[mode])) return mode;
    return 0;
}

int LevelBarWidth(const uint8_t* samples, size_t count, int progressLength) {
    if (count == 0) return 0;
    unsigned sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum += static_cast<unsigned>(samples[i] > 128 ? samples[i] - 128 : 128 - samples[i]);
    const unsigned mean = sum / static_cast<unsigned>(count);
    const long level = (static_cast<long>(progressLength) * 2 * static_cast<long>(mean)) >> 7;
    if (level <= 0 || progressLength < 10) return 0;
    long k = (progressLength - 10) / 4;
    if (k > level - 1) k = level - 1;
    return static_cast<int>(4 * k + 10);
}

int ENCLevelOfThumb(int fromBottom, int range) {
    const float step = static_cast<float>(range * (1.0 / 30));
    if (step <= 0) return 0;
    return static_cast<int>(static_cast<float>(fromBottom / step));
}
