#pragma once
// The simulated 42xx device as it lies in shared memory: one fixed layout, the same in
// 32-bit and 64-bit processes (fixed-size fields only, no pointers).
#include <cstdint>

namespace sim {

const uint32_t kStateMagic = 0x34325856; // "VX24"
const uint32_t kStateVersion = 7;
const uint32_t kMaxDevices = 16;
const uint32_t kMaxNotifyWindows = 8;
const uint32_t kMaxHidInterfaces = 8;
const uint32_t kJournalLines = 4096;
const uint32_t kJournalLineLength = 256;
const uint32_t kMaxEvents = 64;
const uint32_t kEepromSize = 256;
const uint32_t kEepromQueueLength = 8;
const uint32_t kLibraryEntryCount = 32;
const uint32_t kMixerSources = 4;
const uint32_t kNoSubunit = 0xFFFFFFFF;

// One device as the device-setup interface lists it.
struct DeviceRecord {
    uint8_t used;
    uint8_t present;
    uint8_t needsReboot;
    uint8_t driverPinned; // the filter driver stays loaded across restarts (cannot be unloaded)
    uint8_t restartFails; // the class installer refuses the restart
    uint32_t restartCount;
    wchar_t hardwareId[128];   // first string of the hardware-ID property
    wchar_t lowerFilters[128]; // multi-string, double-null terminated; empty = no property
    uint8_t hasLowerFilters;
    uint8_t pad[3];
};
static_assert(sizeof(wchar_t) == 2, "the state is shared with Windows programs only");

// A HID interface other than the 42xx device's own (Wine and real systems list some).
struct HidRecord {
    uint8_t used;
    uint8_t pad;
    uint16_t vid;
    uint16_t pid;
    uint16_t outputLength;
    uint16_t inputLength;
    uint16_t pad2;
    wchar_t path[96];
};

// An arrival or removal of a device interface.
struct DeviceEvent {
    uint32_t sequence;
    uint32_t arrival;  // 1 arrival, 0 removal
    uint32_t hidClass; // 1 HID interface class, 0 audio class
    wchar_t path[96];
};

enum AudioServiceFault : uint32_t {
    AudioServiceAnswers = 0,
    AudioServiceRefusesStop = 1,
    AudioServiceNeverStops = 2,
    AudioServiceDoesNotStart = 3,
};

enum MixerControlBit : uint32_t { MixerHasVolume = 1, MixerHasMute = 2, MixerHasMultiplexer = 4 };

struct State {
    uint32_t magic;
    uint32_t version;
    uint32_t size;

    // The 42xx device.
    uint8_t plugged;
    uint8_t hidPresent;
    uint8_t driverPresent;
    uint8_t endpointPresent;
    uint16_t vid;
    uint16_t pid;
    uint16_t outputReportLength;
    uint16_t inputReportLength;
    uint8_t registers[65536];
    uint16_t selectedRegister;
    uint8_t lastOperation; // 0x10 select, 0x30 pins: what the next input report answers
    uint8_t pad1;
    uint16_t pins; // bits 0 to 9
    uint16_t pad2;

    // I2C EEPROM at device address 0x51, with queued answers for scripted reads.
    uint8_t eeprom[kEepromSize];
    uint8_t eepromQueueOffset;
    uint8_t eepromQueueCount;
    uint8_t eepromQueue[kEepromQueueLength];
    uint8_t pad3[2];

    // Extension driver.
    uint32_t effectMode;
    uint32_t effectApply;
    uint32_t driverRequests;

    // Capture endpoint and its mixer view.
    uint32_t volumeStepCount;
    uint32_t volumeStep;
    uint32_t mute;
    uint32_t autoGain;
    uint32_t audioServiceRunning;
    uint32_t audioServiceRestarts;
    // How the audio service answers: AudioServiceFault.
    uint32_t audioServiceFault;

    // The capture endpoint's topology: how many of the six steps to its device's subunits
    // succeed, the subunits, which offer automatic gain (bit n: subunit n; the first of them
    // holds autoGain), and a subunit that cannot be reached with how many of its two steps do.
    uint32_t topologySteps;
    uint32_t subunitCount;
    uint32_t autoGainSubunits;
    uint32_t brokenSubunit; // kNoSubunit: none
    uint32_t brokenSubunitSteps;

    // The device's mixer: its wave-input line and source lines (component types), the
    // controls on each line (index 0 the wave-input line; MixerControlBit), and the
    // multiplexer's inputs with the one selected.
    uint32_t mixerSourceCount;
    uint32_t mixerSourceTypes[kMixerSources];
    uint32_t mixerControls[kMixerSources + 1];
    uint32_t mixerInputs;
    uint32_t mixerInput;

    // Library state.
    uint16_t activeVid;
    uint16_t activePid;
    uint32_t eqEnabled;
    uint32_t d3Enabled;
    uint32_t virtual71Enabled;
    uint8_t virtual71Parameters[68];
    uint32_t encEnabled;
    uint32_t voiceEnabled;
    uint8_t encState[8];
    uint8_t encParameters[16];
    uint8_t voiceBlock[10];
    uint8_t pad4[2];
    uint32_t ledMode;
    uint32_t ledSpeed;
    uint32_t ledBrightness;
    uint32_t ledSteps;
    uint32_t ledSingleMode;
    uint32_t ledSingleColor; // 0x00BBGGRR
    uint32_t ledPalette[8];  // index 1 to 7, 0x00BBGGRR
    // The next N calls of an entry point fail (by entry number of the library table).
    uint32_t failNext[kLibraryEntryCount];

    DeviceRecord devices[kMaxDevices];
    HidRecord otherHid[kMaxHidInterfaces];

    uint32_t eventNext;
    DeviceEvent events[kMaxEvents];
    // The windows told of each arrival and removal, as the platform tells the windows that
    // registered for device notifications: the window and the message posted to it (a free
    // slot holds 0).
    uint64_t notifyWindows[kMaxNotifyWindows];
    uint32_t notifyMessages[kMaxNotifyWindows];

    uint32_t journalNext; // sequence number of the next line
    wchar_t journal[kJournalLines][kJournalLineLength];
};

} // namespace sim
