// The device service (STEP2): its program written, registered by itself and started, and the
// command lines with which it starts the package's programs.
#include "debug_output.h"
#include "file_operations.h"
#include "file_system.h"
#include "install_sequence.h"
#include "payload_resource.h"
#include "registry_values.h"
#include "service_control.h"
#include "setup_names.h"
#include "win_handles.h"

namespace {

const DWORD kSelfRegistrationTimeoutMs = 100000;

// The five start-up values of a program group: start lines, then the boot lines.
struct StartupValue {
    const wchar_t* prefix; // completed with the group letter and the slot digit
    bool boot;
};
const StartupValue kStartupValues[] = {
    {L"UserPrivilegeExecution_", false},       {L"AdminPrivilegeExecution_", false},
    {L"SystemPrivilegeExecution_", false},     {L"SystemPrivilegeExecutionOnBoot_", true},
    {L"AdminPrivilegeExecutionOnBoot_", true},
};

} // namespace

std::wstring InstallSequence::ServiceProgramPath() const {
    return state_.folders.SystemFolderPath + kDeviceServiceName + L".exe";
}

unsigned InstallSequence::Install_DeviceService() {
    ControlTheService(kDeviceServiceName, ServiceControlStop);
    BroadcastAppExit();
    PostProgress(30);
    {
        RedirectionOff redirection(state_.is64);
        const PayloadResource& payload = state_.is64 ? kService64Payload : kService32Payload;
        size_t size = 0;
        const void* bytes = LoadPayloadResource(payload.number, payload.type, &size);
        if (!bytes) return ServiceResourceMissing;
        if (WriteBufferToFile(ServiceProgramPath(), bytes, size) != 0) return ServiceFileNotWritten;
        PostProgress(40);

        std::wstring line = ServiceProgramPath() + L" /Service";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, HIGH_PRIORITY_CLASS, nullptr,
                            nullptr, &startup, &info))
            return ServiceRegistrationNotStarted;
        UniqueHandle process(info.hProcess);
        UniqueHandle thread(info.hThread);
        if (WaitForSingleObject(process.get(), kSelfRegistrationTimeoutMs) != WAIT_OBJECT_0)
            return ServiceRegistrationTimedOut;

        const std::pair<wchar_t, std::wstring> groups[] = {
            {L'C', PanelPath()}, {L'B', EffectAppPath()}, {L'D', SoundEffectAppPath()}};
        const std::wstring key = kSoftwareKeyName;
        for (const auto& group : groups) {
            DebugPrint(L"%s\n", group.second);
            int slot = 0;
            for (const StartupValue& value : kStartupValues) {
                std::wstring name =
                    value.prefix + std::wstring(1, group.first) + std::to_wstring(slot++);
                WriteRegString(key, name,
                               L"\"" + group.second + L"\"" +
                                   (value.boot ? L" -serviceboot" : L" -servicestart"));
            }
        }
    }
    PostProgress(50);
    ControlTheService(kDeviceServiceName, ServiceControlStart);
    PostProgress(60);
    return InstallStepOk;
}
