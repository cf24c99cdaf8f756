#pragma once
#include <string>

// Starts a file through the shell with a hidden window. wait < 0 blocks until the process
// ends; wait > 0 pumps this thread's messages for that many milliseconds, or until a quit
// request arrives, which is posted again for the caller's loop. 1 when the start fails, else 0.
int RunHidden(const std::wstring& filePath, int wait);
