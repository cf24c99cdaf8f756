#include "inspection.h"

#include "image.h"
#include "label.h"
#include "shape.h"

#include <cstdio>

UINT InspectionMessage() {
    static const UINT message = RegisterWindowMessageW(L"TRVToolkitInspect");
    return message;
}

namespace {
bool EnvironmentSwitchOn(const wchar_t* name) {
    wchar_t value[8] = L"";
    return GetEnvironmentVariableW(name, value, 8) == 1 && value[0] == L'1';
}

std::wstring Hex(unsigned long v) {
    wchar_t text[16];
    swprintf(text, 16, L"%06lX", v);
    return text;
}
} // namespace

bool InspectionAnswered() {
    static const bool answered =
        EnvironmentSwitchOn(L"TRV42XX_SIMULATOR") || EnvironmentSwitchOn(L"TRV42XX_INSPECT");
    return answered;
}

std::wstring DescribeControls(const ControlContainer& container) {
    std::wstring out;
    for (const auto& c : container.Controls()) {
        const Bounds& b = c->GetBounds();
        out += L"control name=" + c->Name() + L" tag=" + std::to_wstring(c->Tag()) + L" visible=" +
               std::to_wstring(c->Visible()) + L" enabled=" + std::to_wstring(c->Enabled()) +
               L" bounds=" + std::to_wstring(b.left) + L"," + std::to_wstring(b.top) + L"," +
               std::to_wstring(b.width) + L"," + std::to_wstring(b.height);
        switch (c->Kind()) {
        case ControlKind::Image: {
            const auto& image = static_cast<const Image&>(*c);
            out += L" kind=image picture=" + image.GetPicture().Source();
            break;
        }
        case ControlKind::Label: {
            const auto& label = static_cast<const Label&>(*c);
            out += L" kind=label color=" + Hex(label.FontColor()) + L" font=" + label.FontName() +
                   L" size=" + std::to_wstring(label.FontSize()) + L" text=" + label.Caption();
            break;
        }
        case ControlKind::Shape: {
            const auto& shape = static_cast<const Shape&>(*c);
            out += L" kind=shape brush=" + Hex(shape.BrushColor()) + L" pen=" +
                   Hex(shape.PenColor()) + L" width=" + std::to_wstring(shape.PenWidth());
            break;
        }
        }
        out += L"\n";
    }
    return out;
}

void AnswerInspection(HWND from, HWND requester, const std::wstring& text) {
    COPYDATASTRUCT data{};
    data.dwData = kInspectionCopyDataId;
    data.cbData = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(text.c_str());
    SendMessageTimeoutW(requester, WM_COPYDATA, reinterpret_cast<WPARAM>(from),
                        reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, nullptr);
}
