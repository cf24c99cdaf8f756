#include "fs_redirection.h"

#include "win_handles.h"

int DisableFsRedirection(void** previousState) {
    using Fn = BOOL(WINAPI*)(PVOID*);
    auto disable = Kernel32Function<Fn>("Wow64DisableWow64FsRedirection");
    return disable ? disable(previousState) : 0;
}

int RevertFsRedirection(void* previousState) {
    using Fn = BOOL(WINAPI*)(PVOID);
    auto revert = Kernel32Function<Fn>("Wow64RevertWow64FsRedirection");
    return revert ? revert(previousState) : 0;
}

bool IsWow64() {
    using Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64Process = Kernel32Function<Fn>("IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64Process && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}
