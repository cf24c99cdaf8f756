#include "effects/led_worker.h"

#include "debug_output.h"

bool LedWorker::Start(std::function<void(LedWorker&)> work) {
    if (Running()) return true;
    wake_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!wake_ || !stop_) return false;
    work_ = std::move(work);
    phase_ = Phase::Waiting;
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (...) {
        phase_ = Phase::Stopped;
        return false;
    }
    return true;
}

void LedWorker::Signal() {
    if (wake_) SetEvent(wake_.get());
}

void LedWorker::Stop() {
    if (thread_.joinable()) {
        SetEvent(stop_.get());
        thread_.join();
    }
    phase_ = Phase::Stopped;
    wake_.reset();
    stop_.reset();
}

bool LedWorker::Pause(DWORD ms) {
    return WaitForSingleObject(stop_.get(), ms) == WAIT_TIMEOUT;
}

void LedWorker::Run() {
    const HANDLE events[] = {stop_.get(), wake_.get()};
    for (;;) {
        phase_ = Phase::Waiting;
        if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return;
        phase_ = Phase::Merging;
        if (!Pause(kMergeMs)) return;
        phase_ = Phase::Working;
        // Nothing thrown by the work may end the process from this thread.
        try {
            work_(*this);
        } catch (...) {
            DebugPrint(L"***** LedWorker: the work failed *****\n");
        }
        ++rounds_;
    }
}
