#include "app/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>

#include "core/number_text.h"
#include "core/population.h"
#include "input/form1.h"
#include "results/table_text.h"
#include "shell/help_text.h"
#include "shell/messages.h"
#include "torvi/version.h"

namespace torvi::app {
namespace {

// Energies follow --table up to the next long option; one may be negative, which the parser
// would take for an option.
std::vector<std::string> takeEnergies(const std::vector<std::string>& arguments,
                                      std::vector<std::string>& energies) {
    std::vector<std::string> rest;
    bool inTable = false;
    for (const std::string& argument : arguments) {
        if (argument == "--table") {
            inTable = true;
            rest.push_back(argument);
        } else if (inTable && argument.rfind("--", 0) != 0) {
            energies.push_back(argument);
        } else {
            inTable = false;
            rest.push_back(argument);
        }
    }
    return rest;
}

CommandLine refuse(std::string message) {
    CommandLine refusal;
    refusal.action = CommandLine::Action::Refuse;
    refusal.output = std::move(message);
    return refusal;
}

CommandLine print(std::string text) {
    CommandLine printing;
    printing.action = CommandLine::Action::Print;
    printing.output = std::move(text);
    return printing;
}

// A limit typed as on the Data Input window, as the text of its kelvin box.
std::optional<std::string> kelvinText(const std::string& typed, bool kelvin) {
    const std::string text = core::pointToComma(typed);
    const std::optional<double> value = core::parseNumber(text);
    if (!value) return std::nullopt;
    return kelvin ? text : core::formatNumber(*value + core::kKelvinOffset);
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    CLI::App parser(
        "Torvi shows the Boltzmann distribution of up to ten conformers, according to their "
        "ground state energies, as a function of temperature.\n\n"
        "Without options it opens its window. With --table it prints the results table of the "
        "given energies (kcal/mol, with a point or a comma) and temperature range, as in\n"
        "  torvi --table 0 0.6 1.2 --from -50 --to 30\n",
        "torvi");
    parser.set_help_flag("-h,--help", "Displays help on commandline options.");
    const std::string versionText = std::string(version::kTitle) + " " + version::kNumber;
    parser.set_version_flag("-v,--version", versionText, "Displays version information.");
    bool table = false;
    std::optional<std::string> from;
    std::optional<std::string> to;
    parser.add_flag("--table", table, "Print the results table of these energies.");
    CLI::Option* fromOption = parser
                                  .add_option("--from", from,
                                              std::string("Lower end of the range (default ") +
                                                  input::kDesignLowCelsius + " °C).")
                                  ->type_name("TEMPERATURE");
    CLI::Option* toOption = parser
                                .add_option("--to", to,
                                            std::string("Upper end of the range (default ") +
                                                input::kDesignHighCelsius + " °C).")
                                ->type_name("TEMPERATURE");
    CLI::Option* kelvin = parser.add_flag("--kelvin", command.kelvin,
                                          "The range is in kelvin, not in degrees Celsius.");
    CLI::Option* all = parser.add_flag("--all", command.everyPoint,
                                       "Every one of the 101 temperatures, not every tenth.");
    CLI::Option* csv =
        parser.add_flag("--csv", command.csv, "Semicolon-separated values with a header line.");
    std::string unitName = core::unitName(core::EnergyUnit::KcalPerMol);
    CLI::Option* unit =
        parser.add_option("--unit", unitName, "The energies' unit: kcal/mol (default) or kJ/mol.")
            ->check(CLI::IsMember({"kcal/mol", "kJ/mol"}))
            ->type_name("UNIT");
    CLI::Option* outputKelvin = parser.add_flag("--output-kelvin", command.outputKelvin,
                                                "The table's temperatures in kelvin.");
    CLI::Option* exercise =
        parser
            .add_option("--exercise", command.exercise,
                        "The energies, their unit and the range from an exercise file.")
            ->type_name("FILE");
    bool howTo = false;
    parser.add_flag("--how-to", howTo, "How to use Torvi, as its Help window says it.");
    parser.add_flag("--show-hpg", command.showHpg, "Show the HPG command in the window's menu.");
    parser.add_option("file", command.openFile, "An exercise file (.torvi) to open.")
        ->type_name("FILE");

    std::vector<std::string> rest = takeEnergies(arguments, command.energies);
    if (!rest.empty()) rest.erase(rest.begin());  // the program's name
    std::reverse(rest.begin(), rest.end());       // CLI11 takes them from the back
    try {
        parser.parse(rest);
    } catch (const CLI::CallForHelp&) {
        return print(parser.help());
    } catch (const CLI::CallForVersion&) {
        return print(versionText + "\n");
    } catch (const CLI::ParseError& error) {
        return refuse(error.what());
    }
    if (howTo) return print(shell::helpText());
    if (!table) {
        for (const CLI::Option* option :
             {fromOption, toOption, kelvin, all, csv, unit, outputKelvin, exercise}) {
            if (option->count() > 0) return refuse(option->get_name() + " needs --table");
        }
        command.action = CommandLine::Action::Window;
        return command;
    }
    if (command.openFile)
        return refuse("an exercise file to open needs no --table; see --exercise");
    if (command.exercise) {
        for (const CLI::Option* option : {fromOption, toOption, kelvin, unit}) {
            if (option->count() > 0) return refuse(option->get_name() + " comes from the exercise");
        }
        if (!command.energies.empty()) return refuse("the energies come from the exercise");
    }
    command.action = CommandLine::Action::Table;
    command.from = from;
    command.to = to;
    command.unit = unitName == "kJ/mol" ? core::EnergyUnit::KjPerMol : core::EnergyUnit::KcalPerMol;
    return command;
}

int runTableCommand(const CommandLine& given, ui::Files* files) {
    const auto fail = [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return 2;
    };
    CommandLine command = given;
    if (command.exercise) {
        const auto exercise = shell::messages::exerciseFromFile(
            files ? files->read(*command.exercise, core::kLargestExercise) : std::nullopt,
            *command.exercise);
        if (const auto* message = std::get_if<std::string>(&exercise)) return fail(*message);
        const core::Exercise& read = std::get<core::Exercise>(exercise);
        command.energies = read.energies;
        command.from = read.from;
        command.to = read.to;
        command.kelvin = false;
        command.unit = read.unit;
    }
    const auto count = command.energies.size();
    if (count > core::kMaxConformers)
        return fail(shell::messages::refusalText(core::Refusal::CountOutOfRange));
    if (count < 1)
        return fail("Give the energies of 1 to " + std::to_string(core::kMaxConformers) +
                    " conformers after --table.");
    const std::optional<std::string> low = command.from
                                               ? kelvinText(*command.from, command.kelvin)
                                               : kelvinText(input::kDesignLowCelsius, false);
    const std::optional<std::string> high = command.to
                                                ? kelvinText(*command.to, command.kelvin)
                                                : kelvinText(input::kDesignHighCelsius, false);
    if (!low || !high) return fail(shell::messages::refusalText(core::Refusal::InvalidEntry));
    core::CalculationInput input{std::to_string(count), *low, *high, {}, command.unit};
    for (const std::string& energy : command.energies)
        input.energyTexts.push_back(core::pointToComma(energy));

    core::CalculationState state;
    const core::Refusal refusal = core::calculatePopulations(input, state).refusal;
    if (refusal != core::Refusal::None) return fail(shell::messages::refusalText(refusal));
    const results::ResultUnits units{command.unit, command.outputKelvin
                                                       ? core::TemperatureUnit::Kelvin
                                                       : core::TemperatureUnit::Celsius};
    const results::TableText table =
        results::tableText(state, input.energyTexts, command.everyPoint, units);
    const std::string output =
        command.csv ? results::spreadsheetTable(table.cells, ';', units) : table.lines;
    std::fputs(output.c_str(), stdout);
    return 0;
}

}  // namespace torvi::app
