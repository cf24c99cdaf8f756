#include "effects/effect_model.h"

#include "device/protocol_pause.h"
#include "debug_output.h"
#include "device/device_library.h"
#include "device/extension_driver.h"
#include "device/register_session.h"
#include "effects/profile_values.h"
#include "exception.h"
#include "text_format.h"

#include <windows.h>

namespace {

const uint16_t kRegSwitches = 0x100; // bit 2 equaliser, bit 7 3D (the 3D-EN button's path)
const uint16_t kRegGains = 0x120;    // low byte of band n at 0x120 + 2n, high nibble at 0x121 + 2n
const uint16_t kRegLastGainHigh = 0x129;
const uint16_t kReg3DField = 0x18A; // bit 6 3D, bit 0 front/back mode
const uint16_t kReg3DLeft = 0x18B;
const uint16_t kReg3DRight = 0x18C;
const uint16_t kReg3DRepair[] = {0x1CD, 0x1CE};
const uint8_t kEqualiserBit = 0x04;
const uint8_t k3DBit = 0x80;
const uint8_t k3DFieldBit = 0x40;
const uint8_t kFBMBit = 0x01;

const uint8_t kEepromDevice = 0x51;
const uint8_t kEepromFlags = 7;
const int kEepromWait = 100;

uint8_t WithBit(uint8_t value, uint8_t bit, bool on) {
    return static_cast<uint8_t>(on ? value | bit : value & ~bit);
}

// A nibble of 0xA becomes 0xF, as the 3D switch needs it.
uint8_t RepairNibbles(uint8_t value) {
    if ((value & 0x0F) == 0x0A) value = static_cast<uint8_t>(value | 0x0F);
    if ((value & 0xF0) == 0xA0) value = static_cast<uint8_t>(value | 0xF0);
    return value;
}

uint8_t PackNibbles(int high, int low) {
    return static_cast<uint8_t>(((high & 0x0F) << 4) | (low & 0x0F));
}

bool InNibble(int value) {
    return value >= 0 && value <= 15;
}

// The high register of band 4 with the four control bits above its nibble.
uint8_t LastGainHigh(const EQ_SETTING& s) {
    return static_cast<uint8_t>(((s.gain[4] >> 8) & 0x0F) | (s.ctrl4 ? 0x10 : 0) |
                                (s.ctrl5 ? 0x20 : 0) | (s.ctrl6 ? 0x40 : 0) |
                                (s.ctrl7 ? 0x80 : 0));
}

// The ten gain registers in address order; the failed transfer's result, or 0.
int WriteGainRegisters(RegisterSession& session, const EQ_SETTING& s, int lowFailure,
                       int highFailure, int lastFailure) {
    for (int band = 0; band < 5; ++band) {
        uint16_t low = static_cast<uint16_t>(kRegGains + 2 * band);
        if (!session.Write(low, s.gain[band] & 0xFF)) return lowFailure;
        if (band < 4) {
            if (!session.Write(low + 1, (s.gain[band] >> 8) & 0x0F)) return highFailure;
        } else if (!session.Write(kRegLastGainHigh, LastGainHigh(s))) {
            return lastFailure;
        }
    }
    return 0;
}

SOUND_3D_SETTING Default3DSetting() {
    SettingsImage page{};
    std::copy(PageZeroTemplate().begin(), PageZeroTemplate().end(), page.begin());
    SOUND_3D_SETTING setting;
    Load3DSetting(page, setting);
    return setting;
}

// The library's switch of one effect with one read-back and one retry.
struct LibrarySwitch {
    int (*config)(uint8_t);
    int (*set)(int, uint8_t);
    int (*isEnabled)(int*, uint8_t);
    const wchar_t* configName;
    const wchar_t* setName;
    const wchar_t* readName;
    bool stopWhenReadBackFails;
};

void SwitchByLibrary(const LibrarySwitch& s, int flag) {
    if (int r = s.config(0)) DebugPrint(L"***** fnDLLTR_%s, ret = %d *****", s.configName, r);
    if (int r = s.set(flag, 0))
        DebugPrint(L"***** fnDLLTR_%s, ret = %d *****", s.setName, r);
    else
        DebugPrint(L"***** fnDLLTR_%s, flag = %d *****", s.setName, flag);
    int state = 0;
    if (int r = s.isEnabled(&state, 0)) {
        DebugPrint(L"***** fnDLLTR_%s, ret = %d *****", s.readName, r);
        if (s.stopWhenReadBackFails) return;
    } else if (!s.stopWhenReadBackFails) {
        DebugPrint(L"***** fnDLLTR_%s, flag = %d *****", s.readName, state);
    }
    if (state != flag) {
        s.set(flag, 0);
        DebugPrint(L"***** retry fnDLLTR_%s, flag = %d *****", s.setName, flag);
    }
}

} // namespace

