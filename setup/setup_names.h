#pragma once
// Names, numbers and messages setup shares between its window, its install worker and the
// programs it installs.
#include <windows.h>

#include <cstdint>

// Posted by the install worker to the wizard window.
const UINT WM_INSTALL_PROGRESS = WM_USER + 32; // wParam: percent
const UINT WM_INSTALL_FINISHED = WM_USER + 33;

extern const wchar_t kSoftwareKeyName[];    // "TRV 42xx Software", below "SOFTWARE\"
extern const wchar_t kAppExitMessageName[]; // "WM_TRV42xxAPP_EXIT"
extern const wchar_t kMessageBoxCaption[];  // "Install"

extern const wchar_t kFilterDriverName[];  // "Polder"
extern const wchar_t kDeviceServiceName[]; // "Meridel"
extern const wchar_t kHardwareIdPattern[]; // its length is what the device search compares
extern const GUID kHidClassGuid;
extern const wchar_t kExtensionInterfacePath[];
extern const wchar_t kUpdatePackageName[];     // "KB3033929"
extern const wchar_t kUpdatePackageFileName[]; // "Windows6.1-KB3033929-x64.msu"
extern const wchar_t kUninstallKeyPath[];

// The payloads setup carries as resources of its own module.
struct PayloadResource {
    uint32_t number;
    const wchar_t* type;
};
extern const PayloadResource kDriver32Payload, kDriver64Payload;
extern const PayloadResource kService32Payload, kService64Payload;
extern const PayloadResource kPanelPayload, kUninstallerPayload, kUpdatePayload;
extern const PayloadResource kEffectAppPayload, kSoundEffectAppPayload;
// The 64-bit helper that restarts devices for the 32-bit setup on a 64-bit system.
extern const PayloadResource kDeviceHelperPayload;

// The user-defined control code sent to the device service before installing.
const uint32_t kServicePrepareCode = 128;
