#include "effects/lighting.h"

void Lighting::SetLedPower(bool on) {
    m_bLedOn = on;
}

void Lighting::InitLed() {}
void Lighting::ResendLedSwitch() {}
void Lighting::CloseLedWorker() {}
