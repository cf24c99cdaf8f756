#pragma once
// Profile files: the last profile saved when the panel ends and applied when it starts, the
// default profile, and the profiles the user exports and imports. A save never leaves a broken
// file: the keys are written into a copy beside it, which then replaces it in one step.
#include "device/active_device.h"

#include <functional>
#include <string>

class EffectModel;
class Microphone;
class VirtualSurround;
class Lighting;

class Profiles {
  public:
    Profiles(EffectModel& effects, Microphone& microphone, VirtualSurround& surround,
             Lighting& lighting, const ActiveDevice& device)
        : effects_(effects), microphone_(microphone), surround_(surround), lighting_(lighting),
          device_(device) {}

    // "InstallFolderName" (the per-user folders) and the installed configuration file
    // (where the last export's path is kept).
    void Configure(const std::wstring& folderName, const std::wstring& configFile);
    // Called at the end of an apply, for the window to show the page anew.
    std::function<void()> OnApplied;

    const std::wstring& CurrentProfile() const { return m_strCurrentProfile; }
    bool NoLastProfile() const { return m_bNoLastProfile; }
    std::wstring LastProfilePath() const;
    std::wstring DefaultProfilePath() const;

    // 0.
    int SaveProfile(const std::wstring& path);
    // 0; a required key that is missing or not a number raises the conversion error naming
    // it, the steps before it applied.
    int ApplyProfile(const std::wstring& path);
    int SaveLastProfile();
    // 0 applied; 1 the file does not exist.
    int LoadLastProfile();
    int LoadDefaultProfile();

    // Asks for a file in a folder: true with the chosen path, false when cancelled.
    using FileQuestion = std::function<bool(const std::wstring& folder, std::wstring& chosen)>;
    // 0 done; 1 no device; 2 cancelled.
    int ExportProfile(const FileQuestion& askSaveName);
    int ImportProfile(const FileQuestion& askOpenName);

  private:
    std::wstring UserFolder() const;

    EffectModel& effects_;
    Microphone& microphone_;
    VirtualSurround& surround_;
    Lighting& lighting_;
    const ActiveDevice& device_;
    std::wstring m_strFolderName;
    std::wstring m_strConfigFile;
    std::wstring m_strCurrentProfile;
    bool m_bNoLastProfile = false;
};
