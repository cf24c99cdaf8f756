#pragma once
// The virtual 7.1 surround: its switch, where the eight speaker icons stand and their angles
// and distances for the device, the motions that rotate, shrink and grow the arrangement
// (at most one runs), and the bee demonstration that flies a sound around the listener.
#include "device/active_device.h"
#include "effects/speaker_geometry.h"
#include "media_player.h"
#include "timer.h"

#include <functional>
#include <string>

enum class SpeakerMotion { None, Clockwise, Counterclockwise, Narrow, Enlarge };

class VirtualSurround {
  public:
    explicit VirtualSurround(const ActiveDevice& device);

    // Called whenever speaker icons or the bee moved, for the window to place them.
    std::function<void()> OnShow;

    // "OldVersion", "DefaultIni" with the default profile's path, and the bee's sound.
    void Configure(bool oldVersion, bool useDefaultIni, const std::wstring& defaultProfile,
                   const std::wstring& beeSound);
    // The skin's circle; the first time with the icons where the skin placed them.
    void SetCircle(int cx, int cy, int r);
    void SetSpeakerPositions(const SpeakerPosition positions[kSpeakerCount]);
    // A new skin's circle: the icons keep their angles, their distances scaled by the radii.
    void MoveToNewCircle(int cx, int cy, int r, int previousRadius);

    bool Enable7ch1() const { return m_b7ch1Enable; }
    SpeakerMotion Motion() const { return m_Motion; }
    bool MotionOn(SpeakerMotion motion) const { return m_Motion == motion; }
    SpeakerPosition Position(int speaker) const { return m_Positions[speaker]; }
    const SPEAKER_POLAR& Polar(int speaker) const { return m_SpeakerPolar[speaker]; }
    float SpeakerDistance(int speaker) const { return m_fSpeakerDistance[speaker]; }
    float SpeakerAngle(int speaker) const { return m_fSpeakerAngle[speaker]; }
    bool BeeRunning() const { return m_bBee; }
    SpeakerPosition BeePosition() const { return m_BeePosition; }
    bool BeePlaying() const { return m_Player.IsOpen(); }
    bool AnimationRunning() const { return m_Timer.Enabled(); }

    // Operations; 0 on success, 1 when the library refused the block.
    void ComputeSpeakerGeometry(SPEAKER_POLAR target[kSpeakerCount]);
    int SendVirtual7ch1(int enable);
    int ApplyVirtual7ch1();
    void PlaceDefaultSpeakers();
    int ResetVirtual7ch1();

    // The creation step: the geometry of the skin's places, then the default layout.
    void ApplyDefaults();
    // The device became usable: the block with virtual 7.1 off, once more after 100 ms when
    // it is refused and retry is set.
    void SendOff(bool retry);
    // After the device's removal, and when the panel ends.
    void ClearState() { m_b7ch1Enable = false; }

    // The controls' actions.
    void ToggleEnable();
    void ToggleMotion(SpeakerMotion motion);
    void MoveSpeaker(int speaker, SpeakerPosition position);
    void SpeakerReleased();
    void SetBee(bool on);
    void CloseBeePlayer() { m_Player.Close(); }

    // One tick of the 20 ms animation, of the bee's 10 ms flight and its 100 ms sound check.
    void TimerTick();
    void BeeTimerTick();
    void BeePlayTimerTick();

  private:
    void Show();
    void PlaceFromPolar(int speaker);
    void RotateAll(double step);
    // The motions' timer runs only while one of them is on.
    void UpdateTimer();

    const ActiveDevice& device_;
    bool m_b7ch1Enable = false;
    SpeakerMotion m_Motion = SpeakerMotion::None;
    SpeakerPosition m_Positions[kSpeakerCount];
    SPEAKER_POLAR m_SpeakerPolar[kSpeakerCount];
    float m_fSpeakerDistance[kSpeakerCount] = {};
    float m_fSpeakerAngle[kSpeakerCount] = {};
    int m_iCenterX = 0;
    int m_iCenterY = 0;
    int m_iRadius = 0;
    bool m_bOldVersion = false;
    bool m_bDefaultIni = false;
    std::wstring m_strDefaultProfile;
    std::wstring m_strBeeSound;

    bool m_bBee = false;
    SPEAKER_POLAR m_BeePolar;
    SpeakerPosition m_BeePosition;
    SPEAKER_POLAR m_SavedPolar[kSpeakerCount];
    MediaPlayer m_Player;
    Timer m_Timer;
    Timer m_BeeTimer;
    Timer m_BeePlayTimer;
};
