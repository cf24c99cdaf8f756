#include "staged_package.h"

#include "test_support.h"
#include "win_handles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

const wchar_t* const kSections[] = {L"Main",        L"EQ",    L"3D",  L"Effect", L"Mic",
                                    L"Virtual7ch1", L"About", L"LED", L"ENC",    L"VoiceMagic"};

bool IsPicture(const std::wstring& value) {
    const std::wstring first = Fields(value)[0];
    return first.size() > 4 && _wcsicmp(first.c_str() + first.size() - 4, L".png") == 0;
}

std::pair<int, int> Pair(const std::wstring& layout, const wchar_t* section, const wchar_t* key) {
    const std::vector<std::wstring> f = Fields(ProfileText(layout, section, key));
    return {Number(f[0]), f.size() > 1 ? Number(f[1]) : -99999};
}

// The rows of a track picture's middle column that are drawn (alpha above half).
std::pair<int, int> DrawnRows(const Picture& p) {
    int first = -1, last = -1;
    for (unsigned y = 0; y < p.height; ++y)
        if (p.Alpha(p.width / 2, y) > 128) {
            if (first < 0) first = static_cast<int>(y);
            last = static_cast<int>(y);
        }
    return {first, last};
}

class SkinFiles : public ::testing::Test {
  protected:
    ComScope com_;
};

} // namespace

// Every picture that a layout names is found where the panel looks for it (the doubled
// separators included), decodes, has the size the layout gives, lies inside the window and
// belongs to a page that exists.
TEST_F(SkinFiles, EveryNamedPictureExistsWithItsLayoutSize) {
    for (const LayoutFolder& folder : AllLayoutFolders()) {
        SCOPED_TRACE(folder.Name());
        const std::wstring layout = folder.Layout();
        ASSERT_TRUE(FileExists(layout));
        const SkinItem main = ReadSkinItem(layout, L"Main", L"MainFormImage");
        ASSERT_TRUE(main.shown);
        std::map<std::wstring, Picture> seen;
        int pictures = 0;
        for (const wchar_t* section : kSections) {
            for (const std::wstring& key : SectionKeys(layout, section)) {
                const std::wstring value = ProfileText(layout, section, key.c_str());
                if (!IsPicture(value)) continue;
                SCOPED_TRACE(std::wstring(section) + L"/" + key + L"=" + value);
                const SkinItem item = ReadSkinItem(layout, section, key.c_str());
                ASSERT_EQ(Fields(value).size() >= 5 && Fields(value).size() <= 6, true);
                auto found = seen.find(item.file);
                if (found == seen.end())
                    found =
                        seen.emplace(item.file, LoadPicture(folder.PicturePath(item.file), false))
                            .first;
                const Picture& picture = found->second;
                ASSERT_TRUE(picture.loaded) << "cannot decode " << folder.PicturePath(item.file);
                EXPECT_EQ(static_cast<int>(picture.width), item.box.width);
                EXPECT_EQ(static_cast<int>(picture.height), item.box.height);
                if (std::wstring(section) != L"About") {
                    EXPECT_GE(item.box.left, 0);
                    EXPECT_GE(item.box.top, 0);
                    EXPECT_LE(item.box.left + item.box.width, main.box.width);
                    EXPECT_LE(item.box.top + item.box.height, main.box.height);
                }
                EXPECT_TRUE(item.page == -1 || (item.page >= 0 && item.page <= 8));
                ++pictures;
            }
        }
        EXPECT_GT(pictures, 150);
    }
}

