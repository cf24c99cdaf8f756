#pragma once
// The device library's lighting entry points, in their master form (the slave id first) or
// their slave form. A call that fails is made once more after 100 ms; the second result is
// not looked at. The result is the first call's.
#include <cstdint>

struct LedCallTarget {
    bool master = true;
    int slaveId = 58;
    int32_t parameter = 50; // passed last to every call
};

// A colour group of 0 is sent as 1 where a colour is sent.
int SendLedMode(const LedCallTarget& target, int group, int mode, int speed);
int SendLedColor(const LedCallTarget& target, int group, int index, uint32_t colour);
int SendLedSingleColor(const LedCallTarget& target, int mode, int group, uint32_t colour);
int SendLedStep(const LedCallTarget& target, int steps);
int SendLedBrightness(const LedCallTarget& target, int brightness);
