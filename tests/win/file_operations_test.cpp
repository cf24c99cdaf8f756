#include "debug_output.h"
#include "file_operations.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
DWORD Attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }
} // namespace

TEST(CopyFolderTree, CopiesIntoTheDestinationWithNormalAttributes) {
    TempFolder temp;
    const std::wstring skin = temp.Path() + L"Pkg\\Skin\\";
    CreateFolderPath(skin + L"1366x768\\");
    WriteFileBytes(skin + L"SkinSetting.ini", "[Main]\r\n");
    WriteFileBytes(skin + L"hidden.png", "png");
    WriteFileBytes(skin + L"1366x768\\readonly.png", "ro");
    SetFileAttributesW((skin + L"hidden.png").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((skin + L"1366x768\\readonly.png").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateFolderPath(temp.Path() + L"App\\");

    DebugCapture capture;
    EXPECT_EQ(CopyFolderTree(skin, temp.Path() + L"App\\"), 1);

    const std::wstring target = temp.Path() + L"App\\Skin";
    EXPECT_EQ(ReadFileBytes(target + L"\\SkinSetting.ini"), "[Main]\r\n");
    EXPECT_EQ(ReadFileBytes(target + L"\\1366x768\\readonly.png"), "ro");
    const DWORD special = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM;
    EXPECT_EQ(Attributes(target + L"\\hidden.png") & special, 0u);
    EXPECT_EQ(Attributes(target + L"\\1366x768\\readonly.png") & special, 0u);
    // A subfolder is announced under the folder being filled; the copy into it then finds
    // it made already.
    const std::wstring line = L"##### Create Directory = " + target + L"\n";
    EXPECT_EQ(capture.Writes(), (std::vector<std::wstring>{line, line,
                                                            L"##### Create Directory = " + target + L"\\1366x768\n",
                                                            L"***** Create Directory FAIL! *****\n"}));

    // Copying again: the folders exist, so each creation logs its failure and goes on.
    DebugCapture again;
    EXPECT_EQ(CopyFolderTree(skin, temp.Path() + L"App"), 1);
    EXPECT_TRUE(again.Contains(line + L"***** Create Directory FAIL! *****\n"));
}

TEST(CopyFolderTree, SameLastNameCopiesIntoThatFolderItself) {
    TempFolder temp;
    CreateFolderPath(temp.Path() + L"A\\Skin\\");
    WriteFileBytes(temp.Path() + L"A\\Skin\\x.txt", "x");
    CreateFolderPath(temp.Path() + L"B\\");
    EXPECT_EQ(CopyFolderTree(temp.Path() + L"A\\Skin", temp.Path() + L"B\\Skin"), 1);
    EXPECT_EQ(ReadFileBytes(temp.Path() + L"B\\Skin\\x.txt"), "x");
    EXPECT_FALSE(FolderExists(temp.Path() + L"B\\Skin\\Skin"));
}

// Junctions and symbolic links inside the source stand for other places; they are neither
// followed nor copied (here a host link, which Wine lists as a reparse point).
TEST(CopyFolderTree, LinksAreNotFollowed) {
    TempFolder temp;
    const std::wstring source = BinFolder() + L"copy_tree_links\\Source";
    ASSERT_NE(Attributes(source + L"\\Linked") & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    ASSERT_TRUE(FileExists(source + L"\\Linked\\secret.txt"));
    EXPECT_EQ(CopyFolderTree(source, temp.Path()), 1);
    EXPECT_EQ(ReadFileBytes(temp.Path() + L"Source\\kept.txt"), "kept");
    EXPECT_FALSE(FolderExists(temp.Path() + L"Source\\Linked"));
    EXPECT_FALSE(FileExists(temp.Path() + L"Source\\Linked\\secret.txt"));
}

// A folder is never copied onto or into itself, which would copy its own copies without end.
TEST(CopyFolderTree, NeverOntoOrIntoItself) {
    TempFolder temp;
    const std::wstring source = temp.Path() + L"A\\Src";
    CreateFolderPath(source + L"\\Inner\\");
    WriteFileBytes(source + L"\\x.txt", "x");
    const std::pair<std::wstring, std::wstring> refused[] = {
        {source, source + L"\\Inner"},
        {source + L"\\", temp.Path() + L"a\\SRC\\inner\\"},
        {source, temp.Path() + L"A\\"},
        {source, source},
    };
    for (const auto& [from, to] : refused) {
        EXPECT_EQ(CopyFolderTree(from, to), 0) << to.size();
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW entry;
        HANDLE find = FindFirstFileW((source + L"\\*").c_str(), &entry);
        ASSERT_NE(find, INVALID_HANDLE_VALUE);
        do
            names.push_back(entry.cFileName);
        while (FindNextFileW(find, &entry));
        FindClose(find);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::wstring>{L".", L"..", L"Inner", L"x.txt"}));
        EXPECT_TRUE(RemoveDirectoryW((source + L"\\Inner").c_str()));
        CreateFolderPath(source + L"\\Inner\\");
    }
    // A neighbour whose name merely begins with the source's is another folder.
    CreateFolderPath(temp.Path() + L"A\\Src2\\");
    EXPECT_EQ(CopyFolderTree(source, temp.Path() + L"A\\Src2"), 1);
    EXPECT_EQ(ReadFileBytes(temp.Path() + L"A\\Src2\\Src\\x.txt"), "x");
}

TEST(CopyFolderTree, PathsWithoutBackslashAreRejected) {
    EXPECT_EQ(CopyFolderTree(L"Skin", L"C:\\App\\"), 0);
    EXPECT_EQ(CopyFolderTree(L"C:\\Pkg\\Skin", L"App"), 0);
}

TEST(CreateFolderPath, CreatesEveryPrefixEndingInABackslash) {
    TempFolder temp;
    CreateFolderPath(temp.Path() + L"A\\B\\C");
    EXPECT_TRUE(FolderExists(temp.Path() + L"A\\B"));
    EXPECT_FALSE(FolderExists(temp.Path() + L"A\\B\\C"));
    CreateFolderPath(temp.Path() + L"A\\B\\C\\"); // existing prefixes are fine
    EXPECT_TRUE(FolderExists(temp.Path() + L"A\\B\\C"));
}

TEST(WriteBufferToFile, WritesOrReportsWhyNot) {
    TempFolder temp;
    const std::string bytes("MZ\0\x01\xff", 5);
    EXPECT_EQ(WriteBufferToFile(temp.Path() + L"out.bin", bytes.data(), bytes.size()), 0);
    EXPECT_EQ(ReadFileBytes(temp.Path() + L"out.bin"), bytes);
    EXPECT_EQ(WriteBufferToFile(temp.Path() + L"out.bin", "ab", 2), 0); // truncates
    EXPECT_EQ(ReadFileBytes(temp.Path() + L"out.bin"), "ab");
    EXPECT_EQ(WriteBufferToFile(temp.Path() + L"missing\\out.bin", "ab", 2), 1);
}

TEST(CopyOneFile, OverwritesAndReportsFailure) {
    TempFolder temp;
    WriteFileBytes(temp.Path() + L"a", "new");
    WriteFileBytes(temp.Path() + L"b", "old");
    EXPECT_NE(CopyOneFile(temp.Path() + L"a", temp.Path() + L"b"), 0);
    EXPECT_EQ(ReadFileBytes(temp.Path() + L"b"), "new");
    EXPECT_EQ(CopyOneFile(temp.Path() + L"missing", temp.Path() + L"c"), 0);
}
