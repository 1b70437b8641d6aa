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

std::string cannotReadText(const std::string& path) {
    return "Torvi cannot read the file \"" + ui::fileNameOf(path) + "\".";
}

std::string notAnExerciseText(const std::string& path, int line, const std::string& reason) {
    return "The file \"" + ui::fileNameOf(path) + "\" cannot be opened as an exercise: line " +
           std::to_string(line) + ": " + reason + ".\n\nNothing you entered has changed.";
}

std::string cannotWriteText(const std::string& path) {
    return "Torvi could not save the file \"" + ui::fileNameOf(path) + "\".";
}

std::variant<core::Exercise, std::string> exerciseFromFile(const std::optional<std::string>& bytes,
                                                           const std::string& path) {
    if (!bytes) return cannotReadText(path);
    auto read = core::readExercise(*bytes);
    if (auto* error = std::get_if<core::ExerciseError>(&read))
        return notAnExerciseText(path, error->line, error->reason);
    return std::get<core::Exercise>(std::move(read));
}

std::string printFailureText(const ui::PrintFailure& failure, const std::string& document) {
    using Kind = ui::PrintFailure::Kind;
    const auto notSaved = [&](const std::string& reason) {
        return "The " + document + " could not be saved as " + failure.file + ": " + reason + ".";
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
