#include "file_operations.h"
#include "image.h"
#include "ui/skin_item_apply.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {
SkinItem ItemOf(const wchar_t* file) {
    SkinItem item;
    item.ImageFile = file;
    return item;
}

class Holder : public ControlContainer {};
} // namespace

TEST(ApplySkinItem, GeometryIsKeptWhereTheItemIsSilentAndSizingFollowsThePicture) {
    TempFolder skin;
    ASSERT_TRUE(CopyFileW((BinFolder() + L"..\\stage\\Skin\\Midnight\\Thumb.png").c_str(),
                          (skin.Path() + L"Dot.png").c_str(), FALSE));
    Picture dot;
    ASSERT_TRUE(dot.LoadFromFile(skin.Path() + L"Dot.png"));
    Holder form;
    Image& image = form.Add<Image>(L"EQEQENImage", 7);
    image.SetBounds({10, 20, 50, 60});

    // Only a file name: the control keeps its place and takes the picture's size.
    ApplySkinItemTo(ItemOf(L"Dot.png"), image, skin.Path());
    EXPECT_TRUE(image.Visible());
    EXPECT_EQ(image.GetBounds(), (Bounds{10, 20, dot.Width(), dot.Height()}));

    // A width without a height: automatic sizing off, the height stays.
    SkinItem wide = ItemOf(L"Dot.png");
    wide.Width = 40;
    wide.HasWidth = true;
    wide.Left = 5;
    wide.HasLeft = true;
    ApplySkinItemTo(wide, image, skin.Path());
    EXPECT_EQ(image.GetBounds(), (Bounds{5, 20, 40, dot.Height()}));
    EXPECT_FALSE(image.AutoSize());

    // An empty file name hides the control, whatever numbers follow.
    SkinItem empty;
    empty.Left = 99;
    empty.HasLeft = true;
    ApplySkinItemTo(empty, image, skin.Path());
    EXPECT_FALSE(image.Visible());

    // A picture that cannot be read keeps the old one.
    ApplySkinItemTo(ItemOf(L"Missing.png"), image, skin.Path());
    EXPECT_EQ(image.GetPicture().Source(), skin.Path() + L"Dot.png");
}

TEST(SkinMenuNames, HotKeyMarksAreRemoved) {
    EXPECT_EQ(SkinNameFromCaption(L"&Midnight"), L"Midnight");
    EXPECT_EQ(SkinNameFromCaption(L"Rock&&Roll"), L"Rock&Roll");
    EXPECT_EQ(SkinNameFromCaption(L"A&B"), L"AB");
    EXPECT_EQ(SkinNameFromCaption(L"End&"), L"End");
    EXPECT_EQ(SkinNameFromCaption(std::wstring(200, L'x')).size(), 127u);
}

TEST(ResolutionFolder, FallsBackToTheSkinRootWhenTheClassLacksTheSkin) {
    TempFolder root;
    CreateFolderPath(root.Path() + L"1366x768\\Midnight\\");
    WriteFileBytes(root.Path() + L"1366x768\\Midnight\\SkinSetting.ini", "[Main]\r\n");
    EXPECT_EQ(ChooseResolutionFolder(root.Path(), L"Midnight", 1600, 900), L"1366x768\\");
    EXPECT_EQ(ChooseResolutionFolder(root.Path(), L"Daylight", 1600, 900), L"");
    EXPECT_EQ(ChooseResolutionFolder(root.Path(), L"Midnight", 1920, 1200),
              L""); // no 1920x1080 folder
    EXPECT_EQ(ChooseResolutionFolder(root.Path(), L"Midnight", 800, 600), L"");
}
