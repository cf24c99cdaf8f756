#include "simulated_device_list.h"

#include "simulated_device.h"

#include <setupapi.h>

#include <cstring>

namespace sim {
namespace {

std::vector<uint8_t> MultiString(const std::vector<std::wstring>& strings) {
    std::wstring all;
    for (const std::wstring& s : strings)
        all += s + L'\0';
    all += L'\0';
    std::vector<uint8_t> bytes(all.size() * sizeof(wchar_t));
    std::memcpy(bytes.data(), all.data(), bytes.size());
    return bytes;
}

class SimulatedDeviceList : public DeviceList {
  public:
    explicit SimulatedDeviceList(bool presentOnly) {
        std::vector<DeviceListEntry> all = SimulatedDevice::Instance().DeviceList();
        for (uint32_t i = 0; i < all.size(); ++i)
            if (!presentOnly || all[i].present) entries_.push_back({i, all[i]});
    }

    bool HasEntry(uint32_t index) override { return index < entries_.size(); }

    bool ReadProperty(uint32_t index, uint32_t property, uint32_t* type, uint8_t* buffer,
                      uint32_t size, uint32_t* required, uint32_t* error) override {
        if (index >= entries_.size()) return Fail(error, ERROR_NO_MORE_ITEMS);
        const DeviceListEntry& e = entries_[index].entry;
        std::vector<uint8_t> bytes;
        if (property == SPDRP_HARDWAREID)
            bytes = MultiString({e.hardwareId});
        else if (property == SPDRP_LOWERFILTERS && e.hasLowerFilters)
            bytes = MultiString(e.lowerFilters);
        else
            return Fail(error, ERROR_INVALID_DATA);
        if (type) *type = REG_MULTI_SZ;
        if (required) *required = static_cast<uint32_t>(bytes.size());
        if (!buffer || size < bytes.size()) return Fail(error, ERROR_INSUFFICIENT_BUFFER);
        std::memcpy(buffer, bytes.data(), bytes.size());
        *error = 0;
        return true;
    }

    bool WriteProperty(uint32_t index, uint32_t property, const uint8_t* buffer,
                       uint32_t size) override {
        if (index >= entries_.size() || property != SPDRP_LOWERFILTERS) return false;
        std::vector<std::wstring> filters;
        const wchar_t* text = reinterpret_cast<const wchar_t*>(buffer);
        size_t units = buffer ? size / sizeof(wchar_t) : 0;
        for (size_t at = 0; at < units && text[at];) {
            size_t end = at;
            while (end < units && text[end])
                ++end;
            filters.emplace_back(text + at, end - at);
            at = end + 1;
        }
        return SimulatedDevice::Instance().SetLowerFilters(entries_[index].modelIndex, filters,
                                                           units > 0);
    }

    bool SetPropertyChangeParams(uint32_t index, uint32_t stateChange, uint32_t,
                                 uint32_t) override {
        if (index >= entries_.size()) return false;
        pendingChange_ = stateChange;
        return true;
    }

    // The restart counts once its enabling half has run.
    bool CallPropertyChange(uint32_t index) override {
        if (index >= entries_.size()) return false;
        if (pendingChange_ == DICS_ENABLE)
            return SimulatedDevice::Instance().RestartDevice(entries_[index].modelIndex,
                                                             &needsReboot_);
        return true;
    }

    bool ReadInstallFlags(uint32_t index, uint32_t* flags) override {
        if (index >= entries_.size()) return false;
        *flags = needsReboot_ ? DI_NEEDREBOOT : 0;
        return true;
    }

  private:
    static bool Fail(uint32_t* error, uint32_t code) {
        *error = code;
        return false;
    }

    struct Item {
        uint32_t modelIndex;
        DeviceListEntry entry;
    };
    std::vector<Item> entries_;
    uint32_t pendingChange_ = 0;
    bool needsReboot_ = false;
};

class SimulatedSource : public DeviceListSource {
  public:
    std::unique_ptr<DeviceList> Open(const GUID&, bool presentOnly) override {
        if (!SimulatedDevice::Instance().Available()) return nullptr;
        return std::make_unique<SimulatedDeviceList>(presentOnly);
    }
};

} // namespace

DeviceListSource& SimulatedDeviceLists() {
    static SimulatedSource source;
    return source;
}

} // namespace sim
