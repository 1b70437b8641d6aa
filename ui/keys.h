#pragma once
// The character codes of the keys the windows' rules look for.

namespace torvi::ui::keys {

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kDelete = 127;  // a code, but never a typed character
inline constexpr int kFirstPrintable = 32;

}  // namespace torvi::ui::keys
