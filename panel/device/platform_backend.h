#pragma once
// The pieces of the platform's back end, one file per kind of device access.
#include "device/device_backend.h"

std::vector<std::wstring> PlatformHidInterfacePaths();
std::unique_ptr<HidDevice> PlatformOpenHidPath(const std::wstring& path);
std::unique_ptr<DriverHandle> PlatformOpenDriver(const std::wstring& path);
std::vector<CaptureDeviceInfo> PlatformCaptureDevices();
std::vector<std::unique_ptr<CaptureEndpoint>> PlatformActiveCaptureEndpoints();
std::vector<std::unique_ptr<MixerDevice>> PlatformOpenMixers();
std::unique_ptr<ServiceHandle> PlatformOpenAudioService();
