#pragma once
// The promises the program keeps after every user action, checked from outside with their own
// arithmetic: by the random user sessions and by the fuzzer that drives the program.

#include <string>
#include <vector>

#include "tests/support/program_world.h"

namespace torvi::testing {

// Each broken promise as a sentence; empty when every promise holds.
std::vector<std::string> brokenPromises(ProgramWorld& world);

// A number as the results table writes it, worked out with printf: at most two decimals, the
// decimal comma, no zero before it, a blank or minus sign first and a blank last.
std::string expectedCellText(double value);

}  // namespace torvi::testing
