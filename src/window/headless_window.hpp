#pragma once

#include <filesystem>
#include <istream>
#include <memory>

#include "core/sound/sound_engine.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

// The main window's logic without a window: its dialogs answer "cancel", nothing is
// played, read or written. fretwise-cli and the tests use it to show a shape exactly as the
// window would.
class HeadlessWindow {
  public:
    HeadlessWindow();
    MainController& Controller() { return controller_; }

  private:
    class NullDialogs : public Dialogs {
      public:
        std::optional<std::string> AskFileToOpen(std::string_view) override { return {}; }
        std::optional<std::string> AskFileToSave(std::string_view, std::string_view) override {
            return {};
        }
        std::optional<std::string> Input(std::string_view, std::string_view,
                                         std::string_view) override {
            return {};
        }
        std::optional<Tuning> AskTuning(const Tuning&) override { return {}; }
        void Message(std::string_view, MessageIcon) override {}
        void Beep() override {}
        void SetBusyCursor(bool) override {}
    };
    class NullDesktop : public Desktop {
      public:
        void ShowWindow() override {}
        void OpenHelp() override {}
        void ShowTuner(const Tuning&) override {}
        void Quit() override {}
    };
    class NullRegistrar : public FileTypeRegistrar {
      public:
        void Register(const FileTypeRegistration&) override {}
    };
    class NullFiles : public Files {
      public:
        std::unique_ptr<std::istream> OpenToRead(const std::filesystem::path&) override {
            return nullptr;
        }
        bool WriteAtomically(const std::filesystem::path&, std::string_view) override {
            return false;
        }
        bool Remove(const std::filesystem::path&) override { return false; }
    };
    class NullPlayer : public SoundPlayer {
      public:
        void PlayOnce(const std::filesystem::path&) override {}
        void Loop(const std::filesystem::path&) override {}
        void Stop() override {}
    };
    class NullClock : public Clock {
      public:
        double SecondsAfterMidnight() const override { return 0.0; }
    };

    NullDialogs dialogs_;
    NullDesktop desktop_;
    NullRegistrar registrar_;
    NullFiles files_;
    NullPlayer player_;
    NullClock clock_;
    SoundEngine sound_;
    MainController controller_;
};

}  // namespace fretwise
