#pragma once
// The virtual 7.1 surround: its switch and the motion of the speakers (at most one of
// rotating either way, shrinking and growing runs at a time).
#include "device/active_device.h"

enum class SpeakerMotion { None, Clockwise, Counterclockwise, Narrow, Enlarge };

class VirtualSurround {
  public:
    explicit VirtualSurround(const ActiveDevice& device) : device_(device) {}

    bool Enable7ch1() const { return m_b7ch1Enable; }
    SpeakerMotion Motion() const { return m_Motion; }
    bool MotionOn(SpeakerMotion motion) const { return m_Motion == motion; }

    void SetEnable(bool on);
    // Pressing a motion's button starts it (stopping any other) or stops it.
    void ToggleMotion(SpeakerMotion motion);
    void StopMotion() { m_Motion = SpeakerMotion::None; }
    // Switches the surround off on the device; retry: once more after 100 ms on failure.
    void SwitchOff(bool retry);
    void ApplyDefaults();
    void ResetSpeakers();
    // A speaker icon (0 to 7: L, R, C, SUB, LS, RS, LB, RB) was moved to a new place; the
    // motions pause while it is dragged and go on when it is let go.
    void SpeakerMoved(int speaker);
    void StopMotionTimer();
    void SpeakerReleased();
    void ClearState() { m_b7ch1Enable = false; }

  private:
    const ActiveDevice& device_;
    bool m_b7ch1Enable = false;
    SpeakerMotion m_Motion = SpeakerMotion::None;
};
