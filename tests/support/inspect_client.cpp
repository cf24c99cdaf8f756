#include "inspect_client.h"

#include <vector>

namespace {

const ULONG_PTR kInspectionCopyDataId = 0x54525649;
std::wstring* g_answer = nullptr;

LRESULT CALLBACK ReceiveProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA && g_answer) {
        auto* data = reinterpret_cast<COPYDATASTRUCT*>(lParam);
        if (data->dwData == kInspectionCopyDataId && data->cbData >= sizeof(wchar_t))
            g_answer->assign(static_cast<const wchar_t*>(data->lpData),
                             data->cbData / sizeof(wchar_t) - 1);
        return TRUE;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

namespace {
std::wstring InspectOnce(HWND form) {
    static const UINT message = RegisterWindowMessageW(L"TRVToolkitInspect");
    WNDCLASSW wc{};
    wc.lpfnWndProc = ReceiveProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TrvInspectClient";
    RegisterClassW(&wc);
    HWND receiver = CreateWindowW(L"TrvInspectClient", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    std::wstring answer;
    g_answer = &answer;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(form, message, reinterpret_cast<WPARAM>(receiver), 0, SMTO_NORMAL, 10000,
                        &result);
    g_answer = nullptr;
    DestroyWindow(receiver);
    return answer;
}
} // namespace

// A busy machine can keep the form from answering in time; ask again before giving up.
std::wstring InspectForm(HWND form) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::wstring answer = InspectOnce(form);
        if (!answer.empty() || !IsWindow(form)) return answer;
        Sleep(200);
    }
    return std::wstring();
}

std::map<std::wstring, std::wstring> InspectLine(const std::wstring& text,
                                                 const std::wstring& prefix) {
    std::map<std::wstring, std::wstring> fields;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (line.compare(0, prefix.size(), prefix) != 0 ||
            (line.size() > prefix.size() && line[prefix.size()] != L' '))
            continue;
        // Keys are the words just before an "=" that follows a space.
        std::vector<size_t> keys;
        for (size_t i = 1; i < line.size(); ++i)
            if (line[i - 1] == L' ') {
                size_t eq = line.find(L'=', i), space = line.find(L' ', i);
                if (eq != std::wstring::npos && (space == std::wstring::npos || eq < space))
                    keys.push_back(i);
            }
        for (size_t k = 0; k < keys.size(); ++k) {
            size_t eq = line.find(L'=', keys[k]);
            size_t valueEnd = k + 1 < keys.size() ? keys[k + 1] - 1 : line.size();
            fields[line.substr(keys[k], eq - keys[k])] = line.substr(eq + 1, valueEnd - eq - 1);
        }
        return fields;
    }
    return fields;
}
