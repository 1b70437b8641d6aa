#include "ui/zoom.h"

#include <algorithm>
#include <array>

namespace torvi::ui {
namespace {

constexpr std::array<int, 7> kSteps{100, 125, 150, 175, 200, 250, 300};

}  // namespace

int zoomedIn(int percent) {
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.end() ? kLargestZoom : *next;
}

int zoomedOut(int percent) {
    const auto below = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return below == kSteps.begin() ? kActualSize : *(below - 1);
}

int validZoom(std::optional<int> percent) {
    if (!percent || *percent < kActualSize || *percent > kLargestZoom) return kActualSize;
    return *percent;
}

}  // namespace torvi::ui
