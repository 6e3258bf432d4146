#pragma once

#include "core/storage/app_paths.hpp"
#include "window/platform.hpp"

namespace fretwise {

// Registers the chord file type in the user's freedesktop data directory, unless the program
// is installed for all users with the registration of its package; a second after it is
// asked, from the event loop.
class DesktopRegistrar : public FileTypeRegistrar {
  public:
    explicit DesktopRegistrar(AppPaths paths) : paths_(std::move(paths)) {}

    void Register(const FileTypeRegistration& registration) override;

  private:
    void RegisterNow(const FileTypeRegistration& registration);

    AppPaths paths_;
};

}  // namespace fretwise
