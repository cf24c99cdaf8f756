#pragma once
// The panel's features, each owning its state, all reading the one active device.
#include "effects/effect_model.h"
#include "effects/lighting.h"
#include "effects/microphone.h"
#include "effects/profiles.h"
#include "effects/virtual_surround.h"

struct PanelFeatures {
    explicit PanelFeatures(const ActiveDevice& device)
        : effects(device), microphone(device), surround(device), lighting(device),
          profiles(effects, microphone, surround, lighting, device) {}
    PanelFeatures(const PanelFeatures&) = delete;
    PanelFeatures& operator=(const PanelFeatures&) = delete;

    EffectModel effects;
    Microphone microphone;
    VirtualSurround surround;
    Lighting lighting;
    Profiles profiles;
};
