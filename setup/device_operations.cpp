#include "device_operations.h"

#include "device_id_mgr.h"
#include "device_search.h"
#include "file_operations.h"
#include "payload_resource.h"
#include "setup_names.h"
#include "simulated_device_list.h"
#include "win_handles.h"

#include <string>

namespace {

const wchar_t kGroupSection[] = L"USB_VID_PID";
const DWORD kHelperTimeoutMs = 120000;

class InProcessOperations : public DeviceOperations {
  public:
    explicit InProcessOperations(const CDeviceIdMgr& ids) : ids_(ids) {}
    int RemoveFilterAndRestart(const std::wstring& filterName) override {
        return ::RemoveFilterAndRestart(kHidClassGuid, kHardwareIdPattern, ids_, filterName);
    }
    int RestartMatchingDevices() override {
        return ::RestartMatchingDevices(kHidClassGuid, kHardwareIdPattern, ids_);
    }
    int FindMatchingDevice() override {
        return ::FindMatchingDevice(kHidClassGuid, kHardwareIdPattern, ids_);
    }

  private:
    const CDeviceIdMgr& ids_;
};

// Writes the helper and the accepted entries of the group into a folder of its own under the
// temporary folder, runs one command and removes both again. When the helper cannot be run the
// operation runs in this process, where the platform refuses the restarts but the rest works.
class HelperOperations : public DeviceOperations {
  public:
    explicit HelperOperations(const CDeviceIdMgr& ids) : ids_(ids), inProcess_(ids) {}
    int RemoveFilterAndRestart(const std::wstring& filterName) override {
        int result = 0;
        if (Run(L"remove-filter", filterName, result)) return result;
        return inProcess_.RemoveFilterAndRestart(filterName);
    }
    int RestartMatchingDevices() override {
        int result = 0;
        if (Run(L"restart", std::wstring(), result)) return result;
        return inProcess_.RestartMatchingDevices();
    }
    // Reading the device list works from a 32-bit program.
    int FindMatchingDevice() override { return inProcess_.FindMatchingDevice(); }

  private:
    bool Run(const std::wstring& command, const std::wstring& argument, int& result) {
        size_t size = 0;
        const void* helper =
            LoadPayloadResource(kDeviceHelperPayload.number, kDeviceHelperPayload.type, &size);
        if (!helper) return false;
        wchar_t temp[MAX_PATH] = L"";
        if (!GetTempPathW(MAX_PATH, temp)) return false;
        std::wstring folder =
            std::wstring(temp) + L"TRV42xxSetup" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        std::wstring program = folder + L"HarrowDevice64.exe";
        std::wstring groupFile = folder + L"DeviceGroup.ini";
        std::string group = "[USB_VID_PID]\r\n";
        int n = 0;
        for (const auto& entry : ids_.ids()) {
            std::wstring line =
                std::to_wstring(++n) + L"=" + entry.first + L"," + entry.second + L"\r\n";
            for (wchar_t c : line)
                group.push_back(static_cast<char>(c)); // patterns and base64 are ASCII
        }
        bool ran = false;
        if (WriteBufferToFile(program, helper, size) == 0 &&
            WriteBufferToFile(groupFile, group.data(), group.size()) == 0) {
            std::wstring line = L"\"" + program + L"\" " + command + L" \"" + groupFile + L"\"" +
                                (argument.empty() ? L"" : L" " + argument);
            STARTUPINFOW startup{};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION info{};
            if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &info)) {
                UniqueHandle process(info.hProcess);
                UniqueHandle thread(info.hThread);
                DWORD code = 0;
                if (WaitForSingleObject(process.get(), kHelperTimeoutMs) == WAIT_OBJECT_0 &&
                    GetExitCodeProcess(process.get(), &code) && code < 100) {
                    result = static_cast<int>(code);
                    ran = true;
                } else {
                    TerminateProcess(process.get(), 1);
                    WaitForSingleObject(process.get(), 5000);
                }
            }
        }
        DeleteFileW(program.c_str());
        DeleteFileW(groupFile.c_str());
        RemoveDirectoryW(folder.c_str());
        return ran;
    }

    const CDeviceIdMgr& ids_;
    InProcessOperations inProcess_;
};

} // namespace

DeviceOperationsKind ChooseDeviceOperations(bool is64) {
    return is64 ? DeviceOperationsKind::Helper64 : DeviceOperationsKind::InProcess;
}

std::unique_ptr<DeviceOperations> MakeDeviceOperations(DeviceOperationsKind kind,
                                                       const CDeviceIdMgr& ids) {
    if (kind == DeviceOperationsKind::Helper64) return std::make_unique<HelperOperations>(ids);
    return std::make_unique<InProcessOperations>(ids);
}

int RunDeviceHelperCommand(int argc, wchar_t** argv) {
    if (argc < 3) return 100;
    std::wstring command = argv[1];
    CDeviceIdMgr ids(MatchRule::Setup);
    if (ids.Load(argv[2], kGroupSection) != DeviceIdLoaded) return 101;
    InProcessOperations operations(ids);
    if (command == L"remove-filter" && argc >= 4) return operations.RemoveFilterAndRestart(argv[3]);
    if (command == L"restart") return operations.RestartMatchingDevices();
    return 100;
}

bool SimulatorSelected() {
    static const bool selected = [] {
        wchar_t value[8] = L"";
        return GetEnvironmentVariableW(L"TRV42XX_SIMULATOR", value, 8) == 1 && value[0] == L'1';
    }();
    return selected;
}

void UseSimulatedDevicesWhenSelected() {
    if (SimulatorSelected()) SetDeviceListSource(&sim::SimulatedDeviceLists());
}
