#include "effects/virtual_surround.h"

#include "device/protocol_pause.h"
#include "debug_output.h"
#include "device/device_library.h"
#include "effects/profile_values.h"
#include "exception.h"

#include <windows.h>

#include <algorithm>

namespace {

const unsigned kMotionInterval = 20;
const unsigned kBeeInterval = 10;
const unsigned kBeePlayInterval = 100;
const double kNarrowLimit = 10;
const double kEnlargeLimit = 111;
// The place an old layout's icon is moved from, one pixel off the circle's grid.
const SpeakerPosition kOldVersionSpot{664, 355};
const SpeakerPosition kOldVersionNudged{665, 356};

const wchar_t* const kProfileKeys[kSpeakerCount] = {L"L",  L"R",  L"C",  L"SUB",
                                                    L"LS", L"RS", L"LB", L"RB"};

} // namespace

VirtualSurround::VirtualSurround(const ActiveDevice& device) : device_(device) {
    m_Timer.SetInterval(kMotionInterval);
    m_Timer.OnTimer = [this] { TimerTick(); };
    m_BeeTimer.SetInterval(kBeeInterval);
    m_BeeTimer.OnTimer = [this] { BeeTimerTick(); };
    m_BeePlayTimer.SetInterval(kBeePlayInterval);
    m_BeePlayTimer.OnTimer = [this] { BeePlayTimerTick(); };
}

void VirtualSurround::Configure(bool oldVersion, bool useDefaultIni,
                                const std::wstring& defaultProfile, const std::wstring& beeSound) {
    m_bOldVersion = oldVersion;
    m_bDefaultIni = useDefaultIni;
    m_strDefaultProfile = defaultProfile;
    m_strBeeSound = beeSound;
}

void VirtualSurround::SetCircle(int cx, int cy, int r) {
    m_iCenterX = cx;
    m_iCenterY = cy;
    m_iRadius = r;
}

void VirtualSurround::SetSpeakerPositions(const SpeakerPosition positions[kSpeakerCount]) {
    std::copy(positions, positions + kSpeakerCount, m_Positions);
    ComputeSpeakerGeometry(m_SpeakerPolar);
}

// A skin switch keeps every speaker's angle and its distance in proportion to the radius; a
// circle of no size before keeps the distances as they are.
void VirtualSurround::MoveToNewCircle(int cx, int cy, int r, int previousRadius) {
    SetCircle(cx, cy, r);
    const double ratio = previousRadius > 0 ? static_cast<double>(r) / previousRadius : 1.0;
    for (int i = 0; i < kSpeakerCount; ++i) {
        SPEAKER_POLAR scaled = m_SpeakerPolar[i];
        scaled.distance *= ratio;
        m_Positions[i] = PositionOf(scaled, cx, cy);
    }
    Show();
}

void VirtualSurround::Show() {
    if (OnShow) OnShow();
}

void VirtualSurround::ComputeSpeakerGeometry(SPEAKER_POLAR target[kSpeakerCount]) {
    bool nudged = false;
    for (int i = 0; i < kSpeakerCount; ++i) {
        SpeakerPosition& p = m_Positions[i];
        // At the centre there is no angle: the device keeps what it had for this speaker.
        if (p.left == m_iCenterX && p.top == m_iCenterY) {
            target[i] = SPEAKER_POLAR();
            continue;
        }
        if (m_bOldVersion && p == kOldVersionSpot) {
            p = kOldVersionNudged;
            nudged = true;
        }
        target[i] = PolarOf(p, m_iCenterX, m_iCenterY);
        m_fSpeakerDistance[i] = static_cast<float>(target[i].distance);
        m_fSpeakerAngle[i] = target[i].angle;
    }
    if (nudged) Show();
}

int VirtualSurround::SendVirtual7ch1(int enable) {
    VIRTUAL_7CH1_PARAMETERS block =
        VirtualBlock(enable, m_fSpeakerDistance, m_fSpeakerAngle, m_iRadius);
    if (!device_.m_bDevicePresent) return 0;
    if (int r = dlltr::SetVirtual7ch1(&block)) {
        DebugPrint(L"***** fnDLLTR_SetVirtual7ch1, ret = %d *****", r);
        return 1;
    }
    return 0;
}

