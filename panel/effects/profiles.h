#pragma once
// Profile files: the last profile saved when the panel ends and applied when it starts, and
// profiles the user exports and imports.
class EffectModel;
class Microphone;
class VirtualSurround;
class Lighting;

class Profiles {
  public:
    Profiles(EffectModel& effects, Microphone& microphone, VirtualSurround& surround,
             Lighting& lighting)
        : effects_(effects), microphone_(microphone), surround_(surround), lighting_(lighting) {}

    // False when there is no last profile.
    bool LoadLastProfile();
    void SaveLastProfile();

  private:
    EffectModel& effects_;
    Microphone& microphone_;
    VirtualSurround& surround_;
    Lighting& lighting_;
};
