#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fretwise {

// The optional "Key=value" lines after the classic lines of the settings file.
//
// Each key appears once, in the order it was first set; setting it again replaces its text in
// place. What a text means is up to the setting that owns the key (see setting_key.hpp), so
// the file keeps only the lines that differ from their defaults and a file without them
// means the defaults.
class KeyedLines {
  public:
    // The text after "=" on the key's line, none when the key has no line.
    std::optional<std::string_view> Text(std::string_view key) const;

    // A key is a non-empty text without "=", and neither holds a line break; anything else
    // is ignored, as is a new key beyond kMaxKeys.
    void Set(std::string_view key, std::string_view text);
    void Remove(std::string_view key);

    // Appends "Key=text" lines ending with CR LF, in order.
    void AppendTo(std::string& fileText) const;

    bool operator==(const KeyedLines&) const = default;

    // A file cannot grow the memory beyond this many keys of kMaxLineLength bytes.
    static constexpr std::size_t kMaxKeys = 64;
    static constexpr std::size_t kMaxLineLength = 256;

  private:
    std::vector<std::pair<std::string, std::string>> lines_;
};

// Reads lines up to the end of the stream. A line "Key=text" (spaces around either part
// dropped) sets the key, a later line of the same key wins; lines without "=", with an empty
// key or longer than KeyedLines::kMaxLineLength are skipped. Line ends are CR LF, CR or LF.
KeyedLines ReadKeyedLines(std::istream& in);

}  // namespace fretwise
