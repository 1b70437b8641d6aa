#pragma once
// The program's entry, the same on every system: the command line decides between what needs no
// window (help, the version, a table, or the refusal of what it cannot read) and the system's
// window program.

#include <functional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "ui/files.h"

namespace torvi::app {

// What each system adds to the entry.
struct SystemEntry {
    // Makes standard output and error reachable before anything is printed (a Windows program
    // of the window kind has no console of its own); empty where they always are.
    std::function<void()> prepareOutput;
    // Runs the window program with the options of the command line; its exit status.
    std::function<int(const CommandLine&)> runWindows;
    // The system's files, for --exercise.
    ui::Files* files = nullptr;
};

// Reads the arguments (UTF-8, the program's name first) and does what they ask: the exit status.
int runTorvi(const std::vector<std::string>& arguments, const SystemEntry& system);

}  // namespace torvi::app
