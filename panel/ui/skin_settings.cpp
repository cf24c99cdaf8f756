#include "skin_settings.h"

#include "debug_output.h"
#include "int_conversions.h"
#include "value_fields.h"

#include <iterator>

namespace {

const SkinKey kSkinKeyTable[] = {
    // [Main]
    {L"Main", L"MainFormImage", SkinKeyKind::Image, 0},
    {L"Main", L"CloseImageUp", SkinKeyKind::Image, 0},
    {L"Main", L"CloseImageDown", SkinKeyKind::Image, 0},
    {L"Main", L"MinimizeImageUp", SkinKeyKind::Image, 0},
    {L"Main", L"MinimizeImageDown", SkinKeyKind::Image, 0},
    {L"Main", L"DeviceActiveImage", SkinKeyKind::Image, 0},
    {L"Main", L"Menu1ImageUp", SkinKeyKind::Image, 0},
    {L"Main", L"Menu1ImageDown", SkinKeyKind::Image, 0},
    {L"Main", L"Menu2ImageUp", SkinKeyKind::Image, 0},
    {L"Main", L"Menu2ImageDown", SkinKeyKind::Image, 0},
    {L"Main", L"Menu3ImageUp", SkinKeyKind::Image, 0},
    {L"Main", L"Menu3ImageDown", SkinKeyKind::Image, 0},
    {L"Main", L"LogoImage", SkinKeyKind::Image, 0},
    {L"Main", L"LedImageUp", SkinKeyKind::Image, 0},
    {L"Main", L"LedImageDown", SkinKeyKind::Image, 0},
    {L"Main", L"MainLeftImage1", SkinKeyKind::Image, 0},
    {L"Main", L"MainLeftImage2", SkinKeyKind::Image, 0},
    {L"Main", L"MainLeftImage3", SkinKeyKind::Image, 0},
    {L"Main", L"MainLeftImage4", SkinKeyKind::Image, 0},
    {L"Main", L"DeviceActiveUpImage", SkinKeyKind::Image, 0},
    {L"Main", L"DeviceActiveDownImage", SkinKeyKind::Image, 0},
    {L"Main", L"DeviceUnActiveUpImage", SkinKeyKind::Image, 0},
    {L"Main", L"DeviceUnActiveDownImage", SkinKeyKind::Image, 0},
    // [EQ]
    {L"EQ", L"Back_EQImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQEQENImageUp", SkinKeyKind::Image, 1},
    {L"EQ", L"EQEQENImageDown", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ3DENImageUp", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ3DENImageDown", SkinKeyKind::Image, 1},
    {L"EQ", L"EQResetImageUp", SkinKeyKind::Image, 1},
    {L"EQ", L"EQResetImageDown", SkinKeyKind::Image, 1},
    {L"EQ", L"EQS1ImageUp", SkinKeyKind::Image, 1},
    {L"EQ", L"EQS1ImageDown", SkinKeyKind::Image, 1},
    {L"EQ", L"EQS2ImageUp", SkinKeyKind::Image, 1},
    {L"EQ", L"EQS2ImageDown", SkinKeyKind::Image, 1},
    {L"EQ", L"EQS3ImageUp", SkinKeyKind::Image, 1},
    {L"EQ", L"EQS3ImageDown", SkinKeyKind::Image, 1},
    {L"EQ", L"EQS4ImageUp", SkinKeyKind::Image, 1},
    {L"EQ", L"EQS4ImageDown", SkinKeyKind::Image, 1},
    {L"EQ", L"EQButtonLineImage1", SkinKeyKind::Image, 1},
    {L"EQ", L"EQButtonLineImage2", SkinKeyKind::Image, 1},
    {L"EQ", L"EQButtonLineImage3", SkinKeyKind::Image, 1},
    {L"EQ", L"EQButtonLineImage4", SkinKeyKind::Image, 1},
    {L"EQ", L"EQButtonLineImage5", SkinKeyKind::Image, 1},
    {L"EQ", L"EQGraduationImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ60HzBarImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ300HzBarImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ1200HzBarImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ3600HzBarImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ12000HzBarImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ60HzSliderImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ300HzSliderImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ1200HzSliderImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ3600HzSliderImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ12000HzSliderImage", SkinKeyKind::Image, 1},
    {L"EQ", L"EQ60HzBarDownImage", SkinKeyKind::Image, 0},
    {L"EQ", L"EQ300HzBarDownImage", SkinKeyKind::Image, 0},
    {L"EQ", L"EQ1200HzBarDownImage", SkinKeyKind::Image, 0},
    {L"EQ", L"EQ3600HzBarDownImage", SkinKeyKind::Image, 0},
    {L"EQ", L"EQ12000HzBarDownImage", SkinKeyKind::Image, 0},
    {L"EQ", L"EQSlider", SkinKeyKind::Geometry, 1},
    // [3D]
    {L"3D", L"Back_3DImage", SkinKeyKind::Image, 5},
    {L"3D", L"D33DENImageUp", SkinKeyKind::Image, 5},
    {L"3D", L"D33DENImageDown", SkinKeyKind::Image, 5},
    {L"3D", L"D3FBMImageUp", SkinKeyKind::Image, 5},
    {L"3D", L"D3FBMImageDown", SkinKeyKind::Image, 5},
    {L"3D", L"D3ResetImageUp", SkinKeyKind::Image, 5},
    {L"3D", L"D3ResetImageDown", SkinKeyKind::Image, 5},
    {L"3D", L"D3LChannelImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3RChannelImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3ConnectionImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3AlphaIndepImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3AlphaDepImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3AlphaInvImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3BetaIndepImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3BetaDepImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3BetaInvImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3ButtonLineImage1", SkinKeyKind::Image, 5},
    {L"3D", L"D3ButtonLineImage2", SkinKeyKind::Image, 5},
    {L"3D", L"D3LAlphaGraduationImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3LBetaGraduationImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3RAlphaGraduationImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3RBetaGraduationImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3LAlphaBarImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3LBetaBarImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3RAlphaBarImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3RBetaBarImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3LAlphaSliderImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3LBetaSliderImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3RAlphaSliderImage", SkinKeyKind::Image, 5},
    {L"3D", L"D3RBetaSliderImage", SkinKeyKind::Image, 5},
    // [Effect]
    {L"Effect", L"Back_EffectImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonNonImageUp", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonNonImageDown", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonTheaterImageUp", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonTheaterImageDown", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonBathroomImageUp", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonBathroomImageDown", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonLivingroomImageUp", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonLivingroomImageDown", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonStoneGalleryImageUp", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonStoneGalleryImageDown", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonLineImage1", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonLineImage2", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonLineImage3", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectButtonLineImage4", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectPicNonImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectPicTheaterImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectPicBathroomImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectPicLivingroomImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectPicStoneGalleryImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectPanel", SkinKeyKind::Ignored, 2},
    {L"Effect", L"EffectNonUpImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectNonDownImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectTheaterUpImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectTheaterDownImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectStoneGalleryUpImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectStoneGalleryDownImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectLivingroomUpImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectLivingroomDownImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectBathroomUpImage", SkinKeyKind::Image, 2},
    {L"Effect", L"EffectBathroomDownImage", SkinKeyKind::Image, 2},
    // [Mic]
    {L"Mic", L"Back_MicImage", SkinKeyKind::Image, 3},
    {L"Mic", L"MicBoostImageUp", SkinKeyKind::Image, 3},
    {L"Mic", L"MicBoostImageDown", SkinKeyKind::Image, 3},
    {L"Mic", L"MicMuteImageUp", SkinKeyKind::Image, 3},
    {L"Mic", L"MicMuteImageDown", SkinKeyKind::Image, 3},
    {L"Mic", L"MicMonitorImageUp", SkinKeyKind::Image, 3},
    {L"Mic", L"MicMonitorImageDown", SkinKeyKind::Image, 3},
    {L"Mic", L"MicButtonLineImage", SkinKeyKind::Image, 3},
    {L"Mic", L"MicPicImage", SkinKeyKind::Image, 3},
    {L"Mic", L"MicProgressImage", SkinKeyKind::Image, 3},
    {L"Mic", L"MicGainImage", SkinKeyKind::Image, 3},
    {L"Mic", L"MicGraduationImage", SkinKeyKind::Image, 3},
    {L"Mic", L"MicBarImage", SkinKeyKind::Image, 3},
    {L"Mic", L"MicSliderImage", SkinKeyKind::Image, 3},
    {L"Mic", L"MicValueImage", SkinKeyKind::Image, 3},
    {L"Mic", L"MicBarDownImage", SkinKeyKind::Image, 0},
    {L"Mic", L"MicPanel", SkinKeyKind::Ignored, 3},
    {L"Mic", L"MicSlider", SkinKeyKind::Geometry, 3},
    {L"Mic", L"MicProgressLength", SkinKeyKind::Geometry, 3},
    // [Virtual7ch1]
    {L"Virtual7ch1", L"Back_Virtual7p1Image", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualEnableImageUp", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualEnableImageDown", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualClockwiseUpImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualClockwiseDownImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualCounterclockwiseUpImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualCounterclockwiseDownImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualEnlargeUpImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualEnlargeDownImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualNarrowUpImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualNarrowDownImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualResetUpImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualResetDownImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualPicImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualCImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualLImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualLSImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualLBImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualRBImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualRSImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualRImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualSUBImage", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualPanel", SkinKeyKind::Ignored, 4},
    {L"Virtual7ch1", L"VirtualButtonLineImage1", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualButtonLineImage2", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualButtonLineImage3", SkinKeyKind::Image, 4},
    {L"Virtual7ch1", L"VirtualCenter", SkinKeyKind::Geometry, 4},
    // [About]
    {L"About", L"LogoImage", SkinKeyKind::Image, 0},
    // [Main]
    {L"Main", L"PageEQUpImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageEffectUpImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageMicUpImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageVirtual7p1UpImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageEQDownImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageEffectDownImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageMicDownImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageVirtual7p1DownImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageLEDUpImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageLEDDownImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageENCUpImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageENCDownImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageVMEffectUpImage", SkinKeyKind::Image, 0},
    {L"Main", L"PageVMEffectDownImage", SkinKeyKind::Image, 0},
    {L"Main", L"BevelLine", SkinKeyKind::Bevel, 0},
    {L"Main", L"BevelLine2", SkinKeyKind::Bevel, 0},
    // [LED]
    {L"LED", L"LEDPageMode", SkinKeyKind::Led, 6},
    {L"LED", L"LEDFastRightSide", SkinKeyKind::Led, 6},
    {L"LED", L"ColorBreatheBarImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorRainbowBarImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorPulsatingBarImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorBreatheSliderUpImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorBreatheSliderDownImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorRainbowSliderUpImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorRainbowSliderDownImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorPulsatingSliderUpImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorPulsatingSliderDownImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorBreatheCheckUpImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorBreatheCheckDownImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorRainbowCheckUpImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorRainbowCheckDownImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorPulsatingCheckUpImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorPulsatingCheckDownImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorLEDOffCheckUpImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorLEDOffCheckDownImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorSingleCheckUpImage", SkinKeyKind::Image, 6},
    {L"LED", L"ColorSingleCheckDownImage", SkinKeyKind::Image, 6},
    {L"LED", L"Color01Shape", SkinKeyKind::Shape, 6},
    {L"LED", L"Color02Shape", SkinKeyKind::Shape, 6},
    {L"LED", L"Color03Shape", SkinKeyKind::Shape, 6},
    {L"LED", L"Color04Shape", SkinKeyKind::Shape, 6},
    {L"LED", L"Color05Shape", SkinKeyKind::Shape, 6},
    {L"LED", L"Color06Shape", SkinKeyKind::Shape, 6},
    {L"LED", L"Color07Shape", SkinKeyKind::Shape, 6},
    {L"LED", L"ColorSingleShape", SkinKeyKind::Shape, 6},
    {L"LED", L"ColorBreatheShape", SkinKeyKind::Shape, 6},
    // [ENC]
    {L"ENC", L"ENCFunctionUpImage", SkinKeyKind::Image, 7},
    {L"ENC", L"ENCFunctionDownImage", SkinKeyKind::Image, 7},
    {L"ENC", L"ENCBarImage", SkinKeyKind::Image, 7},
    {L"ENC", L"ENCSliderImage", SkinKeyKind::Image, 7},
    {L"ENC", L"ENCValueImage", SkinKeyKind::Image, 7},
    {L"ENC", L"ENCSlider", SkinKeyKind::Geometry, 7},
    // [VoiceMagic]
    {L"VoiceMagic", L"VMEffectNoneUpImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMEffectNoneDownImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMEffect1UpImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMEffect1DownImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMEffect2UpImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMEffect2DownImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMEffect3UpImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMEffect3DownImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMEffect4UpImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMEffect4DownImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMFunctionUpImage", SkinKeyKind::Image, 8},
    {L"VoiceMagic", L"VMFunctionDownImage", SkinKeyKind::Image, 8},
};

const size_t kImageFields = 6;
const size_t kFieldLength = 127;
const size_t kFileNameLength = 63;
const int kOldLayoutLeft = 392;
const int kOldLayoutTop = 104;

// The swatches' colours before any lighting setting is applied, 0x00BBGGRR.
const uint32_t kPalette[kSwatchCount] = {
    0x0000FF, // red
    0xFFFF00, // cyan
    0x00FFFF, // yellow
    0xFFFFFF, // white
    0x00FF00, // green
    0xFF0000, // blue
    0xFF00FF, // magenta
    0x0000FF, // single colour: red
    0x0000FF, // breathe: red
};

std::vector<std::wstring> Fields(const std::wstring& value) {
    return SplitValueFields(value, kImageFields, kFieldLength);
}

// A field given as a number: present and not empty.
bool Given(const std::vector<std::wstring>& fields, size_t index) {
    return index < fields.size() && !fields[index].empty();
}

SkinItem ReadImageItem(const SkinKey& key, const std::wstring& value, bool oldVersion) {
    const std::vector<std::wstring> f = Fields(value);
    SkinItem item;
    item.ImageFile = f[0].substr(0, kFileNameLength);
    struct Number {
        int* value;
        bool* has;
    };
    const Number numbers[] = {{&item.Left, &item.HasLeft},
                              {&item.Top, &item.HasTop},
                              {&item.Width, &item.HasWidth},
                              {&item.Height, &item.HasHeight}};
    for (size_t i = 0; i < std::size(numbers); ++i) {
        if (!Given(f, i + 1)) continue;
        *numbers[i].value = LeadingDigitsToInt(f[i + 1]);
        *numbers[i].has = true;
    }
    item.Page = Given(f, 5) ? LeadingDigitsToInt(f[5]) : key.defaultPage;
    // Old layouts place every page's controls relative to the page area, not the window.
    if (oldVersion && key.defaultPage != 0) {
        if (item.HasLeft) item.Left = AddOffset(item.Left, kOldLayoutLeft);
        if (item.HasTop) item.Top = AddOffset(item.Top, kOldLayoutTop);
    }
    return item;
}

// The first `count` fields as strict numbers; false when one is missing, empty or malformed.
bool StrictNumbers(const std::wstring& value, size_t count, int* numbers) {
    const std::vector<std::wstring> f = Fields(value);
    if (f.size() < count) return false;
    for (size_t i = 0; i < count; ++i)
        if (!TryStrictToInt(f[i], numbers[i])) return false;
    return true;
}

// A geometry key; false when its value is present but not made of the numbers it needs.
bool ReadGeometry(const SkinKey& key, const std::wstring& value, bool oldVersion, SkinGeometry& g) {
    // An absent key keeps the values of the window design or of the previous skin.
    if (value.empty()) return true;
    const std::wstring name = key.name;
    int n[3] = {0, 0, 0};
    const size_t count = name == L"VirtualCenter" ? 3 : name == L"MicProgressLength" ? 1 : 2;
    if (!StrictNumbers(value, count, n)) {
        DebugPrint(L"***** LoadSkinSettings: %s of [%s] is not a number: %s *****\n", name,
                   key.section, value);
        return false;
    }
    const int topShift = oldVersion ? kOldLayoutTop : 0;
    if (name == L"EQSlider") {
        g.EqSliderTop = AddOffset(n[0], topShift);
        g.EqSliderRange = n[1];
        g.D3BarRange = n[1];
    } else if (name == L"MicSlider") {
        g.MicSliderTop = AddOffset(n[0], topShift);
        g.MicSliderRange = n[1];
    } else if (name == L"ENCSlider") {
        g.EncSliderTop = n[0];
        g.EncSliderRange = n[1];
    } else if (name == L"MicProgressLength") {
        g.MicProgressLength = n[0];
    } else if (name == L"VirtualCenter") {
        g.VirtualCenterX = AddOffset(n[0], oldVersion ? kOldLayoutLeft : 0);
        g.VirtualCenterY = AddOffset(n[1], topShift);
        g.VirtualRadius = n[2];
    }
    return true;
}

// Flags and modes: the leading digits of the first field; empty is 0.
int ReadFlag(const std::wstring& value) {
    return LeadingDigitsToInt(Fields(value)[0]);
}

int SwatchIndex(const std::wstring& name) {
    for (int i = 0; i < kSwatchCount; ++i)
        if (name == kSwatchKeys[i]) return i;
    return -1;
}

void ReadSwatch(const ProfileReader& base, int index, SwatchSetting& swatch) {
    swatch.color = kPalette[index];
    const std::wstring value = base(L"LED", kSwatchKeys[index]);
    const std::vector<std::wstring> f = Fields(value);
    swatch.hasGeometry = false;
    // Without a first field the swatch keeps the geometry and shape it has.
    if (f[0].empty()) return;
    if (f.size() < 4) {
        DebugPrint(L"***** LoadSkinSettings: %s of [LED] lacks its size: %s *****\n",
                   kSwatchKeys[index], value);
        return;
    }
    swatch.hasGeometry = true;
    swatch.left = LeadingDigitsToInt(f[0]);
    swatch.top = LeadingDigitsToInt(f[1]);
    swatch.width = LeadingDigitsToInt(f[2]);
    swatch.height = LeadingDigitsToInt(f[3]);
    const int shape = f.size() > 4 ? LeadingDigitsToInt(f[4]) : 0;
    swatch.shape = shape >= SwatchCircle && shape <= SwatchSquare ? shape : SwatchCircle;
}

} // namespace

