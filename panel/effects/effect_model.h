#pragma once
// The playback effects: the equaliser with its four presets, the 3D sound field and the
// environment effect mode, and the flag that says whether changes reach the device.
#include "device/active_device.h"

// Which of the two 3D parameters a link mode belongs to.
enum class Link3D { Alpha, Beta };

class EffectModel {
  public:
    explicit EffectModel(const ActiveDevice& device) : device_(device) {}

    bool EQEnable() const { return m_bEQEnable; }
    bool Enable3D() const { return m_b3DEnable; }
    bool FBM() const { return m_bFBM; }
    int CurrentPreset() const { return m_iCurrentPreset; }
    int CurrentEffect() const { return m_iCurrentEffect; }
    // -1 before the first change (acts as 0), then 0 independent, 1 together, 2 mirrored.
    int LinkMode(Link3D which) const { return which == Link3D::Alpha ? m_iAlphaLink : m_iBetaLink; }
    bool Sync() const { return m_bSync; }
    // The presets come from the device's EEPROM (read again on every arrival).
    bool ReadEEPROMData() const { return m_bReadEEPROMData; }

    void InitEffectModel();
    // The equaliser data stored in the device; 0 when it was read and applied.
    int GetEEPROMData();
    void SetEQEnable(bool on);
    void Set3DEnable(bool on);
    void SetFBM(bool on);
    // Preset 1 to 4.
    void SelectPreset(int preset);
    // Mode 1 to 5: the driver gets mode - 1.
    void ApplyEffectMode(int mode);
    // 0 → 1 → 2 → 0; the first change gives 0.
    void AdvanceLinkMode(Link3D which);
    // Only while a device is present.
    void ToggleSync();
    // The device became usable or went away.
    void DeviceUsable(bool usable) { m_bSync = usable; }
    // A band's thumb at offset pixels from the top of its travel of range pixels (band 0 to 4).
    void EQBandMoved(int band, int offset, int range);
    // A 3D thumb (0 left beta, 1 left alpha, 2 right beta, 3 right alpha) at offset pixels
    // below the top of its travel.
    void D3SliderMoved(int slider, int offset, int range);
    // Page changes re-apply the switches (the 3D one too on the 3D page).
    void ReapplySwitches(bool with3D);
    void ResetEqualiser();
    void Reset3DSetting();
    // After the device's removal: every switch off, effect mode 1.
    void ClearEffectState();
    // When the panel ends: the device is left with every effect off.
    void ResetDeviceEffects();

  private:
    const ActiveDevice& device_;
    bool m_bEQEnable = false;
    bool m_b3DEnable = false;
    bool m_bFBM = true;
    bool m_bSync = false;
    bool m_bReadEEPROMData = false;
    int m_iCurrentPreset = 1;
    int m_iCurrentEffect = 1;
    int m_iAlphaLink = -1;
    int m_iBetaLink = -1;
};
