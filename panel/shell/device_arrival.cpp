// The active device: found at creation, on device-interface arrivals and every two
// seconds while it is not usable; lost on the removal of its HID interface.
#include "shell/audio_main_form.h"

#include "device/protocol_pause.h"
#include "application.h"
#include "debug_output.h"
#include "device/device_library.h"
#include "device/extension_driver.h"

#include <dbt.h>

namespace {
bool SameGuid(const GUID& a, const GUID& b) {
    return IsEqualGUID(a, b) != FALSE;
}
} // namespace

void TAudioMainForm::SearchDevice() {
    std::wstring hardwareId;
    if (!FindActiveDevice(m_AppFolderPath.SourceFolderFullPath, &hardwareId))
        FindActiveDevice(m_AppFolderPath.SourceFolderFullPath, &hardwareId);
    VidPid ids = ParseVidPid(hardwareId);
    m_Device.m_wVid = ids.vid;
    m_Device.m_wPid = ids.pid;
    SelectActiveDevice(ids);
    ShowDeviceState(CheckDevice(ids, &m_hDevice));
}

// The device found at creation is usable: the driver's activation requests, virtual 7.1
// off, the level bar and the microphone endpoint.
void TAudioMainForm::PrepareDevice() {
    DriverStatusRequest();
    dlltr::SetVirtual7ch1_OnOff(0);
    m_Features.surround.SendOff(false);
    DriverParameterRequest(0, 0);
    m_Features.microphone.EmptyLevelBar();
    PrepareEndpoint();
}

void TAudioMainForm::PrepareEndpoint() {
    if (m_bEndpointReady) return;
    m_pCaptureEndpoint = FindCaptureEndpoint(m_Device.m_wVid, m_Device.m_wPid);
    if (m_pCaptureEndpoint || m_iPlatform != 6) {
        // Arriving while the microphone page is shown leaves the meter running.
        m_Features.microphone.ReadInitialSettings(m_View.CurrentPage() == kPageMic);
        m_bEndpointReady = true;
    }
}

void TAudioMainForm::ShowDeviceState(DeviceState state) {
    m_Device.m_bDevicePresent = state == DeviceState::Usable;
    m_Features.effects.DeviceUsable(m_Device.m_bDevicePresent);
    m_View.ShowDeviceState(state == DeviceState::Usable             ? L"LabelActive"
                           : state == DeviceState::HidWithoutDriver ? L"LabelUnDriver"
                                                                    : L"LabelUnactive");
    if (!m_Device.m_bDevicePresent) Timer1.SetEnabled(true);
}

void TAudioMainForm::OnDeviceChange(WPARAM event, LPARAM data) {
    auto* header = reinterpret_cast<DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return;
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(data);
    if (event == DBT_DEVICEARRIVAL) {
        DeviceArrival();
    } else if (event == DBT_DEVICEREMOVECOMPLETE) {
        if (!SameGuid(broadcast->dbcc_classguid, kHidInterfaceClass)) return;
        DeviceRemoval(broadcast->dbcc_name);
    } else {
        return;
    }
    Application().ProcessMessages();
}

void TAudioMainForm::DeviceArrival() {
    WriteDebugText(L"DeviceArrival1");
    ProtocolPause(100);
    PrepareEndpoint();
    m_Features.microphone.DeviceArrived();
    // The device found at creation is still attached: another device arrived.
    if (m_hDevice) return;
    std::wstring hardwareId;
    if (!FindActiveDevice(m_AppFolderPath.SourceFolderFullPath, &hardwareId)) return;
    VidPid ids = ParseVidPid(hardwareId);
    m_Device.m_wVid = ids.vid;
    m_Device.m_wPid = ids.pid;
    ProtocolPause(100);
    SelectActiveDevice(ids);
    RecheckDevice(true);
    if (!m_Device.m_bDevicePresent) return;

    ProtocolPause(100);
    m_Features.lighting.ResendLedSwitch();
    m_pCaptureEndpoint.reset();
    if (m_View.CurrentPage() == kPageENC) m_Features.microphone.RefreshENC();
    if (m_View.CurrentPage() == kPageVoice) m_Features.microphone.RefreshVoiceMagic();
    if (m_Features.effects.ReadEEPROMData()) {
        ProtocolPause(100);
        Application().ProcessMessages();
        int result = m_Features.effects.GetEEPROMData();
        DebugPrint(L"***** m_bReadEEPROMData = TRUE, GetEEPROMData, relt = %d *****", result);
        for (int retry = 0; retry < 2 && result != 0; ++retry)
            result = m_Features.effects.GetEEPROMData();
    }
    ActivationSteps();
}

// The found device's HID interface is opened only to see that it is there; then the driver
// decides whether the device can be used.
void TAudioMainForm::RecheckDevice(bool pauseBeforeDriverCheck) {
    HidHandle hid = OpenHidDevice(m_Device.m_wVid, m_Device.m_wPid);
    if (!hid) {
        ShowDeviceState(DeviceState::NoHid);
    } else {
        hid.reset();
        if (pauseBeforeDriverCheck) ProtocolPause(100);
        ShowDeviceState(ExtensionDriverPresent(m_Device.m_wVid, m_Device.m_wPid) == 0
                            ? DeviceState::Usable
                            : DeviceState::HidWithoutDriver);
    }
    m_View.RefreshStates();
}

// What every activation ends with, at an arrival and at a timer tick.
void TAudioMainForm::ActivationSteps() {
    RefreshMicSettings();
    DriverStatusRequest();
    if (dlltr::SetVirtual7ch1_OnOff(0) != 0) {
        ProtocolPause(100);
        dlltr::SetVirtual7ch1_OnOff(0);
    }
    m_Features.surround.SendOff(true);
    DriverParameterRequest(0, 0);
    if (++m_iActivationCount == 1) m_Features.lighting.InitLedColors();
}

void TAudioMainForm::Timer1Timer() {
    WriteDebugText(L"DeviceArrivalforTimer1");
    ProtocolPause(100);
    std::wstring hardwareId;
    if (!FindActiveDevice(m_AppFolderPath.SourceFolderFullPath, &hardwareId)) return;
    VidPid ids = ParseVidPid(hardwareId);
    m_Device.m_wVid = ids.vid;
    m_Device.m_wPid = ids.pid;
    SelectActiveDevice(ids);
    ProtocolPause(100);
    RecheckDevice(false);
    if (!m_Device.m_bDevicePresent) return;

    ProtocolPause(100);
    PrepareEndpoint();
    m_Features.microphone.DeviceArrived();
    m_Features.lighting.ResendLedSwitch();
    m_pCaptureEndpoint.reset();
    ActivationSteps();
    Timer1.SetEnabled(false);
}

// Only the active device's own removal counts: another device's HID interface going away
// leaves the active device and its open handle alone.
void TAudioMainForm::DeviceRemoval(const std::wstring& interfacePath) {
    VidPid removed = ParseVidPid(interfacePath);
    if (removed.vid != m_Device.m_wVid || removed.pid != m_Device.m_wPid) return;
    m_Device.m_bDevicePresent = false;
    m_bEndpointReady = false;
    m_Features.effects.DeviceUsable(false);
    m_Features.effects.ClearEffectState();
    m_Features.surround.ClearState();
    m_Features.microphone.ClearState();
    m_View.ShowDeviceState(L"LabelUnactive");
    if (m_hDevice) {
        m_hDevice.reset();
        m_pCaptureEndpoint.reset();
        m_Features.microphone.ForgetCapture();
        m_Features.lighting.CloseLedWorker();
        m_iActivationCount = 0;
    }
}
