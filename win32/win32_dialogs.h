#pragma once
// Message boxes as MessageBoxW (the text, an OK button only, no icon), questions with Yes and No,
// and the save and open dialogs of comdlg32, each owned by the program's active window.

#include <windows.h>

#include "ui/application.h"

namespace torvi::win32 {

class Win32Binding;

class Win32Dialogs : public ui::Dialogs {
  public:
    void setBinding(Win32Binding* binding) { binding_ = binding; }
    void show(const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& question) override;
    std::optional<ui::FileChoice> chooseSaveFile(const std::string& title,
                                                 const std::string& proposedName,
                                                 const std::string& filter) override;
    std::optional<std::string> chooseOpenFile(const std::string& title,
                                              const std::string& filter) override;

  private:
    // The save or open dialog of comdlg32 with its name proposed and its filters: the file and
    // the filter's type the user chose.
    std::optional<ui::FileChoice> chooseFile(const std::string& title,
                                             const std::string& proposedName,
                                             const std::string& filter, bool saving);
    // The window that owns a dialog, with the windows' changes so far marked for painting, as
    // the dialog's own message loop paints while the event waits for it.
    HWND owner() const;
    Win32Binding* binding_ = nullptr;
};

}  // namespace torvi::win32
