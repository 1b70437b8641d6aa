#pragma once
// The texts the main window and the About box show, and the one place where the calculation's
// refusals and the printer's failures become words, for the windows and the command line alike.

#include <string>

#include "core/population.h"
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

// The About box.
inline constexpr char kNoSystemInformation[] = "System Information Is Unavailable At This Time";

// What a refused calculation says: the entry rules' words for the entry at fault.
std::string refusalText(core::Refusal refusal);
// What a document that did not reach the printer or its file says; empty for none.
std::string printFailureText(const ui::PrintFailure& failure);

}  // namespace torvi::shell::messages
