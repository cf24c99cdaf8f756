#pragma once
// The device's microphone through the multimedia device interface and the older mixer
// interface, the audio service's restart, and the capture endpoint's listen property.
#include "device/device_backend.h"

#include <cstdint>
#include <memory>

// The active capture endpoint of the device with these IDs, or none. When no capture
// device carries the device's interface path, none is reported rather than some other
// microphone.
std::unique_ptr<CaptureEndpoint> FindCaptureEndpoint(uint16_t vid, uint16_t pid);

// The capture device's description, as the search and the mixer compare it.
std::wstring CaptureDescription(uint16_t vid, uint16_t pid);

// Results as the endpoint's operations give them; a missing endpoint gives 2.
int GetEndpointVolume(CaptureEndpoint* endpoint, int* percent);
int SetEndpointVolume(CaptureEndpoint* endpoint, int percent);
int GetEndpointMute(CaptureEndpoint* endpoint, bool* mute);
int SetEndpointMute(CaptureEndpoint* endpoint, bool mute);
int GetAutoGainControl(CaptureEndpoint* endpoint, bool* enabled);
int SetAutoGainControl(CaptureEndpoint* endpoint, bool enabled);

enum MixerKind {
    MixerReadVolume = 0,
    MixerWriteVolume = 1,
    MixerReadMute = 2,
    MixerWriteMute = 3,
    MixerReadInput = 4,
    MixerWriteInput = 5,
};
// 1 done, 0 not done.
int MixerControl(int kind, long* value, long* minimum, long* maximum, uint16_t vid, uint16_t pid);

// 0 restarted; 1 stop refused; 2 not stopped in time; 3 start failed.
int RestartAudioService();

// Writes the listen property of every capture endpoint of the device into the registry.
void SetCaptureListen(bool on, uint16_t vid, uint16_t pid);
