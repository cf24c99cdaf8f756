#include "ui/skin_settings.h"

#include "debug_output.h"
#include "ini_text_reader.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const ProfileReader kNothing = IniText(L"");

SkinSettings Load(const std::wstring& layout, bool oldVersion = false,
                  const std::wstring& base = L"") {
    SkinSettings settings;
    EXPECT_EQ(SkinLoaded, LoadSkinSettings(IniText(layout), IniText(base), oldVersion, settings));
    return settings;
}

// A skin that sets every geometry value and a swatch, so that a later load can be compared.
SkinSettings LoadedSkin() {
    SkinSettings settings;
    const int result =
        LoadSkinSettings(IniText(L"[Main]\nMainFormImage=main.png,0,0\n"
                                 L"[EQ]\nEQSlider=50,160\n"
                                 L"[Mic]\nMicSlider=60,170\nMicProgressLength=90\n"
                                 L"[ENC]\nENCSlider=70,180\n"
                                 L"[Virtual7ch1]\nVirtualCenter=300,200,80\n"),
                         IniText(L"[LED]\nColor03Shape=1,2,3,4,5\n"), false, settings);
    EXPECT_EQ(SkinLoaded, result);
    return settings;
}

void ExpectSameGeometry(const SkinGeometry& a, const SkinGeometry& b) {
    EXPECT_EQ(a.EqSliderTop, b.EqSliderTop);
    EXPECT_EQ(a.EqSliderRange, b.EqSliderRange);
    EXPECT_EQ(a.D3BarRange, b.D3BarRange);
    EXPECT_EQ(a.MicSliderTop, b.MicSliderTop);
    EXPECT_EQ(a.MicSliderRange, b.MicSliderRange);
    EXPECT_EQ(a.EncSliderTop, b.EncSliderTop);
    EXPECT_EQ(a.EncSliderRange, b.EncSliderRange);
    EXPECT_EQ(a.MicProgressLength, b.MicProgressLength);
    EXPECT_EQ(a.VirtualCenterX, b.VirtualCenterX);
    EXPECT_EQ(a.VirtualCenterY, b.VirtualCenterY);
    EXPECT_EQ(a.VirtualRadius, b.VirtualRadius);
    EXPECT_EQ(a.PreviousVirtualRadius, b.PreviousVirtualRadius);
    EXPECT_EQ(a.BevelLine, b.BevelLine);
    EXPECT_EQ(a.BevelLine2, b.BevelLine2);
    EXPECT_EQ(a.LEDPageMode, b.LEDPageMode);
    EXPECT_EQ(a.LEDFastRightSide, b.LEDFastRightSide);
}

struct ItemCase {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
    const wchar_t* file;
    int left, top, width, height, page;
    bool hasLeft, hasTop, hasWidth, hasHeight;
};

void ExpectItem(const ItemCase& c, const SkinItem& item) {
    EXPECT_EQ(c.file, item.ImageFile);
    EXPECT_EQ(c.hasLeft, item.HasLeft);
    EXPECT_EQ(c.hasTop, item.HasTop);
    EXPECT_EQ(c.hasWidth, item.HasWidth);
    EXPECT_EQ(c.hasHeight, item.HasHeight);
    EXPECT_EQ(c.left, item.Left);
    EXPECT_EQ(c.top, item.Top);
    EXPECT_EQ(c.width, item.Width);
    EXPECT_EQ(c.height, item.Height);
    EXPECT_EQ(c.page, item.Page);
}

} // namespace