// The region file is the platform's own region data for the main picture's outline: the window
// size at offsets 24 and 28, a region the platform accepts, corners cut and the face kept.
TEST_F(SkinFiles, RegionFileOutlinesTheMainPicture) {
    for (const LayoutFolder& folder : AllLayoutFolders()) {
        SCOPED_TRACE(folder.Name());
        const SkinItem main = ReadSkinItem(folder.Layout(), L"Main", L"MainFormImage");
        const std::string bytes = ReadFileBytes(folder.RegionFile());
        ASSERT_GE(bytes.size(), 32u);
        auto at = [&bytes](size_t offset) {
            int32_t v;
            memcpy(&v, bytes.data() + offset, 4);
            return v;
        };
        EXPECT_EQ(at(0), 32);
        EXPECT_EQ(at(4), RDH_RECTANGLES);
        EXPECT_EQ(at(12), at(8) * 16);
        EXPECT_EQ(bytes.size(), 32u + static_cast<size_t>(at(12)));
        EXPECT_EQ(at(24), main.box.width);
        EXPECT_EQ(at(28), main.box.height);

        HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(bytes.size()),
                                      reinterpret_cast<const RGNDATA*>(bytes.data()));
        ASSERT_NE(region, nullptr);
        const int w = main.box.width, h = main.box.height;
        EXPECT_FALSE(PtInRegion(region, 0, 0));
        EXPECT_FALSE(PtInRegion(region, w - 1, h - 1));
        EXPECT_TRUE(PtInRegion(region, 0, h / 2));
        EXPECT_TRUE(PtInRegion(region, w / 2, 0));
        EXPECT_TRUE(PtInRegion(region, w - 1, h / 2));
        EXPECT_TRUE(PtInRegion(region, 12, 12));
        // The platform writes back what the file holds.
        std::string again(GetRegionData(region, 0, nullptr), '\0');
        GetRegionData(region, static_cast<DWORD>(again.size()),
                      reinterpret_cast<RGNDATA*>(&again[0]));
        EXPECT_EQ(again, bytes);
        DeleteObject(region);
    }
}

// Thumbs travel exactly along the drawn part of their tracks; the covers that dim the track
// above a thumb start with the track and belong to the slider's page; the level bar's picture
// is as long as the length the panel gives it, in steps of four from ten.
TEST_F(SkinFiles, SliderTravelsMatchTheirTrackPictures) {
    for (const LayoutFolder& folder : AllLayoutFolders()) {
        SCOPED_TRACE(folder.Name());
        const std::wstring layout = folder.Layout();
        struct Slider {
            const wchar_t *section, *geometry, *bar, *cover, *thumb;
            int page;
        };
        std::vector<Slider> sliders = {
            {L"Mic", L"MicSlider", L"MicBarImage", L"MicBarDownImage", L"MicSliderImage", 3}};
        static const wchar_t* const bands[] = {L"60", L"300", L"1200", L"3600", L"12000"};
        std::vector<std::wstring> names;
        for (const wchar_t* band : bands)
            for (const wchar_t* kind : {L"BarImage", L"BarDownImage", L"SliderImage"})
                names.push_back(std::wstring(L"EQ") + band + L"Hz" + kind);
        for (size_t i = 0; i < names.size(); i += 3)
            sliders.push_back({L"EQ", L"EQSlider", names[i].c_str(), names[i + 1].c_str(),
                               names[i + 2].c_str(), 1});
        for (const Slider& s : sliders) {
            SCOPED_TRACE(s.bar);
            const auto travel = Pair(layout, s.section, s.geometry);
            const SkinItem bar = ReadSkinItem(layout, s.section, s.bar);
            const SkinItem cover = ReadSkinItem(layout, s.section, s.cover);
            const SkinItem thumb = ReadSkinItem(layout, s.section, s.thumb);
            ASSERT_TRUE(bar.shown && cover.shown && thumb.shown);
            EXPECT_EQ(thumb.box.left + thumb.box.width / 2, bar.box.left + bar.box.width / 2);
            EXPECT_EQ(cover.box.left, bar.box.left);
            EXPECT_EQ(cover.box.top, bar.box.top);
            EXPECT_EQ(cover.page, s.page);
            const Picture track = LoadPicture(folder.PicturePath(bar.file), true);
            ASSERT_TRUE(track.loaded);
            const auto drawn = DrawnRows(track);
            const int first = travel.first + thumb.box.height / 2 - bar.box.top;
            const int last = first + travel.second;
            EXPECT_NEAR(drawn.first, first, 3);
            EXPECT_NEAR(drawn.second, last, 3);
            EXPECT_GE(thumb.box.top, travel.first);
            EXPECT_LE(thumb.box.top, travel.first + travel.second);
        }

        // The noise-cancellation thumb is held by the field's own limits before the layout's.
        const auto enc = Pair(layout, L"ENC", L"ENCSlider");
        const SkinItem field = ReadSkinItem(layout, L"ENC", L"ENCBarImage");
        const SkinItem encThumb = ReadSkinItem(layout, L"ENC", L"ENCSliderImage");
        EXPECT_GE(enc.first, field.box.top + 10);
        EXPECT_LE(enc.first + enc.second,
                  field.box.top + field.box.height - static_cast<int>(encThumb.box.height * 1.2));
        EXPECT_NEAR(encThumb.box.left + encThumb.box.width / 2.0,
                    field.box.left + field.box.width / 2.0, 1.0);

        const int length = Number(ProfileText(layout, L"Mic", L"MicProgressLength"));
        EXPECT_EQ((length - 10) % 4, 0);
        EXPECT_EQ(ReadSkinItem(layout, L"Mic", L"MicProgressImage").box.width, length);
    }
}

