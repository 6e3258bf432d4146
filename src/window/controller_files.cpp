// Chord files: opening by path (also from the command line), the open and save commands.
#include "analysis/assign_fingering.hpp"
#include "storage/chord_file.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

namespace {

constexpr std::string_view kChordFilter = "Chord|*.fw";

// Paths shorter than this are no file (an empty command line, a stray character).
constexpr std::size_t kShortestPath = 4;

void TrimSpaces(std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, first);
}

}  // namespace

void MainController::OpenF(std::string& path) {
    TrimSpaces(path);
    if (path.size() < kShortestPath) {
        return;
    }
    const std::unique_ptr<std::istream> in = services_.files.OpenForReading(path);
    ChordFileRead read;
    read.failure = ReadFailure::CannotOpen;
    if (in) {
        read = ReadChordFile(*in);
    }

    if (read.NumFrets) {
        numFrets_ = *read.NumFrets;
        Fingering own{};
        RefreshDisplay(own);
        display_.newScroll.enabled = false;
        LayoutFrets();
        currentShape_ = own;
    }
    if (!read.ok()) {
        Fingering blank{};
        RefreshDisplay(blank);
        Notify();
        services_.dialogs.Message("Error opening file", MessageIcon::None);
        return;
    }
    currentShape_.Note = read.Note;
    currentShape_ = ShapeNotesToFrets(currentShape_);
    Fingering fingered = AssignFingering(currentShape_, numFrets_);
    RefreshDisplay(fingered);
}

void MainController::MnuOpenClick() {
    Notify();
    std::optional<std::string> chosen = services_.dialogs.OpenFile(kChordFilter);
    if (chosen) {
        OpenF(*chosen);
    }
    Notify();
}

void MainController::MnuSaveClick() {
    Notify();
    const std::optional<std::string> chosen =
        services_.dialogs.SaveFile(display_.frameCaption, kChordFilter);
    if (!chosen || chosen->empty()) {
        return;
    }
    const std::string text =
        ChordFileText(static_cast<std::int16_t>(numFrets_), currentShape_.Note);
    if (!services_.files.WriteAtomically(*chosen, text)) {
        services_.dialogs.Message("Error saving file", MessageIcon::None);
    }
}

}  // namespace fretwise
