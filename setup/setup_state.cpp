#include "setup_state.h"

#include "setup_names.h"

void FillUninstallRecord(SetupState& state) {
    const _APPLICATION_FOLDER_PATH& f = state.folders;
    _REG_UNINSTALL_INFO& u = state.uninstall;
    u.keyPath = kUninstallKeyPath;
    u.displayName = f.UninstallDisplayName;
    u.uninstallString = f.InstallFolderFullPath + f.UninstallFileName + L".exe";
    u.displayIcon = u.uninstallString;
    u.displayVersion = state.version;
    u.publisher = f.Publisher;
}
