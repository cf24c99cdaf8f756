#include "device_id_mgr.h"

#include "base64_decode.h"
#include "des_decrypt.h"

#include <cstring>

const wchar_t kUsbDeviceIdGroupKey[] = L"TRV USB DeviceId Group";
const wchar_t kHidDeviceIdGroupKey[] = L"TRV HID DeviceId Group";

namespace {

const char kDeviceIdKey[] = "Lq7Vxw2N";
const size_t kDecodedRoom = 1024;
const size_t kDecipheredRoom = 4096;

} // namespace

CDeviceIdMgr::CDeviceIdMgr(MatchRule rule) : rule_(rule) {}

int CDeviceIdMgr::Load(const std::wstring& path, const std::wstring& section) {
    if (ini_.Load(path) != IniLoaded) return DeviceIdFileFailed;
    Clear();
    if (!ini_.HasSection(section)) return DeviceIdNoSection;
    std::vector<std::wstring> names;
    ini_.GetValueNames(section, names);
    if (names.empty()) return DeviceIdNoValues;
    for (const std::wstring& name : names)
        entries_.push_back(ini_.GetValue(section, name));
    return DecodeEntries() != 0 ? DeviceIdBadEntry : DeviceIdLoaded;
}

int CDeviceIdMgr::Match(const std::wstring& deviceId) const {
    for (const auto& id : ids_)
        if (MatchDeviceIdPattern(id.first, deviceId, rule_)) return 1;
    return 0;
}

void CDeviceIdMgr::Clear() {
    entries_.clear();
    ids_.clear();
}

int CDeviceIdMgr::DecodeEntries() {
    for (const std::wstring& entry : entries_) {
        std::wstring plain, enciphered;
        int split = SplitDeviceIdEntry(entry, plain, enciphered);
        if (split == EntryNoComma) continue;
        if (split == EntryEmptyPart) return 1;

        std::string text = NarrowEntryText(enciphered);
        std::vector<uint8_t> deciphered(kDecipheredRoom);
        size_t length = deciphered.size();
        if (DecryptEntryText(text.data(), text.size(), deciphered.data(), &length) !=
            EntryDeciphered)
            continue;
        if (std::wstring(deciphered.begin(), deciphered.begin() + length) != plain) continue;
        ids_.emplace(plain, enciphered);
    }
    return 0;
}

int CDeviceIdMgr::DecryptEntryText(const char* text, size_t length, uint8_t* output,
                                   size_t* outputLength) {
    uint8_t decoded[kDecodedRoom];
    size_t decodedLength = sizeof decoded;
    if (Base64Decode(text, length, decoded, &decodedLength) != Base64Ok) return EntryNotBase64;
    std::memset(output, 0, *outputLength);
    if (DesDecrypt(decoded, decodedLength, output, outputLength, kDeviceIdKey,
                   sizeof kDeviceIdKey - 1) != DesDecrypted)
        return EntryNotDeciphered;
    return EntryDeciphered;
}
