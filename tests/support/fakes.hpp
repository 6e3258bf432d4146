#pragma once

// Fakes of the platform interfaces that record what was asked, shown, played and written.

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/sound/clock.hpp"
#include "core/sound/sound_player.hpp"
#include "window/platform.hpp"

namespace fretwise::test {

class FakeDialogs : public Dialogs {
  public:
    // Answers given in turn; nullopt, or no answer left, is the user cancelling.
    std::deque<std::optional<std::string>> answers;
    // Everything in order: "open FILTER", "save NAME|FILTER", "input PROMPT|TITLE|DEFAULT",
    // "tuning D2,A2,D3,G3,B3,E4",
    // "message TEXT", "information TEXT", "beep", "busy", "idle".
    std::vector<std::string> log;

    std::optional<std::string> AskFileToOpen(std::string_view filter) override {
        return Ask("open " + std::string(filter));
    }
    std::optional<std::string> AskFileToSave(std::string_view fileName,
                                             std::string_view filter) override {
        return Ask("save " + std::string(fileName) + "|" + std::string(filter));
    }
    std::optional<std::string> Input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override {
        return Ask("input " + std::string(prompt) + "|" + std::string(title) + "|" +
                   std::string(defaultText));
    }
    // The answer is six notes, low string first: "D2,A2,D3,G3,B3,E4".
    std::optional<Tuning> AskTuning(const Tuning& current) override {
        const std::optional<std::string> answer =
            Ask("tuning " + TuningText(current, Accidentals::Sharps));
        return answer ? ReadTuning(*answer).tuning : std::nullopt;
    }
    void Message(std::string_view text, MessageIcon icon) override {
        log.push_back((icon == MessageIcon::Information ? "information " : "message ") +
                      std::string(text));
    }
    void Beep() override { log.emplace_back("beep"); }
    void SetBusyCursor(bool busy) override { log.emplace_back(busy ? "busy" : "idle"); }

    // The texts of the message boxes shown, whatever their icon.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const std::string& entry : log) {
            for (std::string_view kind : {"message ", "information "}) {
                if (entry.starts_with(kind)) {
                    texts.push_back(entry.substr(kind.size()));
                }
            }
        }
        return texts;
    }

  private:
    std::optional<std::string> Ask(std::string request) {
        log.push_back(std::move(request));
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
    Tuning tunerTuning{};
    int quit = 0;
    std::vector<int> beatPeriods;  // every StartBeats, in milliseconds
    int beatsStopped = 0;
    void ShowWindow() override { ++shown; }
    void OpenHelp() override { ++helpOpened; }
    void ShowTuner(const Tuning& tuning) override {
        ++tunerShown;
        tunerTuning = tuning;
    }
    void Quit() override { ++quit; }
    void StartBeats(int periodMs) override { beatPeriods.push_back(periodMs); }
    void StopBeats() override { ++beatsStopped; }
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

// Records its calls as "once FILE", "loop FILE" and "stop" (file names only), and the full
// path of every file handed over.
class FakePlayer : public SoundPlayer {
  public:
    std::vector<std::string> calls;
    std::vector<std::filesystem::path> played;

    void PlayOnce(const std::filesystem::path& file) override { Take("once ", file); }
    void Loop(const std::filesystem::path& file) override { Take("loop ", file); }
    void Stop() override { calls.emplace_back("stop"); }

  private:
    void Take(const char* how, const std::filesystem::path& file) {
        calls.push_back(how + file.filename().string());
        played.push_back(file);
    }
};

// A clock that shows a set time, optionally moving on by a step at every reading.
class FakeClock : public Clock {
  public:
    mutable double now = 36000.0;
    double stepPerRead = 0.0;
    double SecondsAfterMidnight() const override {
        const double t = now;
        now += stepPerRead;
        return t;
    }
};

}  // namespace fretwise::test