const wchar_t* const kSwatchKeys[kSwatchCount] = {
    L"Color01Shape", L"Color02Shape", L"Color03Shape",     L"Color04Shape",     L"Color05Shape",
    L"Color06Shape", L"Color07Shape", L"ColorSingleShape", L"ColorBreatheShape"};

const std::vector<SkinKey>& SkinKeys() {
    static const std::vector<SkinKey> keys(std::begin(kSkinKeyTable), std::end(kSkinKeyTable));
    return keys;
}

int SkinKeyIndex(const std::wstring& section, const std::wstring& name) {
    const std::vector<SkinKey>& keys = SkinKeys();
    for (size_t i = 0; i < keys.size(); ++i)
        if (name == keys[i].name && section == keys[i].section) return static_cast<int>(i);
    return -1;
}

const SkinItem& SkinSettings::Item(const std::wstring& section, const std::wstring& name) const {
    static const SkinItem empty;
    const int index = SkinKeyIndex(section, name);
    return index >= 0 && static_cast<size_t>(index) < items.size() ? items[index] : empty;
}

void LoadSwatches(const ProfileReader& base, std::array<SwatchSetting, kSwatchCount>& swatches) {
    for (int i = 0; i < kSwatchCount; ++i)
        ReadSwatch(base, i, swatches[i]);
}

