#pragma once
// The device library's audio commands: a 234-byte block with the command, the
// sub-command and a payload; the library answers in the same block.
#include <cstdint>

const uint8_t kCommandNoiseCancellation = 4;
const uint8_t kCommandVoiceChange = 7;

// 0 on success, else the library's result.
int TRV_AudioSetOnOff(uint8_t command, uint8_t subCommand, int32_t on);
int TRV_AudioSetCommand(uint8_t command, uint8_t subCommand, const uint8_t* data, int length);
// 8 bytes of state from byte 2 and the 16-byte parameter block from byte 134, copied only
// on success.
int TRV_AudioGetAll(uint8_t command, uint8_t subCommand, uint8_t state[8], uint8_t parameters[16]);
// The noise-cancellation parameter block back to the device.
int TRV_AudioSetParameters(uint8_t parameters[16]);
