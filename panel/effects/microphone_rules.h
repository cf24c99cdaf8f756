#pragma once
// The microphone's arithmetic: the voice modes' pitch steps, the level meter's bar and the ENC
// slider's level. Platform-neutral.
#include <cstddef>
#include <cstdint>

const int kVoiceModeCount = 5;
// The pitch step of a voice mode (0 to 4); 0 for any other mode.
int VoicePitchStep(int mode);
// The mode a stored "VoiceMagicLevel" (12 + step) stands for; 0 for any other value.
int VoiceModeOfLevel(uint32_t level);

// The level bar's width for one buffer of 8-bit samples: a = mean |sample - 128|,
// level = (length * 2 * a) >> 7, then the largest 4k + 10 with k below level that the bar
// holds; 0 for silence.
int LevelBarWidth(const uint8_t* samples, size_t count, int progressLength);

// The ENC level of a thumb fromBottom pixels above the bottom of a travel of range pixels,
// with the single-precision steps the level has always been worked out with.
int ENCLevelOfThumb(int fromBottom, int range);
