// Chord files: opening by path (also from the command line), the open and save commands.
#include "core/analysis/assign_fingering.hpp"
#include "core/storage/chord_file.hpp"
#include "core/storage/file_messages.hpp"
#include "window/command_steps.hpp"
#include "window/commands.hpp"
#include "window/refresh.hpp"

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

void OpenChordFile(Window& window, std::string_view untrimmed) {
    const std::string_view path = TrimSpaces(untrimmed);
    if (path.size() < kShortestPath) {
        return;
    }
    WindowState& state = window.state;
    const std::unique_ptr<std::istream> in =
        window.services.files.OpenToRead(std::filesystem::path(path));
    ChordFileRead read;
    read.failure = ReadFailure::CannotOpen;
    if (in) {
        read = ReadChordFile(*in);
    }

    // A file that no guitar can play, or with a damaged tuning, is refused before it changes
    // anything on show.
    if (read.numFrets && !read.Refused()) {
        state.numFrets = *read.numFrets;
        RefreshChord(state, Fingering{});
        state.browsingCandidates = false;
        LayoutFrets(state);
    }
    if (!read.Ok()) {
        if (!read.Refused()) {
            RefreshChord(state, Fingering{});
        }
        Paint(window);
        const std::string line = read.failure == ReadFailure::BadTuning
                                     ? " (line " + std::to_string(read.FailedLine()) + ")"
                                     : "";
        window.services.dialogs.Message(std::string(kErrorOpeningFile) + line, MessageIcon::None);
        return;
    }
    // The file's tuning and capo, standard with no capo for a seven-line file.
    state.strings = read.strings;
    Fingering opened = state.shape;
    opened.Note = read.notes;
    RefreshChord(state, AssignFingering(ShapeNotesToFrets(opened, state.strings), state.numFrets));
}

void ChooseChordFileToOpen(Window& window) {
    Paint(window);
    const std::optional<std::string> chosen = window.services.dialogs.AskFileToOpen(kChordFilter);
    if (chosen) {
        OpenChordFile(window, *chosen);
    }
}

void SaveChordFile(Window& window) {
    Paint(window);
    const WindowState& state = window.state;
    const std::optional<std::string> chosen =
        window.services.dialogs.AskFileToSave(ShownChordName(state), kChordFilter);
    if (!chosen || chosen->empty()) {
        return;
    }
    const std::string text =
        ChordFileText(static_cast<std::int16_t>(state.numFrets), state.shape.Note, state.strings);
    if (!window.services.files.WriteAtomically(*chosen, text)) {
        window.services.dialogs.Message(kErrorSavingFile, MessageIcon::None);
    }
}

}  // namespace fretwise
