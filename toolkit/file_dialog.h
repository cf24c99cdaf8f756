#pragma once
// The platform's standard file dialogs for one file, with a filter written as
// "Name (*.ext)|*.ext[|...]".
#include <windows.h>

#include <string>

// True with the chosen path; false when the dialog was cancelled.
bool SaveFileDialog(HWND owner, const std::wstring& filter, const std::wstring& initialFolder,
                    const std::wstring& fileName, std::wstring& chosen);
bool OpenFileDialog(HWND owner, const std::wstring& filter, const std::wstring& initialFolder,
                    std::wstring& chosen);
