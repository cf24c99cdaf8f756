#pragma once
// The text of profile files: multi-field values split at every comma, the preset values of
// [EQ] ("S1" to "S4": five gain codes and the equaliser switch) and the speaker places of
// [Virtual7ch1]. Numbers are the toolkit's strict integers (decimal, or hexadecimal after
// "0x" or "$"); a value that is not one is a conversion failure for the caller to raise.
// Platform-neutral: the values come from the platform's profile functions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

const size_t kProfileFieldLength = 127;
const size_t kPresetFields = 6;
const size_t kSpeakerFields = 2;

// Splits at every comma, with no other separator and no trimming; empty fields are kept and
// each field is cut to 127 characters. An empty value gives one empty field.
std::vector<std::wstring> SplitProfileValue(const std::wstring& value);

struct PresetValue {
    uint16_t gains[5] = {}; // 60 Hz first, each kept as 16 bits
    int eqEnable = 0;
};
// Exactly six fields, each a number; false (preset untouched) otherwise.
bool ReadPresetValue(const std::wstring& value, PresetValue& preset);

struct SpeakerPlace {
    int left = 0;
    int top = 0;
};
// Exactly two fields, each a number; false (place untouched) otherwise.
bool ReadSpeakerPlace(const std::wstring& value, SpeakerPlace& place);

// The name an export writes to: the chosen name, with ".ini" appended when it does not contain
// ".ini" anywhere (case-sensitive).
std::wstring ExportFileName(const std::wstring& chosen);
// The folder an import starts in: the last export's path up to its last backslash (looked for
// from the second character on); a path without one stays whole.
std::wstring ImportStartFolder(const std::wstring& lastExport);

// The platform's side (profile_files.cpp). False when the file does not exist; else the key's
// value (empty when missing), at most 255 characters.
bool ReadProfileValue(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key, std::wstring& value);
// APPDATA + "\" + folderName + "\" + fileName: where the last and the default profile lie;
// empty without an "APPDATA" variable.
std::wstring PerUserProfilePath(const std::wstring& folderName, const std::wstring& fileName);
