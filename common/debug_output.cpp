#include "debug_output.h"

#include <mutex>

void WritePlatformDebugText(const std::wstring& text);

namespace {
std::mutex g_captureMutex;
DebugCapture* g_capture = nullptr;
} // namespace

void WriteDebugText(const std::wstring& text) {
    {
        std::lock_guard<std::mutex> lock(g_captureMutex);
        if (g_capture) g_capture->Add(text);
    }
    WritePlatformDebugText(text);
}

DebugCapture::DebugCapture() {
    std::lock_guard<std::mutex> lock(g_captureMutex);
    previous_ = g_capture;
    g_capture = this;
}

DebugCapture::~DebugCapture() {
    std::lock_guard<std::mutex> lock(g_captureMutex);
    g_capture = previous_;
}

void DebugCapture::Add(const std::wstring& text) { writes_.push_back(text); }

std::vector<std::wstring> DebugCapture::Writes() const {
    std::lock_guard<std::mutex> lock(g_captureMutex);
    return writes_;
}

std::wstring DebugCapture::Text() const {
    std::wstring all;
    for (const auto& w : Writes()) all += w;
    return all;
}

bool DebugCapture::Contains(const std::wstring& text) const {
    return Text().find(text) != std::wstring::npos;
}
