#include "device/vid_pid.h"

namespace {

bool ReadHexAfter(const std::wstring& text, const wchar_t* upper, const wchar_t* mixed,
                  uint16_t& value) {
    size_t at = text.find(upper);
    if (at == std::wstring::npos) at = text.find(mixed);
    if (at == std::wstring::npos) return false;
    at += 4;
    unsigned result = 0;
    for (int digits = 0; digits < 4 && at < text.size(); ++digits, ++at) {
        wchar_t c = text[at];
        int d = c >= L'0' && c <= L'9'   ? c - L'0'
                : c >= L'a' && c <= L'f' ? c - L'a' + 10
                : c >= L'A' && c <= L'F' ? c - L'A' + 10
                                         : -1;
        if (d < 0) break;
        result = result * 16 + static_cast<unsigned>(d);
    }
    value = static_cast<uint16_t>(result);
    return true;
}

} // namespace

VidPid ParseVidPid(const std::wstring& deviceId) {
    VidPid ids;
    if (!ReadHexAfter(deviceId, L"VID_", L"Vid_", ids.vid)) return ids;
    ReadHexAfter(deviceId, L"PID_", L"Pid_", ids.pid);
    return ids;
}
