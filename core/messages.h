#pragma once
// The texts of the program's message boxes, each written once here.

#include <string>

namespace torvi::core::messages {

// The entry rules of Data Input.
inline constexpr char kNotAnInteger[] = "Number of conformers must be an Integer";
inline constexpr char kTooManyConformers[] = "Maximum number of conformers in this mode is 10!";
inline constexpr char kWrongNumber[] = "Something is wrong with your number!";
inline constexpr char kImpossibleTemperature[] = "This temperature is not possible. Please check!";

// Calculate.
inline constexpr char kEqualLimits[] = "The temperature limits must be different!";

// Print Table.
inline constexpr char kNoPrinter[] =
    "No printer is available. Print Table needs a default printer.";
inline constexpr char kPrinterRefused[] = "The printer did not accept the document.";
inline constexpr char kSpoolerRefused[] = "The print system did not accept the document.";
inline constexpr char kSaveAsPdfInstead[] =
    "No printer is available. Save the table as a PDF file instead?";
inline constexpr char kSaveAsPdfTitle[] = "Save the Table as PDF";
inline constexpr char kPdfFileName[] = "Torvi table.pdf";
inline constexpr char kPdfFilter[] = "PDF files (*.pdf)";
inline std::string notSaved(const std::string& file, const std::string& reason) {
    return "The table could not be saved as " + file + ": " + reason + ".";
}

// The About box.
inline constexpr char kNoSystemInformation[] = "System Information Is Unavailable At This Time";

}  // namespace torvi::core::messages
