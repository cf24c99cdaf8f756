// The window's outline from a region file and the labels' texts, on real windows.
#include "ui/skin_files.h"

#include "debug_output.h"
#include "form.h"
#include "label.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

FormDesign TestDesign() {
    FormDesign design;
    design.className = L"TrvWindowLookTest";
    design.width = 300;
    design.height = 200;
    design.borderless = true;
    return design;
}

void Put32(std::string& data, size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i)
        data[offset + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}

// A region data block of the given rectangles, as the region maker writes it.
std::string RegionBytes(const std::vector<RECT>& rects, int right, int bottom) {
    std::string data(32 + rects.size() * 16, '\0');
    Put32(data, 0, 32);
    Put32(data, 4, 1);
    Put32(data, 8, static_cast<int32_t>(rects.size()));
    Put32(data, 12, static_cast<int32_t>(rects.size() * 16));
    Put32(data, 24, right);
    Put32(data, 28, bottom);
    for (size_t i = 0; i < rects.size(); ++i) {
        Put32(data, 32 + i * 16, rects[i].left);
        Put32(data, 36 + i * 16, rects[i].top);
        Put32(data, 40 + i * 16, rects[i].right);
        Put32(data, 44 + i * 16, rects[i].bottom);
    }
    return data;
}

SIZE WindowSize(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// The window's outline as rectangles; empty when it has none.
std::vector<RECT> WindowOutline(HWND hwnd) {
    std::vector<RECT> rects;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(hwnd, region) != ERROR) {
        const DWORD size = GetRegionData(region, 0, nullptr);
        std::vector<uint8_t> data(size);
        auto* block = reinterpret_cast<RGNDATA*>(data.data());
        if (size && GetRegionData(region, size, block)) {
            const RECT* r = reinterpret_cast<const RECT*>(block->Buffer);
            rects.assign(r, r + block->rdh.nCount);
        }
    }
    DeleteObject(region);
    return rects;
}

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!EqualRect(&a[i], &b[i])) return false;
    return true;
}

bool InOutline(HWND hwnd, int x, int y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool inside = GetWindowRgn(hwnd, region) != ERROR && PtInRegion(region, x, y);
    DeleteObject(region);
    return inside;
}

std::wstring MidnightRegionFile() {
    return BinFolder() + L"..\\stage\\Skin\\1366x768\\\\Midnight\\MainForm_Frame.rgn";
}

bool VistaOrLater() {
    using Fn = LONG(WINAPI*)(OSVERSIONINFOW*);
    auto rtlGetVersion = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    return !rtlGetVersion || rtlGetVersion(&info) != 0 || info.dwMajorVersion >= 6;
}

// A point size as this screen shows it.
int OnThisScreen(int points) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return ScaledFontSize(points, dpi, VistaOrLater());
}

} // namespace

TEST(WindowRegion, SizeFromTheHeaderAndOutlineFromTheRectangles) {
    TempFolder temp;
    const std::vector<RECT> shape = {{0, 0, 200, 50}, {0, 50, 100, 120}};
    WriteFileBytes(temp.Path() + L"MainForm_Frame.rgn", RegionBytes(shape, 200, 120));
    RegionFile region;
    ASSERT_TRUE(ReadRegionFile(temp.Path() + L"MainForm_Frame.rgn", region));
    EXPECT_EQ(200, region.width);
    EXPECT_EQ(120, region.height);

    Form form(TestDesign());
    ASSERT_TRUE(ApplyWindowRegion(form, region));
    const SIZE size = WindowSize(form.Handle());
    EXPECT_EQ(200, size.cx);
    EXPECT_EQ(120, size.cy);
    EXPECT_TRUE(SameRects(shape, WindowOutline(form.Handle())));
    EXPECT_TRUE(InOutline(form.Handle(), 150, 20));
    EXPECT_FALSE(InOutline(form.Handle(), 150, 100));
}

TEST(WindowRegion, ProductOutlineCutsTheCorners) {
    RegionFile region;
    ASSERT_TRUE(ReadRegionFile(MidnightRegionFile(), region));
    Form form(TestDesign());
    ASSERT_TRUE(ApplyWindowRegion(form, region));
    const SIZE size = WindowSize(form.Handle());
    EXPECT_EQ(819, size.cx);
    EXPECT_EQ(513, size.cy);
    EXPECT_FALSE(InOutline(form.Handle(), 0, 0));
    EXPECT_FALSE(InOutline(form.Handle(), 818, 512));
    EXPECT_TRUE(InOutline(form.Handle(), 409, 256));
    EXPECT_TRUE(InOutline(form.Handle(), 409, 0));
}

