#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "core/number_text.h"
#include "core/population.h"
#include "input/form1.h"
#include "results/table_text.h"
#include "shell/messages.h"

namespace torvi::app {
namespace {

// Energies follow --table up to the next long option; one may be negative, which the parser
// would take for an option.
QStringList takeEnergies(const QStringList& arguments, std::vector<std::string>& energies) {
    QStringList rest;
    bool inTable = false;
    for (const QString& argument : arguments) {
        if (argument == "--table") {
            inTable = true;
            rest << argument;
        } else if (inTable && !argument.startsWith("--")) {
            energies.push_back(argument.toStdString());
        } else {
            inTable = false;
            rest << argument;
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

// A limit typed as on the Data Input window, as the text of its kelvin box.
std::optional<std::string> kelvinText(const std::string& typed, bool kelvin) {
    const std::string text = core::pointToComma(typed);
    const std::optional<double> value = core::parseNumber(text);
    if (!value) return std::nullopt;
    return kelvin ? text : core::formatNumber(*value + core::kKelvinOffset);
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    CommandLine command;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Torvi shows the Boltzmann distribution of up to ten conformers, according to their "
        "ground state energies, as a function of temperature.\n\n"
        "Without options it opens its window. With --table it prints the results table of the "
        "given energies (kcal/mol, with a point or a comma) and temperature range, as in\n"
        "  torvi --table 0 0.6 1.2 --from -50 --to 30");
    // Qt's own help option would list --help-all, which only its process() answers.
    const QCommandLineOption help({"h", "help"}, "Displays help on commandline options.");
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption table("table", "Print the results table of these energies.");
    const QCommandLineOption from(
        "from", QString("Lower end of the range (default %1 °C).").arg(input::kDesignLowCelsius),
        "temperature");
    const QCommandLineOption to(
        "to", QString("Upper end of the range (default %1 °C).").arg(input::kDesignHighCelsius),
        "temperature");
    const QCommandLineOption kelvin("kelvin", "The range is in kelvin, not in degrees Celsius.");
    const QCommandLineOption all("all", "Every one of the 101 temperatures, not every tenth.");
    const QCommandLineOption csv("csv", "Semicolon-separated values with a header line.");
    const QCommandLineOption showHpg("show-hpg", "Show the HPG command in the window's menu.");
    parser.addOptions({table, from, to, kelvin, all, csv, showHpg});

    const QStringList rest = takeEnergies(arguments, command.energies);
    if (!parser.parse(rest)) return refuse(parser.errorText().toStdString());
    if (parser.isSet(help)) {
        command.action = CommandLine::Action::Print;
        command.output = parser.helpText().toStdString();
        return command;
    }
    if (parser.isSet(version)) {
        command.action = CommandLine::Action::Print;
        command.output = (QCoreApplication::applicationName() + " " +
                          QCoreApplication::applicationVersion() + "\n")
                             .toStdString();
        return command;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refuse("Unexpected argument: " + parser.positionalArguments().first().toStdString());
    }
    command.showHpg = parser.isSet(showHpg);
    if (!parser.isSet(table)) {
        for (const QCommandLineOption* option : {&from, &to, &kelvin, &all, &csv}) {
            if (parser.isSet(*option))
                return refuse("--" + option->names().first().toStdString() + " needs --table");
        }
        return command;
    }
    command.action = CommandLine::Action::Table;
    command.kelvin = parser.isSet(kelvin);
    if (parser.isSet(from)) command.from = parser.value(from).toStdString();
    if (parser.isSet(to)) command.to = parser.value(to).toStdString();
    command.everyPoint = parser.isSet(all);
    command.csv = parser.isSet(csv);
    return command;
}

int runTableCommand(const CommandLine& command) {
    const auto fail = [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return 2;
    };
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
    core::CalculationInput input{std::to_string(count), *low, *high, {}};
    for (const std::string& energy : command.energies)
        input.energyTexts.push_back(core::pointToComma(energy));

    core::CalculationState state;
    const core::Refusal refusal = core::calculatePopulations(input, state).refusal;
    if (refusal != core::Refusal::None) return fail(shell::messages::refusalText(refusal));
    const results::TableText table =
        results::tableText(state, input.energyTexts, command.everyPoint);
    const std::string output =
        command.csv ? results::spreadsheetTable(table.cells, ';') : table.lines;
    std::fputs(output.c_str(), stdout);
    return 0;
}

}  // namespace torvi::app
