#pragma once
// File-system redirection of a 32-bit process on a 64-bit system, for the calling thread.
// Each returns the platform call's result, or 0 when the system lacks it.
int DisableFsRedirection(void** previousState);
int RevertFsRedirection(void* previousState);

// True when this process is a 32-bit one on a 64-bit system.
bool IsWow64();
