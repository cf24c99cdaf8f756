#pragma once
// The panel's main window. Its construction is the panel's creation sequence.
#include "app_config.h"
#include "form.h"

#include <string>

class TAudioMainForm : public Form {
  public:
    TAudioMainForm();

    const _APPLICATION_FOLDER_PATH& AppFolderPath() const { return m_AppFolderPath; }
    std::wstring ConfigFilePath() const { return m_strAppFolder + kAppConfigFileName; }

  protected:
    void FormCreate() override;
    void FormActivate() override;

  private:
    void LoadConfiguration();
    void ReadRequiredSwitches();

    _APPLICATION_FOLDER_PATH m_AppFolderPath;
    std::wstring m_strAppFolder;
    int m_iRegionCut = 0;
    int m_iSimpleEnable = 0;
    bool m_bActivated = false;
};
