#pragma once
// A control array: the elements of a window that share a design name, told apart by the design's
// indexes. The array creates its elements, so the design name is written once.

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include "ui/window.h"

namespace torvi::ui {

template <typename T>
class ControlArray {
  public:
    ControlArray(Window& window, std::string name) : window_(window), name_(std::move(name)) {}

    // Creates the element with this index in the window; the arguments follow name and index.
    template <typename... Args>
    T& create(int index, Args&&... args) {
        T& element = window_.add<T>(name_, index, std::forward<Args>(args)...);
        elements_[index] = &element;
        return element;
    }

    // The element with this index, or nullptr when the design has none: a lookup never creates.
    T* find(int index) const {
        const auto found = elements_.find(index);
        return found == elements_.end() ? nullptr : found->second;
    }

    // For indexes the design guarantees. A missing index is a programming error and stops the
    // program with its name rather than touching anything outside the array.
    T& operator()(int index) const {
        if (T* element = find(index)) return *element;
        std::fprintf(stderr, "no element %s(%d) in the design\n", name_.c_str(), index);
        std::abort();
    }

  private:
    Window& window_;
    std::string name_;
    std::map<int, T*> elements_;
};

}  // namespace torvi::ui