int LoadSkinSettings(const ProfileReader& layout, const ProfileReader& base, bool oldVersion,
                     SkinSettings& settings) {
    const std::vector<SkinKey>& keys = SkinKeys();
    SkinSettings loaded;
    loaded.items.resize(keys.size());
    loaded.geometry = settings.geometry;
    loaded.swatches = settings.swatches;
    // The radius the speakers stand on until now; without a "VirtualCenter" key it stays.
    loaded.geometry.PreviousVirtualRadius = settings.geometry.VirtualRadius;
    SkinGeometry& g = loaded.geometry;
    for (size_t i = 0; i < keys.size(); ++i) {
        const SkinKey& key = keys[i];
        const std::wstring name = key.name;
        switch (key.kind) {
        case SkinKeyKind::Image:
            loaded.items[i] = ReadImageItem(key, layout(key.section, key.name), oldVersion);
            break;
        case SkinKeyKind::Geometry:
            if (!ReadGeometry(key, layout(key.section, key.name), oldVersion, g))
                return SkinBadGeometry;
            break;
        case SkinKeyKind::Bevel: {
            const bool on = ReadFlag(layout(key.section, key.name)) != 0;
            (name == L"BevelLine" ? g.BevelLine : g.BevelLine2) = on;
            break;
        }
        case SkinKeyKind::Led:
            (name == L"LEDPageMode" ? g.LEDPageMode : g.LEDFastRightSide) =
                ReadFlag(base(key.section, key.name));
            break;
        case SkinKeyKind::Shape: {
            const int index = SwatchIndex(name);
            if (index >= 0) ReadSwatch(base, index, loaded.swatches[index]);
            break;
        }
        case SkinKeyKind::Ignored: // read by older panels, without effect
            break;
        }
    }
    settings = std::move(loaded);
    return SkinLoaded;
}

std::wstring ResolutionFolderFor(int screenWidth, int screenHeight) {
    const long long area = static_cast<long long>(screenWidth) * screenHeight;
    if (area > 1920LL * 1080) return L"1920x1080\\";
    if (area > 1366LL * 768) return L"1366x768\\";
    if (area > 960LL * 540) return L"960x540\\";
    return std::wstring();
}
