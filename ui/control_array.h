#pragma once
// A control array: the elements that share a design name, told apart by the design's indexes.

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace torvi::ui {

template <typename T>
class ControlArray {
  public:
    explicit ControlArray(std::string name = {}) : name_(std::move(name)) {}

    void add(int index, T& element) { elements_[index] = &element; }

    // The element with this index, or nullptr when the design has none: a lookup never creates.
    T* find(int index) const {
        const auto found = elements_.find(index);
        return found == elements_.end() ? nullptr : found->second;
    }
    bool contains(int index) const { return elements_.count(index) != 0; }

    // For indexes the design guarantees. A missing index is a programming error and stops the
    // program with its name rather than touching anything outside the array.
    T& operator()(int index) const {
        if (T* element = find(index)) return *element;
        std::fprintf(stderr, "no element %s(%d) in the design\n", name_.c_str(), index);
        std::abort();
    }

    const std::map<int, T*>& elements() const { return elements_; }

  private:
    std::string name_;
    std::map<int, T*> elements_;
};

}  // namespace torvi::ui
