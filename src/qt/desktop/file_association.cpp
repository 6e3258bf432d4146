#include "qt/desktop/file_association.hpp"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/storage/atomic_file.hpp"
#include "qt/desktop/detached_process.hpp"

namespace fretwise {

namespace fs = std::filesystem;

namespace {

std::string MimeIconName(const FileTypeRegistration& type) {
    return "application-x-" + FileTypeId(type);
}

std::string Glob(const FileTypeRegistration& type) {
    return type.extension.front() == '.' ? '*' + type.extension : "*." + type.extension;
}

std::string XmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The escapes of every string value of a desktop entry.
std::string EntryEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
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
                out += c;
        }
    }
    return out;
}

// One argument of an Exec line in double quotes, so that spaces and other reserved
// characters in the program's path keep it one argument. A bare program name of letters,
// digits and dashes, found on the PATH, stays unquoted: launchers that read only the first
// word of the line (xdg-open without a desktop) would otherwise look for the quotes too.
std::string ExecQuoted(const std::string& argument) {
    const bool bare =
        !argument.empty() && std::all_of(argument.begin(), argument.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '-' || c == '_';
        });
    if (bare) {
        return argument;
    }
    std::string out = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            out += '\\';
        }
        out += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return out + '"';
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool WriteInto(const fs::path& file, const std::string& bytes) {
    std::error_code ignored;
    fs::create_directories(file.parent_path(), ignored);
    return WriteFileAtomically(file, bytes);
}

// Icon themes take SVG for any size; other formats (such as "fw.ico") are left out.
void InstallIcon(const FileTypeRegistration& type, const fs::path& dataHome) {
    if (type.icon.extension() != ".svg") {
        return;
    }
    std::ifstream in(type.icon, std::ios::binary);
    std::stringstream bytes;
    if (!(bytes << in.rdbuf())) {
        return;
    }
    const fs::path scalable = dataHome / "icons" / "hicolor" / "scalable";
    WriteInto(scalable / "apps" / (FileTypeId(type) + ".svg"), bytes.str());
    WriteInto(scalable / "mimetypes" / (MimeIconName(type) + ".svg"), bytes.str());
}

void StartIfInstalled(const std::string& tool, const fs::path& argument) {
    const fs::path program = FindOnPath(tool);
    if (!program.empty()) {
        StartDetached(program, {argument.string()});
    }
}

}  // namespace

FileTypeRegistration ChordFileType(const AppPaths& paths) {
    FileTypeRegistration type;
    type.icon = paths.dataDir / "icons" / "fretwise.svg";
    return type;
}

fs::path UserDataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && fs::path(xdg).is_absolute()) {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : "/") / ".local" / "share";
}

std::vector<fs::path> SystemDataDirs() {
    std::vector<fs::path> dirs;
    const char* xdg = std::getenv("XDG_DATA_DIRS");
    std::istringstream list(xdg != nullptr ? xdg : "");
    for (std::string dir; std::getline(list, dir, ':');) {
        if (fs::path(dir).is_absolute()) {
            dirs.emplace_back(dir);
        }
    }
    if (dirs.empty()) {
        dirs = {"/usr/local/share", "/usr/share"};
    }
    return dirs;
}

bool InstalledForAllUsers(const FileTypeRegistration& type, const fs::path& executable,
                          const std::vector<fs::path>& dataDirs) {
    std::error_code error;
    const fs::path share =
        fs::weakly_canonical(executable, error).parent_path().parent_path() / "share";
    if (error || !fs::is_regular_file(share / DesktopEntryPath(type), error)) {
        return false;
    }
    return std::any_of(dataDirs.begin(), dataDirs.end(), [&](const fs::path& dir) {
        std::error_code ignored;
        return fs::equivalent(dir, share, ignored);
    });
}

std::string MimePackageText(const FileTypeRegistration& type) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    text += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    text += "  <mime-type type=\"" + MimeTypeName(type) + "\">\n";
    text += "    <comment>" + XmlEscaped(type.description) + "</comment>\n";
    if (!type.icon.empty()) {
        text += "    <icon name=\"" + MimeIconName(type) + "\"/>\n";
    }
    text += "    <glob pattern=\"" + XmlEscaped(Glob(type)) + "\"/>\n";
    text += "  </mime-type>\n";
    text += "</mime-info>\n";
    return text;
}

std::string DesktopEntryText(const FileTypeRegistration& type, const AppPaths& paths) {
    const std::string command = Trimmed(type.commandTemplate);
    const std::string exec =
        ExecQuoted(paths.executable.string()) + ' ' + (command.empty() ? "%f" : command);
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Name=" + EntryEscaped(type.programId) + "\n";
    text += "Comment=Name and create guitar chords\n";
    text += "Exec=" + EntryEscaped(exec) + "\n";
    if (!type.icon.empty()) {
        text += "Icon=" + FileTypeId(type) + "\n";
    }
    text += "Terminal=false\n";
    text += "MimeType=" + MimeTypeName(type) + ";\n";
    text += "Categories=Education;Music;\n";
    return text;
}

bool RegisterFileType(const FileTypeRegistration& type, const AppPaths& paths,
                      const fs::path& dataHome) {
    if (type.programId.empty() || type.extension.empty() || paths.executable.empty()) {
        return false;
    }
    try {
        const bool mime = WriteInto(dataHome / MimePackagePath(type), MimePackageText(type));
        const bool entry =
            WriteInto(dataHome / DesktopEntryPath(type), DesktopEntryText(type, paths));
        if (!type.icon.empty()) {
            InstallIcon(type, dataHome);
        }
        StartIfInstalled("update-mime-database", dataHome / "mime");
        StartIfInstalled("update-desktop-database", dataHome / "applications");
        return mime && entry;
    } catch (...) {
        // Registration is a courtesy to the desktop; nothing may stop the program for it.
        return false;
    }
}

}  // namespace fretwise
