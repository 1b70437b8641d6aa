#pragma once
// The whole program on the window model: the main window, its menus and every window it opens,
// with recording message boxes and a recording printer.

#include <gtest/gtest.h>

#include "input/form1.h"
#include "results/form2.h"
#include "results/form3.h"
#include "shell/mdi_form1.h"
#include "tests/support/program_world.h"
#include "tests/support/typed_entries.h"
#include "tests/support/user.h"

namespace torvi::shell::testing {

using torvi::testing::ProgramWorld;

class Program : public ::testing::Test, protected ProgramWorld {
  protected:
    input::Form1& dataInput() { return application.form<input::Form1>(); }
    // Opens Data Input with Ctrl+D and types a count and energies, each confirmed with Enter.
    void typeEntries(const std::vector<std::string>& energies) {
        torvi::testing::typeEntries(user, energies);
    }
    void calculate(const std::vector<std::string>& energies) {
        typeEntries(energies);
        ASSERT_TRUE(main->mnuCalc->enabled());
        user.choose(*main->mnuCalc);
    }
    template <typename T>
    T* window() const {
        return application.find<T>();
    }
    // The frontmost child windows, back to front.
    std::vector<std::string> childOrder() const {
        std::vector<std::string> names;
        for (const ui::Window* window : application.stackingOrder()) {
            if (window->kind() == ui::WindowKind::Child) names.push_back(window->name());
        }
        return names;
    }
};

}  // namespace torvi::shell::testing
