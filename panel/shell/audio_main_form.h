#pragma once
// The panel's main window. Its construction is the panel's creation sequence.
#include "active_device.h"
#include "app_config.h"
#include "form.h"

#include <string>

class TAudioMainForm : public Form {
  public:
    TAudioMainForm();

    const _APPLICATION_FOLDER_PATH& AppFolderPath() const { return m_AppFolderPath; }
    std::wstring ConfigFilePath() const { return m_strAppFolder + kAppConfigFileName; }
    bool DevicePresent() const { return m_bDevicePresent; }

  protected:
    void FormCreate() override;
    void FormActivate() override;

  private:
    bool BindLibrary();
    void LoadConfiguration();
    void ReadRequiredSwitches();
    void SearchDevice();
    void ShowDeviceState(DeviceState state);

    _APPLICATION_FOLDER_PATH m_AppFolderPath;
    std::wstring m_strAppFolder;
    int m_iRegionCut = 0;
    int m_iSimpleEnable = 0;
    bool m_bActivated = false;

    // The active device.
    uint16_t m_wVid = 0;
    uint16_t m_wPid = 0;
    HidHandle m_hDevice;
    bool m_bDevicePresent = false;
    bool m_bSync = false;
};
