#include "background_form.h"
#include "file_operations.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// A program folder with a configuration and the pictures a test puts there.
struct BackgroundCase {
    const wchar_t* what;
    std::string install; // the [Install] keys
    std::vector<const wchar_t*> pictures;
    std::wstring shown; // relative to the program folder; empty: no picture
    bool seeThrough;
};

} // namespace

// The picture of the screen's resolution folder, else the one beside the program; a picture
// missing everywhere leaves the window without one; no picture named makes it see-through.
// The screen here is 1600 x 900, so the resolution folder is "1366x768\".
TEST(BackgroundWindow, PictureFallbacksAndTheSeeThroughVariant) {
    const BackgroundCase cases[] = {
        {L"in the resolution folder",
         "InstallBackgroundFileName=B.png\r\n",
         {L"Skin\\1366x768\\B.png", L"B.png"},
         L"Skin\\1366x768\\B.png",
         false},
        {L"beside the program only",
         "InstallBackgroundFileName=B.png\r\n",
         {L"B.png"},
         L"\\B.png",
         false},
        {L"nowhere", "InstallBackgroundFileName=B.png\r\n", {}, L"", false},
        {L"none named", "", {}, L"", true},
    };
    const std::string picture = ReadFileBytes(BinFolder() + L"..\\stage\\Skin\\Background.png");
    ASSERT_FALSE(picture.empty());
    for (const BackgroundCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        WriteFileBytes(folder.Path() + L"AudioConfig.cfg",
                       "[Skin]\r\nSkinFolderName=Skin\r\n[Install]\r\n" + c.install);
        for (const wchar_t* p : c.pictures) {
            std::wstring path = folder.Path() + p;
            CreateFolderPath(path.substr(0, path.rfind(L'\\') + 1));
            WriteFileBytes(path, picture);
        }
        TBackgroundForm form(folder.Path());
        EXPECT_EQ(form.ResolutionFolder(), L"1366x768\\");
        EXPECT_TRUE(form.Geometry().fullScreen);
        form.Show();
        EXPECT_EQ(form.PicturePath(), c.shown.empty() ? L"" : folder.Path() + c.shown);
        EXPECT_EQ(form.SeeThrough(), c.seeThrough);
        const bool layered = (GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
        EXPECT_EQ(layered, c.seeThrough);
        if (layered) {
            COLORREF key = 0;
            DWORD flags = 0;
            EXPECT_TRUE(GetLayeredWindowAttributes(form.Handle(), &key, nullptr, &flags));
            EXPECT_EQ(key, GetSysColor(COLOR_BTNFACE));
            EXPECT_EQ(flags & LWA_COLORKEY, static_cast<DWORD>(LWA_COLORKEY));
        }
    }
}
