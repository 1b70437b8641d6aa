#pragma once
// Pictures as PNG bytes on Linux: the program's pictures from its Qt resources, a window's client
// area as the screen shows it, and a page painted as the printer would paint it.

#include "ui/window_picture.h"

namespace torvi::qt {

class QtBinding;

class QtPictures : public ui::PictureSource {
  public:
    explicit QtPictures(QtBinding& binding) : binding_(binding) {}
    std::optional<std::string> png(const std::string& resource) override;
    std::optional<std::string> windowPng(const ui::Window& window) override;
    std::optional<std::string> pagePng(const std::vector<ui::DrawItem>& items, int width,
                                       int height, int dotsPerInch) override;

  private:
    QtBinding& binding_;
};

}  // namespace torvi::qt
