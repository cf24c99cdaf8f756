// The entry encipherer checked against an independent command-line DES, and the package's
// device ID groups checked against the encipherer.
#include "device_id_match.h"
#include "ini_mgr.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CommandResult {
    int exitCode;
    std::string output;
};

CommandResult RunCommand(const std::string& command) {
    CommandResult run{-1, std::string()};
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return run;
    char buffer[256];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> ReadLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class EntryEncipherer : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("trv_encipherer_" + std::to_string(getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The tool's entries for the patterns, through a pattern file as the build uses it.
    std::vector<std::string> Encipher(const std::vector<std::string>& patterns) {
        std::string list;
        for (const std::string& p : patterns)
            list += p + "\n";
        WriteFile(folder_ / "patterns.txt", list);
        CommandResult run =
            RunCommand(std::string(TRV_ENTRY_ENCIPHERER) + " -i " +
                       Quoted(folder_ / "patterns.txt") + " -o " + Quoted(folder_ / "entries.txt"));
        EXPECT_EQ(run.exitCode, 0);
        return ReadLines(folder_ / "entries.txt");
    }

    fs::path folder_;
};

} // namespace

TEST_F(EntryEncipherer, MatchesOpensslDesCbc) {
    const std::vector<std::string> patterns = {"A",
                                               "ABCDEFG",
                                               "ABCDEFGH",
                                               "ABCDEFGHI",
                                               "USB\\VID_7A39&PID_42XX&REV_0100&MI_00",
                                               "HID\\VID_7A39&PID_42XX&MI_03"};
    std::vector<std::string> entries = Encipher(patterns);
    ASSERT_EQ(entries.size(), patterns.size());
    for (size_t i = 0; i < patterns.size(); ++i) {
        WriteFile(folder_ / "plain.bin", patterns[i]);
        // "Lq7Vxw2N" in hexadecimal; DES lives in OpenSSL 3's legacy provider.
        CommandResult openssl = RunCommand(std::string(TRV_OPENSSL) +
                                           " enc -des-cbc -K 4c7137567877324e -iv 0000000000000000"
                                           " -provider legacy -provider default -a -A -in " +
                                           Quoted(folder_ / "plain.bin"));
        ASSERT_EQ(openssl.exitCode, 0);
        ASSERT_FALSE(openssl.output.empty());
        EXPECT_EQ(entries[i], patterns[i] + "," + openssl.output);
    }
    EXPECT_EQ(entries[5],
              "HID\\VID_7A39&PID_42XX&MI_03,Oj0vSrDDcrsPxNGEACTICiEZJ7tT0dq39QGtpm4yHpw=");
}

TEST_F(EntryEncipherer, RefusesPatternsThatCannotComeBack) {
    for (const char* pattern : {"A,B", "A B", " A", "A\xC3\xA9"}) {
        WriteFile(folder_ / "bad.txt", std::string(pattern) + "\n");
        CommandResult run =
            RunCommand(std::string(TRV_ENTRY_ENCIPHERER) + " -i " + Quoted(folder_ / "bad.txt"));
        EXPECT_NE(run.exitCode, 0) << pattern;
        EXPECT_EQ(run.output, "") << pattern;
    }
    EXPECT_NE(RunCommand(TRV_ENTRY_ENCIPHERER).exitCode, 0);
}

TEST_F(EntryEncipherer, MadeThePackageDeviceIdGroups) {
    CIniMgr ini;
    ASSERT_EQ(ini.Load(fs::path(TRV_PACKAGE_CONFIG).wstring()), IniLoaded);
    const std::pair<const wchar_t*, const char*> groups[] = {
        {L"USB_VID_PID", "USB\\VID_7A39&PID_42XX&REV_0100&MI_00"},
        {L"HID_VID_PID", "HID\\VID_7A39&PID_42XX&MI_03"},
    };
    for (const auto& [section, familyPattern] : groups) {
        std::vector<std::wstring> names;
        ini.GetValueNames(section, names);
        ASSERT_FALSE(names.empty());
        std::vector<std::string> patterns, stored;
        for (const std::wstring& name : names) {
            std::wstring value = ini.GetValue(section, name), plain, enciphered;
            ASSERT_EQ(SplitDeviceIdEntry(value, plain, enciphered), EntrySplit);
            patterns.emplace_back(plain.begin(), plain.end());
            stored.emplace_back(value.begin(), value.end());
        }
        EXPECT_EQ(patterns.front(), familyPattern);
        EXPECT_EQ(Encipher(patterns), stored);
    }
}
