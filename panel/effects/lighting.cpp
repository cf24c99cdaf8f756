#include "effects/lighting.h"

void Lighting::SetLedPower(bool on) {
    m_bLedOn = on;
}

void Lighting::InitLed() {}
void Lighting::ResendLedSwitch() {}
void Lighting::CloseLedWorker() {}
void Lighting::WriteProfileKeys(const std::wstring&) {}
void Lighting::ApplyProfileKeys(const std::wstring&) {}