EffectModel::EffectModel(const ActiveDevice& device) : device_(device) {
    InitSettingsImage(m_EEPROMImage);
}

void EffectModel::SetDefaultProfile(bool useDefaultIni, const std::wstring& path) {
    m_bDefaultIni = useDefaultIni;
    m_strDefaultProfile = path;
}

void EffectModel::SetSliderGeometry(int eqRange, int d3Travel, int d3Range) {
    m_iEqSliderRange = eqRange;
    m_iD3Travel = d3Travel;
    m_iD3BarRange = d3Range;
    for (int slot = 0; slot < 4; ++slot) {
        EQ_SETTING setting;
        UnpackPreset(PresetSlotOffset(slot), setting, m_EEPROMImage);
        for (int band = 0; band < 5; ++band)
            m_SliderPositions[slot][band] = SliderOffsetFromGain(setting.gain[band], eqRange);
    }
    Place3DThumbs();
}

void EffectModel::Show() {
    if (OnShow) OnShow();
}

void EffectModel::InitEffectModel() {
    InitSettingsImage(m_EEPROMImage);
    for (auto& slot : m_SliderPositions)
        for (int& position : slot)
            position = m_iEqSliderRange / 2;
    m_bEQEnable = false;
    for (int slot = 0; slot < 4; ++slot)
        ShowEQPreset(slot);
}

void EffectModel::LoadInitial3DSetting() {
    m_bFBM = true;
    m_Sound3D = Default3DSetting();
    Load3DSetting(m_EEPROMImage, m_Sound3D);
    Place3DThumbs();
    m_iCurrentEffect = 1;
    Show();
}

int EffectModel::ShowEQPreset(int slot) {
    if (slot < 0 || slot > 3) return 1;
    EQ_SETTING setting;
    UnpackPreset(PresetSlotOffset(slot), setting, m_EEPROMImage);
    for (int band = 0; band < 5; ++band)
        m_SliderPositions[slot][band] = SliderOffsetFromGain(setting.gain[band], m_iEqSliderRange);
    m_iShownSlot = slot;
    Show();
    return 0;
}

int EffectModel::StoreEQPreset(int slot) {
    if (slot < 0 || slot > 3) return 1;
    m_EQSetting.lastSlot = slot == 3 ? 1 : 0;
    return PackPreset(PresetSlotOffset(slot), m_EQSetting, m_EEPROMImage) == 0 ? 0 : 1;
}

int EffectModel::LoadEQPreset(int preset) {
    if (preset < 1 || preset > 4) return 1;
    UnpackPreset(PresetSlotOffset(preset - 1), m_EQSetting, m_EEPROMImage);
    if (!m_bSync || m_bSavingProfile) return 0;
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return 1;
    if (int failed = WriteGainRegisters(session, m_EQSetting, 2, 2, 2)) return failed;
    return session.Finish() ? 0 : 3;
}

int EffectModel::WriteEQBand(int band, int offset, bool write) {
    if (band < 0 || band > 4) return 1;
    uint16_t gain = GainFromSliderOffset(offset, m_iEqSliderRange);
    m_EQSetting.gain[band] = gain;
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return 1;
    if (write) {
        SwitchEQByLibrary(m_bEQEnable);
        uint16_t low = static_cast<uint16_t>(kRegGains + 2 * band);
        if (!session.Write(low, gain & 0xFF)) return 2;
        if (band < 4) {
            if (!session.Write(low + 1, (gain >> 8) & 0x0F)) return 3;
        } else {
            // The control bits above the last band's nibble stay as the device holds them.
            uint8_t high = 0;
            if (!session.Read(kRegLastGainHigh, &high)) return 3;
            high = static_cast<uint8_t>((high & 0xF0) | ((gain >> 8) & 0x0F));
            if (!session.Write(kRegLastGainHigh, high)) return 4;
        }
    }
    return session.Finish() ? 0 : 5;
}

int EffectModel::SwitchEQRegisters(int flag) {
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return 1;
    uint8_t value = 0;
    if (!session.Read(kRegSwitches, &value)) return 2;
    if (!session.Write(kRegSwitches, WithBit(value, kEqualiserBit, flag == 1))) return 3;
    if (flag == 1)
        if (int failed = WriteGainRegisters(session, m_EQSetting, 4, 5, 6)) return failed;
    return session.Finish() ? 0 : 8;
}

