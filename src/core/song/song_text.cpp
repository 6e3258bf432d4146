#include "core/song/song_text.hpp"

#include <cstdint>

namespace fretwise {

namespace {

// The length of the UTF-8 sequence at the start of text, or 0 when it is not one.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    std::uint32_t lowest = 0;
    std::uint32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, lowest = 0x80, code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, lowest = 0x800, code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, lowest = 0x10000, code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(k) & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < lowest || code > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

int InvalidUtf8Sequences(std::string_view text) {
    int invalid = 0;
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        invalid += length == 0 ? 1 : 0;
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return invalid;
}

std::string ShowableUtf8(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        if (length == 0) {
            shown += "\xEF\xBF\xBD";
            text.remove_prefix(1);
        } else {
            shown += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return shown;
}

std::optional<std::string> SongTextProblem(std::string_view bytes) {
    if (bytes.size() > kMaxSongBytes) {
        return "larger than 1 MB: not a song";
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return "not a text file: it holds NUL bytes";
    }
    if (InvalidUtf8Sequences(bytes) > kMaxInvalidSequences) {
        return "not UTF-8 text";
    }
    return std::nullopt;
}

std::vector<TextLine> SplitLines(std::string_view text) {
    std::vector<TextLine> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.push_back({std::string(text), ""});
            break;
        }
        const bool crlf = end > 0 && text[end - 1] == '\r';
        const std::size_t textEnd = crlf ? end - 1 : end;
        lines.push_back({std::string(text.substr(0, textEnd)), crlf ? "\r\n" : "\n"});
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace fretwise