TEST(SkinKeyTable, KeysAreUniqueAndFoundBySectionAndName) {
    const std::vector<SkinKey>& keys = SkinKeys();
    // The 232 keys of the layout files, and the panel's own four (3D page, bee).
    ASSERT_EQ(236u, keys.size());
    std::set<std::wstring> seen;
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_TRUE(seen.insert(std::wstring(keys[i].section) + L"/" + keys[i].name).second)
            << keys[i].name;
        EXPECT_EQ(static_cast<int>(i), SkinKeyIndex(keys[i].section, keys[i].name));
    }
    // The About window's logo is its own key, read after the virtual 7.1 keys.
    EXPECT_EQ(12, SkinKeyIndex(L"Main", L"LogoImage"));
    EXPECT_GT(SkinKeyIndex(L"About", L"LogoImage"), SkinKeyIndex(L"Virtual7ch1", L"VirtualCenter"));
    EXPECT_EQ(-1, SkinKeyIndex(L"EQ", L"LogoImage"));

    const SkinSettings settings =
        Load(L"[Main]\nLogoImage=main.png\n[About]\nLogoImage=about.png\n");
    EXPECT_EQ(L"main.png", settings.Item(L"Main", L"LogoImage").ImageFile);
    EXPECT_EQ(L"about.png", settings.Item(L"About", L"LogoImage").ImageFile);
    EXPECT_EQ(L"", settings.Item(L"Main", L"NoSuchImage").ImageFile);
}

