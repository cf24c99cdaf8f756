#pragma once
// The playback effects: the five-band equaliser with its four presets, the 3D sound field
// and the environment effect mode, the settings image that holds the presets, the equaliser
// data stored in the device, and the flag that says whether changes reach the device.
// Thumb positions are given as offsets in pixels below the top of their travel.
#include "device/active_device.h"
#include "effects/settings_image.h"

#include <functional>
#include <string>
#include <vector>

// Which of the two 3D parameters a link mode belongs to.
enum class Link3D { Alpha, Beta };
enum class Channel3D { Left, Right };
// The four 3D thumbs.
enum class Slider3D { LeftBeta = 0, LeftAlpha = 1, RightBeta = 2, RightAlpha = 3 };

class EffectModel {
  public:
    explicit EffectModel(const ActiveDevice& device);

    // Called whenever thumbs, buttons or the preset display must follow the model.
    std::function<void()> OnShow;

    // "DefaultIni" of the configuration and the default profile's path, for the reset.
    void SetDefaultProfile(bool useDefaultIni, const std::wstring& path);
    // The skin's equaliser travel and the 3D travel: its length, and the range its values are
    // scaled by (the equaliser's in the classic layout).
    void SetSliderGeometry(int eqRange, int d3Travel, int d3Range);

    bool EQEnable() const { return m_bEQEnable; }
    bool Enable3D() const { return m_b3DEnable; }
    bool FBM() const { return m_bFBM; }
    int CurrentPreset() const { return m_iCurrentPreset; }
    int CurrentEffect() const { return m_iCurrentEffect; }
    // -1 before the first change (acts as 0), then 0 independent, 1 together, 2 mirrored.
    int LinkMode(Link3D which) const { return which == Link3D::Alpha ? m_iAlphaLink : m_iBetaLink; }
    bool Sync() const { return m_bSync; }
    bool ReadEEPROMData() const { return m_bReadEEPROMData; }
    void SetReadEEPROMData(bool on) { m_bReadEEPROMData = on; }
    bool SavingProfile() const { return m_bSavingProfile; }
    void SetSavingProfile(bool on) { m_bSavingProfile = on; }
    const EQ_SETTING& EQSetting() const { return m_EQSetting; }
    const SOUND_3D_SETTING& Sound3D() const { return m_Sound3D; }
    const SettingsImage& Image() const { return m_EEPROMImage; }
    // Where the five equaliser thumbs stand (the preset shown last), and the four 3D thumbs.
    int EQSliderOffset(int band) const { return m_SliderPositions[m_iShownSlot][band]; }
    int D3SliderOffset(Slider3D slider) const { return m_D3Offsets[static_cast<int>(slider)]; }
    int D3Travel() const { return m_iD3Travel; }

    // The creation steps: defaults, the four presets shown, FBM on and the 3D setting of the
    // image, effect mode 1.
    void InitEffectModel();
    void LoadInitial3DSetting();

    // Operations; 0 on success, else the step that failed.
    int ShowEQPreset(int slot);
    int StoreEQPreset(int slot);
    int LoadEQPreset(int preset);
    int WriteEQBand(int band, int offset, bool write);
    int SwitchEQRegisters(int flag);
    void SwitchEQByLibrary(int flag);
    void Switch3DRegisters(int flag);
    int Switch3DFieldRegisters(int flag);
    void Switch3DByLibrary(int flag);
    int SetFBM(int value);
    int Write3DChannel(Channel3D channel, bool write);
    int Reset3DSetting();
    void ApplyEffectMode(int mode);
    // The six fields of an "S" value into a slot; the current slot is back afterwards.
    void ApplyPresetString(const std::vector<std::wstring>& fields, int slot, int current);
    // 0 applied; 2 an EEPROM read failed; 3 no equaliser data stored.
    int GetEEPROMData();
    void ResetEqualiser();
    // The device left with every effect off; offDevice runs while the device is open for
    // the features that are not this model's (virtual 7.1, microphone).
    void ResetDeviceEffects(const std::function<void()>& othersOff = {});
    void ClearEffectState();

    // The controls' actions.
    void ToggleEQ();
    void Toggle3D();
    void ToggleFBM();
    void SelectPreset(int preset);
    void AdvanceLinkMode(Link3D which);
    void ToggleSync();
    void EQBandMoved(int band, int offset);
    void D3SliderMoved(Slider3D slider, int offset);
    // The switches' states as a profile gives them (the device is switched separately).
    void SetEQEnableState(bool on) { m_bEQEnable = on; }
    void Set3DEnableState(bool on) { m_b3DEnable = on; }
    void SetSync(bool on) { m_bSync = on; }
    // Thumbs, buttons and the preset display shown anew.
    void Redraw() { Show(); }
    // The device became usable or went away.
    void DeviceUsable(bool usable) { m_bSync = usable; }
    // A page change re-applies the switches (the 3D one too on the 3D page).
    void ReapplySwitches(bool with3D);

  private:
    void Show();
    void Place3DThumbs();
    int D3Value(Slider3D slider) const;

    const ActiveDevice& device_;
    bool m_bEQEnable = false;
    bool m_b3DEnable = false;
    bool m_bFBM = true;
    bool m_bSync = false;
    bool m_bSavingProfile = false;
    bool m_bReadEEPROMData = false;
    int m_iCurrentPreset = 1;
    int m_iCurrentEffect = 1;
    int m_iAlphaLink = -1;
    int m_iBetaLink = -1;
    EQ_SETTING m_EQSetting;
    SOUND_3D_SETTING m_Sound3D;
    SettingsImage m_EEPROMImage{};
    int m_SliderPositions[4][5] = {};
    int m_iShownSlot = 0;
    int m_D3Offsets[4] = {};
    int m_iEqSliderRange = 120;
    int m_iD3Travel = 120;
    int m_iD3BarRange = 120;
    bool m_bDefaultIni = false;
    std::wstring m_strDefaultProfile;
};
