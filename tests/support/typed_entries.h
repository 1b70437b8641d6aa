#pragma once
// The entries of a run as a user types them: Ctrl+D for Data Input, the count and each energy
// confirmed with Enter, which leaves the focus in the lower Celsius box.

#include <string>
#include <vector>

#include "tests/support/user.h"

namespace torvi::testing {

inline void typeEntries(ui::User& user, const std::vector<std::string>& energies) {
    user.shortcut('D');
    user.type(std::to_string(energies.size()));
    user.enter();
    for (const std::string& energy : energies) {
        user.type(energy);
        user.enter();
    }
}

}  // namespace torvi::testing
