// Device ID groups under Wine's CryptoAPI and registry, fed with entries that the host-side
// entry encipherer made with an independent DES at build time.
#include "base64_decode.h"
#include "des_decrypt.h"
#include "device_id_mgr.h"
#include "test_support.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const std::wstring kUsb = L"USB\\VID_7A39&PID_42XX&REV_0100&MI_00";
const std::wstring kHid = L"HID\\VID_7A39&PID_42XX&MI_03";
const std::wstring kUsbLower = L"usb\\vid_7a39&pid_42xx&rev_0100&mi_00";
const std::wstring kOther = L"USB\\VID_1234&PID_5678";
const std::wstring kBlock = L"ABCDEFGH";
const std::wstring kGroupKey = L"TrvTest DeviceId Group";

std::wstring DataFolder() {
    return BinFolder() + L"device_id_data\\";
}

// Pattern to enciphered text, from the encipherer's output.
const std::map<std::wstring, std::wstring>& Ciphers() {
    static const std::map<std::wstring, std::wstring> ciphers = [] {
        std::map<std::wstring, std::wstring> map;
        std::string bytes = ReadFileBytes(DataFolder() + L"entries.txt");
        std::wstring text(bytes.begin(), bytes.end());
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find(L'\n', start);
            if (end == std::wstring::npos) end = text.size();
            std::wstring line = text.substr(start, end - start);
            size_t comma = line.find(L',');
            if (comma != std::wstring::npos) map[line.substr(0, comma)] = line.substr(comma + 1);
            start = end + 1;
        }
        return map;
    }();
    return ciphers;
}

std::wstring Cipher(const std::wstring& pattern) {
    auto it = Ciphers().find(pattern);
    EXPECT_NE(it, Ciphers().end()) << "no entry made for this pattern";
    return it == Ciphers().end() ? std::wstring() : it->second;
}

std::wstring Entry(const std::wstring& pattern) {
    return pattern + L"," + Cipher(pattern);
}

std::multimap<std::wstring, std::wstring> Ids(std::initializer_list<std::wstring> patterns) {
    std::multimap<std::wstring, std::wstring> ids;
    for (const std::wstring& p : patterns)
        ids.emplace(p, Cipher(p));
    return ids;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

void DeleteSoftwareTree(const std::wstring& name, REGSAM view) {
    HKEY software = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, KEY_ALL_ACCESS | view, &software) ==
        ERROR_SUCCESS) {
        RegDeleteTreeW(software, name.c_str());
        RegDeleteKeyExW(software, name.c_str(), view, 0);
        RegCloseKey(software);
    }
}

// The group key in the 32-bit view, opened independently of the code under test.
class GroupKey {
  public:
    explicit GroupKey(bool create = true) {
        const std::wstring path = L"SOFTWARE\\" + kGroupKey;
        if (create)
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key_, nullptr);
        else
            RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                          &key_);
    }
    ~GroupKey() {
        if (key_) RegCloseKey(key_);
    }
    bool Exists() const { return key_ != nullptr; }
    void SetText(const std::wstring& name, const std::wstring& text) {
        RegSetValueExW(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    void SetNumber(const std::wstring& name, DWORD number) {
        RegSetValueExW(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                       sizeof number);
    }
    // Value name to its text, every value of the key.
    std::map<std::wstring, std::wstring> Values() const {
        std::map<std::wstring, std::wstring> values;
        for (DWORD i = 0;; ++i) {
            wchar_t name[256];
            BYTE data[4096];
            DWORD nameLength = 256, size = sizeof data, type = 0;
            if (RegEnumValueW(key_, i, name, &nameLength, nullptr, &type, data, &size) !=
                ERROR_SUCCESS)
                break;
            EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
            std::wstring text(reinterpret_cast<wchar_t*>(data), size / sizeof(wchar_t));
            EXPECT_EQ(text.back(), L'\0') << "stored with its terminating null";
            values[name] = text.c_str();
        }
        return values;
    }

  private:
    HKEY key_ = nullptr;
};

class DeviceIdGroups : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_GE(Ciphers().size(), 5u) << "entries of the encipherer missing";
        TearDown();
    }
    void TearDown() override {
        DeleteSoftwareTree(kGroupKey, KEY_WOW64_32KEY);
        DeleteSoftwareTree(kGroupKey, KEY_WOW64_64KEY);
    }

    // An ASCII configuration file with one section of numbered entries.
    std::wstring WriteGroup(const std::vector<std::wstring>& entries,
                            const std::wstring& section = L"USB_VID_PID") {
        std::wstring text = L"[Other]\r\nx=1\r\n[" + section + L"]\r\n";
        for (size_t i = 0; i < entries.size(); ++i)
            text += std::to_wstring(i + 1) + L"=" + entries[i] + L"\r\n";
        const std::wstring path = temp_.Path() + L"AudioConfig.cfg";
        WriteFileBytes(path, Narrow(text));
        return path;
    }

    TempFolder temp_;
};

} // namespace

