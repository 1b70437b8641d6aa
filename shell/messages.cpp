#include "shell/messages.h"

#include "input/messages.h"

namespace torvi::shell::messages {

std::string refusalText(core::Refusal refusal) {
    switch (refusal) {
        case core::Refusal::None:
            return {};
        case core::Refusal::EqualLimits:
            return kEqualLimits;
        case core::Refusal::TemperatureNotPossible:
            return input::messages::kImpossibleTemperature;
        case core::Refusal::CountOutOfRange:
            return input::messages::kTooManyConformers;
        case core::Refusal::InvalidEntry:
        case core::Refusal::NonFinite:
            break;
    }
    return input::messages::kWrongNumber;
}

std::string printFailureText(const ui::PrintFailure& failure) {
    using Kind = ui::PrintFailure::Kind;
    const auto notSaved = [&](const std::string& reason) {
        return "The table could not be saved as " + failure.file + ": " + reason + ".";
    };
    switch (failure.kind) {
        case Kind::None:
            break;
        case Kind::PrinterRefused:
            return "The printer did not accept the document.";
        case Kind::SpoolerRefused:
            return "The print system did not accept the document.";
        case Kind::FileNotOpened:
            return notSaved(failure.reason);
        case Kind::FileNotWritten:
            return notSaved("the PDF could not be written");
        case Kind::FileEmpty:
            return notSaved("the file is empty");
    }
    return {};
}

}  // namespace torvi::shell::messages
