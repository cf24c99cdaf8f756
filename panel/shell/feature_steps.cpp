// The steps of the main window's life that belong to the features (effects, microphone,
// profiles, EEPROM data, virtual 7.1, skin, language, image controls, lighting). Each is
// called at its place in the creation, arrival, removal and destruction sequences and is
// completed together with its feature.
#include "audio_main_form.h"

void TAudioMainForm::InitFeatureMembers() {}
void TAudioMainForm::InitEffectModel() {}
void TAudioMainForm::SwitchVirtualSurroundOff(bool) {}
void TAudioMainForm::ApplyVirtualSurroundDefaults() {}
void TAudioMainForm::EmptyMicLevelBar() {}
void TAudioMainForm::StartMicLevelCapture() {}
void TAudioMainForm::StopMicLevelCaptureUnlessShown() {}
void TAudioMainForm::MicMonitoringOff() {}
void TAudioMainForm::ShowPage(int page) {
    CurrentPage = page;
}
void TAudioMainForm::RefreshPageDisplay() {}
bool TAudioMainForm::LoadLastProfile() {
    return false;
}
void TAudioMainForm::RefreshMicSettings() {
    RefreshENC();
}
int TAudioMainForm::GetEEPROMData() {
    return 0;
}
void TAudioMainForm::InitLed() {}
void TAudioMainForm::ResendLedSwitch() {}
void TAudioMainForm::RefreshShownMicPage() {}
void TAudioMainForm::ClearEffectState() {}
void TAudioMainForm::ForgetMicCapture() {}
void TAudioMainForm::CloseLedWorker() {}
void TAudioMainForm::SaveLastProfile() {}
void TAudioMainForm::CloseBeePlayer() {}
void TAudioMainForm::ResetDeviceEffects() {}
void TAudioMainForm::ApplyEQSwitch() {}
void TAudioMainForm::Apply3DSwitch() {}
void TAudioMainForm::ApplyFBM() {}
void TAudioMainForm::ApplyPreset() {}
void TAudioMainForm::ApplyEffectMode(int) {}
void TAudioMainForm::AdvanceLinkMode(int tag) {
    int& link = tag == 14 ? m_iAlphaLink : m_iBetaLink;
    link = link < 0 ? 0 : (link + 1) % 3;
}
void TAudioMainForm::ToggleSync() {
    m_bSync = !m_bSync;
}
void TAudioMainForm::ApplyMicBoost() {}
void TAudioMainForm::ApplyMicMute() {}
void TAudioMainForm::ApplyMicMonitor() {}
void TAudioMainForm::ApplyVirtualSurround() {}
void TAudioMainForm::StartOrStopMotion() {}
void TAudioMainForm::SetLedPower(bool) {}
void TAudioMainForm::SaveProfileFromMenu() {}
void TAudioMainForm::LoadProfileFromMenu() {}
void TAudioMainForm::OpenAboutWindow() {}
void TAudioMainForm::ResetEqualiser() {}
void TAudioMainForm::Reset3D() {}
void TAudioMainForm::ResetSpeakers() {}
void TAudioMainForm::WriteEQBand(int) {}
void TAudioMainForm::Write3DSliders(int) {}
void TAudioMainForm::ApplyMicVolumeFromSlider() {
    const SkinGeometry& g = m_Skin.geometry;
    if (const Control* thumb = FindByName(L"MicSliderImage"); thumb && g.MicSliderRange > 0)
        m_iMicVolume = (g.MicSliderTop + g.MicSliderRange - thumb->Top()) * 100 / g.MicSliderRange;
}
void TAudioMainForm::ApplyEncLevelFromBar() {
    const SkinGeometry& g = m_Skin.geometry;
    if (const Control* thumb = FindByName(L"ENCSliderImage"); thumb && g.EncSliderRange > 0)
        m_iENCLevel = (g.EncSliderTop + g.EncSliderRange - thumb->Top()) * 30 / g.EncSliderRange;
}
void TAudioMainForm::EncSliderMoved() {}
void TAudioMainForm::SpeakerMoved(int) {}
void TAudioMainForm::EnableSpeakerTimer() {}
void TAudioMainForm::StopSpeakerTimer() {}
void TAudioMainForm::ReapplyEQSwitch(bool) {}
void TAudioMainForm::RefreshVoicePictures() {}
void TAudioMainForm::RefreshEncPictures() {
    ShowENC();
}
void TAudioMainForm::PlaceSliderThumbs() {}
void TAudioMainForm::MoveSpeakersToNewCircle() {}
void TAudioMainForm::ApplyLedPage() {}
