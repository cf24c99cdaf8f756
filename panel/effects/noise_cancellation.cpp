// Noise cancellation: whether the device has it (a level recorded for it in the registry),
// switching it on with that level, and showing button, level and slider.
#include "audio_main_form.h"

#include "audio_commands.h"
#include "debug_output.h"
#include "image.h"
#include "label.h"
#include "registry_values.h"

#include <cstring>

namespace {
const wchar_t kEncValueMapKey[] = L"TRV 42xx Software\\EncValueMap";
} // namespace

void TAudioMainForm::RefreshENC() {
    if (!m_bDevicePresent) return;
    uint32_t level = 0;
    if (ReadRegDword(kEncValueMapKey, FormatText(L"VID_%.4X&PID_%.4X", m_wVid, m_wPid), &level) !=
        0) {
        DebugPrint(L"Get Level value from ini setting (Level = %d)\n", m_iENCLevel);
        m_bENCAvailable = false;
        m_bENCEnable = false;
        return;
    }
    DebugPrint(L"ReadSoftwareKeyFromRegistryEx (Level = %d)\n", static_cast<int>(level));
    m_bENCAvailable = true;
    m_bENCEnable = true;
    m_iENCLevel = static_cast<int>(level);
    if (int result = TRV_AudioSetOnOff(kCommandNoiseCancellation, 0, 1))
        DebugPrint(L"***** TRV_AudioSetOnOff, ret = %d *****", result);
    std::memset(m_EncParameters, 0, sizeof m_EncParameters);
    uint8_t state[8] = {};
    if (int result = TRV_AudioGetAll(kCommandNoiseCancellation, 8, state, m_EncParameters))
        DebugPrint(L"***** TRV_AudioGetAll (ret = %d) *****", result);
    int32_t value = m_iENCLevel;
    std::memcpy(m_EncParameters + 8, &value, 4);
    if (TRV_AudioSetParameters(m_EncParameters) != 0)
        DebugPrint(L"***** TRV_AudioSetParameters FAIL! *****");
    ShowENC();
}

void TAudioMainForm::ShowENC() {
    if (Image* button = ImageNamed(L"ENCFunctionImage")) {
        const SkinItem& item =
            Item(L"ENC", m_bENCEnable ? L"ENCFunctionDownImage" : L"ENCFunctionUpImage");
        if (!item.ImageFile.empty()) ApplySkinItem(item, button);
    }
    if (Label* value = LabelNamed(L"ENCValueLabel"))
        value->SetCaption(std::to_wstring(m_iENCLevel));
    const SkinGeometry& g = m_Skin.geometry;
    if (Image* thumb = ImageNamed(L"ENCSliderImage"); thumb && g.EncSliderRange > 0) {
        float step = static_cast<float>(m_iENCLevel * g.EncSliderRange * (1.0 / 30));
        thumb->SetTop(g.EncSliderTop + static_cast<int>(g.EncSliderRange - step));
    }
}
