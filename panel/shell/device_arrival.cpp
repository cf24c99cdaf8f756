// The active device: found at creation, on device-interface arrivals and every two
// seconds while it is not usable; lost on the removal of its HID interface.
#include "audio_main_form.h"

#include "application.h"
#include "debug_output.h"
#include "device_library.h"
#include "extension_driver.h"
#include "label.h"
#include "language_texts.h"

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
    m_wVid = ids.vid;
    m_wPid = ids.pid;
    SelectActiveDevice(ids);
    ShowDeviceState(CheckDevice(ids, &m_hDevice));
}

// The device found at creation is usable: the driver's activation requests, virtual 7.1
// off, the level bar and the microphone endpoint.
void TAudioMainForm::PrepareDevice() {
    DriverStatusRequest();
    dlltr::SetVirtual7ch1_OnOff(0);
    SwitchVirtualSurroundOff(false);
    DriverParameterRequest(0, 0);
    EmptyMicLevelBar();
    PrepareEndpoint();
}

void TAudioMainForm::PrepareEndpoint() {
    if (m_bEndpointReady) return;
    m_pCaptureEndpoint = FindCaptureEndpoint(m_wVid, m_wPid);
    if (m_pCaptureEndpoint || m_iPlatform != 6) {
        StartMicLevelCapture();
        StopMicLevelCaptureUnlessShown();
        m_bEndpointReady = true;
    }
}

void TAudioMainForm::ShowDeviceState(DeviceState state) {
    m_strDeviceStateKey = state == DeviceState::Usable             ? L"LabelActive"
                          : state == DeviceState::HidWithoutDriver ? L"LabelUnDriver"
                                                                   : L"LabelUnactive";
    m_bDevicePresent = state == DeviceState::Usable;
    if (const TextItem* text = m_Texts.Find(m_strDeviceStateKey); text && DeviceActiveLabel)
        DeviceActiveLabel->SetCaption(text->Text);
    m_bSync = m_bDevicePresent;
    m_bDeviceIn = m_bDevicePresent;
    ToggleImageButton(54, m_bDeviceIn);
    m_bDeviceOut = m_bDevicePresent;
    ToggleImageButton(55, m_bDeviceOut);
    if (!m_bDevicePresent) Timer1.SetEnabled(true);
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
    Sleep(100);
    PrepareEndpoint();
    MicMonitoringOff();
    EmptyMicLevelBar();
    // The device found at creation is still attached: another device arrived.
    if (m_hDevice) return;
    std::wstring hardwareId;
    if (!FindActiveDevice(m_AppFolderPath.SourceFolderFullPath, &hardwareId)) return;
    VidPid ids = ParseVidPid(hardwareId);
    m_wVid = ids.vid;
    m_wPid = ids.pid;
    Sleep(100);
    SelectActiveDevice(ids);
    RecheckDevice(true);
    if (!m_bDevicePresent) return;

    Sleep(100);
    ResendLedSwitch();
    m_pCaptureEndpoint.reset();
    RefreshShownMicPage();
    if (m_bReadEEPROMData) {
        Sleep(100);
        Application().ProcessMessages();
        int result = GetEEPROMData();
        DebugPrint(L"***** m_bReadEEPROMData = TRUE, GetEEPROMData, relt = %d *****", result);
        for (int retry = 0; retry < 2 && result != 0; ++retry)
            result = GetEEPROMData();
    }
    ActivationSteps();
}

// The found device's HID interface is opened only to see that it is there; then the driver
// decides whether the device can be used.
void TAudioMainForm::RecheckDevice(bool pauseBeforeDriverCheck) {
    HidHandle hid = OpenHidDevice(m_wVid, m_wPid);
    if (!hid) {
        ShowDeviceState(DeviceState::NoHid);
    } else {
        hid.reset();
        if (pauseBeforeDriverCheck) Sleep(100);
        ShowDeviceState(ExtensionDriverPresent(m_wVid, m_wPid) == 0
                            ? DeviceState::Usable
                            : DeviceState::HidWithoutDriver);
    }
    RefreshPageDisplay();
}

// What every activation ends with, at an arrival and at a timer tick.
void TAudioMainForm::ActivationSteps() {
    RefreshMicSettings();
    DriverStatusRequest();
    if (dlltr::SetVirtual7ch1_OnOff(0) != 0) {
        Sleep(100);
        dlltr::SetVirtual7ch1_OnOff(0);
    }
    SwitchVirtualSurroundOff(true);
    DriverParameterRequest(0, 0);
    if (++m_iActivationCount == 1) InitLed();
}

void TAudioMainForm::Timer1Timer() {
    WriteDebugText(L"DeviceArrivalforTimer1");
    Sleep(100);
    std::wstring hardwareId;
    if (!FindActiveDevice(m_AppFolderPath.SourceFolderFullPath, &hardwareId)) return;
    VidPid ids = ParseVidPid(hardwareId);
    m_wVid = ids.vid;
    m_wPid = ids.pid;
    SelectActiveDevice(ids);
    Sleep(100);
    RecheckDevice(false);
    if (!m_bDevicePresent) return;

    Sleep(100);
    PrepareEndpoint();
    MicMonitoringOff();
    EmptyMicLevelBar();
    ResendLedSwitch();
    m_pCaptureEndpoint.reset();
    ActivationSteps();
    Timer1.SetEnabled(false);
}

// Only the active device's own removal counts: another device's HID interface going away
// leaves the active device and its open handle alone.
void TAudioMainForm::DeviceRemoval(const std::wstring& interfacePath) {
    VidPid removed = ParseVidPid(interfacePath);
    if (removed.vid != m_wVid || removed.pid != m_wPid) return;
    m_strDeviceStateKey = L"LabelUnactive";
    if (const TextItem* text = m_Texts.Find(m_strDeviceStateKey); text && DeviceActiveLabel)
        DeviceActiveLabel->SetCaption(text->Text);
    m_bDevicePresent = m_bSync = m_bEndpointReady = false;
    m_bDeviceIn = false;
    ToggleImageButton(54, m_bDeviceIn);
    m_bDeviceOut = false;
    ToggleImageButton(55, m_bDeviceOut);
    ClearEffectState();
    RefreshPageDisplay();
    if (m_hDevice) {
        m_hDevice.reset();
        m_pCaptureEndpoint.reset();
        ForgetMicCapture();
        CloseLedWorker();
        m_iActivationCount = 0;
    }
}
