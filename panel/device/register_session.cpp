#include "device/register_session.h"

bool RegisterSession::Read(uint16_t address, uint8_t* value) {
    return device_ && ReadRegister(device_.get(), address, value) == 0;
}

bool RegisterSession::Write(uint16_t address, uint8_t value) {
    return device_ && WriteRegister(device_.get(), address, value) == 0;
}

bool RegisterSession::Finish() {
    bool sent = device_ && SendClosingReport(device_.get()) == 0;
    device_.reset();
    return sent;
}
