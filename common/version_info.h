#pragma once
#include <string>

// "a.b.c.d" from a file's version resource. 0 (text untouched when the fixed part lacks its
// signature), 1 no version resource, 2 not readable, 3 no fixed part, 4 fixed part empty.
int GetFileVersionString(const std::wstring& filePath, std::wstring& version);

// Family index, version code and service-pack major of the running system (any may be
// null). 1 when the lookup function is missing, 2 when it fails, else 0.
int GetOsVersion(int* family, int* versionCode, int* servicePackMajor);
