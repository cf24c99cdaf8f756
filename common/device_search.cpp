#include "device_search.h"

#include "device_id_mgr.h"

#include <setupapi.h>

namespace {

// The first string of a multi-string property.
std::wstring FirstString(const std::vector<uint8_t>& bytes) {
    const wchar_t* text = reinterpret_cast<const wchar_t*>(bytes.data());
    size_t units = bytes.size() / sizeof(wchar_t), n = 0;
    while (n < units && text[n])
        ++n;
    return std::wstring(text, n);
}

bool HardwareIdMatches(DeviceList& list, uint32_t entry, const std::wstring& pattern,
                       const CDeviceIdMgr& ids) {
    uint32_t type = 0;
    auto property = GetDeviceProperty(list, entry, SPDRP_HARDWAREID, &type);
    if (!property) return false;
    std::wstring hardwareId = FirstString(*property);
    return hardwareId.size() == pattern.size() && ids.Match(hardwareId) == 1;
}

std::wstring HardwareIdOf(DeviceList& list, uint32_t entry) {
    uint32_t type = 0;
    auto property = GetDeviceProperty(list, entry, SPDRP_HARDWAREID, &type);
    return property ? FirstString(*property) : std::wstring();
}

} // namespace

std::optional<std::vector<uint8_t>> GetDeviceProperty(DeviceList& list, uint32_t entry,
                                                      uint32_t property, uint32_t* type) {
    uint32_t required = 0, error = 0;
    if (list.ReadProperty(entry, property, type, nullptr, 0, &required, &error) ||
        error != ERROR_INSUFFICIENT_BUFFER || required == 0)
        return std::nullopt;
    // Twice the size and a little more, so that a multi-string always ends in nulls.
    std::vector<uint8_t> buffer(required * 2 + 4, 0);
    if (!list.ReadProperty(entry, property, type, buffer.data(),
                           static_cast<uint32_t>(buffer.size()), &required, &error))
        return std::nullopt;
    return buffer;
}

bool DevicePropertyEquals(DeviceList& list, uint32_t entry, const std::wstring& text,
                          uint32_t property) {
    uint32_t type = 0;
    auto bytes = GetDeviceProperty(list, entry, property, &type);
    if (!bytes || type != REG_MULTI_SZ) return false;
    std::wstring first = FirstString(*bytes);
    return first.size() == text.size() &&
           CompareStringOrdinal(first.c_str(), static_cast<int>(first.size()), text.c_str(),
                                static_cast<int>(text.size()), TRUE) == CSTR_EQUAL;
}

bool RestartDevice(DeviceList& list, uint32_t entry) {
    for (uint32_t change : {DICS_DISABLE, DICS_ENABLE})
        if (!list.SetPropertyChangeParams(entry, change, DICS_FLAG_CONFIGSPECIFIC, 0) ||
            !list.CallPropertyChange(entry))
            return false;
    uint32_t flags = 0;
    return list.ReadInstallFlags(entry, &flags) && !(flags & DI_NEEDREBOOT);
}

int RemoveDeviceFilter(const GUID& classId, const std::wstring& pattern, const CDeviceIdMgr& ids,
                       const std::wstring& filterName) {
    auto list = DeviceLists().Open(classId, false);
    if (!list) return 1;
    for (uint32_t i = 0; list->HasEntry(i); ++i) {
        if (!HardwareIdMatches(*list, i, pattern, ids)) continue;
        if (!DevicePropertyEquals(*list, i, filterName, SPDRP_LOWERFILTERS)) continue;
        list->WriteProperty(i, SPDRP_LOWERFILTERS, nullptr, 0);
    }
    return 0;
}

int RestartMatchingDevices(const GUID& classId, const std::wstring& pattern,
                           const CDeviceIdMgr& ids) {
    auto list = DeviceLists().Open(classId, true);
    if (!list) return 1;
    for (uint32_t i = 0; list->HasEntry(i); ++i)
        if (HardwareIdMatches(*list, i, pattern, ids)) RestartDevice(*list, i);
    return 0;
}

int RemoveFilterAndRestart(const GUID& classId, const std::wstring& pattern,
                           const CDeviceIdMgr& ids, const std::wstring& filterName) {
    int result = RemoveDeviceFilter(classId, pattern, ids, filterName);
    if (result != 0) return result;
    return RestartMatchingDevices(classId, pattern, ids);
}

int FindMatchingDevice(const GUID& classId, const std::wstring& pattern, const CDeviceIdMgr& ids,
                       std::wstring* hardwareId) {
    auto list = DeviceLists().Open(classId, true);
    if (!list) return 1;
    for (uint32_t i = 0; list->HasEntry(i); ++i) {
        if (!HardwareIdMatches(*list, i, pattern, ids)) continue;
        if (hardwareId) *hardwareId = HardwareIdOf(*list, i);
        return 1;
    }
    return 0;
}
