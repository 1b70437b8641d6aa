#include "win32/win32_dialogs.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>
// clang-format on

#include "win32/conversions.h"
#include "win32/win32_binding.h"

namespace torvi::win32 {

HWND Win32Dialogs::owner() const {
    if (binding_ == nullptr) return nullptr;
    binding_->flushRepaints();
    return binding_->dialogOwner();
}

void Win32Dialogs::show(const std::string& title, const std::string& text) {
    MessageBoxW(owner(), toWide(text).c_str(), toWide(title).c_str(), MB_OK);
}

bool Win32Dialogs::ask(const std::string& title, const std::string& question) {
    return MessageBoxW(owner(), toWide(question).c_str(), toWide(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::optional<std::string> Win32Dialogs::chooseSaveFile(const std::string& title,
                                                        const std::string& proposedName,
                                                        const std::string& filter) {
    // "PDF files (*.pdf)" becomes the pair "PDF files (*.pdf)", "*.pdf" the dialog takes.
    std::wstring filters = toWide(filter);
    const auto open = filters.find(L'(');
    const auto close = filters.find(L')');
    const std::wstring pattern = open != std::wstring::npos && close > open
                                     ? filters.substr(open + 1, close - open - 1)
                                     : L"*.*";
    filters += L'\0' + pattern + L'\0';
    wchar_t file[MAX_PATH] = {};
    const std::wstring proposed = toWide(proposedName);
    proposed.copy(file, MAX_PATH - 1);
    const std::wstring caption = toWide(title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner();
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = caption.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return toUtf8(file);
}

}  // namespace torvi::win32
