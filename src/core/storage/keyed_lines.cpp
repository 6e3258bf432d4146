#include "core/storage/keyed_lines.hpp"

#include <algorithm>
#include <exception>
#include <istream>

namespace fretwise {

namespace {

constexpr int kEndOfFile = std::char_traits<char>::eof();

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void SetFromLine(KeyedLines& lines, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
        lines.Set(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
    }
}

}  // namespace

std::optional<std::string_view> KeyedLines::Text(std::string_view key) const {
    const auto it = std::find_if(lines_.begin(), lines_.end(),
                                 [key](const auto& line) { return line.first == key; });
    if (it == lines_.end()) {
        return std::nullopt;
    }
    return it->second;
}

void KeyedLines::Set(std::string_view key, std::string_view text) {
    if (key.empty() || key.find('=') != std::string_view::npos || HasLineBreak(key) ||
        HasLineBreak(text)) {
        return;
    }
    const auto it = std::find_if(lines_.begin(), lines_.end(),
                                 [key](const auto& line) { return line.first == key; });
    if (it != lines_.end()) {
        it->second = text;
    } else if (lines_.size() < kMaxKeys) {
        lines_.emplace_back(key, text);
    }
}

void KeyedLines::Remove(std::string_view key) {
    std::erase_if(lines_, [key](const auto& line) { return line.first == key; });
}

void KeyedLines::AppendTo(std::string& fileText) const {
    for (const auto& [key, text] : lines_) {
        fileText += key;
        fileText += '=';
        fileText += text;
        fileText += "\r\n";
    }
}

KeyedLines ReadKeyedLines(std::istream& in) {
    KeyedLines lines;
    std::streambuf* buf = in.rdbuf();
    if (buf == nullptr) {
        return lines;
    }
    std::string line;
    bool tooLong = false;
    try {
        for (int c = buf->sbumpc();; c = buf->sbumpc()) {
            if (c == kEndOfFile || c == '\r' || c == '\n') {
                if (!tooLong) {
                    SetFromLine(lines, line);
                }
                if (c == kEndOfFile) {
                    return lines;
                }
                line.clear();
                tooLong = false;
            } else if (line.size() < KeyedLines::kMaxLineLength) {
                line += static_cast<char>(c);
            } else {
                tooLong = true;
            }
        }
    } catch (const std::exception&) {
        // An unreadable rest of the file gives the lines read before it.
        return lines;
    }
}

}  // namespace fretwise
