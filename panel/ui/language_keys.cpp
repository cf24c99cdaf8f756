#include "ui/language_keys.h"

#include <iterator>

namespace {

const LanguageKey kLanguageKeyTable[] = {
    // [Main]
    {L"Main", L"LabelMenu1", L"Menu1Label", 0},
    {L"Main", L"LabelMenu2", L"Menu2Label", 0},
    {L"Main", L"LabelMenu3", L"Menu3Label", 0},
    {L"Main", L"LabelPageEQ", L"PageEQLabel", 0},
    {L"Main", L"LabelPage3D", L"Page3DLabel", 0},
    {L"Main", L"LabelPageEffect", L"PageEffectLabel", 0},
    {L"Main", L"LabelPageMic", L"PageMicLabel", 0},
    {L"Main", L"LabelPageVirtual7ch1", L"PageVirtual7p1Label", 0},
    {L"Main", L"LabelActive", L"DeviceActiveLabel", 0},
    {L"Main", L"LabelUnDriver", L"DeviceActiveLabel", 0},
    {L"Main", L"LabelUnactive", L"DeviceActiveLabel", 0},
    {L"Main", L"LabelSync", L"SyncLabel", 0},
    {L"Main", L"LabelSetting", L"SettingLabel", 0},
    {L"Main", L"LabelSX", L"SXLabel", 0},
    {L"Main", L"LabelFeatures", L"FeaturesLabel", 0},
    {L"Main", L"LabelCompanyName", L"CompanyNameLabel", 0},
    {L"Main", L"DeviceInLabel", L"DeviceInLabel", 0},
    {L"Main", L"DeviceOutLabel", L"DeviceOutLabel", 0},
    {L"Main", L"LabelPageLED", L"PageLEDLabel", 0},
    {L"Main", L"LabelPageENC", L"PageENCLabel", 0},
    {L"Main", L"LabelPageVMEffect", L"PageVMEffectLabel", 0},
    {L"Main", L"LabelLanguage", L"LanguageMenu", 0},
    {L"Main", L"LabelSkin", L"SkinMenu", 0},
    {L"Main", L"LabelClose", L"CloseMenu", 0},
    {L"Main", L"LabelPlugin", L"ModeMenu", 0},
    // [EQ]
    {L"EQ", L"LabelEQEnable", L"EQEQENLabel", 1},
    {L"EQ", L"LableEQ3DEnable", L"EQ3DENLabel", 1},
    {L"EQ", L"LabelEQReset", L"EQResetLabel", 1},
    {L"EQ", L"LabelEQS1", L"EQS1Label", 1},
    {L"EQ", L"LabelEQS2", L"EQS2Label", 1},
    {L"EQ", L"LabelEQS3", L"EQS3Label", 1},
    {L"EQ", L"LabelEQS4", L"EQS4Label", 1},
    {L"EQ", L"LabelEQ60Hz", L"EQ60HzLabel", 1},
    {L"EQ", L"LabelEQ300Hz", L"EQ300HzLabel", 1},
    {L"EQ", L"LabelEQ1200Hz", L"EQ1200HzLabel", 1},
    {L"EQ", L"LabelEQ3600Hz", L"EQ3600HzLabel", 1},
    {L"EQ", L"LabelEQ12000Hz", L"EQ12000HzLabel", 1},
    // [3D]
    {L"3D", L"Label3DEnable", L"D33DENLabel", 5},
    {L"3D", L"Label3DFBM", L"D3FBMLabel", 5},
    {L"3D", L"Label3DReset", L"D3ResetLabel", 5},
    {L"3D", L"Label3DLeftChannel", L"D3LChannelLabel", 5},
    {L"3D", L"Label3DRightChannel", L"D3RChannelLabel", 5},
    {L"3D", L"Label3DConnection", L"D3ConnectLabel", 5},
    // [Effect]
    {L"Effect", L"LabelEffectNothing", L"EffectNonLabel", 2},
    {L"Effect", L"LabelEffectTheater", L"EffectTheaterLabel", 2},
    {L"Effect", L"LabelEffectBathroom", L"EffectBathroomLabel", 2},
    {L"Effect", L"LabelEffectLivingroom", L"EffectLivingroomLabel", 2},
    {L"Effect", L"LabelEffectStoneGallery", L"EffectStoneGalleryLabel", 2},
    // [Mic]
    {L"Mic", L"LabelMicBoost", L"MicBoostLabel", 3},
    {L"Mic", L"LabelMicMute", L"MicMuteLabel", 3},
    {L"Mic", L"LabelMicMonitor", L"MicMonitorLabel", 3},
    {L"Mic", L"LabelMicGain", L"MicGainLabel", 3},
    {L"Mic", L"LabelMicValue", L"MicValueLabel", 3},
    // [Virtual7ch1]
    {L"Virtual7ch1", L"Label7ch1Enable", L"VirtualENLabel", 4},
    {L"Virtual7ch1", L"LabelVirtualClockwise", L"VirtualClockwiseLabel", 4},
    {L"Virtual7ch1", L"LabelVirtualCounterclockwise", L"VirtualCounterclockwiseLabel", 4},
    {L"Virtual7ch1", L"LabelVirtualEnlarge", L"VirtualEnlargeLabel", 4},
    {L"Virtual7ch1", L"LabelVirtualNarrow", L"VirtualNarrowLabel", 4},
    {L"Virtual7ch1", L"Label7ch1Reset", L"VirtualResetLabel", 4},
    // [LED]
    {L"LED", L"ColorBreatheLabel", L"ColorBreatheLabel", 6},
    {L"LED", L"ColorRainbowLabel", L"ColorRainbowLabel", 6},
    {L"LED", L"ColorPulsatingLabel", L"ColorPulsatingLabel", 6},
    {L"LED", L"ColorSelectLabel", L"ColorSelectLabel", 6},
    {L"LED", L"ColorEffectLabel", L"ColorEffectLabel", 6},
    {L"LED", L"ColorLEDOffLabel", L"ColorLEDOffLabel", 6},
    {L"LED", L"ColorSingleLabel", L"ColorSingleLabel", 6},
    {L"LED", L"ColorSlowLabel", L"ColorSlowLabel", 6},
    {L"LED", L"ColorFastLabel", L"ColorFastLabel", 6},
    // [ENC]
    {L"ENC", L"ENCFunctionLabel", L"ENCFunctionLabel", 7},
    {L"ENC", L"LabelENCValue", L"ENCValueLabel", 7},
    // [VoiceMagic]
    {L"VoiceMagic", L"VMEffectNoneLabel", L"VMEffectNoneLabel", 8},
    {L"VoiceMagic", L"VMEffect1Label", L"VMEffect1Label", 8},
    {L"VoiceMagic", L"VMEffect2Label", L"VMEffect2Label", 8},
    {L"VoiceMagic", L"VMEffect3Label", L"VMEffect3Label", 8},
    {L"VoiceMagic", L"VMEffect4Label", L"VMEffect4Label", 8},
    {L"VoiceMagic", L"VMFunctionLabel", L"VMFunctionLabel", 8},
    // [About]
    {L"About", L"LabelAbout", L"AboutLabel", 0},
    {L"About", L"LabelWeb", L"WebLabel", 0},
    // [Main]
    {L"Main", L"LabelWarning", L"", 0},
    {L"Main", L"LabelWarning1", L"", 0},
};

const LanguageKey kGlobalFontKeyTable[] = {
    {L"GlobalFont", L"ColorUp", L"", 0},
    {L"GlobalFont", L"ColorDown", L"", 0},
    {L"GlobalFont", L"Font", L"", 0},
    {L"GlobalFont", L"FontSize", L"", 0},
};

} // namespace

const std::vector<LanguageKey>& LanguageKeys() {
    static const std::vector<LanguageKey> keys(std::begin(kLanguageKeyTable),
                                               std::end(kLanguageKeyTable));
    return keys;
}

const std::vector<LanguageKey>& GlobalFontKeys() {
    static const std::vector<LanguageKey> keys(std::begin(kGlobalFontKeyTable),
                                               std::end(kGlobalFontKeyTable));
    return keys;
}
