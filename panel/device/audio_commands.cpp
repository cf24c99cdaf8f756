#include "device/audio_commands.h"

#include "device/device_library.h"

#include <cstring>

namespace {
int Send(uint8_t* block) {
    int length = kAudioCommandLength;
    return dlltr::AudioCommand(block, &length);
}
} // namespace

int TRV_AudioSetOnOff(uint8_t command, uint8_t subCommand, int32_t on) {
    uint8_t block[kAudioCommandLength] = {command, subCommand};
    std::memcpy(block + 2, &on, 4);
    return Send(block);
}

int TRV_AudioSetCommand(uint8_t command, uint8_t subCommand, const uint8_t* data, int length) {
    uint8_t block[kAudioCommandLength] = {command, subCommand};
    if (length > kAudioCommandLength - 2) length = kAudioCommandLength - 2;
    if (data && length > 0) std::memcpy(block + 2, data, static_cast<size_t>(length));
    return Send(block);
}

int TRV_AudioGetAll(uint8_t command, uint8_t subCommand, uint8_t state[8], uint8_t parameters[16]) {
    uint8_t block[kAudioCommandLength] = {command, subCommand};
    int result = Send(block);
    if (result == 0) {
        std::memcpy(state, block + 2, 8);
        std::memcpy(parameters, block + 134, 16);
    }
    return result;
}

int TRV_AudioSetParameters(uint8_t parameters[16]) {
    return dlltr::SetEnc_Parameters(parameters);
}