// The speakers' circle is centred on the stage picture (a speaker's position is its top left
// corner), and the default places of the eight speakers lie inside both the circle and the
// stage's margins, where the skin puts them at first.
TEST_F(SkinFiles, SpeakerCircleMatchesTheStage) {
    const wchar_t* const speakers[] = {L"VirtualLImage",   L"VirtualRImage",  L"VirtualCImage",
                                       L"VirtualSUBImage", L"VirtualLSImage", L"VirtualRSImage",
                                       L"VirtualLBImage",  L"VirtualRBImage"};
    for (const LayoutFolder& folder : AllLayoutFolders()) {
        SCOPED_TRACE(folder.Name());
        const std::wstring layout = folder.Layout();
        const std::vector<std::wstring> centre =
            Fields(ProfileText(layout, L"Virtual7ch1", L"VirtualCenter"));
        ASSERT_EQ(centre.size(), 3u);
        const int cx = Number(centre[0]), cy = Number(centre[1]), r = Number(centre[2]);
        const Box stage = ReadSkinItem(layout, L"Virtual7ch1", L"VirtualPicImage").box;
        const int icon = ReadSkinItem(layout, L"Virtual7ch1", L"VirtualLImage").box.width;
        EXPECT_NEAR(cx + icon / 2.0, stage.left + stage.width / 2.0, 1.0);
        EXPECT_NEAR(cy + icon / 2.0, stage.top + stage.height / 2.0, 1.0);

        const double h = r / 2, d = h * 1.6;
        const double angles[] = {2.3561944875, 0.7853981625, 0, 0, 0, 0,
                                 3.9269908125, 5.4977871375};
        for (int i = 0; i < 8; ++i) {
            int left, top;
            switch (i) {
            case 2:
                left = cx, top = static_cast<int>(cy - d);
                break;
            case 3:
                left = cx, top = cy - static_cast<int>(h);
                break;
            case 4:
                left = static_cast<int>(cx - d), top = cy;
                break;
            case 5:
                left = static_cast<int>(cx + d), top = cy;
                break;
            default:
                left = static_cast<int>(std::cos(angles[i]) * d + cx);
                top = static_cast<int>(cy - std::sin(angles[i]) * d);
            }
            SCOPED_TRACE(speakers[i]);
            const Box placed = ReadSkinItem(layout, L"Virtual7ch1", speakers[i]).box;
            EXPECT_NEAR(placed.left, left, 1);
            EXPECT_NEAR(placed.top, top, 1);
            EXPECT_LE((left - cx) * (left - cx) + (top - cy) * (top - cy), r * r);
            EXPECT_GT(left, stage.left + 10);
            EXPECT_LE(left + icon, stage.left + stage.width - 10);
            EXPECT_GE(top, stage.top + 10);
            EXPECT_LE(top + icon, stage.top + stage.height - 10);
        }
        // Anywhere on the circle a speaker still lies within the stage's margins, so the circle
        // alone bounds a drag.
        for (int a = 0; a < 360; a += 15) {
            const int left = static_cast<int>(cx + r * std::cos(a * 3.14159265 / 180));
            const int top = static_cast<int>(cy - r * std::sin(a * 3.14159265 / 180));
            EXPECT_GT(left, stage.left + 10) << a;
            EXPECT_LE(left + icon, stage.left + stage.width - 10) << a;
            EXPECT_GE(top, stage.top + 10) << a;
            EXPECT_LE(top + icon, stage.top + stage.height - 10) << a;
        }
    }
}