void EffectModel::SwitchEQByLibrary(int flag) {
    SwitchByLibrary({dlltr::ConfigEQ_ById, dlltr::SetEQ_OnOff_ById, dlltr::IsEQ_Enable_ById,
                     L"ConfigEQ_ById", L"SetEQ_OnOff_ById", L"IsEQ_Enable_ById", true},
                    flag);
}

void EffectModel::Switch3DByLibrary(int flag) {
    SwitchByLibrary({dlltr::Config3D_ById, dlltr::Set3D_OnOff_ById, dlltr::Is3D_Enable_ById,
                     L"Config3D_ById", L"Set3D_OnOff_ById", L"Is3D_Enable_ById", false},
                    flag);
}

void EffectModel::Switch3DRegisters(int flag) {
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return;
    uint8_t value = 0;
    if (!session.Read(kRegSwitches, &value) ||
        !session.Write(kRegSwitches, WithBit(value, k3DBit, flag != 0)))
        return;
    if (flag != 0)
        for (uint16_t address : kReg3DRepair)
            if (!session.Read(address, &value) || !session.Write(address, RepairNibbles(value)))
                return;
    session.Finish();
}

int EffectModel::Switch3DFieldRegisters(int flag) {
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return 1;
    uint8_t value = 0;
    if (!session.Read(kReg3DField, &value)) return 2;
    if (!session.Write(kReg3DField, WithBit(value, k3DFieldBit, flag == 1))) return 3;
    if (flag == 1) {
        if (!session.Read(kReg3DField, &value)) return 4;
        if (!session.Write(kReg3DField, WithBit(value, kFBMBit, m_Sound3D.fbm != 0))) return 5;
        if (!session.Write(kReg3DLeft, PackNibbles(m_Sound3D.leftAlpha, m_Sound3D.leftBeta)) ||
            !session.Write(kReg3DRight, PackNibbles(m_Sound3D.rightAlpha, m_Sound3D.rightBeta)))
            return 6;
    }
    return session.Finish() ? 0 : 7;
}

int EffectModel::SetFBM(int value) {
    m_Sound3D.fbm = value;
    if (Store3DSetting(m_EEPROMImage, m_Sound3D) != 0) return 1;
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return 2;
    uint8_t field = 0;
    if (!session.Read(kReg3DField, &field)) return 3;
    if (!session.Write(kReg3DField, WithBit(field, kFBMBit, value != 0))) return 4;
    return session.Finish() ? 0 : 5;
}

int EffectModel::D3Value(Slider3D slider) const {
    return D3ValueFromOffset(m_D3Offsets[static_cast<int>(slider)], m_iD3BarRange);
}

// A channel's values from its thumbs; a pair outside 0 to 15 (a skin whose range is shorter
// than the travel) is not sent and leaves the setting and the image as they were.
int EffectModel::Write3DChannel(Channel3D channel, bool write) {
    const bool left = channel == Channel3D::Left;
    const int alpha = D3Value(left ? Slider3D::LeftAlpha : Slider3D::RightAlpha);
    const int beta = D3Value(left ? Slider3D::LeftBeta : Slider3D::RightBeta);
    const bool valid = InNibble(alpha) && InNibble(beta);
    const int failure = left ? 4 : 5;
    if (valid) {
        (left ? m_Sound3D.leftAlpha : m_Sound3D.rightAlpha) = static_cast<uint8_t>(alpha);
        (left ? m_Sound3D.leftBeta : m_Sound3D.rightBeta) = static_cast<uint8_t>(beta);
    }
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return 1;
    if (write) {
        uint8_t field = 0;
        if (!session.Read(kReg3DField, &field)) return 2;
        if (!session.Write(kReg3DField, WithBit(field, kFBMBit, m_Sound3D.fbm != 0))) return 3;
        if ((left && !valid) ||
            !session.Write(kReg3DLeft, PackNibbles(m_Sound3D.leftAlpha, m_Sound3D.leftBeta)))
            return 4;
        if ((!left && !valid) ||
            !session.Write(kReg3DRight, PackNibbles(m_Sound3D.rightAlpha, m_Sound3D.rightBeta)))
            return 5;
    } else if (!valid) {
        return failure;
    }
    if (Store3DSetting(m_EEPROMImage, m_Sound3D) != 0) return 6;
    return session.Finish() ? 0 : 7;
}

