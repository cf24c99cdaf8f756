#pragma once
// The subkeys of an open registry key, one name at a time.
#include <windows.h>

#include <functional>
#include <string>

// Gives visit the name of each subkey in the platform's order until visit returns false. A
// name too long for the walk's 260 characters is passed over. Returns ERROR_SUCCESS when the
// names ran out or visit ended the walk; any other error ends the walk and is returned: going
// on past it would visit nothing and, for an error that repeats (a key deleted while it is
// walked), never end.
LONG ForEachSubkey(HKEY key, const std::function<bool(const std::wstring& name)>& visit);
