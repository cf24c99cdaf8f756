#pragma once
// Where the eight virtual speakers stand: the angle and distance of an icon from the circle's
// centre and back, the default layout, and the block the library takes. Platform-neutral.
#include "device_library_api.h"

// Indexes of the speakers in every array: L, R, C, SUB, LS, RS, LB, RB.
const int kSpeakerCount = 8;

struct SPEAKER_POLAR {
    float angle = 0;     // radians, 0 to 2 pi, counter-clockwise from the right, y upward
    double distance = 0; // pixels
};

// An icon's left/top corner in window pixels.
struct SpeakerPosition {
    int left = 0;
    int top = 0;
    bool operator==(const SpeakerPosition& o) const { return left == o.left && top == o.top; }
    bool operator!=(const SpeakerPosition& o) const { return !(*this == o); }
};

// The constants the device's layout is worked out with, as written (not full-precision pi).
const double kSpeakerPi = 3.14159265;
const double kSpeakerTwoPi = 6.2831853;
const double kSpeakerStep = 0.0174532925; // one degree

// The angle and distance of a position from the centre (not for the centre itself).
SPEAKER_POLAR PolarOf(SpeakerPosition position, int cx, int cy);
// The position of an angle and distance, each coordinate truncated toward zero.
SpeakerPosition PositionOf(const SPEAKER_POLAR& polar, int cx, int cy);
// The default layout on a circle of radius r; "OldVersion" skins nudge one place.
void DefaultSpeakerLayout(int cx, int cy, int r, SpeakerPosition layout[kSpeakerCount]);
// The block for the library: ratio = distance * 1.7 / r held to 0 .. 1.7, the angles as given.
VIRTUAL_7CH1_PARAMETERS VirtualBlock(int enable, const float distances[kSpeakerCount],
                                     const float angles[kSpeakerCount], int r);
