#pragma once

#include <filesystem>
#include <string_view>

namespace fretwise {

// Writes the bytes to a temporary file beside the target, flushes it to disk and renames it
// over the target, so a failed write leaves the old file untouched and no partial file.
// Returns false (and leaves no temporary file) when any step fails.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace fretwise
