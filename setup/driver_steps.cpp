// The filter driver: its removal from the devices before installing, the driver file and
// service key (STEP1), and the device restart and check after everything else (STEP9).
#include "debug_output.h"
#include "extension_interface.h"
#include "file_operations.h"
#include "file_system.h"
#include "install_sequence.h"
#include "payload_resource.h"
#include "service_control.h"
#include "setup_names.h"

std::wstring InstallSequence::DriverFilePath() const {
    return state_.folders.SystemFolderPath + L"drivers\\" + kFilterDriverName + L".sys";
}

bool InstallSequence::PrepareDriver() {
    devices_->RemoveFilterAndRestart(kFilterDriverName);
    if (ExtensionInterfaceOpens()) {
        ShowMessage(state_.Text(LabelWarning1));
        return false;
    }
    Sleep(100);
    devices_->RestartMatchingDevices();
    // A device list that cannot be read counts as a device found.
    if (devices_->FindMatchingDevice() && !ExtensionInterfaceOpens())
        ShowMessage(state_.Text(LabelWarning3));
    return true;
}

unsigned InstallSequence::Install_FilterDriver() {
    DebugPrint(L"==> %s\n", L"TMainForm::Install_FilterDriver");
    if (RegisterDriverService(kFilterDriverName) != 0) return DriverServiceKeyFailed;
    PostProgress(10);
    {
        // The driver belongs in the system's own folder, not the one 32-bit programs see.
        RedirectionOff redirection(state_.is64);
        const PayloadResource& payload = state_.is64 ? kDriver64Payload : kDriver32Payload;
        size_t size = 0;
        const void* bytes = LoadPayloadResource(payload.number, payload.type, &size);
        if (!bytes) return DriverResourceMissing;
        if (WriteBufferToFile(DriverFilePath(), bytes, size) != 0) return DriverFileNotWritten;
    }
    PostProgress(20);
    return InstallStepOk;
}

void InstallSequence::ActivateDriver() {
    Sleep(1000);
    devices_->RestartMatchingDevices();
    if (devices_->FindMatchingDevice() && !ExtensionInterfaceOpens())
        ShowMessage(state_.Text(LabelWarning3));
}
