#include "effects/profiles.h"

#include "debug_output.h"
#include "device/hid_access.h"
#include "effects/effect_model.h"
#include "effects/lighting.h"
#include "effects/microphone.h"
#include "effects/profile_values.h"
#include "effects/virtual_surround.h"
#include "exception.h"
#include "text_format.h"

#include <windows.h>

namespace {

const wchar_t kLastProfile[] = L"LastProfile.ini";
const wchar_t kDefaultProfile[] = L"DefaultProfile.ini";
const wchar_t kExportName[] = L"AudioSetting.ini";

// The speakers as a profile names them, in the order an apply reads them (the window's own
// order), and the order a save writes them.
const wchar_t* const kSpeakerKeys[kSpeakerCount] = {L"L",  L"R",  L"C",  L"SUB",
                                                    L"LS", L"RS", L"LB", L"RB"};
const int kSavedSpeakerOrder[kSpeakerCount] = {2, 0, 4, 6, 7, 5, 3, 1}; // C L LS LB RB RS SUB R

// The keys are written into a copy of the file beside it (the file's other keys and sections,
// and its encoding, come along); the copy then replaces the file in one step, so the file is
// always the old profile or the new one.
class ProfileWriter {
  public:
    explicit ProfileWriter(const std::wstring& path) : path_(path), copy_(path + L".saving") {
        if (!CopyFileW(path.c_str(), copy_.c_str(), FALSE)) DeleteFileW(copy_.c_str());
    }
    ~ProfileWriter() {
        if (!committed_) DeleteFileW(copy_.c_str());
    }
    ProfileWriter(const ProfileWriter&) = delete;
    ProfileWriter& operator=(const ProfileWriter&) = delete;

    const std::wstring& Copy() const { return copy_; }
    void Write(const wchar_t* section, const std::wstring& key, const std::wstring& value) {
        WritePrivateProfileStringW(section, key.c_str(), value.c_str(), copy_.c_str());
    }
    void Write(const wchar_t* section, const std::wstring& key, int value) {
        Write(section, key, FormatText(L"%d", value));
    }
    bool Commit() {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, copy_.c_str()); // flush
        committed_ = MoveFileExW(copy_.c_str(), path_.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        if (!committed_) DebugPrint(L"***** SaveProfile FAIL: %s *****", path_);
        return committed_;
    }

  private:
    std::wstring path_;
    std::wstring copy_;
    bool committed_ = false;
};

std::wstring Read(const std::wstring& path, const wchar_t* section, const std::wstring& key) {
    std::wstring value;
    ReadProfileValue(path, section, key, value);
    return value;
}

// A number of a profile; a value that is not one is the conversion error, naming its key.
int Number(const std::wstring& path, const wchar_t* section, const std::wstring& key) {
    const std::wstring value = Read(path, section, key);
    try {
        return StrToInt(value);
    } catch (const EConvertError& e) {
        throw EConvertError(e.Message() + L" ([" + section + L"] " + key + L")");
    }
}

// A number that may be empty: then the fallback.
int NumberOrEmpty(const std::wstring& path, const wchar_t* section, const wchar_t* key,
                  int fallback) {
    return Read(path, section, key).empty() ? fallback : Number(path, section, key);
}

bool FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Environment(const wchar_t* name) {
    wchar_t value[256] = L"";
    DWORD length = GetEnvironmentVariableW(name, value, 256);
    return length > 0 && length < 256 ? value : L"";
}

} // namespace

void Profiles::Configure(const std::wstring& folderName, const std::wstring& configFile) {
    m_strFolderName = folderName;
    m_strConfigFile = configFile;
}

std::wstring Profiles::LastProfilePath() const {
    return PerUserProfilePath(m_strFolderName, kLastProfile);
}

std::wstring Profiles::DefaultProfilePath() const {
    return PerUserProfilePath(m_strFolderName, kDefaultProfile);
}

std::wstring Profiles::UserFolder() const {
    return Environment(L"USERPROFILE") + L"\\" + m_strFolderName;
}

int Profiles::SaveProfile(const std::wstring& path) {
    ProfileWriter writer(path);
    effects_.SetSavingProfile(true);
    for (int n = 1; n <= 4; ++n) {
        effects_.LoadEQPreset(n);
        const EQ_SETTING& s = effects_.EQSetting();
        writer.Write(L"EQ", FormatText(L"S%d", n),
                     FormatText(L"0x%X,0x%X,0x%X,0x%X,0x%X,%d", s.gain[0], s.gain[1], s.gain[2],
                                s.gain[3], s.gain[4], effects_.EQEnable() ? 1 : 0));
    }
    effects_.LoadEQPreset(effects_.CurrentPreset());
    writer.Write(L"EQ", L"EQEN", effects_.EQEnable() ? 1 : 0);
    writer.Write(L"EQ", L"EQFromEEPROM", effects_.ReadEEPROMData() ? 1 : 0);
    const SOUND_3D_SETTING& d3 = effects_.Sound3D();
    writer.Write(L"3D", L"LeftAlpha", d3.leftAlpha);
    writer.Write(L"3D", L"LeftBeta", d3.leftBeta);
    writer.Write(L"3D", L"RightAlpha", d3.rightAlpha);
    writer.Write(L"3D", L"RightBeta", d3.rightBeta);
    writer.Write(L"3D", L"FBM", effects_.FBM() ? 1 : 0);
    writer.Write(L"3D", L"3DEN", effects_.Enable3D() ? 1 : 0);
    writer.Write(L"Effect", L"CurrentEffect", effects_.CurrentEffect());
    for (int speaker : kSavedSpeakerOrder) {
        SpeakerPosition p = surround_.Position(speaker);
        writer.Write(L"Virtual7ch1", kSpeakerKeys[speaker], FormatText(L"%d,%d", p.left, p.top));
    }
    writer.Write(L"Virtual7ch1", L"7ch1EN", surround_.Enable7ch1() ? 1 : 0);
    lighting_.SaveLedProfileKeys(writer.Copy());
    writer.Write(L"ENC", L"ENCEN", microphone_.ENCEnable() ? 1 : 0);
    writer.Write(L"ENC", L"ENCValue", microphone_.ENCLevel());
    writer.Write(L"VoiceMagic", L"VoiceMagicEN", microphone_.VoiceMagicEnable() ? 1 : 0);
    writer.Write(L"VoiceMagic", L"VoiceMagicMode", microphone_.VoiceMagicMode());
    effects_.SetSavingProfile(false);
    writer.Commit();
    return 0;
}

