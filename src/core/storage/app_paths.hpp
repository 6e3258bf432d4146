#pragma once

#include <filesystem>

namespace fretwise {

// Where the program finds its files. The program's own directory is read-only once
// installed, so writable files live in the user's config and cache directories.
struct AppPaths {
    std::filesystem::path executable;  // the running program, for the desktop entry
    std::filesystem::path dataDir;     // read-only: "WAVs" folder, icon, help page
    std::filesystem::path configDir;   // "Settings.ini"
    std::filesystem::path cacheDir;    // temporary sound files "chord0.wav" ...
};

}  // namespace fretwise
