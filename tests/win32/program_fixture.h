#pragma once
// The whole program on the Win32 binding, its main window shown and in front, with Windows' own
// message boxes or with recording ones.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "shell/mdi_form1.h"
#include "tests/support/assembly.h"
#include "tests/win32/real_input.h"
#include "win32/win32_binding.h"
#include "win32/win32_dialogs.h"
#include "win32/win32_text_metrics.h"
#include "win32/window_view.h"

namespace torvi::win32 {

// The program with Windows' message boxes, or with recording ones where keys come at random.
template <typename Dialogs>
class ProgramWith : public ::testing::Test, protected testing::Assembly<Win32TextMetrics, Dialogs> {
  protected:
    using testing::Assembly<Win32TextMetrics, Dialogs>::application;
    void SetUp() override {
        if constexpr (std::is_same_v<Dialogs, Win32Dialogs>) this->messages.setBinding(&binding);
        application.dispatch([&] {
            main = &application.template form<shell::MDIForm1>();
            main->show();
        });
        frame = binding.windowView(main)->frame();
        SetForegroundWindow(frame);
        pump(binding, 300);
    }
    // Keys go to the window with the keyboard focus, as from a keyboard.
    void enter(const std::wstring& text) {
        type(text);
        key(VK_RETURN);
        pump(binding);
    }
    // Ctrl+D, then two conformers at 0 and 1 typed into Data Input, each confirmed with Enter.
    void typeTheExample() {
        key('D', kControl);
        pump(binding);
        for (const wchar_t* entry : {L"2", L"0", L"1"}) enter(entry);
    }

    Win32Binding binding{application};
    shell::MDIForm1* main = nullptr;
    HWND frame = nullptr;
};
using Program = ProgramWith<Win32Dialogs>;
using QuietProgram = ProgramWith<ui::RecordingDialogs>;

}  // namespace torvi::win32