TEST(DesDecrypt, DeciphersTheEncipherersEntries) {
    for (const auto& [pattern, cipher] : Ciphers()) {
        SCOPED_TRACE(Narrow(pattern));
        std::string text = Narrow(cipher);
        uint8_t out[4096];
        size_t length = sizeof out;
        ASSERT_EQ(CDeviceIdMgr::DecryptEntryText(text.data(), text.size(), out, &length),
                  EntryDeciphered);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(out), length), Narrow(pattern));
    }
}

TEST(DesDecrypt, ReportsEachFailure) {
    uint8_t out[64];
    size_t length = sizeof out;
    EXPECT_EQ(CDeviceIdMgr::DecryptEntryText("abc", 3, out, &length), EntryNotBase64);
    EXPECT_EQ(CDeviceIdMgr::DecryptEntryText("ab c", 4, out, &length), EntryNotBase64);
    // Base64 of four bytes: no whole DES block.
    EXPECT_EQ(CDeviceIdMgr::DecryptEntryText("AAAAAA==", 8, out, &length), EntryNotDeciphered);

    // "ABCDEFGH" enciphered is two blocks, one of text and one of padding.
    std::string text = Narrow(Cipher(kBlock));
    uint8_t cipher[32];
    size_t cipherLength = sizeof cipher;
    ASSERT_EQ(Base64Decode(text.data(), text.size(), cipher, &cipherLength), Base64Ok);
    ASSERT_EQ(cipherLength, 16u);

    // Only the first 8 characters of the key text count; the room must hold the input.
    const char key[] = "Lq7Vxw2N-and-more";
    size_t room = 15;
    EXPECT_EQ(DesDecrypt(cipher, 16, out, &room, key, 17), DesNoRoom);
    room = 16;
    EXPECT_EQ(DesDecrypt(cipher, 16, out, &room, key, 17), DesDecrypted);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), room), "ABCDEFGH");
    room = sizeof out;
    EXPECT_EQ(DesDecrypt(cipher, 15, out, &room, key, 8), DesBadLength);
    EXPECT_EQ(DesDecrypt(cipher, 0, out, &room, key, 8), DesBadLength);
}

TEST_F(DeviceIdGroups, LoadsAndChecksEveryEntry) {
    std::wstring badLength = Cipher(kUsb);
    badLength.pop_back();
    std::wstring spaced = Cipher(kUsb);
    spaced.insert(4, L" ");
    const std::vector<std::wstring> entries = {
        L"no comma at all",
        Entry(kUsb),
        kUsbLower + L"," + Cipher(kUsb), // differs in case only
        kHid + L"," + Cipher(kOther),    // another pattern's cipher
        kOther + L"," + badLength,       // not a multiple of 4
        kOther + L"," + spaced,          // a space inside
        kOther + L",AAAAAA==",           // not a whole block
        L"  " + kHid + L"  ,  " + Cipher(kHid),
        Entry(kUsb), // the same pattern twice
    };
    CDeviceIdMgr group;
    ASSERT_EQ(group.Load(WriteGroup(entries), L"USB_VID_PID"), DeviceIdLoaded);
    EXPECT_EQ(group.entries(), entries);
    EXPECT_EQ(group.ids(), Ids({kUsb, kHid, kUsb}));
}

