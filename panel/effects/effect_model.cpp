#include "effects/effect_model.h"

void EffectModel::InitEffectModel() {
    m_bEQEnable = false;
}

int EffectModel::GetEEPROMData() {
    return 0;
}

void EffectModel::SetEQEnable(bool on) {
    m_bEQEnable = on;
}

void EffectModel::Set3DEnable(bool on) {
    m_b3DEnable = on;
}

void EffectModel::SetFBM(bool on) {
    m_bFBM = on;
}

void EffectModel::SelectPreset(int preset) {
    if (preset >= 1 && preset <= 4) m_iCurrentPreset = preset;
}

void EffectModel::ApplyEffectMode(int mode) {
    if (mode >= 1 && mode <= 5) m_iCurrentEffect = mode;
}

void EffectModel::AdvanceLinkMode(Link3D which) {
    int& link = which == Link3D::Alpha ? m_iAlphaLink : m_iBetaLink;
    link = link < 0 ? 0 : (link + 1) % 3;
}

void EffectModel::ToggleSync() {
    if (device_.m_bDevicePresent) m_bSync = !m_bSync;
}

void EffectModel::ReapplySwitches(bool) {}

void EffectModel::ResetEqualiser() {}

void EffectModel::Reset3DSetting() {
    m_bFBM = true;
}

void EffectModel::ClearEffectState() {
    m_bEQEnable = false;
    m_b3DEnable = false;
    m_iCurrentEffect = 1;
}

void EffectModel::ResetDeviceEffects() {}

void EffectModel::EQBandMoved(int, int, int) {}
void EffectModel::D3SliderMoved(int, int, int) {}
