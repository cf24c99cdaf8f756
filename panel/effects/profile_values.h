#pragma once
// Values of profile files: a key read as the platform's profile reader gives it, and a value
// split into its fields.
#include <string>
#include <vector>

// A value has at most 128 fields of at most 127 characters; only commas separate them.
std::vector<std::wstring> SplitProfileValue(const std::wstring& value);

// False when the file does not exist; else the key's value (empty when missing), at most
// 255 characters.
bool ReadProfileValue(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key, std::wstring& value);

// APPDATA + "\" + folderName + "\" + fileName: where the last and the default profile lie;
// empty without an "APPDATA" variable.
std::wstring PerUserProfilePath(const std::wstring& folderName, const std::wstring& fileName);

// The name an export writes to: the chosen name, with ".ini" appended when it does not contain
// ".ini" anywhere (case-sensitive).
std::wstring ExportFileName(const std::wstring& chosen);
// The folder an import starts in: the last export's path up to its last backslash (looked for
// from the second character on); a path without one stays whole.
std::wstring ImportStartFolder(const std::wstring& lastExport);