int VirtualSurround::ApplyVirtual7ch1() {
    if (!device_.m_bDevicePresent) return 0;
    dlltr::SetVirtual7ch1_OnOff(m_b7ch1Enable ? 1 : 0);
    return SendVirtual7ch1(m_b7ch1Enable ? 1 : 0) == 0 ? 0 : 1;
}

// The default profile's places when the configuration asks for them (a missing profile gives
// the built-in layout); a value that is not two numbers is the conversion error it always is.
void VirtualSurround::PlaceDefaultSpeakers() {
    std::wstring value;
    if (m_bDefaultIni && ReadProfileValue(m_strDefaultProfile, L"Virtual7ch1", kProfileKeys[0], value)) {
        for (int i = 0; i < kSpeakerCount; ++i) {
            ReadProfileValue(m_strDefaultProfile, L"Virtual7ch1", kProfileKeys[i], value);
            std::vector<std::wstring> fields = SplitProfileValue(value);
            if (fields.size() != 2) throw EConvertError(L"'" + value + L"' is not a valid integer value");
            m_Positions[i] = {StrToInt(fields[0]), StrToInt(fields[1])};
        }
    } else {
        DefaultSpeakerLayout(m_iCenterX, m_iCenterY, m_iRadius, m_Positions);
    }
    Show();
}

int VirtualSurround::ResetVirtual7ch1() {
    // The placement runs twice, as the layout has always been made; the second gives the same.
    PlaceDefaultSpeakers();
    PlaceDefaultSpeakers();
    ComputeSpeakerGeometry(m_SpeakerPolar);
    if (!device_.m_bDevicePresent) return 0;
    dlltr::SetVirtual7ch1_OnOff(m_b7ch1Enable ? 1 : 0);
    return SendVirtual7ch1(m_b7ch1Enable ? 1 : 0) == 0 ? 0 : 1;
}

void VirtualSurround::ApplyProfilePlaces(bool enable, const SpeakerPosition positions[kSpeakerCount]) {
    m_b7ch1Enable = enable;
    std::copy(positions, positions + kSpeakerCount, m_Positions);
    Show();
    ComputeSpeakerGeometry(m_SpeakerPolar);
    dlltr::SetVirtual7ch1_OnOff(enable ? 1 : 0);
    SendVirtual7ch1(enable ? 1 : 0);
}

void VirtualSurround::ApplyDefaults() {
    ResetVirtual7ch1();
}

void VirtualSurround::SendOff(bool retry) {
    if (SendVirtual7ch1(0) != 0 && retry) {
        ProtocolPause(100);
        SendVirtual7ch1(0);
    }
}

void VirtualSurround::ToggleEnable() {
    m_b7ch1Enable = !m_b7ch1Enable;
    SPEAKER_POLAR scratch[kSpeakerCount];
    ComputeSpeakerGeometry(scratch);
    ApplyVirtual7ch1();
}

void VirtualSurround::ToggleMotion(SpeakerMotion motion) {
    m_Motion = m_Motion == motion ? SpeakerMotion::None : motion;
    UpdateTimer();
}

void VirtualSurround::UpdateTimer() {
    m_Timer.SetEnabled(m_Motion != SpeakerMotion::None);
}

// A dragged icon pauses the motion; the device gets the new arrangement at once.
void VirtualSurround::MoveSpeaker(int speaker, SpeakerPosition position) {
    if (speaker < 0 || speaker >= kSpeakerCount) return;
    m_Positions[speaker] = position;
    m_Timer.SetEnabled(false);
    ComputeSpeakerGeometry(m_SpeakerPolar);
    dlltr::SetVirtual7ch1_OnOff(m_b7ch1Enable ? 1 : 0);
    SendVirtual7ch1(m_b7ch1Enable ? 1 : 0);
}

