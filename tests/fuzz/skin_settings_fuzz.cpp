// Feeds arbitrary layout and base files to the skin loader. A load either fails and changes
// nothing, or gives items and geometry a window can hold: the sums and squares the sliders
// and speakers compute must not overflow (UBSan stops on that).
#include "fuzz_text.h"
#include "ini_text_reader.h"
#include "ui/skin_settings.h"
#include "ui/value_fields.h"

#include <cstring>

namespace {

// A skin loaded before the fuzzed one, so that "nothing changed" can be seen.
SkinSettings Before() {
    SkinSettings settings;
    LoadSkinSettings(IniText(L"[Main]\nMainFormImage=main.png,0,0\n[EQ]\nEQSlider=50,160\n"
                             L"[Mic]\nMicSlider=60,170\nMicProgressLength=90\n"
                             L"[ENC]\nENCSlider=70,180\n[Virtual7ch1]\nVirtualCenter=300,200,80\n"),
                     IniText(L"[LED]\nColor03Shape=1,2,3,4,5\n"), false, settings);
    return settings;
}

bool SameItem(const SkinItem& a, const SkinItem& b) {
    return a.ImageFile == b.ImageFile && a.Left == b.Left && a.Top == b.Top && a.Width == b.Width &&
           a.Height == b.Height && a.Page == b.Page && a.HasLeft == b.HasLeft &&
           a.HasTop == b.HasTop && a.HasWidth == b.HasWidth && a.HasHeight == b.HasHeight;
}

bool Same(const SkinSettings& a, const SkinSettings& b) {
    if (a.items.size() != b.items.size()) return false;
    for (size_t i = 0; i < a.items.size(); ++i)
        if (!SameItem(a.items[i], b.items[i])) return false;
    for (int i = 0; i < kSwatchCount; ++i) {
        const SwatchSetting &x = a.swatches[i], &y = b.swatches[i];
        if (x.hasGeometry != y.hasGeometry || x.left != y.left || x.top != y.top ||
            x.width != y.width || x.height != y.height || x.shape != y.shape || x.color != y.color)
            return false;
    }
    return std::memcmp(&a.geometry, &b.geometry, sizeof a.geometry) == 0;
}

bool Position(int v) {
    return InWindowRange(NumberKind::Position, v);
}
bool Extent(int v) {
    return InWindowRange(NumberKind::Extent, v);
}

volatile int g_sink;

void CheckLoaded(const SkinSettings& s, int previousRadius) {
    Require(s.items.size() == SkinKeys().size());
    for (const SkinItem& item : s.items) {
        Require(item.ImageFile.size() <= 63);
        Require(!item.HasLeft || Position(item.Left));
        Require(!item.HasTop || Position(item.Top));
        Require(!item.HasWidth || Extent(item.Width));
        Require(!item.HasHeight || Extent(item.Height));
        g_sink = item.Left + item.Width;
        g_sink = item.Top + item.Height;
    }
    const SkinGeometry& g = s.geometry;
    Require(Position(g.EqSliderTop) && Extent(g.EqSliderRange) && g.D3BarRange == g.EqSliderRange);
    Require(Position(g.MicSliderTop) && Extent(g.MicSliderRange));
    Require(Position(g.EncSliderTop) && Extent(g.EncSliderRange));
    Require(Extent(g.MicProgressLength));
    Require(Position(g.VirtualCenterX) && Position(g.VirtualCenterY) && Extent(g.VirtualRadius));
    Require(g.PreviousVirtualRadius == previousRadius);
    g_sink = g.EqSliderTop + g.EqSliderRange;
    g_sink = g.MicSliderTop + g.MicSliderRange;
    g_sink = g.EncSliderTop + g.EncSliderRange;
    g_sink = g.VirtualRadius * g.VirtualRadius;
    for (const SwatchSetting& w : s.swatches) {
        Require(w.shape >= SwatchCircle && w.shape <= SwatchSquare);
        if (!w.hasGeometry) continue;
        Require(Position(w.left) && Position(w.top) && Extent(w.width) && Extent(w.height));
        g_sink = w.left + w.width;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const SkinSettings before = Before();
    // The first byte picks the old layout; a zero byte separates the layout from the base file.
    const bool oldVersion = size > 0 && (data[0] & 1);
    const std::wstring text = size > 0 ? FuzzText(data + 1, size - 1) : std::wstring();
    const size_t split = text.find(L'\0');
    const std::wstring layout = text.substr(0, split);
    const std::wstring base = split == std::wstring::npos ? std::wstring() : text.substr(split + 1);

    SkinSettings settings = before;
    const int result = LoadSkinSettings(IniText(layout), IniText(base), oldVersion, settings);
    Require(result == SkinLoaded || result == SkinBadGeometry);
    if (result == SkinBadGeometry) {
        Require(Same(settings, before));
        return 0;
    }
    CheckLoaded(settings, before.geometry.VirtualRadius);

    // The lighting page's re-read keeps what a window can hold as well.
    std::array<SwatchSetting, kSwatchCount> swatches = settings.swatches;
    LoadSwatches(IniText(base), swatches);
    for (const SwatchSetting& w : swatches)
        if (w.hasGeometry)
            Require(Position(w.left) && Position(w.top) && Extent(w.width) && Extent(w.height));
    return 0;
}
