// Setup's entry: the background window first (the application's main window), then the
// wizard on top of it, and the message loop with the wizard's dialog keys.
#include "application.h"
#include "background_form.h"
#include "device_operations.h"
#include "wizard_form.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    UseSimulatedDevicesWhenSelected();
    TApplication application;
    TMainForm* wizard = nullptr;
    try {
        application.Initialize();
        TBackgroundForm* background = application.CreateForm<TBackgroundForm>();
        wizard = application.CreateForm<TMainForm>(*background);
        background->SetWizard(wizard);
        application.OnMessage = [wizard](MSG& msg) {
            return IsWindowVisible(wizard->Handle()) &&
                   IsDialogMessageW(wizard->Handle(), &msg) != FALSE;
        };
        application.Run();
    } catch (...) {
        application.ShowCurrentException();
    }
    // A worker still installing is not waited for: the program ends where it is.
    if (wizard && wizard->InstallRunning()) ExitProcess(0);
    return 0;
}
