#pragma once
// Zoom: every window's contents shown larger, from 100 % (the design's size) to 300 %, in steps,
// and the settings it is remembered in between runs.

#include <optional>
#include <string>

namespace torvi::ui {

inline constexpr int kActualSize = 100;  // percent
inline constexpr int kLargestZoom = 300;

// The next step up or down from a zoom (100, 125, 150, 175, 200, 250, 300), kept within range.
int zoomedIn(int percent);
int zoomedOut(int percent);
// A zoom read from anywhere, within range; anything else the design's size.
int validZoom(std::optional<int> percent);

// The user's choices kept between runs, by name: where each system keeps such things.
class Settings {
  public:
    virtual ~Settings() = default;
    virtual std::optional<int> number(const std::string& name) = 0;
    virtual void setNumber(const std::string& name, int value) = 0;
};

}  // namespace torvi::ui
