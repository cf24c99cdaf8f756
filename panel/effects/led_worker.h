#pragma once
// A lighting worker thread: it sleeps until an auto-reset event wakes it, waits a little so
// that the wake-ups of a burst of changes merge, and then does its work. Asked to stop, it
// ends at its next wait.
#include "win_handles.h"

#include <atomic>
#include <functional>
#include <thread>

class LedWorker {
  public:
    // How long a wake-up waits before the work, so that further signals merge into one round.
    static const DWORD kMergeMs = 500;
    enum class Phase { Stopped, Waiting, Merging, Working };

    LedWorker() = default;
    ~LedWorker() { Stop(); }
    LedWorker(const LedWorker&) = delete;
    LedWorker& operator=(const LedWorker&) = delete;

    // Creates the event and starts the thread unless it runs; false when it cannot run.
    bool Start(std::function<void(LedWorker&)> work);
    bool Running() const { return thread_.joinable(); }
    // Wakes the thread (signals while it waits or merges count once).
    void Signal();
    // Ends the thread and waits for it; its event is closed.
    void Stop();

    // On the worker thread: waits the time unless a stop is asked for; false then.
    bool Pause(DWORD ms);

    Phase CurrentPhase() const { return phase_.load(); }
    int Rounds() const { return rounds_.load(); }

  private:
    void Run();

    UniqueHandle wake_;
    UniqueHandle stop_;
    std::thread thread_;
    std::function<void(LedWorker&)> work_;
    std::atomic<Phase> phase_{Phase::Stopped};
    std::atomic<int> rounds_{0};
};
