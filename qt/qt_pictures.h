#pragma once
// Pictures as PNG bytes on Linux: the program's pictures from its Qt resources, and a window's
// client area as the screen shows it.

#include "ui/window_picture.h"

namespace torvi::qt {

class QtBinding;

class QtPictures : public ui::PictureSource {
  public:
    explicit QtPictures(QtBinding& binding) : binding_(binding) {}
    std::optional<std::string> png(const std::string& resource) override;
    std::optional<std::string> windowPng(const ui::Window& window) override;

  private:
    QtBinding& binding_;
};

}  // namespace torvi::qt
