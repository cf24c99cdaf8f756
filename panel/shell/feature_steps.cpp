// The steps of the main window's life that belong to the features (effects, microphone,
// profiles, EEPROM data, virtual 7.1, skin, language, image controls, lighting). Each is
// called at its place in the creation, arrival, removal and destruction sequences and is
// completed together with its feature.
#include "audio_main_form.h"

void TAudioMainForm::InitFeatureMembers() {}
void TAudioMainForm::ChooseSkinAndLanguage() {}
void TAudioMainForm::BuildLanguageAndSkinMenus() {}
void TAudioMainForm::LoadLanguageTexts() {}
void TAudioMainForm::LoadAndApplySkin() {}
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
void TAudioMainForm::RefreshMicSettings() {}
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
