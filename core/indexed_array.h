#pragma once
// Fixed-size arrays whose every access is range-checked: an index outside the declared range is a
// failed access the caller sees (an empty optional, a false), never a read or write outside.

#include <array>
#include <cassert>
#include <cstddef>
#include <optional>
#include <vector>

namespace torvi::core {

// A one-dimensional array indexed 0..Size-1.
template <typename T, std::size_t Size>
class IndexedArray {
  public:
    static constexpr int size() { return static_cast<int>(Size); }
    static constexpr bool contains(int index) { return index >= 0 && index < size(); }

    std::optional<T> get(int index) const {
        if (!contains(index)) return std::nullopt;
        return values_[static_cast<std::size_t>(index)];
    }
    bool set(int index, T value) {
        if (!contains(index)) return false;
        values_[static_cast<std::size_t>(index)] = value;
        return true;
    }
    // Reading shorthand for loops whose bounds are already known to be inside the range. Asserts
    // in debug builds; outside the range it yields T{} without touching memory beyond the array.
    T operator[](int index) const {
        assert(contains(index));
        return contains(index) ? values_[static_cast<std::size_t>(index)] : T{};
    }

  private:
    std::array<T, Size> values_{};
};

// A two-dimensional table [row][column], held row by row in one block of Rows x Columns values.
template <typename T, std::size_t Rows, std::size_t Columns>
class IndexedTable {
  public:
    static constexpr int rows() { return static_cast<int>(Rows); }
    static constexpr int columns() { return static_cast<int>(Columns); }
    static constexpr bool contains(int row, int column) {
        return row >= 0 && row < rows() && column >= 0 && column < columns();
    }

    std::optional<T> get(int row, int column) const {
        if (!contains(row, column)) return std::nullopt;
        return values_[offset(row, column)];
    }
    bool set(int row, int column, T value) {
        if (!contains(row, column)) return false;
        values_[offset(row, column)] = value;
        return true;
    }
    T operator()(int row, int column) const {
        assert(contains(row, column));
        return contains(row, column) ? values_[offset(row, column)] : T{};
    }
    // The whole block, row by row: element row x Columns + column.
    const std::vector<T>& block() const { return values_; }

  private:
    static std::size_t offset(int row, int column) {
        return static_cast<std::size_t>(row) * Columns + static_cast<std::size_t>(column);
    }
    std::vector<T> values_ = std::vector<T>(Rows * Columns, T{});
};

}  // namespace torvi::core
