#pragma once
// The texts the main window and the About box show, and the one place where the calculation's
// refusals and the printer's failures become words, for the windows and the command line alike.

#include <optional>
#include <string>
#include <variant>

#include "core/exercise.h"
#include "core/population.h"
#include "ui/files.h"
#include "ui/printer.h"

namespace torvi::shell::messages {

inline constexpr char kEqualLimits[] = "The temperature limits must be different!";

// Print Table.
inline constexpr char kNoPrinter[] =
    "No printer is available. Print Table needs a default printer.";
inline constexpr char kSaveAsPdfInstead[] =
    "No printer is available. Save the table as a PDF file instead?";
inline constexpr char kSaveAsPdfTitle[] = "Save the Table as PDF";
inline constexpr char kPdfFileName[] = "Torvi table.pdf";
inline constexpr char kPdfFilter[] = "PDF files (*.pdf)";
// Print Graph: the same offer, for the graph.
inline constexpr char kSaveGraphAsPdfInstead[] =
    "No printer is available. Save the graph as a PDF file instead?";
inline constexpr char kSaveGraphAsPdfTitle[] = "Save the Graph as PDF";
inline constexpr char kGraphPdfFileName[] = "Torvi graph.pdf";

// Exercises.
inline constexpr char kOpenExerciseTitle[] = "Open Exercise";
inline constexpr char kSaveExerciseTitle[] = "Save Exercise As";
inline constexpr char kExerciseFileName[] = "Torvi exercise.torvi";
inline constexpr char kExerciseFilter[] = "Torvi exercises (*.torvi)";
inline constexpr char kNothingToSave[] =
    "Enter the number of conformers, their energies and the temperature range first.";

// Save Graph As.
inline constexpr char kSaveGraphTitle[] = "Save Graph As";
inline constexpr char kGraphFileName[] = "Torvi graph.png";
inline constexpr char kGraphFilter[] =
    "PNG pictures (*.png);;SVG drawings (*.svg);;PNG pictures for print, 300 dpi (*.png)";
// The filter's third type: the graph as Print Graph prints it, at this many pixels an inch.
inline constexpr int kGraphForPrintType = 2;
inline constexpr int kGraphForPrintDotsPerInch = 300;
inline constexpr char kGraphClosed[] =
    "The graph window is closed. Calculate again to show it, then save it.";

// The About box.
inline constexpr char kNoSystemInformation[] = "System Information Is Unavailable At This Time";

// What a refused calculation says: the entry rules' words for the entry at fault.
std::string refusalText(core::Refusal refusal);
// What a file that could not be read, or that is no exercise, says: the file's name, the line at
// fault and why, and that nothing was changed.
std::string cannotReadText(const std::string& path);
std::string notAnExerciseText(const std::string& path, int line, const std::string& reason);
std::string cannotWriteText(const std::string& path);
// The exercise in a file's bytes (nothing for a file that could not be read), or what is wrong.
std::variant<core::Exercise, std::string> exerciseFromFile(const std::optional<std::string>& bytes,
                                                           const std::string& path);
// What a document that did not reach the printer or its file says; empty for none.
// The document is "table" or "graph".
std::string printFailureText(const ui::PrintFailure& failure,
                             const std::string& document = "table");

}  // namespace torvi::shell::messages