TEST(SkinSettingsLoad, ImageValuesGiveFileGeometryFlagsAndPage) {
    const std::wstring longName(80, L'n');
    const std::wstring longValue = longName + L",4";
    const std::wstring cutName = longName.substr(0, 63);
    const ItemCase cases[] = {
        {L"EQ", L"Back_EQImage", L"a.png,10,20,30,40", L"a.png", 10, 20, 30, 40, 1, 1, 1, 1, 1},
        // Only a file name: the control keeps its place and takes the picture's size.
        {L"EQ", L"Back_EQImage", L"a.png", L"a.png", 0, 0, 0, 0, 1, 0, 0, 0, 0},
        {L"EQ", L"Back_EQImage", L"a.png,10,,30", L"a.png", 10, 0, 30, 0, 1, 1, 0, 1, 0},
        // An empty first field hides the control whatever numbers follow.
        {L"Mic", L"MicPicImage", L",5,6,7,8", L"", 5, 6, 7, 8, 3, 1, 1, 1, 1},
        // Leading digits count; a field without digits is 0 but still given.
        {L"Mic", L"MicPicImage", L"b.png, 12px,-5,abc,+7", L"b.png", 12, -5, 0, 7, 3, 1, 1, 1, 1},
        {L"Effect", L"Back_EffectImage", L" c.png ,1,2", L" c.png ", 1, 2, 0, 0, 2, 1, 1, 0, 0},
        {L"Effect", L"Back_EffectImage", L"(null),1,2", L"(null)", 1, 2, 0, 0, 2, 1, 1, 0, 0},
        // The sixth field moves the item to another page, or to every page.
        {L"EQ", L"EQGraduationImage", L"g.png,1,2,3,4,3", L"g.png", 1, 2, 3, 4, 3, 1, 1, 1, 1},
        {L"ENC", L"ENCBarImage", L"e.png,1,2,3,4,0", L"e.png", 1, 2, 3, 4, 0, 1, 1, 1, 1},
        {L"ENC", L"ENCBarImage", L"e.png,1,2,3,4,", L"e.png", 1, 2, 3, 4, 7, 1, 1, 1, 1},
        {L"ENC", L"ENCBarImage", L"e.png,1,2,3,4,5,6,7", L"e.png", 1, 2, 3, 4, 5, 1, 1, 1, 1},
        // The bar-down pictures and the About logo belong to every page.
        {L"EQ", L"EQ300HzBarDownImage", L"d.png", L"d.png", 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {L"Mic", L"MicBarDownImage", L"d.png", L"d.png", 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {L"3D", L"Back_3DImage", L"t.png", L"t.png", 0, 0, 0, 0, 5, 0, 0, 0, 0},
        {L"VoiceMagic", L"VMFunctionUpImage", L"v.png", L"v.png", 0, 0, 0, 0, 8, 0, 0, 0, 0},
        {L"Main", L"CloseImageUp", L"", L"", 0, 0, 0, 0, 0, 0, 0, 0, 0},
        // Names are cut to 63 characters.
        {L"LED", L"ColorRainbowBarImage", longValue.c_str(), cutName.c_str(), 4, 0, 0, 0, 6, 1, 0,
         0, 0},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(std::wstring(c.key) + L"=" + c.value);
        const SkinSettings settings =
            Load(std::wstring(L"[") + c.section + L"]\n" + c.key + L"=" + c.value + L"\n");
        ExpectItem(c, settings.Item(c.section, c.key));
    }
}

TEST(SkinSettingsLoad, OldLayoutShiftsEveryPageButPageZeroKeys) {
    const ItemCase cases[] = {
        {L"EQ", L"Back_EQImage", L"a.png,10,20", L"a.png", 402, 124, 0, 0, 1, 1, 1, 0, 0},
        {L"EQ", L"EQ60HzBarDownImage", L"a.png,10,20", L"a.png", 10, 20, 0, 0, 0, 1, 1, 0, 0},
        {L"Mic", L"MicBarDownImage", L"a.png,10,20", L"a.png", 10, 20, 0, 0, 0, 1, 1, 0, 0},
        {L"Main", L"MainFormImage", L"a.png,10,20", L"a.png", 10, 20, 0, 0, 0, 1, 1, 0, 0},
        {L"About", L"LogoImage", L"a.png,10,20", L"a.png", 10, 20, 0, 0, 0, 1, 1, 0, 0},
        // The sixth field does not change the shift; absent fields stay absent.
        {L"LED", L"ColorBreatheBarImage", L"a.png,10,20,5,6,0", L"a.png", 402, 124, 5, 6, 0, 1, 1,
         1, 1},
        {L"VoiceMagic", L"VMEffect1UpImage", L"a.png,,20", L"a.png", 0, 124, 0, 0, 8, 0, 1, 0, 0},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(std::wstring(c.key) + L"=" + c.value);
        const SkinSettings settings =
            Load(std::wstring(L"[") + c.section + L"]\n" + c.key + L"=" + c.value + L"\n", true);
        ExpectItem(c, settings.Item(c.section, c.key));
    }

    const SkinGeometry g = Load(L"[EQ]\nEQSlider=300,200\n[Mic]\nMicSlider=40,150\n"
                                L"[ENC]\nENCSlider=70,180\n[Virtual7ch1]\nVirtualCenter=8,9,60\n",
                                true)
                               .geometry;
    EXPECT_EQ(404, g.EqSliderTop);
    EXPECT_EQ(200, g.EqSliderRange);
    EXPECT_EQ(200, g.D3BarRange);
    EXPECT_EQ(144, g.MicSliderTop);
    EXPECT_EQ(150, g.MicSliderRange);
    EXPECT_EQ(70, g.EncSliderTop);
    EXPECT_EQ(180, g.EncSliderRange);
    EXPECT_EQ(400, g.VirtualCenterX);
    EXPECT_EQ(113, g.VirtualCenterY);
    EXPECT_EQ(60, g.VirtualRadius);
}

TEST(SkinSettingsLoad, AbsentGeometryKeepsValuesAndTheTableStartsEmpty) {
    SkinSettings settings = LoadedSkin();
    const SkinGeometry before = settings.geometry;
    ASSERT_EQ(SkinLoaded,
              LoadSkinSettings(IniText(L"[EQ]\nBack_EQImage=b.png\n"), kNothing, false, settings));
    EXPECT_EQ(50, settings.geometry.EqSliderTop);
    EXPECT_EQ(160, settings.geometry.D3BarRange);
    EXPECT_EQ(60, settings.geometry.MicSliderTop);
    EXPECT_EQ(90, settings.geometry.MicProgressLength);
    EXPECT_EQ(70, settings.geometry.EncSliderTop);
    EXPECT_EQ(180, settings.geometry.EncSliderRange);
    EXPECT_EQ(300, settings.geometry.VirtualCenterX);
    EXPECT_EQ(80, settings.geometry.VirtualRadius);
    // The circle did not change, so the speakers keep their distance (ratio 1).
    EXPECT_EQ(before.VirtualRadius, settings.geometry.PreviousVirtualRadius);
    // The previous skin's items are gone.
    EXPECT_EQ(L"", settings.Item(L"Main", L"MainFormImage").ImageFile);
    EXPECT_EQ(L"b.png", settings.Item(L"EQ", L"Back_EQImage").ImageFile);
    EXPECT_EQ(SkinKeys().size(), settings.items.size());
}

TEST(SkinSettingsLoad, NewCircleKeepsThePreviousRadius) {
    SkinSettings settings = LoadedSkin();
    ASSERT_EQ(80, settings.geometry.VirtualRadius);
    ASSERT_EQ(SkinLoaded, LoadSkinSettings(IniText(L"[Virtual7ch1]\nVirtualCenter=310,210,160\n"),
                                           kNothing, false, settings));
    EXPECT_EQ(80, settings.geometry.PreviousVirtualRadius);
    EXPECT_EQ(160, settings.geometry.VirtualRadius);
    EXPECT_EQ(310, settings.geometry.VirtualCenterX);
    EXPECT_EQ(210, settings.geometry.VirtualCenterY);
}

TEST(SkinSettingsLoad, GeometryThatIsNotANumberRejectsTheWholeSkin) {
    const struct {
        const wchar_t* layout;
        const wchar_t* key;
    } cases[] = {
        {L"[EQ]\nEQSlider=300,abc\n", L"EQSlider"},
        {L"[EQ]\nEQSlider=300,\n", L"EQSlider"},
        {L"[EQ]\nEQSlider=300\n", L"EQSlider"},
        {L"[EQ]\nEQSlider=300 ,20\n", L"EQSlider"},
        {L"[Mic]\nMicSlider=,20\n", L"MicSlider"},
        {L"[Mic]\nMicProgressLength=12px\n", L"MicProgressLength"},
        {L"[ENC]\nENCSlider=x,1\n", L"ENCSlider"},
        {L"[Virtual7ch1]\nVirtualCenter=1,2\n", L"VirtualCenter"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        SkinSettings settings = LoadedSkin();
        const SkinSettings before = settings;
        // Image keys before and after the bad key must not leak into the kept skin either.
        const std::wstring layout = std::wstring(L"[Main]\nMainFormImage=other.png\n") + c.layout +
                                    L"[ENC]\nENCBarImage=x.png\n";
        DebugCapture capture;
        EXPECT_EQ(SkinBadGeometry,
                  LoadSkinSettings(IniText(layout),
                                   IniText(L"[LED]\nLEDPageMode=1\nColor03Shape=9,9,9,9,2\n"),
                                   false, settings));
        EXPECT_NE(std::wstring::npos, capture.Text().find(c.key)) << capture.Text();
        ExpectSameGeometry(before.geometry, settings.geometry);
        EXPECT_EQ(L"main.png", settings.Item(L"Main", L"MainFormImage").ImageFile);
        EXPECT_EQ(L"", settings.Item(L"ENC", L"ENCBarImage").ImageFile);
        EXPECT_EQ(1, settings.swatches[2].left);
        EXPECT_EQ(SwatchRoundSquare, settings.swatches[2].shape);
    }
}

TEST(SkinSettingsLoad, BevelFlagsFromTheLayoutAndLedKeysFromTheBaseFile) {
    const struct {
        const wchar_t* bevel;
        const wchar_t* bevel2;
        bool on, on2;
    } bevels[] = {{L"1", L"0", true, false}, {L"", L"2", false, true}, {L"0", L"x", false, false}};
    for (const auto& b : bevels) {
        const SkinGeometry g = Load(std::wstring(L"[Main]\nBevelLine=") + b.bevel +
                                    L"\nBevelLine2=" + b.bevel2 + L"\n")
                                   .geometry;
        EXPECT_EQ(b.on, g.BevelLine) << b.bevel;
        EXPECT_EQ(b.on2, g.BevelLine2) << b.bevel2;
    }

    // The resolution's layout does not decide how the lighting page works; the base file does.
    const std::wstring layout = L"[LED]\nLEDPageMode=0\nLEDFastRightSide=0\n"
                                L"Color01Shape=1,1,1,1,3\n";
    SkinGeometry g = Load(layout, false, L"[LED]\nLEDPageMode=1\nLEDFastRightSide=1\n").geometry;
    EXPECT_EQ(1, g.LEDPageMode);
    EXPECT_EQ(1, g.LEDFastRightSide);
    SkinSettings fromLayoutOnly = Load(L"[LED]\nLEDPageMode=1\nColor01Shape=1,1,1,1,3\n");
    EXPECT_EQ(0, fromLayoutOnly.geometry.LEDPageMode);
    EXPECT_FALSE(fromLayoutOnly.swatches[0].hasGeometry);
}

TEST(SkinSettingsLoad, SwatchesTakeTheirPaletteColourAndShapeCodes) {
    SkinSettings settings;
    for (SwatchSetting& s : settings.swatches)
        s.color = 0x123456;
    ASSERT_EQ(SkinLoaded,
              LoadSkinSettings(kNothing,
                               IniText(L"[LED]\nColor01Shape=10,20,30,40,1\n"
                                       L"Color02Shape=10,20,30,40,2\nColor03Shape=10,20,30,40,3\n"
                                       L"Color04Shape=10,20,30,40,4\nColor05Shape=10,20,30,40,5\n"
                                       L"Color06Shape=10,20,30,40,6\nColor07Shape=10,20,30,40,7\n"
                                       L"ColorSingleShape=10,20,30,40,0\n"
                                       L"ColorBreatheShape=10,20,30,40\n"),
                               false, settings));
    const uint32_t colours[kSwatchCount] = {0x0000FF, 0xFFFF00, 0x00FFFF, 0xFFFFFF, 0x00FF00,
                                            0xFF0000, 0xFF00FF, 0x0000FF, 0x0000FF};
    const int shapes[kSwatchCount] = {SwatchCircle,    SwatchEllipse,     SwatchRectangle,
                                      SwatchRoundRect, SwatchRoundSquare, SwatchSquare,
                                      SwatchCircle,    SwatchCircle,      SwatchCircle};
    for (int i = 0; i < kSwatchCount; ++i) {
        SCOPED_TRACE(kSwatchKeys[i]);
        const SwatchSetting& s = settings.swatches[i];
        EXPECT_EQ(colours[i], s.color);
        EXPECT_EQ(shapes[i], s.shape);
        EXPECT_TRUE(s.hasGeometry);
        EXPECT_EQ(10, s.left);
        EXPECT_EQ(20, s.top);
        EXPECT_EQ(30, s.width);
        EXPECT_EQ(40, s.height);
    }
}

TEST(SkinSettingsLoad, SwatchWithoutGeometryKeepsItsPlaceAndShape) {
    SkinSettings settings = LoadedSkin();
    ASSERT_EQ(SwatchRoundSquare, settings.swatches[2].shape);
    for (const wchar_t* value : {L"", L",5,6,7,8,2", L"5,6,7"}) {
        SCOPED_TRACE(value);
        ASSERT_EQ(SkinLoaded,
                  LoadSkinSettings(kNothing,
                                   IniText(std::wstring(L"[LED]\nColor03Shape=") + value + L"\n"),
                                   false, settings));
        const SwatchSetting& s = settings.swatches[2];
        EXPECT_FALSE(s.hasGeometry);
        EXPECT_EQ(1, s.left);
        EXPECT_EQ(4, s.height);
        EXPECT_EQ(SwatchRoundSquare, s.shape);
        EXPECT_EQ(0x00FFFFu, s.color);
    }
    // The LED page's own apply reads the swatches again without the rest of the skin.
    std::array<SwatchSetting, kSwatchCount> swatches = settings.swatches;
    swatches[0].color = 0;
    LoadSwatches(IniText(L"[LED]\nColor01Shape=7,8,9,10,6\n"), swatches);
    EXPECT_EQ(0x0000FFu, swatches[0].color);
    EXPECT_EQ(SwatchSquare, swatches[0].shape);
    EXPECT_EQ(7, swatches[0].left);
    EXPECT_EQ(1, swatches[2].left);
}

TEST(ResolutionFolder, StrictAreaClasses) {
    const struct {
        int width, height;
        const wchar_t* folder;
    } cases[] = {
        {1920, 1080, L"1366x768\\"},
        {1920, 1200, L"1920x1080\\"},
        {2560, 1440, L"1920x1080\\"},
        {1366, 768, L"960x540\\"},
        {1366, 769, L"1366x768\\"},
        {1280, 800, L"960x540\\"},
        {960, 540, L""},
        {961, 540, L"960x540\\"},
        {800, 600, L""},
        {0, 0, L""},
        {46340, 46341, L"1920x1080\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.folder, ResolutionFolderFor(c.width, c.height)) << c.width << "x" << c.height;
}
