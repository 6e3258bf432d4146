#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/music/tuning.hpp"
#include "core/storage/file_type.hpp"

namespace fretwise {

// What the window logic asks of the desktop, behind small interfaces: Qt adapters in the
// program, fakes in the tests.

enum class MessageIcon { None, Information };

// Modal dialogs, the beep and the hourglass pointer.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // The open-file dialog with a filter such as "Chord|*.fw"; nullopt when cancelled.
    virtual std::optional<std::string> AskFileToOpen(std::string_view filter) = 0;

    // The save-file dialog, offering fileName; nullopt when cancelled. The answer is
    // returned as chosen (an adapter may add the filter's extension to a bare name).
    virtual std::optional<std::string> AskFileToSave(std::string_view fileName,
                                                     std::string_view filter) = 0;

    // An input box; an empty title means the application's own. nullopt when cancelled.
    virtual std::optional<std::string> Input(std::string_view prompt, std::string_view title,
                                             std::string_view defaultText) = 0;

    // The six open strings, low string first, starting from current; the dialog refuses
    // notes out of each string's range with a message. nullopt when cancelled.
    virtual std::optional<Tuning> AskTuning(const Tuning& current) = 0;

    // A message box with only an OK button and the application's title.
    virtual void Message(std::string_view text, MessageIcon icon) = 0;

    virtual void Beep() = 0;

    // The hourglass pointer over the whole screen while busy.
    virtual void SetBusyCursor(bool busy) = 0;
};

// The window's own surroundings.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // Makes the main window visible and lets pending window events run.
    virtual void ShowWindow() = 0;

    // Opens the help page in the browser without waiting.
    virtual void OpenHelp() = 0;

    // Shows the guitar tuner window modally (the same one every time), its strings tuned so.
    virtual void ShowTuner(const Tuning& tuning) = 0;

    // Ends the program at once, without the closing steps.
    virtual void Quit() = 0;

    // Runs the window's Beat command (window/song_commands.hpp) every periodMs milliseconds
    // from now on, replacing the beat running, until StopBeats: the metronome's clicks and a
    // song played through.
    virtual void StartBeats(int periodMs) { (void)periodMs; }
    virtual void StopBeats() {}
};

class FileTypeRegistrar {
  public:
    virtual ~FileTypeRegistrar() = default;
    // Silent on failure.
    virtual void Register(const FileTypeRegistration& registration) = 0;
};

// The user's files: chord files, the settings file, the temporary sound files.
class Files {
  public:
    virtual ~Files() = default;

    // The file opened for reading, or nullptr when it cannot be opened. Readers take only
    // the values they need, so a huge file costs nothing.
    virtual std::unique_ptr<std::istream> OpenToRead(const std::filesystem::path& file) = 0;

    // Replaces the file as a whole or leaves it untouched; false on failure.
    virtual bool WriteAtomically(const std::filesystem::path& file, std::string_view bytes) = 0;

    // Deletes the file; false when it did not exist or could not be deleted.
    virtual bool Remove(const std::filesystem::path& file) = 0;
};

}  // namespace fretwise
