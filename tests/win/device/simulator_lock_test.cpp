// The simulated device's lock: one holder at a time, taken again by its holder, and taken
// over when its holder ended without letting it go.
#include "simulator_fixture.h"

#include <windows.h>

#include <thread>
#include <vector>

class SimulatorLock : public SimulatedDeviceTest {};

TEST_F(SimulatorLock, KeepsConcurrentChangesWhole) {
    const int kThreads = 4, kRounds = 2000;
    device().With([](sim::State& s) { s.registers[0x7000] = s.registers[0x7001] = 0; });
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < kRounds; ++i)
                device().With([](sim::State& s) {
                    // Read, give the others a chance, write: a lost update shows in the count.
                    unsigned count = s.registers[0x7000] | s.registers[0x7001] << 8;
                    SwitchToThread();
                    ++count;
                    s.registers[0x7000] = static_cast<uint8_t>(count);
                    s.registers[0x7001] = static_cast<uint8_t>(count >> 8);
                });
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(device().With([](sim::State& s) {
        return static_cast<int>(s.registers[0x7000] | s.registers[0x7001] << 8);
    }),
              kThreads * kRounds);
}

TEST_F(SimulatorLock, ItsHolderTakesItAgain) {
    // Journal() takes the lock itself, inside the outer operation.
    size_t lines = device().With([&](sim::State&) {
        device().Journal(L"nested");
        return device().JournalLines(0).size();
    });
    EXPECT_GT(lines, 0u);
    EXPECT_EQ(JournalStarting(L"nested").size(), 1u);
}

DWORD WINAPI EndWhileHolding(void*) {
    sim::SimulatedDevice::Instance().With([](sim::State&) { ExitThread(0); });
    return 1;
}

TEST_F(SimulatorLock, IsTakenOverFromAHolderThatEnded) {
    HANDLE thread = CreateThread(nullptr, 0, EndWhileHolding, nullptr, 0, nullptr);
    ASSERT_TRUE(thread);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    CloseHandle(thread);
    // Without the takeover this would wait for ever; the test's own limit would end it.
    std::thread other([] { sim::SimulatedDevice::Instance().Journal(L"after the holder ended"); });
    other.join();
    EXPECT_EQ(JournalStarting(L"after the holder ended").size(), 1u);
}
