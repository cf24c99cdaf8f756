#pragma once
// The platform-neutral part of device ID groups: splitting an entry into its plain pattern
// and enciphered text, and matching device IDs against a pattern with "X" wildcards.
#include <string>

// The panel upper-cases the pattern too; setup only the device ID.
enum class MatchRule { Panel, Setup };

enum EntrySplitResult {
    EntrySplit = 0,
    EntryNoComma = 1,  // not an entry: skipped
    EntryEmptyPart = 2 // a part is empty after trimming: the group fails
};

// Splits at the first comma and trims spaces at both ends of each part.
int SplitDeviceIdEntry(const std::wstring& entry, std::wstring& plain, std::wstring& enciphered);

// The enciphered part as 8-bit characters. A character above 0xFF cannot be base64, so it
// becomes one that base64 rejects instead of aliasing a valid one by losing its high byte.
std::string NarrowEntryText(const std::wstring& text);

// Same length, and equal once every position where the pattern has "X" is ignored.
bool MatchDeviceIdPattern(const std::wstring& pattern, const std::wstring& deviceId,
                          MatchRule rule);