int Profiles::ApplyProfile(const std::wstring& path) {
    if (!device_.m_bDevicePresent) effects_.SetSync(false);
    effects_.SwitchEQRegisters(effects_.EQEnable());
    effects_.Switch3DFieldRegisters(effects_.Enable3D());
    effects_.SetReadEEPROMData(NumberOrEmpty(path, L"EQ", L"EQFromEEPROM", 0) != 0);
    for (int n = 1; n <= 4; ++n) {
        const std::wstring key = FormatText(L"S%d", n);
        const std::wstring value = Read(path, L"EQ", key);
        PresetValue preset;
        if (!ReadPresetValue(value, preset))
            throw EConvertError(FormatText(L"'%s' is not a valid preset value ([EQ] %s)", value, key));
        effects_.ApplyPresetString(SplitProfileValue(value), n - 1, effects_.CurrentPreset() - 1);
    }
    // With the equaliser data from the device, the switch follows the last preset's field.
    if (!effects_.ReadEEPROMData())
        effects_.SetEQEnableState(NumberOrEmpty(path, L"EQ", L"EQEN", 0) != 0);
    effects_.SwitchEQRegisters(effects_.EQEnable());
    effects_.SwitchEQByLibrary(effects_.EQEnable());
    effects_.Set3DEnableState(Number(path, L"3D", L"3DEN") != 0);
    effects_.Switch3DFieldRegisters(effects_.Enable3D());
    effects_.Switch3DByLibrary(effects_.Enable3D());
    effects_.Redraw();
    if (effects_.ReadEEPROMData() && device_.m_bDevicePresent) effects_.GetEEPROMData();
    effects_.ApplyEffectMode(Number(path, L"Effect", L"CurrentEffect"));
    const bool surroundOn = Number(path, L"Virtual7ch1", L"7ch1EN") != 0;
    SpeakerPosition places[kSpeakerCount];
    for (int i = 0; i < kSpeakerCount; ++i) {
        const std::wstring value = Read(path, L"Virtual7ch1", kSpeakerKeys[i]);
        SpeakerPlace place;
        if (!ReadSpeakerPlace(value, place))
            throw EConvertError(FormatText(L"'%s' is not a valid place ([Virtual7ch1] %s)", value,
                                           kSpeakerKeys[i]));
        places[i] = {place.left, place.top};
    }
    surround_.ApplyProfilePlaces(surroundOn, places);
    m_strCurrentProfile = path;
    const std::wstring led = Read(path, L"LED", L"LEDON");
    // A switch value that is not a number stops the apply here, like the other required keys.
    if (!led.empty()) Number(path, L"LED", L"LEDON");
    lighting_.ApplyLedProfileKeys(m_strCurrentProfile);
    microphone_.RefreshENC();
    microphone_.RefreshVoiceMagic();
    if (OnApplied) OnApplied();
    return 0;
}

int Profiles::SaveLastProfile() {
    const std::wstring path = LastProfilePath();
    if (path.empty()) return 0;
    CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
    return SaveProfile(path);
}

int Profiles::LoadLastProfile() {
    const std::wstring path = LastProfilePath();
    if (path.empty() || !FileExists(path)) {
        m_bNoLastProfile = true;
        return 1;
    }
    m_bNoLastProfile = false;
    ApplyProfile(path);
    return 0;
}

int Profiles::LoadDefaultProfile() {
    const std::wstring path = DefaultProfilePath();
    if (path.empty() || !FileExists(path)) return 1;
    ApplyProfile(path);
    return 0;
}

// Export and import need the device there; its HID interface is opened to see that.
int Profiles::ExportProfile(const FileQuestion& askSaveName) {
    if (!OpenHidDevice(device_.m_wVid, device_.m_wPid)) return 1;
    const std::wstring folder = UserFolder();
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring chosen = folder + L"\\" + kExportName;
    if (!askSaveName(folder, chosen)) return 2;
    const std::wstring target = ExportFileName(chosen);
    SaveProfile(target);
    WritePrivateProfileStringW(L"LastINI", L"Path", target.c_str(), m_strConfigFile.c_str());
    return 0;
}

int Profiles::ImportProfile(const FileQuestion& askOpenName) {
    if (!OpenHidDevice(device_.m_wVid, device_.m_wPid)) return 1;
    std::wstring last = Read(m_strConfigFile, L"LastINI", L"Path");
    std::wstring folder;
    if (!last.empty()) {
        folder = ImportStartFolder(last);
    } else {
        folder = UserFolder();
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    std::wstring chosen;
    if (!askOpenName(folder, chosen)) return 2;
    ApplyProfile(chosen);
    return 0;
}
