#pragma once
// Pictures as PNG bytes on Windows, encoded by the Windows Imaging Component: the program's
// bitmap resources, a window's client area as the screen shows it, and a page painted as GDI
// paints it for a printer.

#include "ui/window_picture.h"

namespace torvi::win32 {

class Win32Binding;

class Win32Pictures : public ui::PictureSource {
  public:
    explicit Win32Pictures(Win32Binding& binding) : binding_(binding) {}
    std::optional<std::string> png(const std::string& resource) override;
    std::optional<std::string> windowPng(const ui::Window& window) override;
    std::optional<std::string> pagePng(const std::vector<ui::DrawItem>& items, int width,
                                       int height, int dotsPerInch) override;

  private:
    Win32Binding& binding_;
};

}  // namespace torvi::win32
