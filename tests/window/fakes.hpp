#pragma once

// Fakes of the window's platform interfaces that record what was shown, played and written.

#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "sound/clock.hpp"
#include "sound/sound_player.hpp"
#include "window/platform.hpp"

namespace fretwise::testing {

struct ShownMessage {
    std::string text;
    MessageIcon icon;
};

class FakeDialogs : public Dialogs {
  public:
    // Answers given in turn; nullopt is the user cancelling.
    std::deque<std::optional<std::string>> answers;

    std::vector<std::string> requests;  // "open FILTER", "save NAME|FILTER", "input PROMPT|DEFAULT"
    std::vector<ShownMessage> messages;
    int beeps = 0;
    std::vector<bool> busyCursor;

    std::optional<std::string> AskFileToOpen(std::string_view filter) override {
        requests.push_back("open " + std::string(filter));
        return Next();
    }
    std::optional<std::string> AskFileToSave(std::string_view fileName,
                                             std::string_view filter) override {
        requests.push_back("save " + std::string(fileName) + "|" + std::string(filter));
        return Next();
    }
    std::optional<std::string> Input(std::string_view prompt, std::string_view,
                                     std::string_view defaultText) override {
        requests.push_back("input " + std::string(prompt) + "|" + std::string(defaultText));
        return Next();
    }
    void Message(std::string_view text, MessageIcon icon) override {
        messages.push_back({std::string(text), icon});
    }
    void Beep() override { ++beeps; }
    void SetBusyCursor(bool busy) override { busyCursor.push_back(busy); }

  private:
    std::optional<std::string> Next() {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FakeDesktop : public Desktop {
  public:
    int shown = 0;
    int helpOpened = 0;
    int tunerShown = 0;
    int quit = 0;
    void ShowWindow() override { ++shown; }
    void OpenHelp() override { ++helpOpened; }
    void ShowTuner() override { ++tunerShown; }
    void Quit() override { ++quit; }
};

class FakeRegistrar : public FileTypeRegistrar {
  public:
    std::vector<FileTypeRegistration> registered;
    void Register(const FileTypeRegistration& registration) override {
        registered.push_back(registration);
    }
};

// Files in memory, keyed by path.
class FakeFiles : public Files {
  public:
    std::map<std::filesystem::path, std::string> files;
    std::vector<std::filesystem::path> writes;
    std::vector<std::filesystem::path> removeAttempts;
    bool failWrites = false;

    std::unique_ptr<std::istream> OpenToRead(const std::filesystem::path& file) override {
        const auto found = files.find(file);
        if (found == files.end()) {
            return nullptr;
        }
        return std::make_unique<std::istringstream>(found->second);
    }
    bool WriteAtomically(const std::filesystem::path& file, std::string_view bytes) override {
        writes.push_back(file);
        if (failWrites) {
            return false;
        }
        files[file] = std::string(bytes);
        return true;
    }
    bool Remove(const std::filesystem::path& file) override {
        removeAttempts.push_back(file);
        return files.erase(file) == 1;
    }
};

class FakePlayer : public SoundPlayer {
  public:
    struct Played {
        std::filesystem::path file;
        std::uintmax_t size = 0;  // the file's size when it was handed over
    };
    std::vector<Played> played;
    int stops = 0;

    void PlayOnce(const std::filesystem::path& file) override {
        std::error_code ignored;
        played.push_back({file, std::filesystem::file_size(file, ignored)});
    }
    void Loop(const std::filesystem::path& file) override { PlayOnce(file); }
    void Stop() override { ++stops; }
};

class FakeClock : public Clock {
  public:
    double seconds = 36000.0;
    double SecondsAfterMidnight() const override { return seconds; }
};

}  // namespace fretwise::testing
