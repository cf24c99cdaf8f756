#include "setup_names.h"

const wchar_t kSoftwareKeyName[] = L"TRV 42xx Software";
const wchar_t kAppExitMessageName[] = L"WM_TRV42xxAPP_EXIT";
const wchar_t kMessageBoxCaption[] = L"Install";

const wchar_t kFilterDriverName[] = L"Polder";
const wchar_t kDeviceServiceName[] = L"Meridel";
const wchar_t kHardwareIdPattern[] = L"USB\\VID_7A39&PID_42XX&REV_0100&MI_03";
const GUID kHidClassGuid = {
    0x745A17A0, 0x74D3, 0x11D0, {0xB6, 0xFE, 0x00, 0xA0, 0xC9, 0x0F, 0x57, 0xDA}};
const wchar_t kExtensionInterfacePath[] = L"\\\\.\\Class#UsbAudioExtension&7A39&00";
const wchar_t kUpdatePackageName[] = L"KB3033929";
const wchar_t kUpdatePackageFileName[] = L"Windows6.1-KB3033929-x64.msu";
const wchar_t kUninstallKeyPath[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TRV42xxAudioExt";

const PayloadResource kDriver32Payload{102, L"DRIVER"};
const PayloadResource kDriver64Payload{103, L"DRIVER"};
const PayloadResource kService32Payload{105, L"Service"};
const PayloadResource kService64Payload{106, L"Service"};
const PayloadResource kPanelPayload{107, L"APP"};
const PayloadResource kUninstallerPayload{108, L"UNINSTALL"};
const PayloadResource kUpdatePayload{110, L"WindowPatch"};
const PayloadResource kEffectAppPayload{111, L"APP"};
const PayloadResource kSoundEffectAppPayload{112, L"APP"};
const PayloadResource kDeviceHelperPayload{113, L"HELPER"};