int EffectModel::Reset3DSetting() {
    m_Sound3D = Default3DSetting();
    m_bFBM = true;
    Place3DThumbs();
    Show();
    if (!m_bSync) return 0;
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return 2;
    uint8_t field = 0;
    if (!session.Read(kReg3DField, &field) ||
        !session.Write(kReg3DField, WithBit(field, kFBMBit, m_Sound3D.fbm != 0)) ||
        !session.Write(kReg3DLeft, PackNibbles(m_Sound3D.leftAlpha, m_Sound3D.leftBeta)) ||
        !session.Write(kReg3DRight, PackNibbles(m_Sound3D.rightAlpha, m_Sound3D.rightBeta)))
        return 3;
    session.Abandon();
    return 0;
}

void EffectModel::Place3DThumbs() {
    const int values[] = {m_Sound3D.leftBeta, m_Sound3D.leftAlpha, m_Sound3D.rightBeta,
                          m_Sound3D.rightAlpha};
    for (int i = 0; i < 4; ++i)
        m_D3Offsets[i] = D3OffsetFromValue(values[i], m_iD3BarRange);
}

void EffectModel::ApplyEffectMode(int mode) {
    if (mode < 1 || mode > 5) return;
    m_iCurrentEffect = mode;
    Show();
    DriverEffectModeRequest(static_cast<uint32_t>(mode - 1));
    DriverEffectApplyRequest(1);
}

void EffectModel::ApplyPresetString(const std::vector<std::wstring>& fields, int slot, int current) {
    // A preset value has exactly six fields; a missing one reads as empty, which no number is.
    if (fields.size() > 6) throw EConvertError(L"'" + fields[6] + L"' is not a valid integer value");
    auto field = [&](size_t i) { return i < fields.size() ? fields[i] : std::wstring(); };
    for (int band = 0; band < 5; ++band) {
        m_EQSetting.gain[band] = static_cast<uint16_t>(StrToInt(field(band)));
        StoreEQPreset(slot);
    }
    m_bEQEnable = StrToInt(field(5)) != 0;
    LoadEQPreset(slot + 1);
    ShowEQPreset(slot);
    SwitchEQByLibrary(m_bEQEnable);
    LoadEQPreset(current + 1);
    ShowEQPreset(current);
    SwitchEQByLibrary(m_bEQEnable);
}

int EffectModel::GetEEPROMData() {
    ProtocolPause(kEepromWait);
    uint8_t flags = 0;
    if (dlltr::Read_I2C_ById(kEepromDevice, kEepromFlags, &flags, 1, 100, 0) != 0) return 2;
    if (flags == 0x00 || flags == 0xFF) {
        ProtocolPause(2 * kEepromWait);
        if (dlltr::Read_I2C_ById(kEepromDevice, kEepromFlags, &flags, 1, 100, 0) != 0) return 2;
        if (flags == 0x00 || flags == 0xFF) return 3;
    }
    DebugPrint(L"***** EQData = 0x%x *****", static_cast<int>(flags));
    m_bEQEnable = (flags & 0x80) == 0;
    m_b3DEnable = (flags & 0x10) != 0;
    DebugPrint(L"***** EQFlag = %d, 3DFlag = %d *****", m_bEQEnable ? 1 : 0, m_b3DEnable ? 1 : 0);
    uint8_t bytes[8] = {};
    for (uint8_t offset = 0; offset < 8; ++offset)
        if (dlltr::Read_I2C_ById(kEepromDevice, offset, &bytes[offset], 1, 100, 0) != 0) return 2;
    uint16_t gains[5] = {};
    UnpackGains(bytes, gains);
    DebugPrint(L"***** S1 = 0x%X, 0x%X, 0x%X, 0x%X, 0x%X *****", gains[0], gains[1], gains[2],
               gains[3], gains[4]);
    std::vector<std::wstring> fields;
    for (uint16_t gain : gains)
        fields.push_back(FormatText(L"0x%X", gain));
    fields.push_back(FormatText(L"%d", m_bEQEnable ? 1 : 0));
    ApplyPresetString(fields, 0, m_iCurrentPreset - 1);
    SwitchEQRegisters(m_bEQEnable);
    SwitchEQByLibrary(m_bEQEnable);
    m_bFBM = true;
    Switch3DFieldRegisters(m_b3DEnable);
    Switch3DByLibrary(m_b3DEnable);
    Show();
    return 0;
}

