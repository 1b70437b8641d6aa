#include "win32/win32_dialogs.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>
// clang-format on

#include <vector>

#include "ui/files.h"
#include "win32/conversions.h"
#include "win32/win32_binding.h"

namespace torvi::win32 {
namespace {

// Disables, for its life, every window of the program on the screen but the dialog's owner,
// which the dialog disables itself: a dialog is modal to the whole program, not to its owner
// only.
class WholeProgramModal {
  public:
    explicit WholeProgramModal(HWND owner) : owner_(owner) {
        EnumThreadWindows(GetCurrentThreadId(), &WholeProgramModal::disable,
                          reinterpret_cast<LPARAM>(this));
    }
    ~WholeProgramModal() {
        for (HWND window : disabled_) EnableWindow(window, TRUE);
    }
    WholeProgramModal(const WholeProgramModal&) = delete;
    WholeProgramModal& operator=(const WholeProgramModal&) = delete;

  private:
    static BOOL CALLBACK disable(HWND window, LPARAM self) {
        auto& modal = *reinterpret_cast<WholeProgramModal*>(self);
        if (window != modal.owner_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            modal.disabled_.push_back(window);
        }
        return TRUE;
    }
    HWND owner_;
    std::vector<HWND> disabled_;
};

}  // namespace

HWND Win32Dialogs::owner() const {
    if (binding_ == nullptr) return nullptr;
    binding_->flushRepaints();
    return binding_->dialogOwner();
}

void Win32Dialogs::show(const std::string& title, const std::string& text) {
    HWND parent = owner();
    const WholeProgramModal modal(parent);
    MessageBoxW(parent, toWide(text).c_str(), toWide(title).c_str(), MB_OK);
}

bool Win32Dialogs::ask(const std::string& title, const std::string& question) {
    HWND parent = owner();
    const WholeProgramModal modal(parent);
    return MessageBoxW(parent, toWide(question).c_str(), toWide(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

namespace {

// "PDF files (*.pdf)" becomes the pair "PDF files (*.pdf)", "*.pdf" the dialogs take; several
// filters, apart by ";;", become a pair each.
std::wstring dialogFilters(const std::string& filter) {
    std::wstring filters;
    for (const std::string& type : ui::filterTypes(filter)) {
        const std::wstring one = toWide(type);
        const auto open = one.find(L'(');
        const auto close = one.find(L')');
        const std::wstring pattern = open != std::wstring::npos && close > open
                                         ? one.substr(open + 1, close - open - 1)
                                         : L"*.*";
        filters += one + L'\0' + pattern + L'\0';
    }
    return filters;
}

}  // namespace

std::optional<ui::FileChoice> Win32Dialogs::chooseFile(const std::string& title,
                                                       const std::string& proposedName,
                                                       const std::string& filter, bool saving) {
    const std::wstring filters = dialogFilters(filter);
    wchar_t file[MAX_PATH] = {};
    const std::wstring proposed = toWide(proposedName);
    proposed.copy(file, MAX_PATH - 1);
    const std::wstring caption = toWide(title);
    // A name typed without an extension takes the chosen filter's.
    const std::wstring extension = proposed.substr(proposed.rfind(L'.') + 1);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner();
    const WholeProgramModal modal(dialog.hwndOwner);
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = caption.c_str();
    if (saving) {
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
        if (proposed.find(L'.') != std::wstring::npos) dialog.lpstrDefExt = extension.c_str();
        if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    } else {
        dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    }
    // The filter's index counts from 1.
    return ui::FileChoice{toUtf8(file), dialog.nFilterIndex > 0 ? int(dialog.nFilterIndex) - 1 : 0};
}

std::optional<ui::FileChoice> Win32Dialogs::chooseSaveFile(const std::string& title,
                                                           const std::string& proposedName,
                                                           const std::string& filter) {
    return chooseFile(title, proposedName, filter, true);
}

std::optional<std::string> Win32Dialogs::chooseOpenFile(const std::string& title,
                                                        const std::string& filter) {
    const std::optional<ui::FileChoice> chosen = chooseFile(title, {}, filter, false);
    return chosen ? std::optional(chosen->path) : std::nullopt;
}

}  // namespace torvi::win32
