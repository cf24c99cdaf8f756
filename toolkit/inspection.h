#pragma once
// A form's state as text, for tests and support tools: a program sends the registered
// message "TRVToolkitInspect" with its own window in wParam, and the form answers with a
// WM_COPYDATA message carrying one line per control (and whatever the form adds). Only a
// program started for testing answers: with the simulated device (TRV42XX_SIMULATOR=1) or
// with TRV42XX_INSPECT=1 in its environment; a user's program describes itself to nobody.
#include "control_model.h"

#include <windows.h>

#include <string>

const ULONG_PTR kInspectionCopyDataId = 0x54525649; // "TRVI"

UINT InspectionMessage();
// Whether this process answers the message (its environment at start decides, once).
bool InspectionAnswered();
std::wstring DescribeControls(const ControlContainer& container);
// Sends the description to the window that asked.
void AnswerInspection(HWND from, HWND requester, const std::wstring& text);
