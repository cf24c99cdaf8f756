#pragma once
// A device ID group: entries of a plain pattern and its enciphered copy, loaded from the
// configuration file or the registry; only entries whose copy deciphers to the pattern count.
#include "device_id_match.h"
#include "ini_mgr.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

extern const wchar_t kUsbDeviceIdGroupKey[]; // "TRV USB DeviceId Group"
extern const wchar_t kHidDeviceIdGroupKey[]; // "TRV HID DeviceId Group"

enum DeviceIdLoadResult {
    DeviceIdLoaded = 0,
    DeviceIdFileFailed = 1,
    DeviceIdNoSection = 2,
    DeviceIdNoValues = 3,
    DeviceIdBadEntry = 4,
};

enum DecryptEntryResult {
    EntryDeciphered = 0,
    EntryNotBase64 = 1,
    EntryNotDeciphered = 2,
};

class CDeviceIdMgr {
  public:
    explicit CDeviceIdMgr(MatchRule rule = MatchRule::Panel);
    CDeviceIdMgr(const CDeviceIdMgr&) = delete;
    CDeviceIdMgr& operator=(const CDeviceIdMgr&) = delete;

    // A DeviceIdLoadResult.
    int Load(const std::wstring& path, const std::wstring& section);
    // Below HKLM\SOFTWARE, 32-bit view. 0 when loaded, else 1.
    int LoadFromRegistry(const std::wstring& keyName);
    // 0 when every value was written, 1 when the key or a value could not be written.
    int SaveToRegistry(const std::wstring& keyName);
    // 1 when some accepted pattern matches.
    int Match(const std::wstring& deviceId) const;
    void Clear();
    // 1 when an entry has an empty part; the entries accepted before it stay.
    int DecodeEntries();

    // Base64 text to the deciphered bytes; a DecryptEntryResult. outputLength: in, the room in
    // output; out, the deciphered length.
    static int DecryptEntryText(const char* text, size_t length, uint8_t* output,
                                size_t* outputLength);

    MatchRule rule() const { return rule_; }
    const std::vector<std::wstring>& entries() const { return entries_; }
    // Plain pattern to enciphered text, accepted entries only.
    const std::multimap<std::wstring, std::wstring>& ids() const { return ids_; }

  private:
    MatchRule rule_;
    CIniMgr ini_;
    std::vector<std::wstring> entries_;
    std::multimap<std::wstring, std::wstring> ids_;
};
