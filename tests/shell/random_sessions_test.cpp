// Random user sessions: seeded sequences of everything a user can do, with the program's
// promises checked after every step. A failure names its seed; TORVI_SEED=n replays session n.

#include <cstdlib>
#include <random>

#include "shell/frm_about.h"
#include "shell/frm_splash.h"
#include "shell_fixture.h"
#include "tests/support/program_promises.h"

namespace torvi::shell::testing {
namespace {

class Session : public ::testing::Test {
  protected:
    template <typename T>
    T* window() const {
        return world->application.find<T>();
    }

    template <typename T>
    const T& pick(const std::vector<T>& choices) {
        return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random)];
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    std::vector<ui::TextBox*> boxes(input::Form1& form) {
        std::vector<ui::TextBox*> result{form.Text1};
        for (int i = 1; i <= 10; ++i) result.push_back(&form.Text2(i));
        for (int i : {0, 1}) result.insert(result.end(), {&form.Text3(i), &form.Text4(i)});
        return result;
    }

    void step() {
        input::Form1* form = window<input::Form1>();
        switch (below(13)) {
            case 12: {  // a user who knows the way: Data Input, a count, its energies
                world->user.shortcut('D');
                form = window<input::Form1>();
                if (form == nullptr) break;
                world->user.click(*form->Text1);
                for (int i = 0; i < 4; ++i) world->user.backspace();
                const int count = 1 + below(10);
                world->user.type(std::to_string(count));
                world->user.enter();
                for (int i = 0; i < count; ++i) {
                    world->user.type(
                        pick(std::vector<std::string>{"0", "0,5", "1", "1.5", "-2", "3,25", "10"}));
                    world->user.enter();
                }
                break;
            }
            case 0:
            case 1:
                world->user.key(pick(
                    std::vector<char>{'0', '1', '2', '3', '5', '9', ',', '.', '-', 'a', 'E', ' '}));
                break;
            case 2:  // a whole number as a user types it, confirmed
                world->user.type(
                    pick(std::vector<std::string>{"2", "3", "10", "1", "0,5", "1.5", "-1,25", "300",
                                                  "-273,15", "0", "11", "1e306", "25"}));
                world->user.enter();
                break;
            case 3:
                world->user.enter();
                break;
            case 4:
                world->user.key(pick(std::vector<int>{8, 27}));
                break;
            case 5:
                world->user.tab(below(4) != 0);
                break;
            case 6:
                if (form) world->user.click(*pick(boxes(*form)));
                break;
            case 7:
                if (form) world->user.click(*form->Command1);
                break;
            case 8:
            case 9: {
                ui::MenuItem* item = pick(std::vector<ui::MenuItem*>{
                    world->main->mnuCalc, world->main->mnuCalc, world->main->mnuPrint,
                    world->main->mnuCasc, world->main->mnuSGF, world->main->mnuSTF,
                    world->main->mnuRes, world->main->mnuGraph, world->main->mnuData,
                    world->main->mnuData, world->main->mnuSplash, world->main->mnuAbout});
                world->user.choose(*item);
                break;
            }
            case 10: {
                std::vector<ui::Window*> open;
                for (ui::Window* window : world->application.stackingOrder()) {
                    if (window->kind() != ui::WindowKind::Main) open.push_back(window);
                }
                if (!open.empty() && below(3) == 0) world->user.close(*pick(open));
                break;
            }
            case 11:
                if (auto* splash = window<frmSplash>(); splash && below(2)) {
                    ui::deliverKey(*splash, 'k');
                } else {
                    world->user.wait(2000);
                }
                break;
        }
    }

    std::mt19937 random;
    std::unique_ptr<ProgramWorld> world;  // one program, fresh for each session
};

TEST_F(Session, RandomUserSessionsKeepEveryPromise) {
    const char* replay = std::getenv("TORVI_SEED");
    const unsigned first = replay ? static_cast<unsigned>(std::atoi(replay)) : 20261207u;
    const int sessions = replay ? 1 : 400;
    int completedRuns = 0;
    int totalSteps = 0;
    for (int session = 0; session < sessions; ++session) {
        const unsigned seed = first + static_cast<unsigned>(session);
        SCOPED_TRACE("seed " + std::to_string(seed) +
                     " (replay with TORVI_SEED=" + std::to_string(seed) + ")");
        world = std::make_unique<ProgramWorld>();  // System Info finds nothing
        random.seed(seed);
        for (int stepNumber = 0; stepNumber < 300; ++stepNumber) {
            step();
            if (world->application.ended()) break;
            ++totalSteps;
            ASSERT_EQ(torvi::testing::brokenPromises(*world), std::vector<std::string>{})
                << "step " << stepNumber;
        }
        completedRuns += world->main->displayed.state.conformerCount > 0;
    }
    std::printf("%d steps, %d sessions with results\n", totalSteps, completedRuns);
    // The sessions must reach results often enough to test them.
    if (!replay) {
        EXPECT_GT(completedRuns, sessions / 4);
    }
}

}  // namespace
}  // namespace torvi::shell::testing