void VirtualSurround::SpeakerReleased() {
    UpdateTimer();
}

void VirtualSurround::PlaceFromPolar(int speaker) {
    m_Positions[speaker] = PositionOf(m_SpeakerPolar[speaker], m_iCenterX, m_iCenterY);
}

void VirtualSurround::RotateAll(double step) {
    for (int i = 0; i < kSpeakerCount; ++i) {
        PlaceFromPolar(i);
        m_SpeakerPolar[i].angle = static_cast<float>(m_SpeakerPolar[i].angle + step);
    }
}

// A limit reached stops the movement, not the sending: the device gets the block each tick.
void VirtualSurround::TimerTick() {
    if (!device_.m_bDevicePresent || m_Motion == SpeakerMotion::None) return;
    auto anyDistance = [&](auto test) {
        return std::any_of(std::begin(m_SpeakerPolar), std::end(m_SpeakerPolar),
                           [&](const SPEAKER_POLAR& p) { return test(p.distance); });
    };
    switch (m_Motion) {
    case SpeakerMotion::Clockwise:
        RotateAll(kSpeakerStep);
        break;
    case SpeakerMotion::Counterclockwise:
        RotateAll(-kSpeakerStep);
        break;
    case SpeakerMotion::Narrow:
        if (anyDistance([](double d) { return d < kNarrowLimit; })) break;
        for (int i = 0; i < kSpeakerCount; ++i) {
            m_SpeakerPolar[i].distance -= 1;
            PlaceFromPolar(i);
        }
        break;
    case SpeakerMotion::Enlarge:
        if (anyDistance([](double d) { return d >= kEnlargeLimit; })) break;
        for (int i = 0; i < kSpeakerCount; ++i) {
            m_SpeakerPolar[i].distance += 1;
            PlaceFromPolar(i);
        }
        break;
    case SpeakerMotion::None:
        break;
    }
    Show();
    SPEAKER_POLAR scratch[kSpeakerCount];
    ComputeSpeakerGeometry(scratch);
    ApplyVirtual7ch1();
}

void VirtualSurround::SetBee(bool on) {
    m_bBee = on;
    const double distance = (m_iRadius / 2) * 1.6;
    m_BeePolar = SPEAKER_POLAR{0.0f, distance};
    m_BeePosition = PositionOf(m_BeePolar, m_iCenterX, m_iCenterY);
    m_BeePolar.angle = static_cast<float>(m_BeePolar.angle - kSpeakerStep);
    for (int i = 0; i < kSpeakerCount; ++i) {
        m_Positions[i] = m_BeePosition;
        if (on) {
            m_SavedPolar[i] = m_SpeakerPolar[i];
            m_SpeakerPolar[i] = SPEAKER_POLAR{0.0f, distance};
        } else {
            m_SpeakerPolar[i] = m_SavedPolar[i];
        }
    }
    if (on) {
        if (!m_Player.Open(m_strBeeSound) || !m_Player.Play())
            DebugPrint(L"***** MediaPlayer open FAIL: %s *****", m_strBeeSound);
    } else {
        m_Player.Close();
    }
    RotateAll(-kSpeakerStep);
    m_BeeTimer.SetEnabled(on);
    m_BeePlayTimer.SetEnabled(on);
    Show();
}

void VirtualSurround::BeeTimerTick() {
    m_BeePosition = PositionOf(m_BeePolar, m_iCenterX, m_iCenterY);
    m_BeePolar.angle = static_cast<float>(m_BeePolar.angle - kSpeakerStep);
    RotateAll(-kSpeakerStep);
    Show();
    if (!device_.m_bDevicePresent) return;
    SPEAKER_POLAR scratch[kSpeakerCount];
    ComputeSpeakerGeometry(scratch);
    ApplyVirtual7ch1();
}

// The sound starts again when it has played to its end, so it repeats.
void VirtualSurround::BeePlayTimerTick() {
    if (m_Player.IsOpen() && m_Player.Position() >= m_Player.Length()) m_Player.Play();
}
