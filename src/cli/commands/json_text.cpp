#include "cli/commands/json_text.hpp"

#include <charconv>

namespace fretwise::cli {

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    out += "\\u00";
                    out += kHex[(c >> 4) & 0xf];
                    out += kHex[c & 0xf];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void AppendJsonOptionalString(std::string& out, const std::optional<std::string>& text) {
    if (text) {
        AppendJsonString(out, *text);
    } else {
        out += "null";
    }
}

void AppendJsonArray(std::string& out, const PerString& values) {
    out += '[';
    for (int s = 0; s < kStringCount; ++s) {
        if (s > 0) {
            out += ',';
        }
        out += std::to_string(values[s]);
    }
    out += ']';
}

void AppendJsonFloat(std::string& out, float value) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                         std::chars_format::general, 9);
    out.append(text, ec == std::errc{} ? end : text);
}

std::string JsonError(std::string_view message) {
    std::string out = "{\"error\":";
    AppendJsonString(out, message);
    out += '}';
    return out;
}

}  // namespace fretwise::cli
