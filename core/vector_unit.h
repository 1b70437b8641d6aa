#pragma once
// A platform detail of the calculation's speed, kept out of the calculation itself.

namespace torvi::core {

// Code elsewhere in the process (seen after a Qt application starts) can leave the upper halves
// of the AVX registers dirty; every plain SSE instruction then pays a transition penalty, which
// made a population run twenty times slower. Clearing them before a long loop avoids it; on
// processors without AVX this does nothing.
void prepareVectorUnit();

}  // namespace torvi::core
