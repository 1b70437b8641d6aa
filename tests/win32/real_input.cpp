#include "tests/win32/real_input.h"

#include <vector>

namespace torvi::win32 {

void pump(Win32Binding& binding, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    do {
        binding.processMessages();
        Sleep(5);
    } while (GetTickCount64() < end);
}

void settle(Win32Binding& binding) {
    const ULONGLONG latest = GetTickCount64() + 3000;
    for (int quiet = 0; quiet < 4 && GetTickCount64() < latest;) {
        quiet = HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0 ? quiet + 1 : 0;
        binding.processMessages();
        Sleep(3);
    }
}

void key(WORD virtualKey, unsigned modifiers) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD code, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    const WORD held[] = {VK_CONTROL, VK_SHIFT, VK_MENU};
    for (int k = 0; k < 3; ++k)
        if (modifiers & (1u << k)) add(held[k], false);
    add(virtualKey, false);
    add(virtualKey, true);
    for (int k = 2; k >= 0; --k)
        if (modifiers & (1u << k)) add(held[k], true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void type(const std::wstring& text) {
    for (wchar_t unit : text) {
        INPUT inputs[2] = {};
        for (int k = 0; k < 2; ++k) {
            inputs[k].type = INPUT_KEYBOARD;
            inputs[k].ki.wScan = unit;
            inputs[k].ki.dwFlags = KEYEVENTF_UNICODE | (k == 1 ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, inputs, sizeof(INPUT));
    }
}

void mouse(HWND window, POINT point, DWORD button) {
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = button;
    SendInput(1, &input, sizeof input);
}

void click(HWND window, POINT point) {
    mouse(window, point, MOUSEEVENTF_LEFTDOWN);
    mouse(window, point, MOUSEEVENTF_LEFTUP);
}

POINT centreOf(const RECT& area) {
    return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

}  // namespace torvi::win32
