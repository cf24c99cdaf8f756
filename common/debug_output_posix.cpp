#include <cstdio>
#include <cstdlib>
#include <string>

// Off unless asked for: the native build has no debugger channel.
void WritePlatformDebugText(const std::wstring& text) {
    static const bool enabled = std::getenv("TRV_DEBUG_STDERR") != nullptr;
    if (enabled) std::fprintf(stderr, "%ls", text.c_str());
}