TEST(WindowRegion, BrokenFilesLeaveTheWindowAsItWas) {
    TempFolder temp;
    const std::string good = ReadFileBytes(MidnightRegionFile());
    ASSERT_GT(good.size(), 64u);
    Form form(TestDesign());
    RegionFile region;
    ASSERT_TRUE(ReadRegionFile(MidnightRegionFile(), region));
    ASSERT_TRUE(ApplyWindowRegion(form, region));
    const std::vector<RECT> outline = WindowOutline(form.Handle());
    ASSERT_FALSE(outline.empty());

    std::string wrongType = good;
    Put32(wrongType, 4, 3);
    const struct {
        const wchar_t* name;
        std::string bytes;
    } broken[] = {
        {L"cut.rgn", good.substr(0, good.size() - 1)},
        {L"header.rgn", good.substr(0, 20)},
        {L"empty.rgn", std::string()},
        {L"type.rgn", wrongType},
    };
    for (const auto& b : broken) {
        SCOPED_TRACE(b.name);
        const std::wstring path = temp.Path() + b.name;
        WriteFileBytes(path, b.bytes);
        RegionFile kept = region;
        DebugCapture capture;
        EXPECT_FALSE(ReadRegionFile(path, kept));
        EXPECT_NE(std::wstring::npos, capture.Text().find(b.name)) << capture.Text();
        EXPECT_EQ(region.bytes, kept.bytes);
        EXPECT_EQ(819, kept.width);
    }
    EXPECT_FALSE(ReadRegionFile(temp.Path() + L"missing.rgn", region));

    // A block cut after it was read is refused before the platform sees it.
    RegionFile cut = region;
    cut.bytes.resize(cut.bytes.size() - 16);
    EXPECT_FALSE(ApplyWindowRegion(form, cut));
    const SIZE size = WindowSize(form.Handle());
    EXPECT_EQ(819, size.cx);
    EXPECT_EQ(513, size.cy);
    EXPECT_TRUE(SameRects(outline, WindowOutline(form.Handle())));
}

TEST(TextItemOnLabel, TextColoursFontAndPlace) {
    TempFolder temp;
    const std::wstring file = temp.Path() + L"Language.ini";
    WriteUtf16File(file, L"[GlobalFont]\r\nColorUp=$C9CED6\r\nColorDown=0xFFFFFF\r\n"
                         L"Font=Tahoma\r\nFontSize=9\r\n"
                         L"[EQ]\r\nLabelEQS1=Preset 1,,,Arial,12\r\nLabelEQS2=(null),255\r\n"
                         L"LabelEQS3=\r\nLabelEQS4=Vier,255,65280,,,10,20,80,16\r\n"
                         L"[Main]\r\nLabelSync=\x540C\x6B65\r\n");
    LanguageTexts texts;
    LoadLanguage(ProfileFileReader(file), false, texts);

    Form form(TestDesign());
    auto designLabel = [&form](const wchar_t* name) -> Label& {
        Label& label = form.Add<Label>(name);
        label.SetCaption(L"Design");
        label.SetFontName(L"Courier New");
        label.SetFontSize(20);
        label.SetFontColor(0x123456);
        label.SetBounds({5, 6, 70, 15});
        return label;
    };

    // Text, font and size of its own, the global colours, and the designed place.
    Label& s1 = designLabel(L"EQS1Label");
    TextItem& preset = *texts.Find(L"LabelEQS1");
    ApplyTextItem(preset, s1, true, texts);
    EXPECT_TRUE(s1.Visible());
    EXPECT_EQ(L"Preset 1", s1.Caption());
    EXPECT_EQ(0xC9CED6u, s1.FontColor());
    EXPECT_EQ(L"Arial", s1.FontName());
    EXPECT_EQ(OnThisScreen(12), s1.FontSize());
    EXPECT_EQ(5, s1.Left());
    EXPECT_EQ(6, s1.Top());
    EXPECT_TRUE(preset.HasDownColour);
    ApplyTextItem(preset, s1, false, texts);
    EXPECT_EQ(0xFFFFFFu, s1.FontColor());

    Label& s2 = designLabel(L"EQS2Label");
    ApplyTextItem(*texts.Find(L"LabelEQS2"), s2, true, texts);
    EXPECT_FALSE(s2.Visible());
    EXPECT_EQ(255u, s2.FontColor());

    // No text: hidden, and the global font is still taken.
    Label& s3 = designLabel(L"EQS3Label");
    ApplyTextItem(*texts.Find(L"LabelEQS3"), s3, true, texts);
    EXPECT_FALSE(s3.Visible());
    EXPECT_EQ(L"Tahoma", s3.FontName());
    EXPECT_EQ(OnThisScreen(9), s3.FontSize());

    Label& s4 = designLabel(L"EQS4Label");
    ApplyTextItem(*texts.Find(L"LabelEQS4"), s4, false, texts);
    EXPECT_EQ(65280u, s4.FontColor());
    EXPECT_EQ(10, s4.Left());
    EXPECT_EQ(20, s4.Top());
    EXPECT_EQ(80, s4.Width());
    EXPECT_EQ(16, s4.Height());

    Label& sync = designLabel(L"SyncLabel");
    ApplyTextItem(*texts.Find(L"LabelSync"), sync, true, texts);
    EXPECT_EQ(L"\x540C\x6B65", sync.Caption());
    EXPECT_TRUE(sync.Visible());
}