TEST_F(DeviceIdGroups, AnEntryWithAnEmptyPartFailsTheGroup) {
    for (const std::wstring& broken : {kOther + L",", kOther + L",   ", L" ," + Cipher(kOther)}) {
        CDeviceIdMgr group;
        EXPECT_EQ(group.Load(WriteGroup({Entry(kUsb), broken, Entry(kHid)}), L"USB_VID_PID"),
                  DeviceIdBadEntry);
        // What was accepted before the broken entry stays.
        EXPECT_EQ(group.ids(), Ids({kUsb}));
        EXPECT_EQ(group.Match(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00"), 1);
    }
}

TEST_F(DeviceIdGroups, LoadResults) {
    CDeviceIdMgr group;
    const std::wstring path = WriteGroup({Entry(kUsb)});
    ASSERT_EQ(group.Load(path, L"USB_VID_PID"), DeviceIdLoaded);

    // A file that cannot be read leaves the group as it was.
    EXPECT_EQ(group.Load(temp_.Path() + L"missing.cfg", L"USB_VID_PID"), DeviceIdFileFailed);
    EXPECT_EQ(group.ids(), Ids({kUsb}));
    WriteFileBytes(temp_.Path() + L"broken.cfg", "\xEF\xBB\xBF[USB_VID_PID]\n1=\xC3");
    EXPECT_EQ(group.Load(temp_.Path() + L"broken.cfg", L"USB_VID_PID"), DeviceIdFileFailed);

    // Section names compare exactly.
    EXPECT_EQ(group.Load(path, L"usb_vid_pid"), DeviceIdNoSection);
    EXPECT_TRUE(group.ids().empty());
    EXPECT_EQ(group.Load(WriteGroup({}), L"USB_VID_PID"), DeviceIdNoValues);
    EXPECT_EQ(group.Match(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00"), 0);

    // A name given twice reads its first value twice.
    const std::wstring twice = temp_.Path() + L"twice.cfg";
    WriteFileBytes(twice, Narrow(L"[HID_VID_PID]\r\nA=" + Entry(kHid) + L"\r\nA=" + Entry(kUsb)));
    ASSERT_EQ(group.Load(twice, L"HID_VID_PID"), DeviceIdLoaded);
    EXPECT_EQ(group.entries(), (std::vector<std::wstring>{Entry(kHid), Entry(kHid)}));
    EXPECT_EQ(group.ids(), Ids({kHid, kHid}));
}

TEST_F(DeviceIdGroups, PanelAndSetupMatchRules) {
    const std::wstring path = WriteGroup({Entry(kUsb), Entry(kUsbLower)});
    CDeviceIdMgr panel(MatchRule::Panel), setup(MatchRule::Setup);
    ASSERT_EQ(panel.Load(path, L"USB_VID_PID"), DeviceIdLoaded);
    ASSERT_EQ(setup.Load(path, L"USB_VID_PID"), DeviceIdLoaded);
    EXPECT_EQ(panel.rule(), MatchRule::Panel);
    EXPECT_EQ(CDeviceIdMgr().rule(), MatchRule::Panel);

    struct Case {
        std::wstring id;
        int panel, setup;
    };
    const Case cases[] = {
        {L"USB\\VID_7A39&PID_4215&REV_0100&MI_00", 1, 1},
        {L"usb\\vid_7a39&pid_4215&rev_0100&mi_00", 1, 1},
        {L"USB\\VID_7A39&PID_4215&REV_0100&MI_01", 0, 0},
        {L"USB\\VID_7A39&PID_4215&REV_0100&MI_00X", 0, 0},
        {L"HID\\VID_7A39&PID_4215&MI_03", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(panel.Match(c.id), c.panel) << Narrow(c.id);
        EXPECT_EQ(setup.Match(c.id), c.setup) << Narrow(c.id);
    }

    // Only the lower-case entry left: the panel still matches, setup never does.
    const std::wstring lower = WriteGroup({Entry(kUsbLower)});
    ASSERT_EQ(panel.Load(lower, L"USB_VID_PID"), DeviceIdLoaded);
    ASSERT_EQ(setup.Load(lower, L"USB_VID_PID"), DeviceIdLoaded);
    EXPECT_EQ(panel.Match(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00"), 1);
    EXPECT_EQ(setup.Match(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00"), 0);
    EXPECT_EQ(setup.Match(kUsbLower), 0);

    panel.Clear();
    EXPECT_TRUE(panel.entries().empty());
    EXPECT_EQ(panel.Match(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00"), 0);
}

TEST_F(DeviceIdGroups, ThePackageGroupsFindTheFamily) {
    const std::wstring config = DataFolder() + L"AudioConfig.cfg";
    CDeviceIdMgr usb(MatchRule::Setup), hid;
    ASSERT_EQ(usb.Load(config, L"USB_VID_PID"), DeviceIdLoaded);
    ASSERT_EQ(hid.Load(config, L"HID_VID_PID"), DeviceIdLoaded);
    EXPECT_EQ(usb.ids().size(), usb.entries().size()) << "every shipped entry deciphers";
    EXPECT_EQ(hid.ids().size(), hid.entries().size()) << "every shipped entry deciphers";

    EXPECT_EQ(usb.Match(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00"), 1);
    EXPECT_EQ(usb.Match(L"USB\\VID_7A39&PID_4215&REV_0100&MI_03"), 0);
    EXPECT_EQ(hid.Match(L"HID\\VID_7A39&PID_4215&MI_03"), 1);
    EXPECT_EQ(hid.Match(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00"), 0);
}

TEST_F(DeviceIdGroups, LoadFromAMissingKeyLeavesAnEmptyKey) {
    CDeviceIdMgr group;
    ASSERT_EQ(group.Load(WriteGroup({Entry(kUsb)}), L"USB_VID_PID"), DeviceIdLoaded);
    EXPECT_EQ(group.LoadFromRegistry(kGroupKey), 1);
    EXPECT_EQ(group.ids(), Ids({kUsb})) << "a failed load changes nothing";
    EXPECT_TRUE(GroupKey(false).Exists());
    EXPECT_EQ(group.LoadFromRegistry(kGroupKey), 0);
    EXPECT_TRUE(group.entries().empty());
    EXPECT_TRUE(group.ids().empty());
}

TEST_F(DeviceIdGroups, RegistryRoundTrip) {
    CDeviceIdMgr setup(MatchRule::Setup);
    ASSERT_EQ(
        setup.Load(WriteGroup({Entry(kUsb), L"junk", Entry(kHid), Entry(kUsb)}), L"USB_VID_PID"),
        DeviceIdLoaded);
    ASSERT_EQ(setup.SaveToRegistry(kGroupKey), 0);

    // Numbered from 1 in pattern order, each with its terminating null, in the 32-bit view.
    EXPECT_EQ(GroupKey(false).Values(),
              (std::map<std::wstring, std::wstring>{
                  {L"1", Entry(kHid)}, {L"2", Entry(kUsb)}, {L"3", Entry(kUsb)}}));

    CDeviceIdMgr panel;
    ASSERT_EQ(panel.LoadFromRegistry(kGroupKey), 0);
    EXPECT_EQ(panel.ids(), setup.ids());
    EXPECT_EQ(panel.Match(L"HID\\VID_7A39&PID_4299&MI_03"), 1);
}

TEST_F(DeviceIdGroups, SavingAShorterGroupLeavesNoStaleEntries) {
    {
        GroupKey key;
        for (int n = 1; n <= 4; ++n)
            key.SetText(std::to_wstring(n), Entry(kOther));
        key.SetText(L"Unrelated", L"kept");
    }
    CDeviceIdMgr group;
    ASSERT_EQ(group.Load(WriteGroup({Entry(kHid), Entry(kUsb)}), L"USB_VID_PID"), DeviceIdLoaded);
    ASSERT_EQ(group.SaveToRegistry(kGroupKey), 0);
    EXPECT_EQ(GroupKey(false).Values(),
              (std::map<std::wstring, std::wstring>{
                  {L"1", Entry(kHid)}, {L"2", Entry(kUsb)}, {L"Unrelated", L"kept"}}));

    CDeviceIdMgr back;
    ASSERT_EQ(back.LoadFromRegistry(kGroupKey), 0);
    EXPECT_EQ(back.ids(), Ids({kHid, kUsb}));
    EXPECT_EQ(back.Match(L"USB\\VID_1234&PID_5678"), 0);
}

TEST_F(DeviceIdGroups, RegistryReadingStopsAtTheFirstGap) {
    {
        GroupKey key;
        key.SetText(L"1", Entry(kUsb));
        key.SetText(L"2", L"not an entry");
        key.SetText(L"4", Entry(kHid));
    }
    CDeviceIdMgr group;
    ASSERT_EQ(group.LoadFromRegistry(kGroupKey), 0);
    EXPECT_EQ(group.entries(), (std::vector<std::wstring>{Entry(kUsb), L"not an entry"}));
    EXPECT_EQ(group.ids(), Ids({kUsb}));

    // A value that is no text ends the group as a gap does.
    GroupKey().SetNumber(L"2", 7);
    ASSERT_EQ(group.LoadFromRegistry(kGroupKey), 0);
    EXPECT_EQ(group.entries(), std::vector<std::wstring>{Entry(kUsb)});

    // An entry with an empty part fails the whole group.
    GroupKey().SetText(L"2", kOther + L",");
    EXPECT_EQ(group.LoadFromRegistry(kGroupKey), 1);
    EXPECT_EQ(group.ids(), Ids({kUsb}));
}
