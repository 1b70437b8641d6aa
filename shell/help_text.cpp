#include "shell/help_text.h"

namespace torvi::shell {

namespace {

constexpr HelpLine kLines[] = {
    {"Steps", true},
    {"1. Window, Data Input (Ctrl+D): type the number of conformers, 1 to 10, and press Enter."},
    {"2. Type the energy of each conformer and press Enter after each. Numbers take the decimal"},
    {"    comma; a point typed becomes a comma."},
    {"3. Type the temperature range in °C, or in K in the boxes below, each with Enter."},
    {"4. Choose Calculate on the menu bar (Alt+C), or the window's Calculate button."},
    {"The results", true},
    {"Results (Table), Ctrl+T (Alt+T in a browser): the share of each conformer in %, at every"},
    {"    tenth of 101 temperatures from the lower limit to the upper one. File, Print Table"},
    {"    prints it; Ctrl+C copies it."},
    {"Results (Graph), Ctrl+G: a bar of the stacked shares at each of these temperatures, the"},
    {"    colours keyed to the conformers and their energies at the left; Ctrl+C copies it."},
    {"HPG, the high-precision graph: the shares at 5001 temperatures as a stacked area. Its"},
    {"    command is hidden unless Torvi starts with --show-hpg."},
    {"A graph window resized or maximised grows its graph to fill it, for a projector."},
    {"File, Save Graph As writes the graph as a PNG picture, as shown or at 300 dpi for print, or"},
    {"    as an SVG drawing; File, Print Graph prints it on a landscape page."},
    {"Where the shares come from", true},
    {"Each conformer's share is its Boltzmann factor over the sum of all the factors:"},
    {"    share of i = 100 % × exp(−Ei / RT) / (exp(−E1 / RT) + ... + exp(−En / RT)),"},
    {"    R = 1,98717 cal/(mol K), T in kelvin."},
    {"Units", true},
    {"Energies are in kcal/mol, or in kJ/mol with Options, Energy in kJ/mol (1 kcal = 4,184 kJ)."},
    {"The range is typed in °C or in K; Options, Temperatures in K shows the results in kelvin."},
    {"Options, Zoom In and Zoom Out show every window larger or smaller, from 100 to 300 %."},
    {"Exercises", true},
    {"File, Save Exercise As (Ctrl+S) keeps the energies, their unit and the range in a .torvi"},
    {"    file to hand out; File, Open Exercise (Ctrl+O) enters one again."},
    {"Keys", true},
    {"Ctrl+D Data Input, Ctrl+T Results (Table), Ctrl+G Results (Graph), Alt+C Calculate,"},
    {"Ctrl+O Open Exercise, Ctrl+S Save Exercise As, Ctrl+Q Exit, F1 this help,"},
    {"Ctrl++ Zoom In, Ctrl+- Zoom Out, Ctrl+0 Actual Size."},
    {"Enter confirms an entry and goes on to the next one; Tab moves between the boxes."},
};

}  // namespace

std::span<const HelpLine> helpLines() {
    return kLines;
}

std::string helpText() {
    std::string text;
    for (const HelpLine& line : kLines) {
        if (line.heading && !text.empty()) text += "\n";
        text += std::string(line.text) + "\n";
    }
    return text;
}

}  // namespace torvi::shell
