#pragma once
// Reads a toolkit form's state through its inspection message, and picks values out of it.
#include <windows.h>

#include <map>
#include <string>

// The form's answer, or an empty text when it did not answer.
std::wstring InspectForm(HWND form);

// The fields of the first line that starts with the prefix ("state", "tray", or
// "control name=X"), as key/value pairs. A value runs to the next " key=" of the line, so
// the last field (a text or hint) may hold spaces.
std::map<std::wstring, std::wstring> InspectLine(const std::wstring& text,
                                                 const std::wstring& prefix);
