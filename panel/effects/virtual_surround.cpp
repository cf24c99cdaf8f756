#include "effects/virtual_surround.h"

void VirtualSurround::SetEnable(bool on) {
    m_b7ch1Enable = on;
}

void VirtualSurround::ToggleMotion(SpeakerMotion motion) {
    m_Motion = m_Motion == motion ? SpeakerMotion::None : motion;
}

void VirtualSurround::SwitchOff(bool) {}
void VirtualSurround::ApplyDefaults() {}
void VirtualSurround::ResetSpeakers() {}
void VirtualSurround::SpeakerMoved(int) {}
void VirtualSurround::StopMotionTimer() {}
void VirtualSurround::SpeakerReleased() {}
