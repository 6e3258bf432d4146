#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fretwise {

// The program's full path when an executable of that name is on PATH; empty otherwise.
std::filesystem::path FindOnPath(const std::string& name);

// Starts the program in its own session with no input or output and does not wait for it;
// it is never left behind as a zombie. Returns false when it could not be started.
bool StartDetached(const std::filesystem::path& program, const std::vector<std::string>& args);

}  // namespace fretwise
