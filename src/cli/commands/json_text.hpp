#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/music/fingering.hpp"

namespace fretwise::cli {

// Small writers for the JSON the commands print; they append to a line being built so a
// batch can produce its output without a document model per line.

void AppendJsonString(std::string& out, std::string_view text);

// The string, or null when there is none.
void AppendJsonOptionalString(std::string& out, const std::optional<std::string>& text);

// The six values in string order (element 0 = high E).
void AppendJsonArray(std::string& out, const PerString& values);

// A single-precision value with nine significant digits, which reads back as the same float.
void AppendJsonFloat(std::string& out, float value);

// {"error": message}
std::string JsonError(std::string_view message);

}  // namespace fretwise::cli
