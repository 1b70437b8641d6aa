#pragma once
// What a screen reader finds in Torvi's windows, through Windows' accessibility interfaces
// (IAccessible, asked for with WM_GETOBJECT): each text box and button under the accessible name
// the model gives it, and a client area's painted labels as texts inside it. Windows' own object
// for each window answers everything else.

#include <windows.h>

#include <string>
#include <vector>

namespace torvi::win32 {

// A painted text a client area shows: its words and where it is on the screen.
struct AccessibleText {
    std::wstring name;
    RECT screenArea;
};

// The answer to WM_GETOBJECT for a control's or a client area's own object (OBJID_CLIENT): the
// system's object for the window, named as given (none keeps the system's name), with the texts
// after its own children. Other requests go to the window's procedure (returns false).
bool answerAccessibility(HWND window, WPARAM wParam, LPARAM lParam, const std::wstring& name,
                         const std::vector<AccessibleText>& texts, LRESULT& result);

}  // namespace torvi::win32