// The equaliser back to the default profile's preset (or the built-in flat setting) on the
// current slot, written to the device.
void EffectModel::ResetEqualiser() {
    const int slot = m_iCurrentPreset - 1;
    // A default profile that is missing gives the built-in setting rather than an error.
    std::wstring preset;
    bool fromProfile = m_bDefaultIni && ReadProfileValue(m_strDefaultProfile, L"EQ",
                                                         FormatText(L"S%d", m_iCurrentPreset),
                                                         preset);
    if (fromProfile) {
        if (!device_.m_bDevicePresent) m_bSync = false;
        SwitchEQRegisters(m_bEQEnable);
        Switch3DFieldRegisters(m_b3DEnable);
        ApplyPresetString(SplitProfileValue(preset), slot, slot);
        SwitchEQRegisters(m_bEQEnable);
    } else {
        m_EQSetting = EQ_SETTING();
    }
    PackPreset(PresetSlotOffset(slot), m_EQSetting, m_EEPROMImage);
    ShowEQPreset(slot);
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return;
    if (m_bSync) {
        for (int band = 0; band < 5; ++band)
            WriteEQBand(band, m_SliderPositions[slot][band], true);
        if (WriteGainRegisters(session, m_EQSetting, 1, 1, 1) != 0) return;
    }
    Switch3DByLibrary(m_b3DEnable);
    session.Abandon();
}

void EffectModel::ResetDeviceEffects(const std::function<void()>& othersOff) {
    ResetEqualiser();
    SwitchEQRegisters(0);
    SwitchEQByLibrary(0);
    Reset3DSetting();
    SetFBM(1);
    Switch3DByLibrary(0);
    Switch3DFieldRegisters(0);
    RegisterSession session(device_.m_wVid, device_.m_wPid);
    if (!session.Opened()) return;
    session.Write(kRegSwitches, 0);
    DriverEffectModeRequest(0);
    DriverEffectApplyRequest(1);
    if (othersOff) othersOff();
    session.Finish();
}

void EffectModel::ClearEffectState() {
    m_bEQEnable = false;
    m_b3DEnable = false;
    m_iCurrentEffect = 1;
    Show();
}

void EffectModel::ToggleEQ() {
    m_bEQEnable = !m_bEQEnable;
    StoreEQPreset(m_iCurrentPreset - 1);
    SwitchEQRegisters(m_bEQEnable);
    SwitchEQByLibrary(m_bEQEnable);
}

void EffectModel::Toggle3D() {
    m_b3DEnable = !m_b3DEnable;
    Switch3DByLibrary(m_b3DEnable);
    Switch3DRegisters(m_b3DEnable);
}

void EffectModel::ToggleFBM() {
    m_bFBM = !m_bFBM;
    SetFBM(m_bFBM);
}

void EffectModel::SelectPreset(int preset) {
    if (preset < 1 || preset > 4) return;
    m_iCurrentPreset = preset;
    LoadEQPreset(preset);
    ShowEQPreset(preset - 1);
    SwitchEQByLibrary(m_bEQEnable);
}

void EffectModel::AdvanceLinkMode(Link3D which) {
    int& link = which == Link3D::Alpha ? m_iAlphaLink : m_iBetaLink;
    link = link < 0 ? 0 : (link + 1) % 3;
    Show();
}

void EffectModel::ToggleSync() {
    if (device_.m_bDevicePresent) m_bSync = !m_bSync;
}

void EffectModel::EQBandMoved(int band, int offset) {
    const int slot = m_iCurrentPreset - 1;
    WriteEQBand(band, offset, m_bSync);
    m_SliderPositions[slot][band] = offset;
    StoreEQPreset(slot);
    ShowEQPreset(slot);
}

// The thumb of the other channel follows its link: as it is, to the same place, or mirrored.
void EffectModel::D3SliderMoved(Slider3D slider, int offset) {
    const int index = static_cast<int>(slider);
    m_D3Offsets[index] = offset;
    const bool alpha = slider == Slider3D::LeftAlpha || slider == Slider3D::RightAlpha;
    const int partner = index ^ 2;
    switch (alpha ? m_iAlphaLink : m_iBetaLink) {
    case 1:
        m_D3Offsets[partner] = offset;
        break;
    case 2:
        m_D3Offsets[partner] = m_iD3Travel - offset;
        break;
    default:
        break;
    }
    Write3DChannel(Channel3D::Left, m_bSync);
    Write3DChannel(Channel3D::Right, m_bSync);
    Show();
}

void EffectModel::ReapplySwitches(bool with3D) {
    SwitchEQByLibrary(m_bEQEnable);
    if (with3D) Switch3DByLibrary(m_b3DEnable);
}
