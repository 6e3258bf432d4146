// Chord files: opening by path (also from the command line), the open and save commands.
#include "core/analysis/assign_fingering.hpp"
#include "core/storage/chord_file.hpp"
#include "core/storage/file_messages.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

namespace {

constexpr std::string_view kChordFilter = "Chord|*.fw";

// Paths shorter than this are no file (an empty command line, a stray character).
constexpr std::size_t kShortestPath = 4;

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

}  // namespace

void MainController::OpenChordFile(std::string_view untrimmed) {
    const std::string_view path = TrimSpaces(untrimmed);
    if (path.size() < kShortestPath) {
        return;
    }
    const std::unique_ptr<std::istream> in =
        services_.files.OpenToRead(std::filesystem::path(path));
    ChordFileRead read;
    read.failure = ReadFailure::CannotOpen;
    if (in) {
        read = ReadChordFile(*in);
    }

    // A file that no guitar can play, or with a damaged tuning, is refused before it changes
    // anything on show.
    if (read.numFrets && !read.Refused()) {
        numFrets_ = *read.numFrets;
        RefreshDisplay(Fingering{});
        display_.candidateScroll.enabled = false;
        LayoutFrets();
    }
    if (!read.Ok()) {
        if (!read.Refused()) {
            RefreshDisplay(Fingering{});
        }
        Notify();
        const std::string line = read.failure == ReadFailure::BadTuning
                                     ? " (line " + std::to_string(read.FailedLine()) + ")"
                                     : "";
        services_.dialogs.Message(std::string(kErrorOpeningFile) + line, MessageIcon::None);
        return;
    }
    // The file's tuning and capo, standard with no capo for a seven-line file.
    UseOpenStrings(read.strings);
    Fingering opened = currentShape_;
    opened.Note = read.notes;
    RefreshDisplay(AssignFingering(ShapeNotesToFrets(opened, strings_), numFrets_));
}

void MainController::ChooseChordFileToOpen() {
    Notify();
    const std::optional<std::string> chosen = services_.dialogs.AskFileToOpen(kChordFilter);
    if (chosen) {
        OpenChordFile(*chosen);
    }
    Notify();
}

void MainController::SaveChordFile() {
    Notify();
    const std::optional<std::string> chosen =
        services_.dialogs.AskFileToSave(display_.chordCaption, kChordFilter);
    if (!chosen || chosen->empty()) {
        return;
    }
    const std::string text =
        ChordFileText(static_cast<std::int16_t>(numFrets_), currentShape_.Note, strings_);
    if (!services_.files.WriteAtomically(*chosen, text)) {
        services_.dialogs.Message(kErrorSavingFile, MessageIcon::None);
    }
}

}  // namespace fretwise
